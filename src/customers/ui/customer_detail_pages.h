#pragma once

#include "core/campaign.h"
#include "customers/customer.h"
#include "customers/customer_details.h"
#include "customers/customer_records.h"

#include <QObject>

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QSpinBox;
class QTabWidget;
class QWidget;

namespace zel {

class AppState;
class RecordGridView;
template <class Record>
class RecordGridModel;

namespace customers {

// The customer screen's pages beside the main form and the money page: helper, event dates,
// notes, comments and counters. They read from and write into the shown customer.
class CustomerDetailPages : public QObject
{
    Q_OBJECT
public:
    CustomerDetailPages(AppState &state, QTabWidget *tabs);
    ~CustomerDetailPages() override;

    void load(const Customer &customer, Campaign campaign);
    // Reloads only what depends on the campaign (the order comments).
    void showCampaign(Campaign campaign);
    // Puts the page values into the customer record.
    void read(Customer &customer) const;
    // Stores what lives outside the customer row: order comments, notes, dates, helper percents.
    bool saveAttached(Campaign campaign);
    void addLayoutCommands(QMenu *menu);
    void restoreLayout();

    QComboBox *helperList() const { return m_helper; }
    QCheckBox *isHelper() const { return m_isHelper; }
    QLabel *assignedLabel() const { return m_assigned; }
    std::array<QSpinBox *, 9> counters() const { return m_points; }
    void resetCounters();
    void setHelper(bool on);
    // The helper chosen for this customer: number 0 and an empty name when none.
    std::pair<int, QString> chosenHelper() const;

private:
    QWidget *buildHelperPage();
    QWidget *buildDatesPage();
    QWidget *buildNotesPage();
    QWidget *buildCommentsPage();
    QWidget *buildPointsPage();
    void fillHelpers(const Customer &customer);
    void copyOrderComments();
    void updateHelperCaptions();

    AppState &m_state;
    QTabWidget *m_tabs;
    int m_customer = 0;
    QString m_name;
    Campaign m_campaign;
    QCheckBox *m_isHelper = nullptr, *m_invoiceDetail = nullptr, *m_discounted = nullptr;
    QComboBox *m_helper = nullptr;
    QLabel *m_assigned = nullptr, *m_assignCaption = nullptr;
    QLineEdit *m_helperPercent = nullptr;
    RecordGridModel<HelperPercent> *m_percentsModel = nullptr;
    RecordGridModel<StoredDate> *m_datesModel = nullptr;
    RecordGridView *m_dates = nullptr;
    int m_datesTab = 0;
    QPlainTextEdit *m_notes = nullptr;
    QLabel *m_notesCaption = nullptr;
    QString m_storedNotes;
    std::array<QLineEdit *, 5> m_customerComments{}, m_orderComments{}, m_standingComments{};
    QComboBox *m_copyFrom = nullptr;
    std::array<QSpinBox *, 9> m_points{};
};

} // namespace customers
} // namespace zel
