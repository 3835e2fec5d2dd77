#include "customers/ui/customer_screen.h"
#include "customers/ui/customer_search_screen.h"
#include "customers/ui/customer_summary_screen.h"
#include "customers/ui/purchase_history_screen.h"
#include "desktop/main_menu_operations.h"
#include "desktop/ui/main_menu.h"
#include "earnings/ui/expenses_screen.h"
#include "options/ui/options_screen.h"
#include "orders/ui/inventory_screen.h"
#include "orders/ui/order_screen.h"
#include "orders/ui/products_screen.h"
#include "reports/ui/glance_screen.h"
#include "reports/ui/reports_screen.h"
#include "transmit/ui/transmit_screen.h"
#include "utilities/ui/utilities_screen.h"

#include "customers/customer_fixtures.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

using namespace zel;

namespace {

// What a screen reader says of an input: its accessible name.
QString spokenName(QWidget *input)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(input);
    return face ? face->text(QAccessible::Name).trimmed() : QString();
}

bool isInput(QWidget *w)
{
    if (qobject_cast<QLineEdit *>(w))
        return !qobject_cast<QAbstractSpinBox *>(w->parentWidget()); // a spin box speaks for its own text
    if (qobject_cast<QHeaderView *>(w))
        return false; // a grid's headings are part of the grid
    return qobject_cast<QComboBox *>(w) || qobject_cast<QAbstractSpinBox *>(w) || qobject_cast<QAbstractItemView *>(w)
        || qobject_cast<QTextEdit *>(w) || qobject_cast<QPlainTextEdit *>(w);
}

// The inputs of a screen, on every page, that a screen reader cannot name.
QStringList namelessInputs(QWidget *screen)
{
    QStringList nameless;
    for (QWidget *w : screen->findChildren<QWidget *>()) {
        // The views inside a combo box's drop-down and a completer's pop-up are the combo's own.
        if (!isInput(w) || w->window() != screen || w->inherits("QComboBoxListView") || w->parentWidget()->inherits("QComboBoxPrivateContainer"))
            continue;
        if (spokenName(w).isEmpty()) {
            QString path = QString::fromLatin1(w->metaObject()->className()) + QLatin1Char(' ') + w->objectName();
            for (QWidget *p = w->parentWidget(); p && p != screen; p = p->parentWidget())
                if (!p->objectName().isEmpty() && !p->objectName().startsWith(QLatin1String("qt_")))
                    path += QStringLiteral(" in ") + p->objectName();
            nameless << path;
        }
    }
    return nameless;
}

class AccessibilityWalk : public test::OpenDatabaseTest
{
protected:
    void SetUp() override
    {
        open({test::customerRow(1, "Ann", "Adams"), test::customerRow(2, "Bea", "Baker"), test::orderRow(1, 2008, 5, 1, "10.00"),
              test::paymentRow(1, 2008, 5, 1, 1, "-4")});
        app.state->options.CurrentCampaignYear = 2008;
        app.state->options.CurrentCampaignNumber = 5;
    }
    void expectNamed(QWidget &screen)
    {
        screen.show();
        const QStringList nameless = namelessInputs(&screen);
        EXPECT_TRUE(nameless.isEmpty()) << screen.objectName().toStdString() << ":\n  "
                                        << nameless.join(QStringLiteral("\n  ")).toStdString();
        screen.hide();
    }
};

} // namespace

// Every input of every screen has the name of its label, for a screen reader.
TEST_F(AccessibilityWalk, EveryInputOfEveryScreenHasAName)
{
    {
        MainMenu menu(*app.state, StartCommand::parse({}));
        expectNamed(menu);
    }
    {
        customers::CustomerSearchScreen screen(*app.state);
        expectNamed(screen);
    }
    {
        customers::CustomerScreen screen(*app.state, {1, 2});
        expectNamed(screen);
    }
    {
        customers::PurchaseHistoryScreen screen(*app.state, 1);
        expectNamed(screen);
    }
    for (const auto kind : {CustomerSummaryScreen::Kind::Campaigns, CustomerSummaryScreen::Kind::Orders,
                            CustomerSummaryScreen::Kind::Payments}) {
        CustomerSummaryScreen screen(*app.state, 1, kind, {2008, 5});
        expectNamed(screen);
    }
    {
        OrderScreen screen(*app.state, 1, {2008, 5}, 1);
        expectNamed(screen);
    }
    {
        reports::ReportsScreen screen(*app.state);
        expectNamed(screen);
    }
    {
        reports::GlanceScreen screen(*app.state);
        expectNamed(screen);
    }
    {
        UtilitiesScreen screen(*app.state);
        expectNamed(screen);
    }
    {
        OptionsScreen screen(*app.state);
        expectNamed(screen);
    }
    {
        ExpensesScreen screen(*app.state);
        expectNamed(screen);
    }
    {
        InventoryScreen screen(*app.state);
        expectNamed(screen);
    }
    {
        ProductsScreen screen(*app.state);
        expectNamed(screen);
    }
    {
        TransmitScreen screen(*app.state, QStringLiteral("US"));
        expectNamed(screen);
    }
}
