#include "orders/ui/order_screen.h"

#include "orders/order_entry_rules.h"

#include "desktop/main_menu_operations.h"
#include "mnemonic_check.h"
#include "orders/ui/order_backorder_page.h"
#include "orders/ui/order_copy_page.h"
#include "orders/ui/order_grid_view.h"
#include "orders/ui/order_header_panel.h"
#include "orders/ui/order_lines_model.h"
#include "shell/ui/grid_delegate.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>

using namespace zel;
using zel::test::TempApp;
using M = OrderLinesModel;

namespace {

QString product(int year, int number, const QString &catalog, const char *price, const char *page = "20")
{
    return QString("Insert Into Products ([Products Campaign Year], [Products Campaign Number], [Products Catalog Number], "
                   "[Products Earnings Flag], [Products Last Price], [Products Reg Price], [Products Baseline Update], "
                   "[Products Delete Flag], [Products Description], [Products Page], [Products Tax1], [Products Tax2]) Values "
                   "(%1, %2, '%3', 'R', %4, 9, 'N', 0, 'Blush %3', '%5', -1, 0)")
        .arg(year).arg(number).arg(catalog).arg(price).arg(page);
}

class OrderScreenTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        path = app.makeZelDatabase("Shop.ZELDB", {
            "Insert Into Customers ([Customers Number], [Customers First Name], [Customers Last Name], [Customers Processing "
            "Charge], [Customers Language], [Customers Gender], [Customers Discount Percent], [Customers Tax Rate 1], "
            "[Customers Tax Rate 2]) Values (1, 'Ann', 'Lee', 'Y', 'English', 'F', 5, 0, 0)",
            product(2008, 5, "123-456", "6.50"), product(2008, 4, "123-456", "4.99", "31"), product(2008, 5, "222-222", "3.00")});
        ASSERT_TRUE(MainMenuOperations(*app.state).openDatabase(path, "test", "test"));
        cOption &options = app.state->options;
        options.CurrentCampaignYear = 2008;
        options.CurrentCampaignNumber = 5;
        options.LastCampaignNumberOfYear = 26;
        options.OrderEntryDash = "Y";
        options.PromptForLowerPrice = "N";
        options.OrdersPrintSequence = "ENTERED";
        app.prompter.clear();
    }
    void openScreen(int order = 0)
    {
        screen = std::make_unique<OrderScreen>(*app.state, 1, Campaign{2008, 5}, order);
        screen->show();
        QApplication::processEvents();
    }
    QLineEdit *editor() { return qobject_cast<QLineEdit *>(screen->grid()->delegate()->editor()); }
    // Types into the open cell and leaves it with Enter, as the typist does.
    void type(const QString &text)
    {
        QLineEdit *cell = editor();
        ASSERT_TRUE(cell) << "no cell open at " << screen->grid()->currentIndex().row() << ","
                          << screen->grid()->currentIndex().column();
        cell->setText(text);
        press(cell, Qt::Key_Return);
    }
    void press(QWidget *target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QKeyEvent event(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(target, &event);
        QApplication::processEvents();
    }
    std::pair<int, int> cursor() const
    {
        return {screen->grid()->currentIndex().row(), screen->grid()->currentIndex().column()};
    }
    QStringList storedRows()
    {
        return app.column("Select [Orders Sequence Number] || ' ' || [Orders Internal Flag] || ' ' || [Orders Catalog Number] || "
                          "' ' || [Orders Unit Total] From Orders Where [Orders Customer Number] = 1 Order By [Orders Sequence "
                          "Number]");
    }

    TempApp app;
    QString path;
    std::unique_ptr<OrderScreen> screen;
};

} // namespace

TEST_F(OrderScreenTest, TheTypistsPathThroughAFoundAndANewProduct)
{
    openScreen();
    EXPECT_EQ(cursor(), std::make_pair(0, int(M::Catalog))) << "opens in the first empty row's catalog cell";
    ASSERT_TRUE(editor());

    type("123456");
    EXPECT_EQ(screen->model()->record(0).catalogNumber, QStringLiteral("123-456"));
    EXPECT_EQ(screen->model()->record(0).product, QStringLiteral("Blush 123-456"));
    EXPECT_EQ(screen->model()->rowCount(), 2) << "a new empty row appears";
    EXPECT_EQ(cursor(), std::make_pair(0, int(M::OrderQty)));
    type("2");
    EXPECT_EQ(cursor(), std::make_pair(1, int(M::Catalog)));
    EXPECT_EQ(screen->model()->record(0).unitTotal, *Currency::fromString(u"13.00"));

    type("999999");
    EXPECT_EQ(cursor(), std::make_pair(1, int(M::Page)));
    EXPECT_TRUE(screen->statusText().endsWith("999-999 is not in the catalogue: type its page and description"))
        << screen->statusText().toStdString();
    for (const auto &[text, next] : std::vector<std::pair<QString, int>>{
             {"44", M::Product}, {"Hand cream", M::Shade}, {"Rose", M::Size}, {"2 oz", M::OrderQty}, {"3", M::UnitPrice}}) {
        type(text);
        EXPECT_EQ(cursor(), std::make_pair(1, next)) << text.toStdString();
    }
    type("2.25");
    EXPECT_EQ(cursor(), std::make_pair(2, int(M::Catalog)));
    EXPECT_EQ(screen->model()->record(1).unitTotal, *Currency::fromString(u"6.75"));
    EXPECT_TRUE(screen->statusText().startsWith(
        QStringLiteral("Total: $ 19.75 (Not including Taxes, Discounts, Processing/Special Charges)")));

    // Delete outside a cell removes the current row.
    press(editor(), Qt::Key_Escape);
    screen->grid()->setCurrentIndex(screen->model()->index(1, M::Page));
    press(screen->grid(), Qt::Key_Delete);
    EXPECT_EQ(screen->model()->lines().size(), 1u);
}

// Without the dash option the typed 123456 stays as typed on screen, but the look-up finds 123-456,
// and the line and the stored row take that form: one product, one line of the order summary.
TEST_F(OrderScreenTest, ANumberTypedWithoutItsDashTakesTheCataloguesForm)
{
    app.state->options.OrderEntryDash = "N";
    openScreen();
    type("123456");
    EXPECT_EQ(screen->model()->record(0).catalogNumber, QStringLiteral("123-456"));
    type("1");
    type("222-222");
    type("1");
    screen->save();
    EXPECT_EQ(app.column("Select Distinct [Orders Catalog Number] From Orders Where [Orders Internal Flag] = 'DETAIL' Order By 1"),
              (QStringList{"123-456", "222-222"}));
    EXPECT_EQ(app.column("Select Count(*) From Products Where [Products Catalog Number] = '123456'"), QStringList{"0"})
        << "no second baseline product under the typed form";
}

// An X in the back-order column is refused with the rule, and stays in its open cell to correct.
TEST_F(OrderScreenTest, ARefusedValueStaysInItsCell)
{
    openScreen();
    type("123456");
    type("1");
    press(editor(), Qt::Key_Escape);
    const QModelIndex backOrder = screen->model()->index(0, M::BackOrder);
    screen->grid()->setCurrentIndex(backOrder);
    screen->grid()->edit(backOrder);
    type("X");
    EXPECT_EQ(app.prompter.messageTexts().last(), OrderLineRules::kBackOrderFlagRule) << app.prompter.messageTexts().join(" / ").toStdString();
    ASSERT_TRUE(editor()) << "the cell is still open";
    EXPECT_EQ(cursor(), std::make_pair(0, int(M::BackOrder)));
    EXPECT_EQ(editor()->text(), "X");
    type("b");
    EXPECT_EQ(screen->model()->record(0).backOrderFlag, "B");
}

TEST_F(OrderScreenTest, ALowerPriceIsOfferedAndTaken)
{
    app.state->options.PromptForLowerPrice = "Y";
    app.state->options.NumberPastCampaignForProductLookup = 1;
    openScreen();
    app.prompter.queueAnswer(Answer::Yes);
    type("123-456");
    const OrderRow &line = screen->model()->record(0);
    EXPECT_EQ(line.unitPrice, *Currency::fromString(u"4.99"));
    EXPECT_EQ(line.page, QStringLiteral("C#04-031"));
    EXPECT_EQ(line.enteredUnitPrice, *Currency::fromString(u"6.50"));
    ASSERT_FALSE(app.prompter.messageTexts().isEmpty());
    EXPECT_TRUE(app.prompter.messageTexts().last().endsWith("Do you wish to use the lower price?"));
}

TEST_F(OrderScreenTest, SavingWritesTheRowsTheComputationWrites)
{
    openScreen();
    type("123456");
    type("2");
    type("222222");
    type("1");
    screen->headerPanel()->switchBox(2)->setChecked(true); // discount
    screen->headerPanel()->discountEdit()->setText("10");
    ASSERT_TRUE(screen->save());
    EXPECT_FALSE(screen->isVisible());
    EXPECT_EQ(screen->savedOrderNumber(), 1);
    const QStringList saved = storedRows();
    ASSERT_FALSE(saved.isEmpty());

    // The same lines and header through the computation alone give the same rows.
    OrderRequest request;
    request.customer = 1;
    request.campaign = {2008, 5};
    request.backOrderCampaign = {2008, 6};
    request.switches = OrderSwitches::fromText(
        app.column("Select [Orders Catalog Number] From Orders Where [Orders Internal Flag] = 'OPTIONS'").value(0));
    EXPECT_TRUE(request.switches.discount);
    request.discountPercent = *Currency::fromString(u"10");
    app.state->data.setSQL("Select * From Orders Where [Orders Internal Flag] = 'DETAIL' Order By [Orders Sequence Number]");
    RecordSet rows = app.state->data.GetSnapShot("test");
    while (rows.next())
        request.lines.push_back(OrderRow::fromRecord(rows));
    request.orderDate = request.lines.front().enteredDate;
    ASSERT_TRUE(saveOrder(app.state->data, app.state->options, app.prompter, request, 1));
    EXPECT_EQ(storedRows(), saved);
    EXPECT_TRUE(saved.contains("4 SUBTOTAL  16.0")) << saved.join('\n').toStdString();
    EXPECT_TRUE(saved.contains("5 DISCOUNT  -1.6"));
}

TEST_F(OrderScreenTest, ABackOrderIntoTheCurrentCampaignKeepsTheScreenOpenAndSavesNothing)
{
    openScreen();
    type("123456");
    type("1");
    screen->markCurrentRow("B"); // the cursor is on the new empty row: nothing to mark
    screen->model()->setBackOrderFlag(0, "B");
    screen->backOrderPage()->numberBox()->setCurrentIndex(4); // campaign 5, the current one
    EXPECT_FALSE(screen->save());
    EXPECT_TRUE(screen->isVisible());
    EXPECT_EQ(screen->tabs()->currentWidget(), screen->backOrderPage());
    EXPECT_TRUE(storedRows().isEmpty());
}

TEST_F(OrderScreenTest, SellingFromStockAsksHowManyAndTakesThem)
{
    ASSERT_TRUE(app.state->data.exec("test", "Insert Into Inventory ([Inventory Catalog Number], [Inventory Description], "
                                             "[Inventory Price], [Inventory Qty], [Inventory Sold To Qty], [Inventory Sold To "
                                             "Campaign Year], [Inventory Sold to Campaign Number], [Inventory Delete Flag]) "
                                             "Values ('123456', 'Blush', 6.5, 5, 0, 0, 0, 0)"));
    openScreen();
    app.prompter.queueInput(QStringLiteral("3"));
    type("123456");
    EXPECT_TRUE(app.prompter.messageTexts().contains("There are 5 products  in inventory."));
    EXPECT_EQ(screen->model()->record(0).fromCampaign, 99);
    EXPECT_EQ(screen->model()->record(0).quantity, 3);
    EXPECT_EQ(app.column("Select [Inventory Qty] From Inventory Where [Inventory Sold To Qty] = 0"), QStringList{"2"});

    // Cancelling now tells that the stock was already taken.
    app.prompter.queueAnswer(Answer::No);
    press(editor(), Qt::Key_Escape); // leaves the cell
    press(screen->grid(), Qt::Key_Escape);
    EXPECT_TRUE(screen->isVisible());
    EXPECT_TRUE(app.prompter.messageTexts().contains(
        "Inventory has been adjusted for this order.  If this order cancelled then the inventory must be manually corrected."));
}

TEST_F(OrderScreenTest, TheCloseBoxIsRefusedAndEscapeCancels)
{
    openScreen();
    QCloseEvent event;
    QApplication::sendEvent(screen.get(), &event);
    EXPECT_TRUE(screen->isVisible());
    EXPECT_EQ(app.prompter.messageTexts().last(), QStringLiteral("Please use 'Save New Order' / 'Save Order #' Button"));
    screen->reject(); // nothing changed: no question
    EXPECT_FALSE(screen->isVisible());
    EXPECT_EQ(screen->savedOrderNumber(), 0);
}

TEST_F(OrderScreenTest, LookingAtEveryTabChangesNothing)
{
    ASSERT_TRUE(app.state->data.exec("t", "Insert Into Orders ([Orders Customer Number], [Orders Campaign Year], [Orders Campaign "
                                          "Number], [Orders Order Number], [Orders Sequence Number], [Orders Internal Flag]) "
                                          "Values (1, 2008, 4, 1, 1, 'TOTAL')"));
    openScreen();
    for (int tab = 0; tab < screen->tabs()->count(); ++tab) {
        screen->tabs()->setCurrentIndex(tab);
        QApplication::processEvents();
    }
    screen->tabs()->setCurrentIndex(0);
    press(screen.get(), Qt::Key_Escape);
    EXPECT_EQ(app.prompter.count(ScriptedPrompter::Kind::Question), 0) << app.prompter.messageTexts().join(" / ").toStdString();
    EXPECT_FALSE(screen->isVisible());
}

TEST_F(OrderScreenTest, CopyingAnOrderAppendsItsLines)
{
    ASSERT_TRUE(app.state->data.exec(
        "test", "Insert Into Orders ([Orders Customer Number], [Orders Campaign Year], [Orders Campaign Number], [Orders Order "
                "Number], [Orders Sequence Number], [Orders Internal Flag], [Orders Catalog Number], [Orders Quanity], [Orders "
                "Price Quantity], [Orders Unit Price], [Orders Unit Total]) Values (1, 2008, 3, 1, 1, 'DETAIL', '555-555', 1, 1, "
                "2, 2)"));
    openScreen();
    type("123456");
    type("1");
    app.prompter.queueAnswer(Answer::No);
    screen->copyOrder({1, {2008, 3}, 1});
    ASSERT_EQ(screen->model()->lines().size(), 2u);
    EXPECT_EQ(screen->model()->lines()[1].catalogNumber, QStringLiteral("555-555"));
    EXPECT_EQ(screen->model()->record(screen->model()->rowCount() - 1).catalogNumber, QString()) << "the blank row stays last";
}

TEST_F(OrderScreenTest, ColumnsMenuTogglesAndRemembers)
{
    openScreen();
    QAction *tax1 = screen->columnAction(M::Tax1);
    ASSERT_TRUE(tax1);
    EXPECT_EQ(tax1->text(), QStringLiteral("Hide Tax &1"));
    tax1->trigger();
    EXPECT_TRUE(screen->grid()->isColumnHidden(M::Tax1));
    EXPECT_EQ(tax1->text(), QStringLiteral("Show Tax &1"));
    EXPECT_TRUE(app.readFile("ZELGRIDLAYOUTINI.600").contains("ColumnTax1=Hide"));
    EXPECT_TRUE(screen->grid()->isColumnHidden(M::BoMessage));
}

TEST_F(OrderScreenTest, EveryPageHasUniqueMnemonicsAndHistoriesWaitForTheirScreen)
{
    openScreen();
    QStringList histories;
    for (QAction *menu : screen->findChild<QMenuBar *>()->actions())
        for (QAction *item : menu->menu()->actions())
            if (item->text().contains("Histories") && item->isVisible())
                histories << item->text();
    EXPECT_TRUE(histories.isEmpty());
    int opened = -1;
    screen->setHistoryOpener([&](int customer) { opened = customer; });
    for (QAction *menu : screen->findChild<QMenuBar *>()->actions())
        for (QAction *item : menu->menu()->actions())
            if (item->text() == "Check &Histories (Current Customer)")
                item->trigger();
    EXPECT_EQ(opened, 1);

    for (int page = 0; page < screen->tabs()->count(); ++page) {
        screen->tabs()->setCurrentIndex(page);
        QApplication::processEvents();
        EXPECT_EQ(zel::test::repeatedMnemonics(screen.get()), QStringList()) << "page " << page;
    }
}
