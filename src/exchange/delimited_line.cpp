#include "exchange/delimited_line.h"

namespace zel::exchange {

namespace {

// Stands in for a delimiter inside a qualified section while the line is split.
const QString kMarker = QStringLiteral("~*~*~*~*~*");

} // namespace

QStringList splitDelimitedLine(const QString &line, const QString &delimiter, const QString &qualifier)
{
    if (delimiter.isEmpty())
        return {line};
    // The line is rewritten a character at a time, so only a one-character qualifier or
    // delimiter can be recognised inside it; a longer delimiter still splits the line.
    QString rewritten;
    rewritten.reserve(line.size());
    bool qualified = false;
    for (const QChar c : line) {
        if (qualifier.size() == 1 && c == qualifier[0]) {
            qualified = !qualified;
        } else if (qualified && delimiter.size() == 1 && c == delimiter[0]) {
            rewritten += kMarker;
        } else {
            rewritten += c;
        }
    }
    QStringList fields = rewritten.split(delimiter);
    for (QString &field : fields)
        field.replace(kMarker, delimiter);
    return fields;
}

QStringList textLines(const QString &text)
{
    QString normal = text;
    normal.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = normal.split(QLatin1Char('\n'));
    // Blank lines after the last record (an editor or a spreadsheet often leaves some) are no records.
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    return lines;
}

bool qualifierLeftOpen(const QString &line, const QString &qualifier)
{
    return qualifier.size() == 1 && line.count(qualifier[0]) % 2 == 1;
}

} // namespace zel::exchange
