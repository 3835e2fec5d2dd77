#include "utilities/ui/utilities_screen.h"

#include "mnemonic_check.h"
#include "shell/ui/grid_delegate.h"
#include "shell/ui/record_grid_view.h"
#include "utilities/ui/cleanup_page.h"
#include "utilities/ui/flags_page.h"
#include "utilities/ui/payments_page.h"
#include "utilities/ui/product_change_page.h"
#include "utilities/ui/utilities_screen_fixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTabWidget>

#include <gtest/gtest.h>

using namespace zel;
using zel::test::money;
using zel::test::orderLine;

namespace {

class UtilitiesScreenTest : public zel::test::UtilitiesScreenFixture
{
protected:
    void SetUp() override
    {
        UtilitiesScreenFixture::SetUp();
        customer(1, "Abbot", "Ann");
        customer(2, "Baker", "Beth");
        order(1, {2008, 5}, {orderLine("2001", 2, "10.00")});
        order(2, {2008, 5}, {orderLine("2001", 1, "10.00"), orderLine("3003", 1, "4.00")});
        openScreen();
    }
};

TEST_F(UtilitiesScreenTest, EveryTabHasItsPlaceAndIsEnabled)
{
    QTabWidget *tabs = screen->tabs();
    ASSERT_EQ(tabs->count(), 9);
    EXPECT_EQ(screen->objectName(), "Zel_Utilities");
    EXPECT_EQ(tabs->tabText(5), "&6 Payments");
    for (int i = 0; i < tabs->count(); ++i)
        EXPECT_TRUE(tabs->isTabEnabled(i)) << i;
    screen->show();
    for (int i = 0; i < tabs->count(); ++i) {
        if (!tabs->isTabEnabled(i))
            continue;
        tabs->setCurrentIndex(i);
        QApplication::processEvents();
        EXPECT_EQ(zel::test::repeatedMnemonics(screen.get()), QStringList()) << qPrintable(tabs->tabText(i));
    }
    auto *payments = page<PaymentsPage>("6 Payments");
    ASSERT_TRUE(payments);
    tabs->setCurrentWidget(payments);
    payments->findChild<QTabWidget *>()->setCurrentIndex(1);
    EXPECT_EQ(zel::test::repeatedMnemonics(screen.get()), QStringList());
}

TEST_F(UtilitiesScreenTest, PaymentsAreTickedAndAppliedAndUnappliedEditsHoldTheCampaign)
{
    auto *payments = page<PaymentsPage>("6 Payments");
    ASSERT_EQ(payments->ordersToPay()->rowCount(), 2);
    payments->markAll(&WorkPayment::pay);
    app.prompter.queueAnswer(Answer::No);
    screen->stepCampaign(true);
    EXPECT_EQ(screen->campaign().number, 5);
    EXPECT_EQ(app.prompter.messageTexts().last(),
              "Payments have not been applied/updated that were made on tab 6.\nDo you wish to proceed and NOT apply payments.");

    payments->applyUpdates();
    EXPECT_TRUE(balance(1, {2008, 5}).isZero());
    EXPECT_TRUE(balance(2, {2008, 5}).isZero());
    ASSERT_EQ(payments->paymentsOnFile()->rowCount(), 2);
    screen->stepCampaign(true);
    EXPECT_EQ(screen->campaign().number, 6);
    EXPECT_EQ(payments->paymentsOnFile()->rowCount(), 0);
}

TEST_F(UtilitiesScreenTest, ATypedAmountFollowsTheNegativeSignBox)
{
    auto *payments = page<PaymentsPage>("6 Payments");
    WorkPaymentModel *model = payments->ordersToPay();
    ASSERT_TRUE(model->setData(model->index(0, 2), "25", Qt::EditRole));
    EXPECT_EQ(model->record(0).amount, money("-25"));
    payments->findChild<QCheckBox *>("chkAutoNegative2")->setChecked(false);
    ASSERT_TRUE(model->setData(model->index(0, 2), "25", Qt::EditRole));
    EXPECT_EQ(model->record(0).amount, money("25"));
}

TEST_F(UtilitiesScreenTest, ProductUpdateTabChangesTheTickedCustomersOrders)
{
    auto *update = page<ProductChangePage>("7 Product Update");
    ASSERT_EQ(update->productList()->count(), 2);
    update->productList()->setCurrentRow(0);
    update->chooseProduct();
    ASSERT_EQ(update->customers()->rowCount(), 2);
    update->option("Mark Unavailable")->setChecked(true);
    update->selectAllCustomers();
    update->run();
    EXPECT_TRUE(balance(1, {2008, 5}).isZero());
    EXPECT_EQ(balance(2, {2008, 5}), money("4.00"));
    EXPECT_TRUE(app.prompter.messageTexts().contains("Updated 2 Orders.\nPlease perform the forecast for review of affected customers."));

    update->option("Price")->setChecked(true);
    update->entry("Price")->setText("abc");
    update->run();
    EXPECT_EQ(app.prompter.messageTexts().last(), "Price must be numeric.");
}

TEST_F(UtilitiesScreenTest, DeleteAndFlagTabsRunTheirCommands)
{
    auto *cleanup = page<CleanupPage>("1 Delete");
    cleanup->backupBox()->setChecked(false);
    cleanup->choice(CleanupPage::Inventory)->setChecked(true);
    cleanup->runDelete();
    EXPECT_EQ(app.prompter.messageTexts().last(), "Deleted 0 Products.");
    cleanup->choice(CleanupPage::Orders)->setChecked(true);
    cleanup->runDelete();
    EXPECT_EQ(app.prompter.messageTexts().last(), "Please select year to delete");

    auto *flags = page<FlagsPage>("2 Flags");
    flags->resetCounter();
    EXPECT_EQ(app.prompter.messageTexts().last(), "Please Select A Counter.");
    flags->flag(FlagsPage::Label)->setChecked(true);
    flags->setFlag(true);
    EXPECT_EQ(app.prompter.messageTexts().last(), "2 customers have been updated.");
}

TEST_F(UtilitiesScreenTest, ChoicesComeBackTheNextTime)
{
    page<PaymentsPage>("6 Payments")->findChild<QCheckBox *>("chkDeposited")->setChecked(true);
    page<CleanupPage>("1 Delete")->choice(CleanupPage::Products)->setChecked(true);
    screen->accept();
    EXPECT_TRUE(app.readFile("ZELUTLOPTSINI.600").contains("chkDeposited=1"));
    UtilitiesScreen again(*app.state);
    EXPECT_TRUE(dynamic_cast<PaymentsPage *>(again.page("6 Payments"))->findChild<QCheckBox *>("chkDeposited")->isChecked());
    EXPECT_TRUE(dynamic_cast<CleanupPage *>(again.page("1 Delete"))->choice(CleanupPage::Products)->isChecked());
}

} // namespace

TEST_F(UtilitiesScreenTest, EscapeClosesTheScreenWhenNothingIsWaiting)
{
    screen->show();
    QApplication::processEvents();
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(screen->focusWidget() ? screen->focusWidget() : screen.get(), &escape);
    QApplication::processEvents();
    EXPECT_FALSE(screen->isVisible());
}
