#include "customers/customer_account.h"
#include "customers/ui/customer_account_page.h"
#include "customers/ui/customer_detail_pages.h"
#include "customers/ui/customer_form.h"
#include "customers/ui/customer_screen.h"
#include "customers/ui/customer_search_screen.h"
#include "customers/ui/payments_model.h"
#include "customers/ui/purchase_history_screen.h"
#include "customers/ui/customer_summary_screen.h"
#include "payments/payment_sums.h"
#include "shell/ui/grid_delegate.h"
#include "shell/ui/record_grid_view.h"

#include "customers/customer_fixtures.h"
#include "mnemonic_check.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTreeWidget>
#include <QApplication>
#include <QTest>

using namespace zel;
using namespace zel::customers;
using zel::test::customerRow;
using zel::test::money;
using zel::test::orderRow;
using zel::test::paymentRow;

namespace {

class CustomerScreensTest : public test::OpenDatabaseTest
{
protected:
    void start(const QStringList &rows)
    {
        open(QStringList{customerRow(1, "Ann", "Adams"), customerRow(2, "Bea", "Baker")} + rows);
        app.state->options.CurrentCampaignYear = 2008;
        app.state->options.CurrentCampaignNumber = 5;
        app.state->options.OptionSave(app.state->data);
    }
    QString text(const char *sql) { return app.column(sql).value(0); }
};

} // namespace

TEST_F(CustomerScreensTest, ACustomerWithoutOrdersShowsOnlyNewOrder)
{
    start({});
    CustomerScreen screen(*app.state, {1, 2});
    CustomerAccountPage *page = screen.account();
    EXPECT_EQ(page->orders()->count(), 1);
    EXPECT_EQ(page->orders()->item(0)->text(), "New Order");
    EXPECT_EQ(page->totalCaption()->text(), "Order Total");
    EXPECT_TRUE(page->grid()->isHidden());
    EXPECT_FALSE(page->noOrders()->isHidden());
    EXPECT_FALSE(page->payInFullButton()->isEnabled());
    EXPECT_EQ(screen.windowTitle(), "Customer Update for Ann Adams");
    EXPECT_EQ(screen.statusText(), "2 Customers Found.");

    std::vector<std::tuple<int, int, int>> opened;
    screen.setOrderOpener([&](int customer, const Campaign &c, int order) {
        opened.emplace_back(customer, c.number, order);
        app.state->data.exec("t", orderRow(customer, c.year, c.number, 1, "12.00"));
        return true;
    });
    screen.openOrderEntry();
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], std::make_tuple(1, 5, 0)) << "New Order opens order 0";
    EXPECT_EQ(page->orders()->item(0)->text(), "1") << "the list is read again after a saved order";
    EXPECT_EQ(page->panel().orderTotal, money("12.00"));
}

TEST_F(CustomerScreensTest, ThreeOrdersPaidInFullMatchTheBalanceCommand)
{
    start({orderRow(1, 2008, 5, 1, "10.00"), orderRow(1, 2008, 5, 2, "20.00"), orderRow(1, 2008, 5, 3, "5.00"),
           orderRow(1, 2008, 2, 1, "4.00")});
    CustomerScreen screen(*app.state, {1});
    CustomerAccountPage *page = screen.account();
    EXPECT_EQ(page->totalCaption()->text(), "3 Orders Total");
    EXPECT_EQ(page->payInFullButton()->text(), "&Clear && Pay In Full " + currencyText(money("35")));
    EXPECT_TRUE(page->applyPrevious()->isEnabled());
    page->payInFull();
    EXPECT_EQ(page->model()->rowCount(), 3);
    EXPECT_EQ(page->panel().netDue, PaymentSums(app.state->data).balance(1, 2008, 5));
    EXPECT_EQ(page->panel().netDue, money("4.00"));
    page->applyPrevious()->setChecked(true);
    page->payInFull();
    EXPECT_EQ(page->model()->rowCount(), 1);
    EXPECT_TRUE(page->panel().netDue.isZero());
    EXPECT_EQ(app.prompter.messageTexts().value(0),
              "There are 3 orders.\nThe Previous Net Balance will be applied to the first order.");
}

TEST_F(CustomerScreensTest, CampaignStepsStopAtTheEndsWithABeep)
{
    start({});
    CustomerScreen screen(*app.state, {1});
    app.state->options.CurrentCampaignNumber = 30;
    screen.stepCampaign(true);
    EXPECT_EQ(app.state->options.CurrentCampaignNumber, 30);
    EXPECT_EQ(app.prompter.count(ScriptedPrompter::Kind::Beep), 1);
    app.state->options.CurrentCampaignNumber = 1;
    screen.stepCampaign(false);
    EXPECT_EQ(app.state->options.CurrentCampaignNumber, 1);
    EXPECT_EQ(app.prompter.count(ScriptedPrompter::Kind::Beep), 2);
    screen.stepCampaign(true);
    EXPECT_EQ(text("Select [Options Current Campaign Number] From Options"), "2") << "the step is saved";
    screen.stepYear(true);
    EXPECT_EQ(text("Select Count(*) From Totals Where [Totals Campaign Year] = 2009"), "30");
}

TEST_F(CustomerScreensTest, EditsAreSavedWhenMovingOnAndTheListDoesNotWrap)
{
    start({orderRow(1, 2008, 5, 1, "10.00")});
    CustomerScreen screen(*app.state, {1, 2});
    screen.moveBy(-1);
    EXPECT_EQ(screen.currentCustomer(), 1);
    screen.form()->lastName()->setText("Adams-Smith");
    screen.form()->discount()->setText("150");
    screen.form()->checkPercent(screen.form()->discount(), "Discount Percent");
    EXPECT_EQ(app.prompter.messageTexts().value(0), "Warning:\nDiscount Percent is greater than 100 Percent");
    screen.details()->counters()[3]->setValue(7);
    screen.account()->deliveredBoxes()[0]->setChecked(true);
    screen.moveBy(1);
    EXPECT_EQ(screen.currentCustomer(), 2);
    screen.moveBy(1);
    EXPECT_EQ(screen.currentCustomer(), 2);
    EXPECT_EQ(text("Select [Customers Last Name] || '/' || [Customers Discount Percent] || '/' || [Customers Points4] "
                   "From Customers Where [Customers Number] = 1"),
              "Adams-Smith/150.0/7");
    EXPECT_EQ(text("Select [Orders Delivered] From Orders Where [Orders Customer Number] = 1"), "Y");
}

TEST_F(CustomerScreensTest, ANewCustomerIsCheckedForDuplicatesAndPurgeAsksFirst)
{
    start({});
    CustomerScreen screen(*app.state, {1});
    screen.addCustomer();
    EXPECT_EQ(screen.found(), std::vector<int>({3}));
    EXPECT_EQ(screen.statusText(), "1 Customer Found.");
    screen.form()->firstName()->setText("Ann");
    screen.form()->lastName()->setText("Adams");
    screen.form()->checkDuplicates();
    EXPECT_EQ(app.prompter.messageTexts().value(0),
              "Ann Adams  (Customer # 1)\n\nThis customer may already exist in this database, please review list.\n\n"
              "Use DELETE CUSTOMER if you wish to remove the current customer.");
    app.prompter.queueAnswer(Answer::No);
    screen.purge();
    EXPECT_EQ(text("Select Count(*) From Customers"), "3");
    app.prompter.queueAnswer(Answer::Yes);
    screen.purge();
    EXPECT_EQ(text("Select Count(*) From Customers"), "2");
    EXPECT_EQ(app.state->currentCustomer, 0);
}

TEST_F(CustomerScreensTest, PaymentsGridAsksForAnOrderAndMakesAmountsNegative)
{
    start({orderRow(1, 2008, 5, 1, "10.00")});
    CustomerScreen screen(*app.state, {1});
    PaymentsModel *model = screen.account()->model();
    screen.account()->autoNegative()->setChecked(true);
    model->appendRow(Payment{1, 2008, 5, 0, 1, {}, {}, "N", "Cash", {}, {}}, true);
    EXPECT_FALSE(model->setData(model->index(0, 1), "5", Qt::EditRole));
    EXPECT_EQ(app.prompter.messageTexts().value(0), "Please select an order first.");
    EXPECT_TRUE(model->setData(model->index(0, 0), "1", Qt::EditRole));
    EXPECT_TRUE(model->setData(model->index(0, 1), "5", Qt::EditRole));
    EXPECT_EQ(text("Select printf('%.2f', [Payments Amount]) From Payments"), "-5.00");
    EXPECT_EQ(screen.account()->panel().netDue, money("5.00"));
    screen.account()->addPayment();
    EXPECT_EQ(app.column("Select [Payments Sequence] || ':' || printf('%.2f', [Payments Amount]) From Payments Order By 1"),
              QStringList({"1:-5.00", "2:-10.00"}));
}

// Ann's previous balance was to be applied; Bea's must not be settled by it unasked.
TEST_F(CustomerScreensTest, ApplyPreviousBalanceIsNotCarriedToTheNextCustomer)
{
    start({orderRow(1, 2008, 5, 1, "10.00"), orderRow(1, 2008, 2, 1, "4.00"), orderRow(2, 2008, 5, 1, "7.00"),
           orderRow(2, 2008, 2, 1, "3.00")});
    CustomerScreen screen(*app.state, {1, 2});
    screen.account()->applyPrevious()->setChecked(true);
    screen.moveBy(1);
    EXPECT_FALSE(screen.account()->applyPrevious()->isChecked());
    screen.account()->payInFull();
    EXPECT_EQ(screen.account()->panel().netDue, money("3.00")) << "only this campaign's 7.00 is paid";
}

// The Type cell offers the payment types, typed letters choosing the match; F2 edits the cell
// rather than opening order entry; columns widen for the next customer's longer values.
TEST_F(CustomerScreensTest, PaymentCellsOfferTheirChoicesAndFitEveryCustomer)
{
    start({orderRow(1, 2008, 5, 1, "10.00"), orderRow(2, 2008, 5, 1, "7.00"), paymentRow(2, 2008, 5, 1, 1, "-7"),
           "Update Payments Set [Payments Date] = '2008-03-01 00:00:00'"});
    CustomerScreen screen(*app.state, {1, 2});
    screen.show();
    int opened = 0;
    screen.setOrderOpener([&](int, const Campaign &, int) { return ++opened, false; });
    screen.moveBy(1);
    RecordGridView *grid = screen.account()->grid();
    QApplication::processEvents();
    const int typeColumn = 4;
    EXPECT_GE(grid->columnWidth(typeColumn), grid->fontMetrics().horizontalAdvance("Cash") + 8);
    const int dateColumn = 2;
    EXPECT_GE(grid->columnWidth(dateColumn), grid->fontMetrics().horizontalAdvance(grid->model()->index(0, dateColumn).data().toString()) + 8)
        << "the first customer had no payments, so the columns were fitted to their headings";

    grid->setFocus();
    grid->setCurrentIndex(grid->model()->index(0, typeColumn));
    QTest::keyClick(grid, Qt::Key_F2);
    EXPECT_EQ(opened, 0) << "F2 belongs to the grid's cell";
    auto *list = qobject_cast<QComboBox *>(grid->delegate()->editor());
    ASSERT_TRUE(list) << "the Type cell is a drop-down";
    EXPECT_EQ(list->count(), 13);
    EXPECT_EQ(list->currentText(), "Cash");
    QTest::keyClicks(list, "V");
    EXPECT_EQ(list->currentText(), "Visa");
    QTest::keyClick(list, Qt::Key_Return);
    QApplication::processEvents(); // the delegate stores a cell closed with Enter from the event loop
    EXPECT_EQ(text("Select [Payments Type] From Payments Where [Payments Customer Number] = 2"), "Visa");
}

// "Add Customer" of the search: typing replaces the default name, and a name that is already
// there is pointed out, as Ctrl+N on the customer screen does.
TEST_F(CustomerScreensTest, ANewCustomerFromTheSearchIsTypedOverAndCheckedForDuplicates)
{
    start({});
    const std::optional<int> number = createCustomer(*app.state);
    ASSERT_TRUE(number);
    CustomerScreen screen(*app.state, {*number});
    screen.show();
    screen.startWithNewCustomer();
    QApplication::processEvents();
    QLineEdit *first = screen.form()->firstName();
    EXPECT_TRUE(first->hasFocus());
    EXPECT_EQ(first->selectedText(), first->text());
    first->setText("Ann");
    screen.form()->lastName()->setText("Adams");
    emit screen.form()->lastName()->editingFinished();
    EXPECT_TRUE(app.prompter.messageTexts().join("\n").contains("This customer may already exist")) << "Ann Adams is customer 1";
}

TEST_F(CustomerScreensTest, EveryPageHasItsOwnMnemonics)
{
    start({});
    CustomerScreen screen(*app.state, {1});
    screen.show();
    for (int tab = 0; tab < screen.tabs()->count(); ++tab) {
        screen.tabs()->setCurrentIndex(tab);
        EXPECT_EQ(test::repeatedMnemonics(&screen), QStringList()) << screen.tabs()->tabText(tab).toStdString();
    }
    CustomerSearchScreen search(*app.state);
    search.show();
    EXPECT_EQ(test::repeatedMnemonics(&search), QStringList());
    PurchaseHistoryScreen history(*app.state, 0);
    history.show();
    EXPECT_EQ(test::repeatedMnemonics(&history), QStringList());
}

TEST_F(CustomerScreensTest, TheSearchOpensWhatItFinds)
{
    start({orderRow(2, 2008, 5, 1, "1.00")});
    CustomerSearchScreen search(*app.state);
    std::vector<std::vector<int>> opened;
    search.setCustomerOpener([&](const std::vector<int> &found) { opened.push_back(found); });
    search.lastName()->setText("B");
    search.find();
    search.lastName()->clear();
    search.orderedIn()->setChecked(true);
    search.find();
    EXPECT_EQ(app.prompter.messageTexts().value(0),
              "Please select a Campaign number when searching for customers with an order.");
    search.campaignNumber()->setValue(5);
    search.find();
    search.findAll();
    ASSERT_EQ(opened.size(), 3u);
    EXPECT_EQ(opened[0], std::vector<int>({2}));
    EXPECT_EQ(opened[1], std::vector<int>({2}));
    EXPECT_EQ(opened[2], std::vector<int>({1, 2}));
    QTreeWidgetItem *ann = search.tree(0)->topLevelItem(0)->child(0);
    ASSERT_NE(ann, nullptr);
    app.state->data.exec("t", "Delete From Customers Where [Customers Number] = 1");
    search.openNode(ann);
    EXPECT_EQ(app.prompter.messageTexts().last(), "Customer has been deleted, Please Refresh Tree");
}

TEST_F(CustomerScreensTest, HistoryScreenFindsOneCustomersLines)
{
    start({orderRow(1, 2008, 5, 1, "2.00", "DETAIL", "111", "Eye-Liner"), orderRow(2, 2008, 5, 1, "2.00", "DETAIL", "222", "Eye Liner")});
    PurchaseHistoryScreen all(*app.state, 0);
    all.productBox()->setCurrentText("eye liner");
    all.search();
    EXPECT_EQ(all.rowCount(), 2);
    PurchaseHistoryScreen one(*app.state, 2);
    one.search();
    EXPECT_EQ(one.rowCount(), 1);
}

TEST_F(CustomerScreensTest, TheSummaryScreensShowHerRowsAndFollowTheCampaign)
{
    start({orderRow(1, 2008, 5, 1, "7", "DETAIL", "111-111", "Blush"), orderRow(1, 2008, 5, 1, "7"),
           orderRow(1, 2008, 6, 1, "4", "DETAIL", "222-222", "Soap"), orderRow(1, 2008, 6, 1, "4")});
    CustomerSummaryScreen campaigns(*app.state, 1, CustomerSummaryScreen::Kind::Campaigns, {2008, 5});
    campaigns.show();
    EXPECT_EQ(campaigns.grid()->model()->rowCount(), 2);
    EXPECT_EQ(campaigns.yearToDateText(), "Year To Date (2008): 11.00");
    EXPECT_EQ(test::repeatedMnemonics(&campaigns), QStringList());

    CustomerSummaryScreen current(*app.state, 1, CustomerSummaryScreen::Kind::CurrentOrders, {2008, 5});
    current.show();
    EXPECT_EQ(test::repeatedMnemonics(&current), QStringList());
    ASSERT_EQ(current.grid()->model()->rowCount(), 1);
    EXPECT_EQ(current.grid()->model()->index(0, 2).data().toString(), "111-111");
    EXPECT_EQ(current.grid()->model()->index(0, 6).data().toString(), "7.00");
    current.stepCampaign(true);
    ASSERT_EQ(current.grid()->model()->rowCount(), 1);
    EXPECT_EQ(current.grid()->model()->index(0, 2).data().toString(), "222-222");
}
