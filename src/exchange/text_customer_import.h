#pragma once

#include "exchange/text_decoding.h"

#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <optional>

namespace zel {

class AppState;

namespace exchange {

// The two text layouts: ten fields a line, or the six of a name-and-address list.
enum class TextLayout { Csv, NameAddress };

struct TextImportRequest
{
    TextLayout layout = TextLayout::Csv;
    QString delimiter;
    QString qualifier;
    QString path; // empty: the user chooses the file
};

// Imports customers from a delimited text file: the whole file is checked first (the first five
// customers shown), and only when every line has its fields and the user agrees are they added,
// all in one transaction.
class TextCustomerImport
{
public:
    explicit TextCustomerImport(AppState &state);

    // The number of customers imported, or nothing when the run stopped or failed (the user was
    // told why; nothing was written).
    std::optional<int> run(TextImportRequest request);
    // The encoding the last file was read in.
    const DecodedText &lastText() const { return m_text; }

    static int fieldCount(TextLayout layout);
    // The Customers columns and values a line's fields give (all other columns as a text import
    // leaves them).
    static QVariantMap customerFields(TextLayout layout, const QStringList &fields);
    // What the verification box shows for one line.
    static QString verificationText(TextLayout layout, const QStringList &fields);
    // The message for a line that has the wrong number of fields.
    static QString wrongLineText(TextLayout layout, int record, const QString &line, const QString &delimiter,
                                 const QString &qualifier);

private:
    std::optional<QString> chosenFile(QString path);
    bool verify(const TextImportRequest &request, const QStringList &lines);
    std::optional<int> import(const TextImportRequest &request, const QStringList &lines);

    AppState &m_state;
    DecodedText m_text;
};

} // namespace exchange
} // namespace zel
