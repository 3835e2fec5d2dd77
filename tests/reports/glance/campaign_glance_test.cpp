#include "app/cli_runner.h"
#include "desktop/main_menu_operations.h"
#include "reports/campaign_summary.h"
#include "reports/catalogue/call_back_report.h"
#include "reports/catalogue/dates_report.h"
#include "reports/catalogue/payment_summary_report.h"
#include "reports/earnings_preparation.h"
#include "reports/glance/campaign_glance.h"
#include "reports/glance/glance_report.h"
#include "reports/report_parameters.h"
#include "reports/server/standard_reports.h"
#include "reports/report_registry.h"
#include "session/app_state.h"
#include "shell/data_access.h"

#include <gtest/gtest.h>

#include <set>

using namespace zel;
using namespace zel::reports;

namespace {

// Two years of a sample shop, opened, with the clock on 20 December so that the coming dates run
// across the year's end.
class GlanceOnSample : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const QString file = app.path("Sample.ZELDB");
        ASSERT_EQ(test::runCli(app, {"sample", "--db", file, "--customers", "30", "--years", "2"}).code, 0);
        ASSERT_TRUE(MainMenuOperations(*app.state).openDatabase(file, "test", "test"));
        state().clock.set(QDateTime(QDate(2026, 12, 20), QTime(9, 0)));
        campaign = {state().options.CurrentCampaignYear, state().options.CurrentCampaignNumber};
    }
    AppState &state() { return *app.state; }
    bool exec(const QString &sql) { return state().data.exec(QStringLiteral("test"), sql); }
    QStringList column(const QString &sql) { return app.column(sql); }
    CampaignGlance glance()
    {
        const std::optional<CampaignGlance> g = glanceAt(state(), campaign, state().now().date());
        EXPECT_TRUE(g.has_value());
        return g.value_or(CampaignGlance{});
    }
    // Prepares a registered report's tables for the campaign with `choices`.
    void prepare(const QString &name, const QVariantMap &choices)
    {
        ReportParameters parameters;
        parameters.campaign = campaign;
        parameters.choices = choices;
        const std::optional<QString> message = standardReports().find(name)->prepare(state(), parameters);
        ASSERT_FALSE(message && !message->startsWith(QStringLiteral("No "))) << message->toStdString();
    }
    int count(const QString &sql) { return column(sql).value(0).toInt(); }

    test::TempApp app;
    Campaign campaign;
};

Currency money(const QString &text)
{
    return Currency::fromDouble(text.toDouble());
}

} // namespace

TEST_F(GlanceOnSample, EveryBarIsTheEarningsReportOfItsCampaign)
{
    const CampaignGlance g = glance();
    ASSERT_EQ(g.sales.size(), 8u);
    EXPECT_TRUE(g.sales.front().yearAgo);
    EXPECT_EQ(g.sales.front().campaign, (Campaign{campaign.year - 1, campaign.number}));
    EXPECT_EQ(g.current().campaign, campaign);
    const int last = state().options.LastCampaignNumberOfYear;
    EXPECT_EQ(g.sales[1].campaign, campaign.back(6, last));
    Currency anySales;
    for (const CampaignSales &bar : g.sales) {
        EarningsSelection selection;
        selection.year = bar.campaign.year;
        selection.number = bar.campaign.number;
        const std::optional<Currency> volume = prepareEarnings(state().data, selection);
        ASSERT_TRUE(volume);
        EXPECT_EQ(bar.sales, *volume) << glanceCampaignName(bar.campaign).toStdString();
        EXPECT_EQ(bar.earnings, money(column("Select Round(Coalesce(Sum(EarningsTotal), 0), 2) From rptEarnings").value(0)))
            << glanceCampaignName(bar.campaign).toStdString();
        anySales += bar.sales;
    }
    EXPECT_GT(anySales, Currency()); // the sample sells in these campaigns, so the bars are not all empty
}

TEST_F(GlanceOnSample, OrderCountsAreTheCampaignSummaryRows)
{
    // Some orders delivered, one paid in part, so that the three counts differ.
    const QStringList orders = column(QStringLiteral("Select [Orders Customer Number] || ',' || [Orders Order Number] From Orders "
                                                     "Where [Orders Internal Flag] = 'TOTAL' And [Orders Campaign Year] = %1 And "
                                                     "[Orders Campaign Number] = %2")
                                          .arg(campaign.year)
                                          .arg(campaign.number));
    ASSERT_GE(orders.size(), 3);
    ASSERT_TRUE(exec(QStringLiteral("Update Orders Set [Orders Delivered] = 'Y' Where [Orders Customer Number] = %1")
                         .arg(orders[0].section(',', 0, 0))));
    const CampaignGlance g = glance();
    prepare(QStringLiteral("campaign-summary"), {});
    const QString mine = QStringLiteral(" Where [CurrentCampaign] = 'Y'");
    EXPECT_EQ(g.ordersTyped, count(QStringLiteral("Select Count(*) From rptCampaignSummary") + mine));
    EXPECT_EQ(g.ordersTyped, orders.size());
    EXPECT_EQ(g.ordersUnpaid,
              count(QStringLiteral("Select Count(*) From rptCampaignSummary") + mine
                    + QStringLiteral(" And Round([Orders Unit Total] + [PaymentsForThisOrder], 4) > 0")));
    EXPECT_EQ(g.unpaidAmount,
              money(column(QStringLiteral("Select Round(Coalesce(Sum([Orders Unit Total] + [PaymentsForThisOrder]), 0), 4) From "
                                          "rptCampaignSummary")
                           + mine + QStringLiteral(" And Round([Orders Unit Total] + [PaymentsForThisOrder], 4) > 0"))
                        .value(0)));
    QStringList unpaid;
    for (const UnpaidOrder &order : g.unpaidOrders)
        unpaid << QStringLiteral("%1/%2 %3").arg(order.customer).arg(order.order).arg(order.owing.toPlainText());
    unpaid.sort();
    QStringList reported = column(QStringLiteral("Select [Orders Customer Number] || '/' || [Orders Order Number] || ' ' || "
                                                 "Round([Orders Unit Total] + [PaymentsForThisOrder], 4) From rptCampaignSummary")
                                  + mine + QStringLiteral(" And Round([Orders Unit Total] + [PaymentsForThisOrder], 4) > 0"));
    reported.sort();
    EXPECT_EQ(unpaid, reported);
    prepare(QStringLiteral("campaign-summary"), {{CampaignSummarySelection::kExcludeDelivered, true}});
    EXPECT_EQ(g.ordersUndelivered, count(QStringLiteral("Select Count(*) From rptCampaignSummary") + mine));
    EXPECT_LT(g.ordersUndelivered, g.ordersTyped);
}

TEST_F(GlanceOnSample, BalancesAreThePaymentSummarysDebitsAndCredits)
{
    // One customer overpaid, so there is a credit as well.
    ASSERT_TRUE(exec(QStringLiteral("Insert Into Payments ([Payments Customer Number], [Payments Campaign Year], [Payments "
                                    "Campaign Number], [Payments Order Number], [Payments Sequence], [Payments Amount]) Values "
                                    "(2, %1, %2, 1, 99, -5000)")
                         .arg(campaign.year)
                         .arg(campaign.number)));
    const CampaignGlance g = glance();
    using P = catalogue::PaymentSummaryReport;
    for (const auto &[kind, owed] : {std::pair{QStringLiteral("debit"), g.debits}, std::pair{QStringLiteral("credit"), g.credits}}) {
        prepare(QStringLiteral("payment-summary"), {{P::kGroup, QStringLiteral("balances")}, {P::kBalance, kind}});
        EXPECT_EQ(owed.customers, count(QStringLiteral("Select Count(*) From rptPaymentSummary2"))) << kind.toStdString();
        EXPECT_EQ(owed.total, money(column(QStringLiteral("Select Round(Coalesce(Sum([Balance]), 0), 4) From rptPaymentSummary2")).value(0)))
            << kind.toStdString();
    }
    EXPECT_GE(g.credits.customers, 1);
    EXPECT_LT(g.credits.total, Currency());
    EXPECT_GT(g.debits.total, Currency());
}

TEST_F(GlanceOnSample, CallBackIsTheCallBackReportOverThreeCampaigns)
{
    const CampaignGlance g = glance();
    prepare(QStringLiteral("call-back"), {{catalogue::CallBackReport::kPast, CampaignGlance::kCallBackCampaigns}});
    QStringList listed;
    for (const CallBackCustomer &customer : g.callBack)
        listed << QString::number(customer.customer) + QLatin1Char(' ') + customer.lastOrder;
    const QStringList reported =
        column(QStringLiteral("Select [Customers Number] || ' ' || [LastOrder] From rptCallBack Order By [Customers Last Name], "
                              "[Customers First Name], [Customers Number]"));
    EXPECT_EQ(listed, reported);
    EXPECT_FALSE(listed.isEmpty());
}

TEST_F(GlanceOnSample, ComingDatesRunFourteenDaysAcrossTheYearsEnd)
{
    const auto addDate = [&](int customer, const QString &date, const QString &yearly, const QString &what) {
        ASSERT_TRUE(exec(QStringLiteral("Insert Into Dates ([Dates ID], [Dates Customer Number], [Dates Date], [Dates Auto Update "
                                        "Year], [Dates Description]) Values ((Select Coalesce(Max([Dates ID]), 0) + 1 From Dates), "
                                        "%1, '%2 00:00:00', '%3', '%4')")
                             .arg(customer)
                             .arg(date, yearly, what)));
    };
    addDate(3, QStringLiteral("1970-12-20"), QStringLiteral("Y"), QStringLiteral("Today"));
    addDate(4, QStringLiteral("1980-01-03"), QStringLiteral("Y"), QStringLiteral("Next year, day 14"));
    addDate(5, QStringLiteral("1980-01-04"), QStringLiteral("Y"), QStringLiteral("Day 15"));
    addDate(6, QStringLiteral("1990-12-19"), QStringLiteral("Y"), QStringLiteral("Yesterday"));
    addDate(7, QStringLiteral("2026-12-27"), QStringLiteral("N"), QStringLiteral("Once"));
    addDate(8, QStringLiteral("2025-12-27"), QStringLiteral("N"), QStringLiteral("Once, last year"));
    const CampaignGlance g = glance();
    QStringList seen;
    for (const ComingDate &date : g.dates)
        if (date.description != QLatin1String("Birthday") || date.customer <= 8)
            seen << date.day.toString(Qt::ISODate) + QLatin1Char(' ') + date.description;
    EXPECT_TRUE(seen.contains(QStringLiteral("2026-12-20 Today")));
    EXPECT_TRUE(seen.contains(QStringLiteral("2027-01-03 Next year, day 14")));
    EXPECT_TRUE(seen.contains(QStringLiteral("2026-12-27 Once")));
    for (const char *absent : {"Day 15", "Yesterday", "Once, last year"})
        EXPECT_FALSE(seen.join('|').contains(QString::fromLatin1(absent))) << absent;

    // The dates report (coming dates of active customers) lists the same first rows.
    prepare(QStringLiteral("dates"), {{catalogue::DatesReport::kEvents, QStringLiteral("future")},
                                      {catalogue::DatesReport::kStatus, QStringLiteral("active")}});
    const QStringList reported = column(QStringLiteral("Select [EventDay] || ' ' || [Dates Customer Number] From rptDates Where "
                                                       "[EventDay] <= '2027-01-03' Order By [EventDay], [Customers Last Name], "
                                                       "[Customers First Name], [Dates Customer Number]"));
    QStringList listed;
    for (const ComingDate &date : g.dates)
        listed << date.day.toString(Qt::ISODate) + QLatin1Char(' ') + QString::number(date.customer);
    EXPECT_EQ(listed, reported);
}

TEST_F(GlanceOnSample, ShortLinesAndEmptyStockAreListed)
{
    const QString line = column(QStringLiteral("Select rowid From Orders Where [Orders Internal Flag] = 'DETAIL' And [Orders "
                                               "Campaign Year] = %1 And [Orders Campaign Number] = %2 Limit 1")
                                    .arg(campaign.year)
                                    .arg(campaign.number))
                             .value(0);
    ASSERT_FALSE(line.isEmpty());
    ASSERT_TRUE(exec(QStringLiteral("Update Orders Set [Orders BackOrder Flag] = 'P', [Orders BO Message] = 'Back ordered' Where "
                                    "rowid = ") + line));
    const QString catalog = column(QStringLiteral("Select Trim([Orders Catalog Number]) From Orders Where rowid = ") + line).value(0);
    ASSERT_TRUE(exec(QStringLiteral("Delete From Inventory")));
    ASSERT_TRUE(exec(QStringLiteral("Insert Into Inventory ([Inventory Catalog Number], [Inventory Description], [Inventory Qty], "
                                    "[Inventory Sold To Qty], [Inventory Delete Flag]) Values ('11111', 'Lipstick', 0, 0, 0), "
                                    "('22222', 'Cream', 3, 0, 0), ('33333', 'Sold row', 0, 2, 0)")));
    const CampaignGlance g = glance();
    ASSERT_EQ(g.shortProducts.size(), 1u);
    EXPECT_EQ(g.shortProducts[0].catalogNumber, catalog);
    EXPECT_EQ(g.shortProducts[0].lines, 1);
    ASSERT_EQ(g.outOfStock.size(), 1u);
    EXPECT_EQ(g.outOfStock[0].catalogNumber, QStringLiteral("11111"));
}

TEST_F(GlanceOnSample, ReadingTheGlanceWritesNothing)
{
    const QString before = column(QStringLiteral("Select Count(*) || '/' || Total_Changes() From sqlite_master")).value(0);
    glance();
    EXPECT_EQ(column(QStringLiteral("Select Count(*) || '/' || Total_Changes() From sqlite_master")).value(0), before);
}

TEST_F(GlanceOnSample, PrintedPagesHoldTheFiguresAndTheBars)
{
    const CampaignGlance g = glance();
    const Document document = GlanceReport::pages(state(), g);
    ASSERT_GE(document.pages.size(), 1u);
    const QString text = document.plainText();
    EXPECT_TRUE(text.contains(glanceCampaignName(campaign)));
    EXPECT_TRUE(text.contains(g.current().sales.toCurrencyText()));
    EXPECT_TRUE(text.contains(QStringLiteral("earned ") + g.current().earnings.toCurrencyText()));
    for (const CallBackCustomer &customer : g.callBack)
        EXPECT_TRUE(text.contains(customer.name)) << customer.name.toStdString();
    size_t bars = 0;
    for (const PageItem &item : document.pages[0].items)
        bars += std::holds_alternative<BoxItem>(item) ? 1 : 0;
    EXPECT_EQ(bars, g.sales.size());
}

TEST(CampaignGlance, AnEmptyDatabaseGivesZerosNotFailure)
{
    test::TempApp app;
    const QString file = app.makeZelDatabase("Empty.ZELDB");
    ASSERT_TRUE(MainMenuOperations(*app.state).openDatabase(file, "test", "test"));
    AppState &state = *app.state;
    const std::optional<CampaignGlance> g =
        glanceAt(state, {state.options.CurrentCampaignYear, state.options.CurrentCampaignNumber}, QDate(2026, 1, 2));
    ASSERT_TRUE(g);
    EXPECT_EQ(g->sales.size(), 8u);
    for (const CampaignSales &bar : g->sales)
        EXPECT_TRUE(bar.sales.isZero() && bar.earnings.isZero());
    EXPECT_EQ(g->ordersTyped, 0);
    EXPECT_EQ(g->debits.customers + g->credits.customers, 0);
    EXPECT_TRUE(g->dates.empty() && g->shortProducts.empty() && g->outOfStock.empty());
}

TEST(GlanceCommand, PrintsTheFiguresAndRefusesHalfACampaign)
{
    test::TempApp app;
    const QString file = app.path("Sample.ZELDB");
    ASSERT_EQ(test::runCli(app, {"sample", "--db", file, "--customers", "12", "--years", "1"}).code, 0);
    const test::CommandRun run = test::runCli(app, {"glance", "--db", file});
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("Orders typed: ")));
    EXPECT_TRUE(run.out.contains(QStringLiteral("(a year ago)")));
    EXPECT_TRUE(run.out.contains(QStringLiteral("No order in the last 3 campaigns:")));

    const test::CommandRun other = test::runCli(app, {"glance", "--db", file, "--year", "2025", "--campaign", "3"});
    ASSERT_EQ(other.code, 0) << other.err.toStdString();
    EXPECT_TRUE(other.out.startsWith(QStringLiteral("Campaign at a glance: Campaign 3 / 2025")));

    EXPECT_EQ(test::runCli(app, {"glance", "--db", file, "--year", "2025"}).code, 2);
    EXPECT_EQ(test::runCli(app, {"glance", "--db", file, "--year", "2025", "--campaign", "0"}).code, 2);
    EXPECT_EQ(test::runCli(app, {"glance", "--db", app.path("Missing.ZELDB")}).code, 1);
}
