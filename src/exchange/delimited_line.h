#pragma once

#include <QString>
#include <QStringList>

namespace zel::exchange {

// One line of a delimited text file split into its fields. Outside a qualified section the
// qualifier opens one; inside, it closes it; qualifiers are dropped, and a delimiter inside a
// section stays in its field. Fields are not trimmed.
QStringList splitDelimitedLine(const QString &line, const QString &delimiter, const QString &qualifier);

// The lines of a text file: breaks are CR LF, LF or CR; the break after the last line, and blank
// lines after the last one with text, add no line.
QStringList textLines(const QString &text);
// True when a qualifier opens a quoted entry the line never closes: the delimiters after it are
// then taken as text.
bool qualifierLeftOpen(const QString &line, const QString &qualifier);

} // namespace zel::exchange
