#pragma once

#include <QString>

#include <utility>
#include <vector>

namespace zel {

// The "/" codes of order entry: a short code typed in the product or shade cell stands for a
// longer text (sizes, months with their birthstones, team and designer lines).
class ShortcutCodes
{
public:
    // Every code with its text, in the order the help lists them.
    static const std::vector<std::pair<QString, QString>> &all();
    // The cell text with a leading code replaced by its text ("/g pink" gives "Girls: pink");
    // the text unchanged when it does not start with a known code. Codes ignore case.
    static QString expand(const QString &cellText);
};

} // namespace zel
