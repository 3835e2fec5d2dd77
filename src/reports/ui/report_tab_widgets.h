#pragma once

#include <QString>

#include <initializer_list>
#include <tuple>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QRadioButton;
class QWidget;

namespace zel::reports {

// The small pieces the report pages are built from.
QRadioButton *namedRadio(const QString &caption, const QString &name, QWidget *parent = nullptr);
// A grey explanatory line under a page's choices.
QLabel *noteLabel(const QString &text);
// The value of the checked button's "value" property.
QString checkedValue(const QButtonGroup *group);
// Checks the button whose "value" is `value`.
void checkValue(QButtonGroup *group, const QString &value);
// A group box of radio buttons (caption, objectName, value), the first checked.
QGroupBox *choiceBox(const QString &title, QButtonGroup *group,
                     const std::initializer_list<std::tuple<QString, QString, QString>> &choices);

} // namespace zel::reports
