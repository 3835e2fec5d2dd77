#include "shell/ui/form_binder.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QRadioButton>
#include <QWidget>

using namespace zel;

namespace {

struct Settings
{
    QString name;
    Currency rate;
    QString printIt = QStringLiteral("N");
    int past = 0;
    QString paper;
};

class FormBinderTest : public ::testing::Test
{
protected:
    FormBinderTest()
    {
        name = new QLineEdit(&form);
        rate = new QLineEdit(&form);
        printIt = new QCheckBox(&form);
        past = new QComboBox(&form);
        past->addItems({"0", "1", "2", "3"});
        papers = new QButtonGroup(&form);
        for (const char *value : {"U", "I"}) {
            auto *button = new QRadioButton(&form);
            button->setProperty("value", QString::fromLatin1(value));
            papers->addButton(button);
        }
        binder.text(name, &Settings::name, [](const QString &text) {
            return text.isEmpty() ? QStringLiteral("Name can not be blank.") : QString();
        });
        binder.money(rate, &Settings::rate, QStringLiteral("Rate must be numeric."));
        binder.flag(printIt, &Settings::printIt);
        binder.numberList(past, &Settings::past);
        binder.choice(papers, &Settings::paper, QStringLiteral("U"));
    }
    QString chosenPaper() const { return papers->checkedButton()->property("value").toString(); }

    QWidget form;
    QLineEdit *name, *rate;
    QCheckBox *printIt;
    QComboBox *past;
    QButtonGroup *papers;
    FormBinder<Settings> binder;
};

} // namespace

TEST_F(FormBinderTest, ARecordShownAndReadBackIsTheSame)
{
    const Settings stored{"Ann", Currency::fromCents(750), "Y", 2, "I"};
    binder.load(stored);
    EXPECT_EQ(rate->text(), QStringLiteral("7.5"));
    EXPECT_TRUE(printIt->isChecked());
    Settings read;
    name->setText("  Ann  ");
    EXPECT_TRUE(binder.read(read).isEmpty());
    EXPECT_EQ(read.name, QStringLiteral("Ann"));
    EXPECT_EQ(read.rate, Currency::fromCents(750));
    EXPECT_EQ(read.printIt, QStringLiteral("Y"));
    EXPECT_EQ(read.past, 2);
    EXPECT_EQ(read.paper, QStringLiteral("I"));
}

TEST_F(FormBinderTest, ValuesTheControlsDoNotOfferShowAsTheNearestChoice)
{
    binder.load({"Ann", Currency(), "N", 7, "Z"});
    EXPECT_EQ(past->currentText(), QStringLiteral("3"));
    EXPECT_EQ(chosenPaper(), QStringLiteral("U"));
    binder.load({"Ann", Currency(), "N", -1, "I"});
    EXPECT_EQ(past->currentText(), QStringLiteral("0"));
}

TEST_F(FormBinderTest, AValueThatCannotBeUsedIsNamedAndGetsTheFocus)
{
    form.show();
    form.activateWindow();
    QApplication::processEvents();
    binder.load({"Ann", Currency(), "N", 0, "U"});
    rate->setText("abc");
    Settings read;
    EXPECT_EQ(binder.read(read), QStringLiteral("Rate must be numeric."));
    EXPECT_EQ(QApplication::focusWidget(), rate);
    rate->setText("1");
    name->setText(" ");
    Settings fresh;
    EXPECT_EQ(binder.read(fresh), QStringLiteral("Name can not be blank."));
    EXPECT_TRUE(fresh.name.isEmpty()) << "a refused value is not written";
    EXPECT_EQ(QApplication::focusWidget(), name);
}
