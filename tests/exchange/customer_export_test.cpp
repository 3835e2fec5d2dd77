#include "exchange/customer_export.h"

#include "shell/settings_keys.h"
#include "test_support.h"

#include <QFileInfo>

using namespace zel;
using namespace zel::exchange;

namespace {

class ExportTest : public test::OpenDatabaseTest
{
protected:
    void SetUp() override
    {
        open({"Insert Into Customers ([Customers Number], [Customers First Name], [Customers Last Name], [Customers House Number], "
              "[Customers Address], [Customers City], [Customers State], [Customers Zip Code], [Customers Phone 1], "
              "[Customers Phone 2], [Customers Phone 3], [Customers Email], [Customers Status]) Values "
              "(1, 'Ann', 'Young', '12', 'Oak St, Apt \"B\"', 'Regina', 'SK', '90000', '555', '', '', 'ann@x.org', 'Active'), "
              "(2, 'Bea', 'Adams', '', 'Elm', 'Leeds', 'YK', '10000', '', '', '', ' ', 'Active'), "
              "(3, 'Cy', 'Bond', '', 'Fir', 'Hull', 'YK', '50000', '', '', '', 'cy@x.org', 'Closed'), "
              "(4, 'Di', 'Cole', '', 'Ash', 'York', 'YK', '20000', '', '', '', 'di@x.org', 'Deleted')"});
    }
    QStringList exported(ExportSelection selection, ExportSort sort, ExportContent content, bool header = false)
    {
        const std::optional<int> count =
            CustomerExport(*app.state).run({selection, sort, content, header}, app.path("out.txt"));
        EXPECT_TRUE(count.has_value());
        QStringList lines = app.readFile("out.txt").split("\r\n");
        EXPECT_EQ(lines.takeLast(), "");
        return lines;
    }
};

} // namespace

TEST_F(ExportTest, CommasAndQuotesBecomeBlanksInsideQuotedValues)
{
    const QStringList lines = exported(ExportSelection::Active, ExportSort::Name, ExportContent::NamesAddresses, true);
    EXPECT_EQ(lines, QStringList({R"("FullName","FullAddress","FullCSZ","FullPhone")", R"("Bea Adams"," Elm","Leeds YK 10000","  ")",
                                  R"("Ann Young","12 Oak St  Apt  B ","Regina SK 90000","555  ")"}));
    EXPECT_EQ(app.prompter.messageTexts().last(), "Successfully Exported 2.");
    EXPECT_EQ(CustomerExport::quoted(R"(a,"b")"), R"("a  b ")");
}

TEST(CustomerExportValues, ASpreadsheetShowsEveryValueAsTextAndEveryRecordOnOneLine)
{
    // A formula stays text; a number, negative ones too, stays a number.
    EXPECT_EQ(CustomerExport::quoted("=HYPERLINK(\"x\")"), R"x("'=HYPERLINK( x )")x");
    EXPECT_EQ(CustomerExport::quoted("+1 555"), R"x("'+1 555")x");
    EXPECT_EQ(CustomerExport::quoted("@SUM(A1)"), R"x("'@SUM(A1)")x");
    EXPECT_EQ(CustomerExport::quoted("-12.50"), R"x("-12.50")x");
    EXPECT_EQ(CustomerExport::quoted("Mary-Ann"), R"x("Mary-Ann")x");
    EXPECT_EQ(CustomerExport::quoted(QString::fromUtf16(u"Ann\u0000Lee", 7)), R"x("AnnLee")x");
    EXPECT_EQ(CustomerExport::quoted(" =1+1"), R"x("' =1+1")x");
    EXPECT_EQ(CustomerExport::quoted("\t=1+1"), "\"'\t=1+1\"");
    EXPECT_EQ(CustomerExport::lineOf({"ann@example.org\r\nbea"}, true), "ann@example.org  bea;");
    EXPECT_EQ(CustomerExport::lineOf({"ann@example.org"}, true), "ann@example.org;");
}

TEST_F(ExportTest, SelectionAndSortChooseAndOrderTheCustomers)
{
    const QStringList all = exported(ExportSelection::All, ExportSort::ZipCode, ExportContent::NamesAddresses);
    ASSERT_EQ(all.size(), 3);
    EXPECT_TRUE(all[0].startsWith("\"Bea Adams\""));
    EXPECT_TRUE(all[1].startsWith("\"Cy Bond\""));
    EXPECT_TRUE(all[2].startsWith("\"Ann Young\""));
    EXPECT_EQ(exported(ExportSelection::Closed, ExportSort::Name, ExportContent::NamesAddresses).size(), 1);
}

TEST_F(ExportTest, AllCustomerDataFollowsTheFourColumnsWithEveryCustomerColumn)
{
    const QStringList lines = exported(ExportSelection::Closed, ExportSort::Name, ExportContent::AllCustomerData, true);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].startsWith(R"("FullName","FullAddress","FullCSZ","FullPhone","Customers Number","Customers Status")"));
    EXPECT_TRUE(lines[1].startsWith(R"("Cy Bond"," Fir","Hull YK 50000","  ","3","Closed")")) << qPrintable(lines[1]);
}

TEST_F(ExportTest, EmailAddressesAreWrittenBareWithASemicolonAndBlankOnesLeftOut)
{
    EXPECT_EQ(exported(ExportSelection::All, ExportSort::Name, ExportContent::EmailAddresses),
              QStringList({"cy@x.org;", "ann@x.org;"}));
}

TEST_F(ExportTest, MissingChoicesAndAnExistingFileAreAskedAbout)
{
    CustomerExport exporter(*app.state);
    EXPECT_FALSE(exporter.run({ExportSelection::All, std::nullopt, ExportContent::AllOrderData, false}, app.path("o.txt")));
    EXPECT_EQ(app.prompter.messageTexts().last(), "Please select Export Sort Option");
    EXPECT_FALSE(exporter.run({std::nullopt, ExportSort::Name, ExportContent::AllOrderData, false}, app.path("o.txt")));
    EXPECT_EQ(app.prompter.messageTexts().last(), "Please select Export Selection Option");
    EXPECT_FALSE(exporter.run({ExportSelection::All, ExportSort::Name, std::nullopt, false}, app.path("o.txt")));
    EXPECT_EQ(app.prompter.messageTexts().last(), "Invalid Data Selection");

    app.writeFile("o.txt", "keep me");
    app.prompter.queueAnswer(Answer::No);
    EXPECT_FALSE(exporter.run({ExportSelection::All, ExportSort::Name, ExportContent::AllOrderData, false}, app.path("o.txt")));
    EXPECT_EQ(app.prompter.messageTexts().last(), "File Already Exists.\n\nReplace?");
    EXPECT_EQ(app.readFile("o.txt"), "keep me");
    // No orders: an empty file, and the folder is remembered for the next export.
    EXPECT_EQ(exporter.run({ExportSelection::All, ExportSort::Name, ExportContent::AllOrderData, false}, app.path("o.txt")), 0);
    EXPECT_EQ(app.readFile("o.txt"), "");
    EXPECT_EQ(app.state->settings.read(settings::LastExportPath), QFileInfo(app.path("o.txt")).absolutePath());
}
