#include "customers/purchase_history.h"

#include "customer_fixtures.h"
#include "test_support.h"

#include <gtest/gtest.h>

using namespace zel;
using namespace zel::customers;
using zel::test::orderRow;

namespace {

class PurchaseHistoryTest : public test::OpenDatabaseTest
{
protected:
    void SetUp() override
    {
        open({test::customerRow(1, "Ann", "Adams"), test::customerRow(2, "Bea", "Baker"),
              orderRow(2, 2008, 5, 1, "4.00", "DETAIL", "1234", "Eye-Liner Pencil"),
              orderRow(1, 2008, 4, 1, "3.00", "DETAIL", "5678", "Eye Liner"),
              orderRow(1, 2008, 5, 1, "9.00", "DETAIL", "9012", "Lipstick"), orderRow(1, 2008, 5, 1, "16.00", "TOTAL"),
              "Insert Into Orders ([Orders Customer Number], [Orders Campaign Year], [Orders Campaign Number], [Orders Order "
              "Number], [Orders Sequence Number], [Orders Internal Flag], [Orders Catalog Number]) "
              "Values (1, 2008, 5, 2, 1, 'DETAIL', '777')"});
    }
    QStringList found(const HistoryCriteria &c)
    {
        QStringList out;
        for (const HistoryLine &line : findHistory(app.state->data, c))
            out << QString("%1 %2").arg(line.customer).arg(line.catalogNumber);
        return out;
    }
};

} // namespace

TEST_F(PurchaseHistoryTest, CleaningTurnsPunctuationIntoTheOneCharacterWildcard)
{
    EXPECT_EQ(cleanedCriterion("Eye-Liner's #1"), "Eye_Liner_s__1");
    HistoryCriteria c;
    c.product = "eye liner";
    EXPECT_EQ(found(c), QStringList({"1 5678", "2 1234"})) << "the blank matches the hyphen";
    c.product = "Eye-Liner";
    EXPECT_EQ(found(c), QStringList({"1 5678", "2 1234"}));
}

TEST_F(PurchaseHistoryTest, EmptyCriteriaListEveryLineWithAllFourColumns)
{
    EXPECT_EQ(found({}), QStringList({"1 5678", "1 9012", "2 1234"})) << "the line with Null product is left out";
    HistoryCriteria c;
    c.campaign = Campaign{2008, 5};
    EXPECT_EQ(found(c), QStringList({"1 9012", "2 1234"}));
}

TEST_F(PurchaseHistoryTest, QuickSearchLooksAnywhereInAnyColumn)
{
    HistoryCriteria c;
    c.quick = "stick";
    EXPECT_EQ(found(c), QStringList({"1 9012"}));
    c.quick = "23";
    c.product = "nothing like it"; // the quick text wins
    EXPECT_EQ(found(c), QStringList({"2 1234"}));
    const std::vector<HistoryLine> lines = findHistory(app.state->data, c);
    EXPECT_EQ(lines.at(0).customerName(), "Bea Baker");
    EXPECT_EQ(lines.at(0).total, test::money("4.00"));
}

TEST_F(PurchaseHistoryTest, ListsAndTheReportTable)
{
    EXPECT_EQ(historyChoices(app.state->data, HistoryColumn::CatalogNumber), QStringList({"1234", "5678", "777", "9012"}));
    EXPECT_EQ(historyChoices(app.state->data, HistoryColumn::Shade), QStringList());
    HistoryCriteria c;
    c.quick = "liner";
    EXPECT_EQ(prepareHistoryTable(app.state->data, c), 2);
    EXPECT_EQ(app.column("Select CustomerFullName || '|' || CatalogProductShadeSize From rptHistory Order By 1"),
              QStringList({"Ann Adams|5678 - Eye Liner", "Bea Baker|1234 - Eye-Liner Pencil"}));
}
