#pragma once

#include "customers/customer_payments.h"
#include "shell/ui/record_grid_model.h"

namespace zel {

class AppState;

namespace customers {

// The customer screen's payments grid over one campaign's payments. Every accepted edit is
// stored at once, so the balance panel always shows what is in the database.
class PaymentsModel : public RecordGridModel<Payment>
{
public:
    PaymentsModel(AppState &state, std::function<bool()> autoNegative, QObject *parent = nullptr);

    void show(int customer, Campaign campaign);
    // Called after each stored edit.
    void setOnStored(std::function<void()> stored) { m_stored = std::move(stored); }
    bool store();

protected:
    bool commit(int row, Payment edited, int column) override;

private:
    std::vector<GridColumn<Payment>> columns();

    AppState &m_state;
    std::function<bool()> m_autoNegative;
    std::function<void()> m_stored;
    int m_customer = 0;
    Campaign m_campaign;
};

} // namespace customers
} // namespace zel
