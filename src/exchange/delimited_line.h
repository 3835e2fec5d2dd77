#pragma once

#include <QString>
#include <QStringList>

namespace zel::exchange {

// One line of a delimited text file split into its fields. Outside a qualified section the
// qualifier opens one; inside, it closes it; qualifiers are dropped, and a delimiter inside a
// section stays in its field. Fields are not trimmed.
QStringList splitDelimitedLine(const QString &line, const QString &delimiter, const QString &qualifier);

// The lines of a text file: breaks are CR LF, LF or CR; the break after the last line adds no line.
QStringList textLines(const QString &text);

} // namespace zel::exchange
