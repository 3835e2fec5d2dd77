#include "shell/ui/screen_options.h"

#include "shell/ini_file.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QWidget>

using namespace zel;
using zel::test::TempApp;

namespace {

struct ReportScreen
{
    QWidget screen;
    QRadioButton *standard = new QRadioButton(&screen);
    QRadioButton *shortSize = new QRadioButton(&screen);
    QCheckBox *unprinted = new QCheckBox(&screen);
    QComboBox *sort = new QComboBox(&screen);
    QLineEdit *title = new QLineEdit(&screen);

    ReportScreen()
    {
        auto *layout = new QVBoxLayout(&screen);
        for (QWidget *w : std::initializer_list<QWidget *>{standard, shortSize, unprinted, sort, title})
            layout->addWidget(w);
        standard->setObjectName("optStandard");
        shortSize->setObjectName("optShort");
        unprinted->setObjectName("chkUnprinted");
        sort->setObjectName("cboSort");
        title->setObjectName("txtTitle");
        sort->addItems({"Customer Name", "Customer Number", "Area"});
        standard->setChecked(true);
    }
};

} // namespace

TEST(ScreenOptions, EveryControlComesBackAsItWasLeft)
{
    TempApp app;
    const IniFile file(app.path("ZELRPTOPTSINI.600"));
    {
        ReportScreen closing;
        closing.shortSize->setChecked(true);
        closing.unprinted->setChecked(true);
        closing.sort->setCurrentText("Area");
        closing.title->setText("Spring = sale; \"new\"");
        saveScreenOptions(&closing.screen, file);
    }
    EXPECT_TRUE(app.readFile("ZELRPTOPTSINI.600").contains("[OptionsButtons]\noptStandard=0\noptShort=-1\n"));
    ReportScreen opening;
    restoreScreenOptions(&opening.screen, file);
    EXPECT_TRUE(opening.shortSize->isChecked());
    EXPECT_FALSE(opening.standard->isChecked());
    EXPECT_TRUE(opening.unprinted->isChecked());
    EXPECT_EQ(opening.sort->currentText(), QStringLiteral("Area"));
    EXPECT_EQ(opening.title->text(), QStringLiteral("Spring = sale; \"new\""));

    ReportScreen fresh; // with no file every control keeps its designed state
    restoreScreenOptions(&fresh.screen, IniFile(app.path("none.600")));
    EXPECT_TRUE(fresh.standard->isChecked());
    EXPECT_FALSE(fresh.unprinted->isChecked());
}
