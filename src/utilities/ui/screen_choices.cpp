#include "utilities/ui/screen_choices.h"

#include "shell/ini_file.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

namespace zel {

namespace {

const QString kButtons = QStringLiteral("OptionsButtons");
const QString kChecks = QStringLiteral("CheckBoxes");
const QString kLists = QStringLiteral("ComboBoxes");
const QString kTexts = QStringLiteral("TextBoxes");

template <class Control>
QList<Control *> named(const QWidget *screen)
{
    QList<Control *> out;
    for (Control *control : screen->findChildren<Control *>())
        if (!control->objectName().isEmpty() && !control->objectName().startsWith(QLatin1String("qt_")))
            out << control;
    return out;
}

} // namespace

void restoreChoices(QWidget *screen, const IniFile &file)
{
    for (QRadioButton *button : named<QRadioButton>(screen))
        if (file.read(kButtons, button->objectName(), QStringLiteral("0")) == QLatin1String("-1"))
            button->setChecked(true);
    for (QCheckBox *box : named<QCheckBox>(screen))
        box->setChecked(file.read(kChecks, box->objectName(), box->isChecked() ? QStringLiteral("1") : QStringLiteral("0"))
                        == QLatin1String("1"));
    for (QComboBox *list : named<QComboBox>(screen)) {
        const int index = list->findText(file.read(kLists, list->objectName(), QString()));
        if (index >= 0)
            list->setCurrentIndex(index);
    }
    for (QLineEdit *text : named<QLineEdit>(screen))
        if (!text->objectName().isEmpty())
            text->setText(file.read(kTexts, text->objectName(), text->text()));
}

void saveChoices(const QWidget *screen, const IniFile &file)
{
    for (const QRadioButton *button : named<QRadioButton>(screen))
        file.write(kButtons, button->objectName(), button->isChecked() ? QStringLiteral("-1") : QStringLiteral("0"));
    for (const QCheckBox *box : named<QCheckBox>(screen))
        file.write(kChecks, box->objectName(), box->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    for (const QComboBox *list : named<QComboBox>(screen))
        file.write(kLists, list->objectName(), list->currentText());
    for (const QLineEdit *text : named<QLineEdit>(screen))
        file.write(kTexts, text->objectName(), text->text());
}

} // namespace zel
