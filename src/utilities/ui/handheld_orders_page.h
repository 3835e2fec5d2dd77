#pragma once

#include "utilities/ui/utility_page.h"

class QListWidget;

namespace zel {

// Tab 5: the orders taken on a handheld device, validated and imported as orders.
class HandheldOrdersPage : public UtilityPage
{
    Q_OBJECT
public:
    HandheldOrdersPage(AppState &state, QWidget *parent = nullptr);

    QListWidget *orderList() const { return m_list; }
    void validate();
    void importOrders();
    void resetProcessed();

private:
    QListWidget *m_list;
};

} // namespace zel
