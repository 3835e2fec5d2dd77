#include "earnings/expense_records.h"

#include "earnings/expense_totals.h"
#include "test_support.h"

#include <gtest/gtest.h>

using namespace zel;

namespace {

using Grid = ExpenseRecords::Grid;

QString expense(int year, int number, int counter, const char *description, const char *payee, int include)
{
    return QString("Insert Into Expenses ([Expenses Campaign Year], [Expenses Campaign Number], [Expenses Counter], "
                   "[Expenses Description], [Expenses Payee], [Expenses Category], [Expenses Amount], "
                   "[Expenses Include Flag], [Expenses Date]) Values (%1, %2, %3, '%4', '%5', '', 12.5, %6, "
                   "'2008-03-01 00:00:00')")
        .arg(year).arg(number).arg(counter).arg(description, payee).arg(include);
}

class ExpenseRecordsTest : public test::OpenDatabaseTest
{
protected:
    void SetUp() override
    {
        open({expense(2008, 5, 3, "Postage", "Post Office", 0), expense(2008, 5, 4, "Brochures", "Corvessa", -1),
              expense(2008, 6, 9, "Samples", "Corvessa", 0), expense(2007, 2, 2, "Bags", "Shop", 0)});
    }
    cDataAccess &data() { return app.state->data; }
    static QStringList descriptions(const std::vector<Expense> &rows)
    {
        QStringList out;
        for (const Expense &row : rows)
            out << row.description;
        return out;
    }
};

TEST_F(ExpenseRecordsTest, LoadSplitsTheCampaignByItsFlagAndTakesTheNextCounterOfTheWholeDatabase)
{
    ExpenseRecords records(data());
    ASSERT_TRUE(records.load({2008, 5}));
    EXPECT_EQ(descriptions(records.rows(Grid::Internal)), QStringList{"Postage"});
    EXPECT_EQ(descriptions(records.rows(Grid::External)), QStringList{"Brochures"});
    EXPECT_EQ(records.nextCounter(), 10); // campaign 6 holds counter 9

    ASSERT_TRUE(records.load({2008, 6}));
    EXPECT_EQ(descriptions(records.rows(Grid::Internal)), QStringList{"Samples"});
    EXPECT_TRUE(records.rows(Grid::External).empty());
}

TEST_F(ExpenseRecordsTest, RowsAddedInOneVisitGetConsecutiveCountersAndTheirGridsDefaults)
{
    ExpenseRecords records(data());
    ASSERT_TRUE(records.load({2008, 5}));
    const QDate today(2008, 4, 2);
    const std::optional<Expense> first = records.addRow(Grid::Internal, {2008, 5}, today);
    const std::optional<Expense> second = records.addRow(Grid::External, {2008, 5}, today);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->counter, 10);
    EXPECT_EQ(second->counter, 11);
    EXPECT_FALSE(first->include);
    EXPECT_TRUE(second->include);
    EXPECT_EQ(second->campaign(), (Campaign{2008, 5}));
    EXPECT_EQ(second->date.date(), today);
    EXPECT_TRUE(second->amount.isZero());
    EXPECT_TRUE(second->description.isEmpty());

    ASSERT_TRUE(records.save({2008, 5}));
    EXPECT_EQ(app.column("Select [Expenses Counter] From Expenses Where [Expenses Campaign Number] = 5 Order By 1"),
              (QStringList{"3", "4", "10", "11"}));
}

TEST_F(ExpenseRecordsTest, AnExpenseMovesToTheOtherGridByItsFlagAfterSaveAndReload)
{
    ExpenseRecords records(data());
    ASSERT_TRUE(records.load({2008, 5}));
    Expense postage = records.rows(Grid::Internal).front();
    postage.include = true;
    postage.amount = Currency::fromCents(799);
    ASSERT_TRUE(records.storeRow(Grid::Internal, postage));
    EXPECT_EQ(descriptions(records.rows(Grid::Internal)), QStringList{"Postage"}); // until the reload

    ASSERT_TRUE(records.save({2008, 5}));
    ASSERT_TRUE(records.load({2008, 5}));
    EXPECT_TRUE(records.rows(Grid::Internal).empty());
    EXPECT_EQ(descriptions(records.rows(Grid::External)), (QStringList{"Postage", "Brochures"}));
    EXPECT_EQ(records.rows(Grid::External).front().amount, Currency::fromCents(799));
}

TEST_F(ExpenseRecordsTest, SavingTouchesOnlyItsCampaignAndAFailedSaveKeepsTheStoredRows)
{
    ExpenseRecords records(data());
    ASSERT_TRUE(records.load({2008, 5}));
    ASSERT_TRUE(records.removeRow(Grid::External, 4));
    ASSERT_TRUE(records.save({2008, 5}));
    EXPECT_EQ(app.column("Select [Expenses Counter] From Expenses Order By 1"), (QStringList{"2", "3", "9"}));

    // A working row that clashes with another campaign's key makes the insert fail after the delete.
    ASSERT_TRUE(records.load({2008, 5}));
    data().exec("test", "Insert Into ExpensesWork1 ([Expenses Campaign Year], [Expenses Campaign Number], [Expenses Counter]) "
               "Values (2008, 6, 9)");
    app.prompter.queueAnswer(Answer::Ignore);
    EXPECT_FALSE(records.save({2008, 5}));
    EXPECT_EQ(app.column("Select [Expenses Counter] From Expenses Order By 1"), (QStringList{"2", "3", "9"}));
}

TEST_F(ExpenseRecordsTest, DropDownListsAreDistinctNonEmptyAndFollowTheYearFilter)
{
    EXPECT_EQ(ExpenseRecords::choices(data(), ExpenseRecords::List::Payee, std::nullopt),
              (QStringList{"Corvessa", "Post Office", "Shop"}));
    EXPECT_EQ(ExpenseRecords::choices(data(), ExpenseRecords::List::Description, 2007), QStringList{"Bags"});
    EXPECT_TRUE(ExpenseRecords::choices(data(), ExpenseRecords::List::Category, std::nullopt).isEmpty());
}

TEST_F(ExpenseRecordsTest, StoredExpensesOfAYearAndAddedOnesTakeTheFirstFreeCounter)
{
    EXPECT_EQ(descriptions(ExpenseRecords::stored(data(), 2008, std::nullopt)), (QStringList{"Postage", "Brochures", "Samples"}));
    EXPECT_EQ(descriptions(ExpenseRecords::stored(data(), 2008, 6)), QStringList{"Samples"});
    Expense gas = Expense::blank({2007, 3}, 0, false, QDate(2007, 2, 1));
    const std::optional<Expense> added = ExpenseRecords::addStored(data(), gas);
    ASSERT_TRUE(added);
    EXPECT_EQ(added->counter, 10);
}

TEST_F(ExpenseRecordsTest, CampaignTotalsTabEnsuresTheYearAndStoresTypedAmounts)
{
    data().exec("test", "Insert Into Totals ([Totals Campaign Year], [Totals Campaign Number], [Totals Due]) Values (2007, 4, 10)");
    EXPECT_EQ(ExpenseTotals::load(data(), 2007).size(), 1u); // a year with rows never gets new ones
    std::vector<AmountDue> rows = ExpenseTotals::load(data(), 2008);
    ASSERT_EQ(rows.size(), 30u);
    EXPECT_EQ(rows.back().number, 30);
    rows[4].due = Currency::fromCents(12345);
    ASSERT_TRUE(ExpenseTotals::store(data(), rows[4]));
    EXPECT_EQ(ExpenseTotals::load(data(), 2008)[4].due, Currency::fromCents(12345));
}

} // namespace
