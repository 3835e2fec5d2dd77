#include "orders/shortcut_codes.h"

namespace zel {

const std::vector<std::pair<QString, QString>> &ShortcutCodes::all()
{
    static const std::vector<std::pair<QString, QString>> codes = {
        {QStringLiteral("/G"), QStringLiteral("Girls: ")},
        {QStringLiteral("/W"), QStringLiteral("Women's: ")},
        {QStringLiteral("/M"), QStringLiteral("Misses: ")},
        {QStringLiteral("/1"), QStringLiteral("January - Garnet")},
        {QStringLiteral("/2"), QStringLiteral("February - Amethyst")},
        {QStringLiteral("/3"), QStringLiteral("March - Aquamarine")},
        {QStringLiteral("/4"), QStringLiteral("April - Diamond")},
        {QStringLiteral("/5"), QStringLiteral("May - Emerald")},
        {QStringLiteral("/6"), QStringLiteral("June - Alexandrite")},
        {QStringLiteral("/7"), QStringLiteral("July - Ruby")},
        {QStringLiteral("/8"), QStringLiteral("August - Peridot")},
        {QStringLiteral("/9"), QStringLiteral("September - Sapphire")},
        {QStringLiteral("/10"), QStringLiteral("October - Tourmaline")},
        {QStringLiteral("/11"), QStringLiteral("November - Citrine")},
        {QStringLiteral("/12"), QStringLiteral("December - Blue Topaz")},
        // Licensed team lines
        {QStringLiteral("/NYY"), QStringLiteral("New York Yankees")},
        {QStringLiteral("/NYM"), QStringLiteral("New York Mets")},
        {QStringLiteral("/BOS"), QStringLiteral("Boston Red Sox")},
        {QStringLiteral("/CHC"), QStringLiteral("Chicago Cubs")},
        {QStringLiteral("/STL"), QStringLiteral("St. Louis Cardinals")},
        {QStringLiteral("/LAD"), QStringLiteral("Los Angeles Dodgers")},
        {QStringLiteral("/ATL"), QStringLiteral("Atlanta Braves")},
        {QStringLiteral("/SFG"), QStringLiteral("San Francisco Giants")},
        {QStringLiteral("/DAL"), QStringLiteral("Dallas Cowboys")},
        {QStringLiteral("/GBP"), QStringLiteral("Green Bay Packers")},
        {QStringLiteral("/PIT"), QStringLiteral("Pittsburgh Steelers")},
        {QStringLiteral("/NEP"), QStringLiteral("New England Patriots")},
        {QStringLiteral("/CHB"), QStringLiteral("Chicago Bears")},
        {QStringLiteral("/DEN"), QStringLiteral("Denver Broncos")},
        {QStringLiteral("/KCC"), QStringLiteral("Kansas City Chiefs")},
        {QStringLiteral("/LAL"), QStringLiteral("Los Angeles Lakers")},
        {QStringLiteral("/BOC"), QStringLiteral("Boston Celtics")},
        {QStringLiteral("/CHI"), QStringLiteral("Chicago Bulls")},
        {QStringLiteral("/NYK"), QStringLiteral("New York Knicks")},
        {QStringLiteral("/NYR"), QStringLiteral("New York Rangers")},
        {QStringLiteral("/DRW"), QStringLiteral("Detroit Red Wings")},
        {QStringLiteral("/TML"), QStringLiteral("Toronto Maple Leafs")},
        {QStringLiteral("/ND"), QStringLiteral("Notre Dame Fighting Irish")},
        {QStringLiteral("/NAS"), QStringLiteral("NASCAR")},
        // Designer lines
        {QStringLiteral("/DIS"), QStringLiteral("Disney Collection")},
        {QStringLiteral("/PRN"), QStringLiteral("Disney Princess")},
        {QStringLiteral("/BRB"), QStringLiteral("Barbie")},
        {QStringLiteral("/HK"), QStringLiteral("Hello Kitty")},
        {QStringLiteral("/SW"), QStringLiteral("Star Wars")},
    };
    return codes;
}

QString ShortcutCodes::expand(const QString &cellText)
{
    const QString trimmed = cellText.trimmed();
    if (!trimmed.startsWith(QLatin1Char('/')))
        return cellText;
    // The code is the first word; "/1" must not take "/10", so the whole word is matched.
    const qsizetype space = trimmed.indexOf(QLatin1Char(' '));
    const QString code = space < 0 ? trimmed : trimmed.left(space);
    const QString rest = space < 0 ? QString() : trimmed.mid(space + 1).trimmed();
    for (const auto &[known, text] : all()) {
        if (code.compare(known, Qt::CaseInsensitive) == 0)
            return rest.isEmpty() ? text : (text.endsWith(QLatin1Char(' ')) ? text : text + QLatin1Char(' ')) + rest;
    }
    return cellText;
}

} // namespace zel
