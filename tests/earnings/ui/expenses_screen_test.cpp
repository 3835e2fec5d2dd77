#include "earnings/ui/expenses_screen.h"

#include "desktop/main_menu_operations.h"
#include "earnings/ui/amounts_due_model.h"
#include "earnings/ui/expenses_model.h"
#include "earnings/ui/mileage_model.h"
#include "mnemonic_check.h"
#include "shell/ui/record_grid_view.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>
#include <QTabWidget>

using namespace zel;
using zel::test::TempApp;

namespace {

using Grid = ExpenseRecords::Grid;

QString expense(int number, int counter, const char *description, int include)
{
    return QString("Insert Into Expenses ([Expenses Campaign Year], [Expenses Campaign Number], [Expenses Counter], "
                   "[Expenses Description], [Expenses Payee], [Expenses Category], [Expenses Amount], [Expenses Include Flag], "
                   "[Expenses Date]) Values (2008, %1, %2, '%3', 'Shop', '', 5, %4, '2008-03-01 00:00:00')")
        .arg(number).arg(counter).arg(description).arg(include);
}

class ExpensesScreenTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        path = app.makeZelDatabase("Shop.ZELDB", {expense(5, 1, "Postage", 0), expense(5, 2, "Brochures", -1), expense(7, 8, "Bags", 0),
                                                  "Insert Into Mileage ([Mileage Date], [Mileage Reason]) Values ('01/02/2007', 'Old')",
                                                  "Insert Into Mileage ([Mileage Date], [Mileage Reason]) Values ('06/02/2008', 'New')"});
        ASSERT_TRUE(MainMenuOperations(*app.state).openDatabase(path, "test", "test"));
        app.state->options.CurrentCampaignYear = 2008;
        app.state->options.CurrentCampaignNumber = 5;
        screen = std::make_unique<ExpensesScreen>(*app.state);
    }
    void setCell(QAbstractItemModel *model, int row, int column, const QVariant &value)
    {
        ASSERT_TRUE(model->setData(model->index(row, column), value, Qt::EditRole));
    }
    QStringList column(const QString &sql) { return app.column(sql); }

    TempApp app;
    QString path;
    std::unique_ptr<ExpensesScreen> screen;
};

TEST_F(ExpensesScreenTest, OpensOnTheCurrentCampaignWithEveryTab)
{
    EXPECT_EQ(screen->objectName(), "Zel_Totals");
    EXPECT_EQ(screen->windowTitle(), "Expenses - Campaign 5 / 2008");
    EXPECT_EQ(screen->tabs()->count(), 4);
    EXPECT_EQ(screen->expenses(Grid::Internal)->rowCount(), 1);
    EXPECT_EQ(screen->expenses(Grid::External)->rowCount(), 1);
    EXPECT_EQ(screen->mileage()->rowCount(), 1);          // this year's trip only
    EXPECT_EQ(screen->amountsDue()->rowCount(), 30);      // the year got its Totals rows
    EXPECT_EQ(screen->amountsDue()->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), "Campaign\nYear");
    for (int tab = 0; tab < ExpensesScreen::TabCount; ++tab)
        EXPECT_EQ(screen->grid(ExpensesScreen::Tab(tab))->gridName(), QString("ExpensesTab%1").arg(tab + 1));
}

TEST_F(ExpensesScreenTest, NoTwoCommandsShareAnAltKeyOnAnyTab)
{
    screen->show();
    for (int tab = 0; tab < screen->tabs()->count(); ++tab) {
        screen->tabs()->setCurrentIndex(tab);
        EXPECT_EQ(test::repeatedMnemonics(screen.get()), QStringList()) << "tab " << tab;
    }
}

TEST_F(ExpensesScreenTest, EditsAndNewRowsAreSavedWhenTheCampaignChangesAndTheFlagMovesTheRow)
{
    ExpensesModel *internal = screen->expenses(Grid::Internal);
    setCell(internal, 0, ExpensesModel::Include, true);
    screen->addExpense(Grid::External);
    screen->addExpense(Grid::External);
    ExpensesModel *external = screen->expenses(Grid::External);
    ASSERT_EQ(external->rowCount(), 3);
    EXPECT_EQ(external->record(1).counter, 9);
    EXPECT_EQ(external->record(2).counter, 10);
    setCell(external, 2, ExpensesModel::Amount, "7.25");

    screen->stepCampaign(true);
    EXPECT_EQ(screen->windowTitle(), "Expenses - Campaign 6 / 2008");
    EXPECT_EQ(external->rowCount(), 0);
    EXPECT_EQ(column("Select Count(*) From Expenses Where [Expenses Campaign Number] = 5 And [Expenses Include Flag] <> 0"),
              QStringList{"4"});
    EXPECT_EQ(column("Select [Expenses Amount] From Expenses Where [Expenses Counter] = 10"), QStringList{"7.25"});

    screen->stepCampaign(false);
    EXPECT_EQ(internal->rowCount(), 0);
    EXPECT_EQ(external->rowCount(), 4);
}

TEST_F(ExpensesScreenTest, ClosingSavesTheWorkingRows)
{
    setCell(screen->expenses(Grid::Internal), 0, ExpensesModel::Description, "Stamps");
    screen->reject();
    EXPECT_EQ(column("Select [Expenses Description] From Expenses Where [Expenses Counter] = 1"), QStringList{"Stamps"});
}

TEST_F(ExpensesScreenTest, MileageShowsAllYearsOnDemandAndTotalsTheTrip)
{
    screen->showAllYears()->setChecked(true);
    EXPECT_EQ(screen->mileage()->rowCount(), 2);
    screen->addTrip();
    const int row = screen->mileage()->rowCount() - 1;
    setCell(screen->mileage(), row, MileageModel::Start, "1000");
    setCell(screen->mileage(), row, MileageModel::End, "1042.5");
    EXPECT_DOUBLE_EQ(screen->mileage()->record(row).tripTotal, 42.5);
    EXPECT_EQ(column("Select Max([Mileage Trip Total]) From Mileage"), QStringList{"42.5"});

    // An end below the start, or a reading no odometer shows, is refused and the trip stays as it was.
    for (const char *typed : {"900", "99999999999999999999", "nan"}) {
        auto *model = screen->mileage();
        EXPECT_FALSE(model->setData(model->index(row, MileageModel::End), QString::fromLatin1(typed), Qt::EditRole)) << typed;
        EXPECT_DOUBLE_EQ(screen->mileage()->record(row).endReading, 1042.5) << typed;
    }
    EXPECT_EQ(app.prompter.messageTexts().last(), "An odometer reading is a number from 0 to 9,999,999.9.");
    EXPECT_TRUE(app.prompter.messageTexts().contains("The end reading cannot be below the start reading."));
    EXPECT_EQ(column("Select Max([Mileage Trip Total]) From Mileage"), QStringList{"42.5"});
}

TEST_F(ExpensesScreenTest, AmountsDueAreStoredAsTyped)
{
    setCell(screen->amountsDue(), 2, AmountsDueModel::Due, "123.45");
    EXPECT_EQ(column("Select [Totals Due] From Totals Where [Totals Campaign Year] = 2008 And [Totals Campaign Number] = 3"),
              QStringList{"123.45"});
}

TEST_F(ExpensesScreenTest, TheYearFilterNarrowsTheListsAndIsRemembered)
{
    EXPECT_EQ(screen->choices(ExpenseRecords::List::Description), (QStringList{"Bags", "Brochures", "Postage"}));
    screen->toggleYearFilter();
    EXPECT_EQ(screen->yearFilterButton()->text(), "Dropdown List Year &Filter - On");
    ExpensesScreen again(*app.state);
    EXPECT_TRUE(again.yearFilterOn());
}

} // namespace
