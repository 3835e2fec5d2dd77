#pragma once

#include "earnings/expense_records.h"
#include "shell/ui/screen_base.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTabWidget;

namespace zel {

class AmountsDueModel;
class ExpensesModel;
class MileageModel;
class RecordGridView;

// Zel_Totals, the business records screen: the campaign's expenses in two grids (the second,
// "Expenses External", holds those on the campaign totals report), the mileage log and the amounts
// due per campaign of the year. Expenses are edited in working tables and saved whole before the
// campaign changes and when the screen closes; trips and amounts due are stored as they are typed.
class ExpensesScreen : public ScreenBase
{
    Q_OBJECT
public:
    enum Tab { ExpensesTab, ExternalTab, MileageTab, TotalsTab, TabCount };

    explicit ExpensesScreen(AppState &state, QWidget *parent = nullptr);

    QTabWidget *tabs() const { return m_tabs; }
    RecordGridView *grid(Tab tab) const { return m_grids[tab]; }
    ExpensesModel *expenses(ExpenseRecords::Grid grid) const;
    MileageModel *mileage() const { return m_mileage; }
    AmountsDueModel *amountsDue() const { return m_amountsDue; }
    QCheckBox *showAllYears() const { return m_allYears; }
    QPushButton *yearFilterButton() const { return m_yearFilter; }
    bool yearFilterOn() const { return m_yearFilterOn; }

    // Saves the expenses, moves the current campaign and shows the new one.
    void stepCampaign(bool forward);
    void addExpense(ExpenseRecords::Grid grid);
    void deleteExpense(ExpenseRecords::Grid grid);
    void addTrip();
    void deleteTrip();
    void loadMileage();
    void toggleYearFilter();
    // The drop-down list of a column as the year filter says.
    QStringList choices(ExpenseRecords::List list) const;

protected:
    bool confirmClose() override;
    void finishClosing() override;

private:
    QWidget *buildExpensesPage(ExpenseRecords::Grid grid);
    QWidget *buildMileagePage();
    QWidget *buildTotalsPage();
    QWidget *gridPage(Tab tab, const QList<QWidget *> &controls);
    void buildMenus();
    void loadCampaign();
    void showYearFilter();
    void updateTitle();
    Campaign currentCampaign() const;
    bool finishTyping();

    ExpenseRecords m_records;
    QTabWidget *m_tabs;
    RecordGridView *m_grids[TabCount] = {};
    ExpensesModel *m_expenses[2] = {};
    MileageModel *m_mileage = nullptr;
    AmountsDueModel *m_amountsDue = nullptr;
    QCheckBox *m_allYears = nullptr;
    QPushButton *m_yearFilter = nullptr;
    QLabel *m_campaign = nullptr;
    bool m_yearFilterOn = false;
};

} // namespace zel
