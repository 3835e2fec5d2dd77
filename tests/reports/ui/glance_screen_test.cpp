#include "reports/ui/glance_screen.h"

#include "app/cli_runner.h"
#include "desktop/main_menu_operations.h"
#include "desktop/ui/main_menu.h"
#include "mnemonic_check.h"
#include "session/app_state.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QChartView>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTableWidget>

using namespace zel;
using namespace zel::reports;

namespace {

class GlanceScreenTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const QString file = app.path("Sample.ZELDB");
        ASSERT_EQ(test::runCli(app, {"sample", "--db", file, "--customers", "15", "--years", "1"}).code, 0);
        ASSERT_TRUE(MainMenuOperations(*app.state).openDatabase(file, "test", "test"));
    }
    QPushButton *button(GlanceScreen &screen, const QString &start)
    {
        for (QPushButton *b : screen.findChildren<QPushButton *>())
            if (b->text().remove('&').startsWith(start))
                return b;
        return nullptr;
    }
    test::TempApp app;
};

} // namespace

TEST_F(GlanceScreenTest, ShowsTheCurrentCampaignsFiguresAndStepsThroughCampaigns)
{
    GlanceScreen screen(*app.state);
    const Campaign current{app.state->options.CurrentCampaignYear, app.state->options.CurrentCampaignNumber};
    ASSERT_TRUE(screen.glance());
    EXPECT_EQ(screen.glance()->campaign, current);
    const CampaignGlance &g = *screen.glance();
    QPushButton *typed = button(screen, QStringLiteral("Orders typed: "));
    ASSERT_TRUE(typed);
    EXPECT_EQ(typed->text().remove('&'), QStringLiteral("Orders typed: %1").arg(g.ordersTyped));
    ASSERT_TRUE(button(screen, QStringLiteral("Customers owing her: %1").arg(g.debits.customers)));

    // The text alternative of the chart: one row a bar, with its sales and earnings.
    QTableWidget *figures = nullptr;
    for (QTableWidget *table : screen.findChildren<QTableWidget *>())
        if (table->accessibleName() == QStringLiteral("Sales and earnings by campaign"))
            figures = table;
    ASSERT_TRUE(figures);
    ASSERT_EQ(figures->rowCount(), int(g.sales.size()));
    EXPECT_EQ(figures->item(figures->rowCount() - 1, 1)->text(), g.current().sales.toCurrencyText());
    EXPECT_EQ(figures->item(figures->rowCount() - 1, 2)->text(), g.current().earnings.toCurrencyText());
    EXPECT_FALSE(screen.findChild<QChartView *>()->accessibleDescription().isEmpty());

    // The unpaid orders are listed behind their figure.
    button(screen, QStringLiteral("Orders not paid"))->click();
    auto *tabs = screen.findChild<QTabWidget *>();
    auto *unpaid = qobject_cast<QTableWidget *>(tabs->currentWidget());
    ASSERT_TRUE(unpaid);
    EXPECT_EQ(unpaid->accessibleName(), QStringLiteral("Orders not paid"));
    EXPECT_EQ(unpaid->rowCount(), g.ordersUnpaid);

    // Stepping shows another campaign without moving the options' current one.
    button(screen, QStringLiteral("Previous Campaign"))->click();
    EXPECT_EQ(screen.glance()->campaign, current.previous(app.state->options.LastCampaignNumberOfYear));
    button(screen, QStringLiteral("Next Campaign"))->click();
    EXPECT_EQ(screen.glance()->campaign, current);
    EXPECT_EQ(app.state->options.CurrentCampaignNumber, current.number);
}

TEST_F(GlanceScreenTest, FitsTheSmallestScreenWithOneLetterForEachPlace)
{
    GlanceScreen screen(*app.state);
    screen.show();
    EXPECT_LE(screen.frameGeometry().width(), 1024);
    EXPECT_LE(screen.frameGeometry().height(), 768);
    auto *tabs = screen.findChild<QTabWidget *>();
    ASSERT_TRUE(tabs);
    for (int tab = 0; tab < tabs->count(); ++tab) {
        tabs->setCurrentIndex(tab);
        EXPECT_EQ(test::repeatedMnemonics(&screen), QStringList()) << tabs->tabText(tab).toStdString();
    }
}

TEST_F(GlanceScreenTest, TheMainMenuOpensItFromItsButtonAndTheMiscMenu)
{
    MainMenu menu(*app.state, StartCommand::parse(QString()));
    int opened = 0;
    menu.setScreen(MainMenu::Glance, [&] { ++opened; });
    QPushButton *glance = menu.commandButton(MainMenu::Glance);
    EXPECT_EQ(glance->text(), QStringLiteral("Campaign at a &Glance"));
    ASSERT_TRUE(glance->isEnabled());
    glance->click();
    QAction *entry = nullptr;
    for (QAction *action : menu.menuBar()->findChildren<QAction *>())
        if (action->text() == QStringLiteral("&Campaign at a Glance"))
            entry = action;
    ASSERT_TRUE(entry);
    EXPECT_TRUE(entry->isEnabled());
    entry->trigger();
    EXPECT_EQ(opened, 2);
    EXPECT_EQ(test::repeatedMnemonics(&menu), QStringList());
}

TEST_F(GlanceScreenTest, ListsSortByValueAndKeepTheirLayout)
{
    int owingWidth = 0;
    {
        GlanceScreen screen(*app.state);
        screen.show();
        QTableWidget *figures = nullptr;
        for (QTableWidget *table : screen.findChildren<QTableWidget *>())
            if (table->accessibleName() == QStringLiteral("Sales and earnings by campaign"))
                figures = table;
        ASSERT_TRUE(figures && figures->rowCount() > 2);
        figures->sortByColumn(1, Qt::DescendingOrder);
        for (int row = 1; row < figures->rowCount(); ++row) {
            const QString higher = figures->item(row - 1, 1)->text().remove('$').remove(',');
            const QString lower = figures->item(row, 1)->text().remove('$').remove(',');
            EXPECT_GE(higher.toDouble(), lower.toDouble()) << "row " << row; // as money, not as text ("$956" after "$1,213")
        }
        figures->horizontalHeader()->resizeSection(1, 155);
        owingWidth = figures->horizontalHeader()->sectionSize(1);
        screen.reject();
    }
    GlanceScreen again(*app.state);
    QTableWidget *figures = nullptr;
    for (QTableWidget *table : again.findChildren<QTableWidget *>())
        if (table->accessibleName() == QStringLiteral("Sales and earnings by campaign"))
            figures = table;
    ASSERT_TRUE(figures);
    EXPECT_EQ(figures->horizontalHeader()->sectionSize(1), owingWidth);
    EXPECT_EQ(figures->horizontalHeader()->sortIndicatorSection(), 1);
    EXPECT_EQ(figures->horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
}
