#pragma once

#include <QStringList>

class QWidget;

namespace zel::test {

// The mnemonic letter of a caption (the character after the first single '&'), upper-cased;
// a null character when the caption has none ("&&" is a literal ampersand).
QChar mnemonicOf(const QString &caption);

// Every Alt+letter that reaches more than one place in `window` as it stands now: among the
// visible buttons, check boxes, radio buttons, group-box titles, tab titles, labels with buddies
// and top-level menu titles of the window, and separately among the items of each of its menus.
// Each clash reads like `Alt+P: "&Products", "&Previous Campaign"`; empty when all are unique.
// Widgets on a hidden page are not reached, so show each page (tab) and call this again.
QStringList repeatedMnemonics(const QWidget *window);

} // namespace zel::test
