#include "shell/ui/screen_options.h"

#include "shell/ini_file.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

namespace zel {

namespace {

const QString kOptionButtons = QStringLiteral("OptionsButtons");
const QString kCheckBoxes = QStringLiteral("CheckBoxes");
const QString kComboBoxes = QStringLiteral("ComboBoxes");
const QString kTextBoxes = QStringLiteral("TextBoxes");

template <typename T>
QList<T *> named(const QWidget *screen)
{
    QList<T *> out;
    for (T *widget : screen->findChildren<T *>())
        if (!widget->objectName().isEmpty() && !widget->objectName().startsWith(QLatin1String("qt_")))
            out << widget;
    return out;
}

} // namespace

void saveScreenOptions(const QWidget *screen, const IniFile &file)
{
    for (const QRadioButton *button : named<QRadioButton>(screen))
        file.write(kOptionButtons, button->objectName(), button->isChecked() ? QStringLiteral("-1") : QStringLiteral("0"));
    for (const QCheckBox *box : named<QCheckBox>(screen))
        file.write(kCheckBoxes, box->objectName(), box->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    for (const QComboBox *box : named<QComboBox>(screen))
        file.write(kComboBoxes, box->objectName(), box->currentText());
    for (const QLineEdit *edit : named<QLineEdit>(screen))
        if (!edit->parent() || !qobject_cast<const QComboBox *>(edit->parent()))
            file.write(kTextBoxes, edit->objectName(), edit->text());
}

void restoreScreenOptions(QWidget *screen, const IniFile &file)
{
    for (QRadioButton *button : named<QRadioButton>(screen))
        if (file.read(kOptionButtons, button->objectName(), QStringLiteral("0")) == QLatin1String("-1"))
            button->setChecked(true);
    for (QCheckBox *box : named<QCheckBox>(screen))
        box->setChecked(file.read(kCheckBoxes, box->objectName(), QStringLiteral("0")) == QLatin1String("1"));
    for (QComboBox *box : named<QComboBox>(screen)) {
        const QString text = file.read(kComboBoxes, box->objectName(), QString());
        if (!text.isEmpty())
            box->setCurrentText(text);
    }
    for (QLineEdit *edit : named<QLineEdit>(screen))
        if (!edit->parent() || !qobject_cast<const QComboBox *>(edit->parent()))
            edit->setText(file.read(kTextBoxes, edit->objectName(), QString()));
}

} // namespace zel
