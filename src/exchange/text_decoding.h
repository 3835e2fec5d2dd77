#pragma once

#include <QByteArray>
#include <QString>

namespace zel::exchange {

// A text file's contents as text, and which encoding they were read in.
struct DecodedText
{
    QString text;
    bool utf8 = true; // false: the bytes were not valid UTF-8 and were read as Windows-1252

    // "UTF-8" or "Windows-1252".
    QString encodingName() const;
};

// Reads the bytes as UTF-8 (a byte-order mark is dropped); bytes that are not valid UTF-8 are read
// as Windows-1252 instead, the code page older tools wrote.
DecodedText decodeText(const QByteArray &bytes);

// The Windows-1252 reading of the bytes (the five unassigned bytes become the same code points).
QString fromWindows1252(const QByteArray &bytes);

} // namespace zel::exchange
