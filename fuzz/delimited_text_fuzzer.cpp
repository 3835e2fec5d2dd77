// Any bytes as a customer text file: decoded (UTF-8 or Windows-1252), split into lines and fields
// with a delimiter and qualifier taken from the first two bytes, and every line mapped to a
// customer's fields and verification text as both layouts read it.
#include "exchange/delimited_line.h"
#include "exchange/house_number.h"
#include "exchange/text_customer_import.h"
#include "exchange/text_decoding.h"

#include <QCoreApplication>

using namespace zel::exchange;

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    new QCoreApplication(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    // Mostly the separators people use; sometimes any byte at all.
    static const char16_t delimiters[] = {u',', u';', u'\t', u'|'};
    static const char16_t qualifiers[] = {u'"', u'\'', u'"', u'~'};
    const QString delimiter = QString(QChar(data[0] < 4 ? delimiters[data[0]] : char16_t(data[0])));
    const QString qualifier = QString(QChar(data[1] < 4 ? qualifiers[data[1]] : char16_t(data[1])));
    const DecodedText text = decodeText(QByteArray(reinterpret_cast<const char *>(data + 2), qsizetype(size - 2)));
    int mapped = 0;
    for (const QString &line : textLines(text.text)) {
        const QStringList fields = splitDelimitedLine(line, delimiter, qualifier);
        for (const QString &field : fields)
            splitHouseNumber(field);
        // Mapping is the same for every line; a few per input keep the runs quick.
        if (++mapped > 20)
            continue;
        for (const TextLayout layout : {TextLayout::Csv, TextLayout::NameAddress}) {
            TextCustomerImport::customerFields(layout, fields);
            TextCustomerImport::verificationText(layout, fields);
        }
    }
    return 0;
}
