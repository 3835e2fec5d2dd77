#include "cli_runner.h"

#include <gtest/gtest.h>

#include <QFile>

using namespace zel;
using zel::test::CommandRun;
using zel::test::TempApp;

namespace {

class ReportCommand : public ::testing::Test
{
protected:
    void SetUp() override
    {
        file = app.makeZelDatabase(
            "Shop.ZELDB",
            {"Insert Into Customers ([Customers Number], [Customers First Name], [Customers Last Name]) Values "
             "(1, 'Ann', 'Adams'), (2, 'Bea', 'Brown')",
             "Insert Into Payments ([Payments Customer Number], [Payments Campaign Year], [Payments Campaign Number], "
             "[Payments Order Number], [Payments Sequence], [Payments Amount]) Values (1, 2008, 5, 1, 1, -12.5)"});
        app.state->database.close();
    }
    CommandRun run(QStringList args) const { return zel::test::runCli(app, args << "--db" << file); }
    static bool isPdf(const QString &path)
    {
        QFile pdf(path);
        return pdf.open(QIODevice::ReadOnly) && pdf.read(5) == "%PDF-";
    }

    TempApp app;
    QString file;
};

} // namespace

TEST_F(ReportCommand, AnyRegisteredReportIsWrittenAsAPdf)
{
    const QString pdf = app.path("payments.pdf");
    const CommandRun result = run({"report", "customer-payments", "--customer", "1", "--pdf", pdf});
    EXPECT_EQ(result.code, 0) << qPrintable(result.err);
    EXPECT_TRUE(result.out.startsWith("Customer payment summary written to ")) << qPrintable(result.out);
    EXPECT_TRUE(result.out.endsWith("(1 page)\n"));
    EXPECT_TRUE(isPdf(pdf));

    const CommandRun nothing = run({"report", "customer-payments", "--customer", "2", "--pdf", app.path("none.pdf")});
    EXPECT_EQ(nothing.code, 1);
    EXPECT_EQ(nothing.err, "No payments found for this customer.\n");
    EXPECT_FALSE(QFile::exists(app.path("none.pdf")));

    const CommandRun invoice = run({"report", "invoice", "--customer", "1", "--year", "2008", "--campaign", "5", "--pdf",
                                    app.path("invoice.pdf")});
    EXPECT_EQ(invoice.code, 1) << "customer 1 has no order in that campaign";
    EXPECT_EQ(invoice.err, "No orders found for current criteria.\n");
}

TEST_F(ReportCommand, BadUsageStopsWithOneLineAndExitTwo)
{
    const QString pdf = app.path("x.pdf");
    const struct
    {
        QStringList args;
        const char *says;
    } cases[] = {
        // The list of reports goes on after these two.
        {{"report"}, "Usage: zel report NAME --db FILE [options] (--pdf OUT.pdf | --preview), where NAME is one of: invoice, "
                     "customer-payments, "},
        {{"report", "nonsense", "--pdf", pdf}, "There is no report 'nonsense'; the reports are invoice, customer-payments, "},
        {{"report", "invoice", "--sort", "name"},
         "Usage: zel report invoice --db FILE [--customer N] [--year Y --campaign C] [--order O] [--short] [choices] "
         "(--pdf OUT.pdf | --preview)\n"},
        {{"report", "invoice", "--sort", "zip", "--pdf", pdf}, "The value 'zip' of --sort is not one of: name, number, helper, area.\n"},
        {{"report", "customer-payments", "--customer", "1"},
         "Usage: zel report customer-payments --db FILE --customer N (--pdf OUT.pdf | --preview)\n"},
        {{"report", "customer-payments", "--customer", "1", "--order", "2", "--pdf", pdf},
         "The option --order does not belong to 'zel report customer-payments'.\n"},
        {{"report", "customer-payments", "--customer", "99", "--pdf", pdf}, "Customer 99 does not exist.\n"},
        {{"report", "invoice", "--customer", "1", "--campaign", "0", "--pdf", pdf}, "--year 0 and --campaign 0 (every year, all campaigns) are for the earnings report; the invoice report needs a "
         "campaign from 1 up.\n"},
    };
    for (const auto &c : cases) {
        const CommandRun result = run(c.args);
        EXPECT_EQ(result.code, 2) << qPrintable(c.args.join(' '));
        EXPECT_TRUE(result.err.startsWith(QString::fromUtf8(c.says))) << qPrintable(result.err);
        EXPECT_TRUE(result.out.isEmpty());
    }
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(ReportCommand, HelpListsEveryRegisteredReportWithItsOptions)
{
    const CommandRun help = zel::test::runCli(app, {"help"});
    EXPECT_TRUE(help.out.contains("Reports (zel report NAME):\n"
                                  "  zel report invoice --db FILE [--customer N] [--year Y --campaign C] [--order O] [--short] "
                                  "[choices] (--pdf OUT.pdf | --preview)\n"
                                  "      the invoices of a campaign's orders: one customer's, or every customer's the choices select\n"
                                  "      choices: [--sort name|number|helper|area] [--summarized both|summarized|non-summarized] "
                                  "[--unprinted-only] [--undelivered-only]\n"
                                  "  zel report customer-payments --db FILE --customer N (--pdf OUT.pdf | --preview)\n"))
        << qPrintable(help.out);
}
