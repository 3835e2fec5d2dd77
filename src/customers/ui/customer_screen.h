#pragma once

#include "core/campaign.h"
#include "customers/customer.h"
#include "customers/ui/customer_summary_screen.h"
#include "shell/ui/screen_base.h"

#include <functional>
#include <optional>
#include <vector>

class QLabel;
class QMenu;
class QMenuBar;
class QTabWidget;

namespace zel {

class AppState;

namespace customers {

class CustomerAccountPage;
class CustomerDetailPages;
class CustomerForm;

// Zel_Customer: the daily work place. It walks the found list one customer at a time, edits the
// customer, shows her orders and money for the current campaign, takes payments and opens order
// entry. The shown customer is saved before every move away from her.
class CustomerScreen : public ScreenBase
{
    Q_OBJECT
public:
    using OrderOpener = std::function<bool(int customer, const Campaign &campaign, int orderNumber)>;
    using HistoryOpener = std::function<void(int customer)>;

    CustomerScreen(AppState &state, std::vector<int> found, QWidget *parent = nullptr);
    ~CustomerScreen() override;

    // Opens order entry; returns true when an order was saved.
    void setOrderOpener(OrderOpener open) { m_openOrder = std::move(open); }
    // Opens the purchase history for a customer.
    void setHistoryOpener(HistoryOpener open) { m_openHistory = std::move(open); }

    int currentCustomer() const { return m_customer.number; }
    const std::vector<int> &found() const { return m_found; }
    bool isNewCustomer() const { return m_isNew; }
    CustomerForm *form() const { return m_form; }
    CustomerAccountPage *account() const { return m_account; }
    CustomerDetailPages *details() const { return m_details; }
    QTabWidget *tabs() const { return m_tabs; }
    QString statusText() const;

    // The commands, as the buttons and menus run them.
    bool save();
    void moveBy(int step);
    void addCustomer();
    // The customer shown was made just now: the form is checked as a new customer's (duplicate
    // names) and the cursor waits in First Name with the default name selected.
    void startWithNewCustomer();
    void openOrderEntry();
    void stepCampaign(bool forward);
    // Opens one of the Show menu's summaries of this customer.
    void showSummary(CustomerSummaryScreen::Kind kind);
    // Previews one of the Reports menu's reports of this customer.
    void printCustomerReport(const QString &name, bool allYears);
    void changeCampaignNumber(int number);
    void stepYear(bool forward);
    void cancelChanges();
    void sendEmail();
    void purge();

protected:
    void finishClosing() override;

private:
    bool showCustomer(int number);
    void showCampaign();
    void buildMenus();
    QWidget *buildToolbar();
    void updateCaption();
    Campaign campaign() const;

    std::vector<int> m_found;
    int m_at = 0;
    Customer m_customer;
    bool m_isNew = false;
    bool m_purged = false;
    CustomerForm *m_form;
    CustomerAccountPage *m_account;
    CustomerDetailPages *m_details;
    QTabWidget *m_tabs;
    QMenuBar *m_menuBar = nullptr;
    QMenu *m_miscMenu = nullptr;
    QLabel *m_status;
    QLabel *m_campaignLabel;
    OrderOpener m_openOrder;
    HistoryOpener m_openHistory;
};

} // namespace customers
} // namespace zel
