#include "orders/order_computation.h"
#include "reports/order_printing.h"
#include "reports/page_setup.h"
#include "reports/report_renderer.h"
#include "reports/server/report_server.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>

using namespace zel;
using namespace zel::reports;
using zel::test::TempApp;

namespace {

Currency money(const char *text)
{
    return *Currency::fromString(QString::fromLatin1(text));
}

class InvoiceTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const QString path = app.makeZelDatabase("Shop.ZELDB", {
            "Insert Into Customers ([Customers Number], [Customers First Name], [Customers Last Name], [Customers Address], "
            "[Customers House Number], [Customers City], [Customers State], [Customers Zip Code], [Customers Processing "
            "Charge], [Customers Language], [Customers Gender], [Customers Area], [Customers Number Of Books], "
            "[Customers Business Helper]) Values "
            "(1, 'Ann', 'Adams', 'Oak Ave', '12', 'Springfield', 'IL', '62701', 'Y', 'English', 'F', 'North', 3, 'Helen Help'), "
            "(2, 'Rosa', 'Diaz', 'Elm St', '4', 'Springfield', 'IL', '62702', 'Y', 'Spanish', 'F', '', 1, '')"});
        ASSERT_TRUE(app.state->database.open(path));
        app.state->databasePath = path;
        app.state->databaseState = AppState::DatabaseState::Open;
        cOption &o = app.state->options;
        o.CurrentCampaignYear = 2008;
        o.CurrentCampaignNumber = 5;
        o.RepName = "Ruth Rep";
        o.TaxRate1 = money("10");
        o.TaxDesc1 = "STATE";
    }

    ComputedOrder order(int customer, std::vector<OrderRow> lines, const Campaign &campaign = {2008, 5})
    {
        OrderRequest request;
        request.customer = customer;
        request.campaign = campaign;
        request.backOrderCampaign = campaign.next(30);
        request.switches = {true, false, true, false, false};
        request.orderDate = QDateTime(QDate(2008, 3, 4), QTime(9, 0));
        request.lines = std::move(lines);
        auto saved = saveOrder(app.state->data, app.state->options, app.prompter, request, 0);
        EXPECT_TRUE(saved);
        return *saved;
    }
    static OrderRow line(const QString &catalog, int quantity, const char *price, bool tax = true)
    {
        OrderRow row;
        row.catalogNumber = catalog;
        row.product = "Lipstick " + catalog;
        row.page = "7";
        row.quantity = row.priceQuantity = quantity;
        row.unitPrice = money(price);
        row.tax1 = tax;
        row.earningsFlag = "R";
        return row;
    }
    void pay(int customer, const char *amount, const Campaign &campaign = {2008, 5})
    {
        app.state->data.setSQL("Insert Into Payments ([Payments Customer Number], [Payments Campaign Year], [Payments Campaign "
                               "Number], [Payments Order Number], [Payments Sequence], [Payments Amount]) Values (?, ?, ?, 1, "
                               "1, ?)",
                               {customer, campaign.year, campaign.number, QString::fromLatin1(amount).toDouble()});
        ASSERT_TRUE(app.state->data.ExecSql("test"));
    }
    Document print(int customer, bool shortLayout = false, const Campaign &campaign = {2008, 5})
    {
        InvoiceSelection selection;
        selection.campaign = campaign;
        selection.customer = customer;
        const auto problem = prepareInvoices(*app.state, selection);
        EXPECT_FALSE(problem) << qPrintable(problem.value_or(QString()));
        QString error;
        const auto document = layOutReport(*app.state, invoiceRequest(*app.state, selection, shortLayout, true), &error);
        EXPECT_TRUE(document) << qPrintable(error);
        return document.value_or(Document{});
    }
    // The amount printed on the same line as `label`.
    static QString amountBeside(const Page &page, const QString &label)
    {
        const auto found = page.find(label);
        if (found.empty())
            return "(no " + label + ")";
        for (const TextItem *t : page.texts())
            if (qAbs(t->rect.top() - found[0]->rect.top()) < 1 && t->rect.left() > found[0]->rect.right())
                return t->text;
        return {};
    }

    TempApp app;
};

} // namespace

TEST_F(InvoiceTest, AWorkedOrderShowsEveryComputedRowPaymentsAndTheBalance)
{
    order(1, {line("111-111", 2, "12.50"), line("222-222", 1, "5.00", false)});
    pay(1, "-10.00");
    const Document document = print(1);
    ASSERT_EQ(document.pages.size(), 1u);
    const Page &page = document.pages[0];
    EXPECT_TRUE(page.hasText("Ruth Rep"));
    EXPECT_TRUE(page.hasText("Ann Adams"));
    EXPECT_TRUE(page.hasText("12 Oak Ave"));
    EXPECT_EQ(amountBeside(page, "Lipstick 111-111"), QStringLiteral("2"));
    EXPECT_EQ(amountBeside(page, "** Sub Total"), QStringLiteral("30.00"));
    EXPECT_EQ(amountBeside(page, "** Processing Charge"), QStringLiteral("0.75"));
    EXPECT_EQ(amountBeside(page, "** STATE 10%"), QStringLiteral("2.50"));
    EXPECT_EQ(amountBeside(page, "** Grand Total"), QStringLiteral("33.25"));
    EXPECT_EQ(amountBeside(page, "** Payment"), QStringLiteral("-10.00"));
    EXPECT_EQ(amountBeside(page, "** Balance Due"), QStringLiteral("23.25"));
    // In the order the rows were computed, payments last.
    const QString text = document.plainText();
    EXPECT_LT(text.indexOf("** Sub Total"), text.indexOf("** Processing Charge"));
    EXPECT_LT(text.indexOf("** Processing Charge"), text.indexOf("** STATE 10%"));
    EXPECT_LT(text.indexOf("** Grand Total"), text.indexOf("** Payment"));
    EXPECT_LT(text.indexOf("** Payment"), text.indexOf("** Balance Due"));
    EXPECT_TRUE(page.hasText("Page 1 of 1"));
}

TEST_F(InvoiceTest, PaidInFullUnpaidAndPreviousBalanceLines)
{
    order(1, {line("1", 1, "25.00", false)}, {2008, 4});
    order(1, {line("2", 1, "10.00", false)});
    pay(1, "-10.75");
    Document document = print(1);
    EXPECT_EQ(amountBeside(document.pages[0], "** Paid In Full"), QStringLiteral("0.00"));

    app.state->options.ShowBalance = "Y";
    document = print(1);
    EXPECT_EQ(amountBeside(document.pages[0], "** Previous Campaign Balance"), QStringLiteral("25.75"));
    EXPECT_EQ(amountBeside(document.pages[0], "** Combined Campaign Balance"), QStringLiteral("25.75"));

    const Document unpaid = print(1, false, {2008, 4});
    EXPECT_EQ(amountBeside(unpaid.pages[0], "** Balance Due"), QStringLiteral("25.75"));
    EXPECT_TRUE(unpaid.pages[0].find("** Payment").empty());
}

TEST_F(InvoiceTest, ASpanishCustomerReadsSpanishLabels)
{
    order(2, {line("1", 1, "3.00", false)});
    const Page page = print(2).pages.at(0);
    EXPECT_FALSE(page.find("** Subtotal").empty());
    EXPECT_FALSE(page.find("saldo debido").empty()) << "Balance Due";
    EXPECT_TRUE(page.hasText("Producto"));
    EXPECT_TRUE(page.hasText("Cantidad"));
    EXPECT_TRUE(page.hasText("Pagina 1 of 1"));
    EXPECT_TRUE(page.hasText("campaña 5 - 2008"));
}

TEST_F(InvoiceTest, EachPrintSwitchShowsOrHidesItsItem)
{
    order(1, {line("1", 3, "2.00", false)});
    const auto shows = [&](const QString &text) {
        const Page page = print(1).pages.at(0);
        return !page.find(text).empty();
    };
    cOption &o = app.state->options;
    const struct
    {
        QString cOption::*option;
        QString text;
    } switches[] = {
        {&cOption::PrintInvoiceShowCustomerNumber, "Customer Number: 1"},
        {&cOption::PrintInvoiceShowReportingArea, "Area: North"},
        {&cOption::PrintInvoiceShowHelperName, "Helper: Helen Help"},
        {&cOption::PrintInvoiceShowBrochureCount, "Brochure Count: 3"},
        {&cOption::PrintInvoiceShowItemCount, "Total Item Count: 3"},
    };
    for (const auto &s : switches) {
        o.*(s.option) = "N";
        EXPECT_FALSE(shows(s.text)) << qPrintable(s.text);
        o.*(s.option) = "Y";
        EXPECT_TRUE(shows(s.text)) << qPrintable(s.text);
    }
    o.PrintDateOnOrder = "N";
    EXPECT_FALSE(shows("03/04/2008"));
    o.PrintDateOnOrder = "E";
    EXPECT_TRUE(shows("03/04/2008"));
    o.QuantityPrint = "B";
    EXPECT_TRUE(shows("3 / 3"));
    o.ThankYouMessage = "Merci beaucoup";
    EXPECT_TRUE(shows("Merci beaucoup"));
    o.Message2 = "Sale ends Friday";
    EXPECT_TRUE(shows("Sale ends Friday"));
    app.state->data.setSQL("Update Customers Set [Customers Points3] = 42 Where [Customers Number] = 1");
    ASSERT_TRUE(app.state->data.ExecSql("test"));
    o.PointsMessage3 = "You have %%%%% beauty points";
    EXPECT_TRUE(shows("You have 42 beauty points"));
}

TEST_F(InvoiceTest, ALongOrderFlowsOntoASecondPageWithItsHeader)
{
    std::vector<OrderRow> lines;
    for (int i = 1; i <= 60; ++i)
        lines.push_back(line(QString("%1-%2").arg(100 + i).arg(200 + i), 1, "1.00", false));
    order(1, lines);
    const Document document = print(1);
    ASSERT_EQ(document.pages.size(), 2u);
    for (const Page &page : document.pages) {
        EXPECT_TRUE(page.hasText("Ann Adams"));
        EXPECT_TRUE(page.hasText("Product #"));
    }
    EXPECT_TRUE(document.pages[1].hasText("Page 2 of 2"));
    EXPECT_TRUE(document.pages[0].hasText("Page 1 of 2"));
    EXPECT_FALSE(document.pages[1].find("** Grand Total").empty());
}

TEST_F(InvoiceTest, ShortInvoicesShareAPage)
{
    order(1, {line("1", 1, "1.00")});
    order(2, {line("2", 1, "1.00")});
    InvoiceSelection all;
    all.campaign = {2008, 5};
    ASSERT_FALSE(prepareInvoices(*app.state, all));
    const auto document = layOutReport(*app.state, invoiceRequest(*app.state, all, true, true));
    ASSERT_TRUE(document);
    ASSERT_EQ(document->pages.size(), 1u);
    EXPECT_TRUE(document->pages[0].hasText("Ann Adams"));
    EXPECT_TRUE(document->pages[0].hasText("Rosa Diaz"));
}

TEST_F(InvoiceTest, NothingToPrintIsSaidPlainly)
{
    InvoiceSelection selection;
    selection.campaign = {2008, 5};
    EXPECT_EQ(prepareInvoices(*app.state, selection), QStringLiteral("No orders found for current criteria."));
    selection.unprintedOnly = true;
    EXPECT_EQ(prepareInvoices(*app.state, selection), QStringLiteral("No unprinted orders found for current criteria."));
    order(1, {OrderRow{}}); // only computed rows
    selection.unprintedOnly = false;
    EXPECT_EQ(prepareInvoices(*app.state, selection), QStringLiteral("No order details found for selected criteria."));
}

TEST_F(InvoiceTest, PaperSizesAndMarginsComeFromTheOptions)
{
    order(1, {line("1", 1, "1.00")});
    app.state->options.PaperType = "I";
    EXPECT_NEAR(print(1).pages[0].size.width(), 595.28, 0.01);
    app.state->options.PaperType = "U";
    EXPECT_EQ(print(1).pages[0].size, QSizeF(612, 792));
    EXPECT_DOUBLE_EQ(PageSetup::marginPoints(".75 Inches"), 54);
    EXPECT_NEAR(PageSetup::marginPoints("20 MM"), 56.69, 0.01);
    EXPECT_DOUBLE_EQ(PageSetup::marginPoints("nonsense"), 54);
}

TEST_F(InvoiceTest, ThePdfCarriesTheInvoiceText)
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    order(1, {line("987-654", 1, "19.99")});
    const QString pdf = app.path("invoice.pdf");
    QString error;
    ASSERT_TRUE(writePdf(print(1), pdf, &error)) << qPrintable(error);
    QProcess text;
    text.start("pdftotext", {"-layout", pdf, "-"});
    ASSERT_TRUE(text.waitForFinished(20000));
    const QString content = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(content.contains("Ann Adams")) << qPrintable(content);
    EXPECT_TRUE(content.contains("987-654"));
    EXPECT_TRUE(content.contains("Grand Total"));
    EXPECT_TRUE(content.contains("22.74")); // 19.99, 10 % tax 2.00, charge 0.75
    EXPECT_FALSE(writePdf(Document{}, pdf, &error));
    EXPECT_FALSE(writePdf(print(1), app.path("no/such/folder/x.pdf"), &error));
}

TEST(InvoiceMail, TheMailProgramGetsAddressSubjectBodyAndAttachment)
{
    const QStringList args = mailArguments(" ann@example.com ", "Your order", "Thank you!", "/tmp/inv.pdf");
    EXPECT_EQ(args, QStringList({"--utf8", "--subject", "Your order", "--body", "Thank you!", "--attach", "/tmp/inv.pdf",
                                 "ann@example.com"}));
    EXPECT_FALSE(mailArguments("", "s", "b", "").contains("--attach"));
}

TEST_F(InvoiceTest, MarkingPrintedCoversEveryOrderOfThePrintedCustomersInTheCampaign)
{
    order(1, {line("1", 1, "1.00")});
    order(1, {line("2", 1, "1.00")});
    order(2, {line("3", 1, "1.00")});
    order(1, {line("4", 1, "1.00")}, {2008, 4});
    InvoiceSelection selection;
    selection.campaign = {2008, 5};
    selection.customer = 1;
    selection.order = 1;
    ASSERT_FALSE(prepareInvoices(*app.state, selection));
    ASSERT_TRUE(markOrdersPrinted(*app.state, selection.campaign));
    EXPECT_EQ(app.column("Select [Orders Customer Number] || '/' || [Orders Campaign Number] || '/' || [Orders Order Number] "
                         "From Orders Where [Orders Printed] <> 0 And [Orders Internal Flag] = 'TOTAL' Order By 1"),
              QStringList({"1/5/1", "1/5/2"}));
    selection.unprintedOnly = true;
    selection.order.reset();
    EXPECT_EQ(prepareInvoices(*app.state, selection), QStringLiteral("No unprinted orders found for current criteria."));
}
