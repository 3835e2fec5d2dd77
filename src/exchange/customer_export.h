#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace zel {

class AppState;
class cDataAccess;

namespace exchange {

enum class ExportSelection { Active, Closed, All };
enum class ExportSort { ZipCode, Name };
enum class ExportContent { NamesAddresses, AllCustomerData, AllOrderData, EmailAddresses };

// The choices of the export tab; a choice not made stays empty.
struct ExportChoices
{
    std::optional<ExportSelection> selection;
    std::optional<ExportSort> sort;
    std::optional<ExportContent> content;
    bool header = false;
    bool replace = false; // an existing file is replaced without asking
};

// Writes customers, orders or e-mail addresses to a comma-separated text file.
class CustomerExport
{
public:
    explicit CustomerExport(AppState &state);

    // The number of records written, or nothing when a choice is missing, the user did not want
    // the file replaced or it could not be written (the user was told why, except for a cancelled
    // file dialog). `path` empty: the user chooses the file.
    std::optional<int> run(const ExportChoices &choices, QString path);

    // The query of a complete set of choices.
    static QString sqlOf(const ExportChoices &choices);
    // Each double quote and comma replaced by a blank, NUL bytes dropped, and a leading =, +, - or @
    // of anything but a number escaped with an apostrophe, so a spreadsheet shows it as text instead
    // of running it as a formula.
    static QString blanked(const QString &value);
    // A value as written: blanked, inside double quotes.
    static QString quoted(const QString &value);
    // One line of the file (without its line break); an e-mail line is the address and ";".
    static QString lineOf(const QStringList &values, bool emails);
    // Writes the file; the number of records, or nothing with `error` set.
    static std::optional<int> write(cDataAccess &data, const ExportChoices &choices, const QString &path, QString *error);

private:
    bool choicesComplete(const ExportChoices &choices);
    std::optional<QString> chosenFile(QString path, bool replace);

    AppState &m_state;
};

} // namespace exchange
} // namespace zel
