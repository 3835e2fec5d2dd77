#include "reports/ui/report_tab_widgets.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zel::reports {

QRadioButton *namedRadio(const QString &caption, const QString &name, QWidget *parent)
{
    auto *button = new QRadioButton(caption, parent);
    button->setObjectName(name);
    return button;
}

QLabel *noteLabel(const QString &text)
{
    auto *label = new QLabel(text);
    label->setWordWrap(true);
    label->setStyleSheet(QStringLiteral("color: palette(mid);"));
    return label;
}

QString checkedValue(const QButtonGroup *group)
{
    const QAbstractButton *button = group->checkedButton();
    return button ? button->property("value").toString() : QString();
}

void checkValue(QButtonGroup *group, const QString &value)
{
    for (QAbstractButton *button : group->buttons())
        if (button->property("value").toString() == value)
            button->setChecked(true);
}

QGroupBox *choiceBox(const QString &title, QButtonGroup *group,
                     const std::initializer_list<std::tuple<QString, QString, QString>> &choices)
{
    auto *box = new QGroupBox(title);
    auto *layout = new QVBoxLayout(box);
    for (const auto &[caption, name, value] : choices) {
        QRadioButton *button = namedRadio(caption, name, box);
        button->setProperty("value", value);
        group->addButton(button);
        layout->addWidget(button);
    }
    if (!group->buttons().isEmpty())
        group->buttons().constFirst()->setChecked(true);
    return box;
}

} // namespace zel::reports
