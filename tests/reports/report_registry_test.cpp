#include "reports/audience_texts.h"
#include "reports/customer_payment_summary_report.h"
#include "reports/invoice_report.h"
#include "reports/report_registry.h"
#include "reports/server/report_server.h"
#include "reports/server/standard_reports.h"

#include "test_support.h"

#include <gtest/gtest.h>

using namespace zel;
using namespace zel::reports;

namespace {

// A report that only names itself, to see what the registry accepts.
class NamedReport : public Report
{
public:
    NamedReport(QString name, QStringList layouts) : m_name(std::move(name)), m_layouts(std::move(layouts)) {}
    QString name() const override { return m_name; }
    QString title() const override { return m_name; }
    QString description() const override { return {}; }
    QStringList layoutNames() const override { return m_layouts; }
    std::vector<ReportOption> options() const override { return {{ReportInput::Order}}; }
    std::optional<QString> prepare(AppState &, const ReportParameters &) const override { return QString("Nothing here."); }
    ReportRequest request(const AppState &, const ReportParameters &) const override { return {}; }
    Document layOut(AppState &, const ReportRequest &) const override { return {}; }

private:
    QString m_name;
    QStringList m_layouts;
};

} // namespace

TEST(ReportRegistry, FindsReportsByNameAndByLayoutAndRefusesDuplicates)
{
    const ReportRegistry &standard = standardReports();
    ASSERT_GE(standard.names().size(), 2);
    EXPECT_EQ(standard.names().front(), "invoice");
    EXPECT_EQ(standard.find("INVOICE"), standard.forLayout("rptOrdersShort"));
    EXPECT_EQ(standard.forLayout("rptOrdersLong"), standard.find("invoice"));
    EXPECT_EQ(standard.forLayout("rptCustomerPaymentSummary"), standard.find("customer-payments"));
    EXPECT_EQ(standard.find("nonsense"), nullptr);
    EXPECT_EQ(standard.forLayout("rptNonsense"), nullptr);

    ReportRegistry registry;
    EXPECT_TRUE(registry.add(std::make_unique<NamedReport>("list", QStringList{"rptList"})));
    EXPECT_FALSE(registry.add(std::make_unique<NamedReport>("List", QStringList{"rptOther"}))) << "the name is taken";
    EXPECT_FALSE(registry.add(std::make_unique<NamedReport>("other", QStringList{"rptList"}))) << "the layout is taken";
    EXPECT_EQ(registry.names(), QStringList{"list"});

    const Report &list = *registry.find("list");
    EXPECT_TRUE(list.takes(ReportInput::Order));
    EXPECT_FALSE(list.needs(ReportInput::Order));
    EXPECT_FALSE(list.takes(ReportInput::Customer));
    zel::test::TempApp app;
    QString message;
    EXPECT_FALSE(list.run(*app.state, {}, &message)) << "prepare's message stops the run";
    EXPECT_EQ(message, "Nothing here.");
}

TEST(ReportRegistry, TheInvoiceTakesItsOptionsAndTheScreensChoices)
{
    const Report &invoice = *standardReports().find("invoice");
    EXPECT_FALSE(invoice.needs(ReportInput::Customer)) << "without one, every customer's orders";
    EXPECT_TRUE(invoice.takes(ReportInput::Customer));
    EXPECT_TRUE(invoice.takes(ReportInput::ShortLayout));
    ReportParameters parameters;
    parameters.campaign = {2008, 5};
    parameters.customer = 3;
    parameters.choices[InvoiceReport::kUnprintedOnly] = true;
    parameters.choices[InvoiceReport::kSort] = QStringLiteral("area");
    const InvoiceSelection selection = InvoiceReport::selection(parameters);
    EXPECT_EQ(selection.campaign, (Campaign{2008, 5}));
    EXPECT_EQ(selection.customer, 3);
    EXPECT_TRUE(selection.unprintedOnly);
    EXPECT_FALSE(selection.undeliveredOnly);
    EXPECT_EQ(selection.summarized, InvoiceSelection::Summarized::Both);
    EXPECT_EQ(selection.sort, InvoiceSelection::Sort::Area);
}

namespace {

class CustomerPaymentSummaryTest : public zel::test::OpenDatabaseTest
{
protected:
    void SetUp() override
    {
        open({"Insert Into Customers ([Customers Number], [Customers First Name], [Customers Last Name]) Values "
              "(1, 'Ann', 'Adams'), (2, 'Bea', 'Brown')"});
        app.state->options.RepName = "Ruth Rep";
    }
    void pay(int customer, int year, int campaign, int sequence, double amount, const QString &type = "Cash")
    {
        ASSERT_TRUE(app.state->data.exec(
            "test",
            "Insert Into Payments ([Payments Customer Number], [Payments Campaign Year], [Payments Campaign Number], "
            "[Payments Order Number], [Payments Sequence], [Payments Amount], [Payments Date], [Payments Type], "
            "[Payments Deposited], [Payments Check Number]) Values (?, ?, ?, 1, ?, ?, '2008-03-04 00:00:00', ?, 'Y', '')",
            {customer, year, campaign, sequence, amount, type}));
    }
    std::optional<Document> run(int customer, QString *message = nullptr)
    {
        ReportParameters parameters;
        parameters.customer = customer;
        return standardReports().find("customer-payments")->run(*app.state, parameters, message);
    }
};

} // namespace

TEST_F(CustomerPaymentSummaryTest, TheTableHoldsEveryPaymentOfTheCustomerAndNothingElse)
{
    pay(1, 2007, 20, 1, -10.00);
    pay(1, 2008, 5, 1, -25.50);
    pay(2, 2008, 5, 1, -99.00);
    ASSERT_TRUE(run(1));
    EXPECT_EQ(app.column("Select [Payments Customer Number] || '/' || [Payments Campaign Year] || '/' || [Payments Amount] "
                         "From [rptCustomerPaymentSummary] Order By [Payments Campaign Year]"),
              QStringList({"1/2007/-10.0", "1/2008/-25.5"}));
    EXPECT_EQ(app.column("Select Count(*) From pragma_table_info('rptCustomerPaymentSummary')"), QStringList{"11"})
        << "every column of Payments";
    QString message;
    EXPECT_FALSE(run(2 + 1, &message));
    EXPECT_EQ(message, "No payments found for this customer.");
}

TEST_F(CustomerPaymentSummaryTest, PaymentsAreListedByCampaignLatestYearFirstWithTotals)
{
    pay(1, 2007, 20, 1, -10.00);
    pay(1, 2008, 5, 1, -25.50, "Check");
    pay(1, 2008, 5, 2, -4.50);
    pay(1, 2008, 3, 1, -1.00);
    const std::optional<Document> document = run(1);
    ASSERT_TRUE(document);
    ASSERT_EQ(document->pages.size(), 1u);
    const Page &page = document->pages[0];
    EXPECT_TRUE(page.hasText("Customer Payment Summary"));
    EXPECT_TRUE(page.hasText("Customer 1 - Ann Adams"));
    const QString text = document->plainText();
    const qsizetype c3 = text.indexOf("Campaign 3 / 2008"), c5 = text.indexOf("Campaign 5 / 2008"),
                    c20 = text.indexOf("Campaign 20 / 2007");
    ASSERT_GE(c3, 0);
    EXPECT_LT(c3, c5) << "campaigns in order within the year";
    EXPECT_LT(c5, c20) << "the latest year first";
    EXPECT_TRUE(text.contains("Total Campaign 5 / 2008\n-30.00")) << qPrintable(text);
    EXPECT_TRUE(text.contains("Total of all payments\n-41.00")) << qPrintable(text);
    EXPECT_TRUE(page.hasText("03/04/2008"));
    EXPECT_TRUE(page.hasText("Check"));
}

TEST_F(CustomerPaymentSummaryTest, ItsLayoutIsReachedThroughTheReportServer)
{
    pay(1, 2008, 5, 1, -2.00);
    const Report &report = *standardReports().find("customer-payments");
    ReportParameters parameters;
    parameters.customer = 1;
    ASSERT_FALSE(report.prepare(*app.state, parameters));
    const ReportRequest request = report.request(*app.state, parameters);
    EXPECT_EQ(request.text("ReportName"), "rptCustomerPaymentSummary");
    EXPECT_EQ(request.text("CurrentCustomerNumber"), "1");
    QString error;
    const std::optional<Document> document = layOutReport(*app.state, request, &error);
    ASSERT_TRUE(document) << qPrintable(error);
    EXPECT_EQ(document->plainText(), report.layOut(*app.state, request).plainText());
}

TEST(AudienceTexts, EachLanguageAndGenderIsReadOnceARun)
{
    zel::test::TempApp app;
    const QString path = app.makeZelDatabase("Shop.ZELDB");
    ASSERT_TRUE(app.state->database.open(path));
    AudienceTexts texts(app.state->data);
    const translations::Translator &first = texts({"Spanish", "F"});
    EXPECT_EQ(&texts({"Spanish", "F"}), &first);
    EXPECT_NE(&texts({"Spanish", "M"}), &first);
    texts({"English", "F"});
    EXPECT_EQ(texts.reads(), 3u);
    EXPECT_NE(first.text(44, "Balance Due"), "Balance Due") << "the Spanish rows were read";
}
