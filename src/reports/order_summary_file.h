#pragma once

#include <QString>

#include <optional>

namespace zel {

class AppState;
class cDataAccess;

namespace reports {

// The order summary as a plain text file: one line per rptOrderSummary row, the catalog number, a
// comma and the summed quantity.
class OrderSummaryFile
{
public:
    // One line of the file: quotes and commas inside a value become blanks, and an empty catalog
    // number reads "Missing Product Number".
    static QString line(const QString &catalogNumber, const QString &quantity);
    // Writes rptOrderSummary to `path`; the number of lines, or nothing (with `error`) on failure.
    static std::optional<int> write(cDataAccess &data, const QString &path, QString *error = nullptr);
    // The whole export as the user meets it: the save dialog (skipped when `path` is given), the
    // replace question, the file and the closing message; the folder is remembered as the last
    // export folder. False when the user cancelled or the file could not be written.
    static bool exportFile(AppState &state, QString path = QString());
};

} // namespace reports
} // namespace zel
