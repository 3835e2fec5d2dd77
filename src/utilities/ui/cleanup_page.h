#pragma once

#include "utilities/ui/utility_page.h"

class QCheckBox;
class QComboBox;
class QRadioButton;

namespace zel {

// Tab 1: deleting old orders with their payments and comments, customers of a status, products
// and the stock, with a backup first when the box is ticked.
class CleanupPage : public UtilityPage
{
    Q_OBJECT
public:
    enum Choice { Orders, DeletedCustomers, ClosedCustomers, Products, Inventory, ChoiceCount };

    CleanupPage(AppState &state, QWidget *parent = nullptr);

    void showCampaign(const Campaign &campaign) override;
    QRadioButton *choice(Choice c) const { return m_choices[c]; }
    QComboBox *yearBox() const { return m_year; }
    QComboBox *campaignBox() const { return m_campaign; }
    QCheckBox *backupBox() const { return m_backup; }
    void runDelete();

private:
    std::optional<int> selected(const QComboBox *box) const;

    QRadioButton *m_choices[ChoiceCount];
    QComboBox *m_year;
    QComboBox *m_campaign;
    QCheckBox *m_backup;
};

} // namespace zel
