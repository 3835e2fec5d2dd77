#pragma once

#include "customers/customer_search.h"
#include "customers/ui/customer_screen.h"
#include "shell/ui/screen_base.h"

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace zel {

class AppState;

namespace customers {

// Zel_Search: finds the customers to work through and opens the customer screen on them, or
// opens one customer picked from a tree of all customers.
class CustomerSearchScreen : public ScreenBase
{
    Q_OBJECT
public:
    CustomerSearchScreen(AppState &state, QWidget *parent = nullptr);
    ~CustomerSearchScreen() override;

    // Passed on to every customer screen this search opens.
    void setOrderOpener(CustomerScreen::OrderOpener open) { m_openOrder = std::move(open); }
    // Called with the found list instead of opening the customer screen (tests).
    void setCustomerOpener(std::function<void(const std::vector<int> &)> open) { m_openCustomers = std::move(open); }

    SearchCriteria criteria() const;
    void find();
    void findAll();
    void addCustomer();
    void refreshTrees();
    void openNode(QTreeWidgetItem *item);
    void stepCampaign(bool forward);

    QLineEdit *lastName() const { return m_texts[1]; }
    QLineEdit *firstName() const { return m_texts[0]; }
    QSpinBox *campaignNumber() const { return m_campaign; }
    QCheckBox *orderedIn() const { return m_orderedIn; }
    QTreeWidget *tree(int kind) const { return m_trees[size_t(kind)]; }

protected:
    void finishClosing() override;

private:
    QWidget *buildCriteria();
    QWidget *buildCampaignCriteria();
    QWidget *buildTrees();
    void open(const std::vector<int> &found, bool isNew = false);
    void restoreOptions();
    void showCampaign();

    std::array<QLineEdit *, 11> m_texts{};
    QSpinBox *m_number = nullptr;
    QComboBox *m_referred = nullptr, *m_area = nullptr, *m_helper = nullptr, *m_status = nullptr, *m_points = nullptr;
    QLineEdit *m_discount = nullptr, *m_books = nullptr, *m_comments = nullptr;
    QSpinBox *m_pointsAbove = nullptr;
    QSpinBox *m_campaign = nullptr;
    QCheckBox *m_orderedIn = nullptr, *m_notOrderedIn = nullptr, *m_balance = nullptr, *m_product = nullptr,
              *m_noOrders = nullptr, *m_events = nullptr;
    std::array<QLineEdit *, 3> m_products{};
    QSpinBox *m_pastCampaigns = nullptr;
    QRadioButton *m_byName = nullptr, *m_byNumber = nullptr;
    QTabWidget *m_treeTabs = nullptr;
    std::array<QTreeWidget *, 3> m_trees{};
    QLabel *m_campaignLabel = nullptr;
    QLabel *m_status_ = nullptr;
    CustomerScreen::OrderOpener m_openOrder;
    std::function<void(const std::vector<int> &)> m_openCustomers;
};

} // namespace customers
} // namespace zel
