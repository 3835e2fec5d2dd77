#include "mnemonic_check.h"

#include "desktop/main_menu_operations.h"
#include "desktop/ui/main_menu.h"
#include "options/ui/options_screen.h"
#include "orders/ui/products_screen.h"
#include "reports/ui/report_preview.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>

using namespace zel;
using zel::test::repeatedMnemonics;
using zel::test::TempApp;

TEST(MnemonicCheck, FindsClashesPerWindowAndPerMenu)
{
    EXPECT_EQ(test::mnemonicOf("&Products"), QChar('P'));
    EXPECT_EQ(test::mnemonicOf("Taxes && &Charges"), QChar('C'));
    EXPECT_TRUE(test::mnemonicOf("Taxes && Charges").isNull());
    EXPECT_TRUE(test::mnemonicOf("Ends with &").isNull());

    QWidget window;
    auto *bar = new QMenuBar(&window);
    QMenu *file = bar->addMenu("&File");
    file->addAction("&Open");
    file->addAction("&Options");
    file->addAction("&Find")->setVisible(false);
    new QPushButton("&find", &window);
    new QPushButton("&Close", &window);
    auto *hidden = new QPushButton("&Close again", &window);
    hidden->setVisible(false);
    auto *label = new QLabel("&Customer", &window);
    label->setBuddy(hidden); // a label counts by its buddy being set, not by the buddy's looks
    new QLabel("&Nothing to focus", &window);

    const QStringList clashes = repeatedMnemonics(&window);
    EXPECT_EQ(clashes, QStringList({"menu \"&File\": Alt+O: \"&Open\", \"&Options\"", "Alt+C: \"&Close\", \"&Customer\"",
                                    "Alt+F: \"&find\", \"&File\""}))
        << clashes.join('\n').toStdString();
}

namespace {

class WindowMnemonics : public ::testing::Test
{
protected:
    void openShop()
    {
        path = app.makeZelDatabase("Shop.ZELDB");
        ASSERT_TRUE(MainMenuOperations(*app.state).openDatabase(path, "test", "test"));
    }

    TempApp app;
    QString path;
};

} // namespace

TEST_F(WindowMnemonics, MainMenu)
{
    MainMenu menu(*app.state, StartCommand::parse({}));
    menu.load();
    EXPECT_EQ(repeatedMnemonics(&menu), QStringList()) << repeatedMnemonics(&menu).join('\n').toStdString();
}

TEST_F(WindowMnemonics, OptionsScreenOnEveryPage)
{
    openShop();
    OptionsScreen screen(*app.state);
    for (int page = 0; page < screen.pages()->count(); ++page) {
        screen.pages()->setCurrentIndex(page);
        const QStringList clashes = repeatedMnemonics(&screen);
        EXPECT_EQ(clashes, QStringList()) << "page " << screen.pages()->tabText(page).toStdString() << ":\n"
                                          << clashes.join('\n').toStdString();
    }
}

TEST_F(WindowMnemonics, ProductsScreen)
{
    openShop();
    ProductsScreen screen(*app.state);
    EXPECT_EQ(repeatedMnemonics(&screen), QStringList()) << repeatedMnemonics(&screen).join('\n').toStdString();
}

TEST_F(WindowMnemonics, ReportPreviewWithItsMailButton)
{
    reports::Document document{"Test", {reports::Page{QSizeF(612, 792), {}}}};
    reports::ReportPreview preview(*app.state, document);
    preview.setMail("ann@example.com", "Invoice", "Attached");
    EXPECT_EQ(repeatedMnemonics(&preview), QStringList()) << repeatedMnemonics(&preview).join('\n').toStdString();
}
