#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace zel {

// A caption whose mnemonic puts the focus on `buddy`, the field it names (and which a screen
// reader reads as the field's name).
QLabel *buddyLabel(const QString &caption, QWidget *buddy, QWidget *parent);

} // namespace zel
