#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace zel::db {

// Turns an Access (Jet 3 / Jet 4) database into an SQLite database of the same tables, columns and
// rows: Yes/No as -1/0, money as its value, dates as "YYYY-MM-DD HH:MM:SS" text, texts in UTF-8.
// The Access file is only read. The new file is written under a temporary name and put at
// `target` only when complete.
class JetConversion
{
public:
    // Called with "Converting TABLE" before each table, for the status bar.
    using Progress = std::function<void(const QString &text)>;
    // A reader that gives no sign of life for this long is taken to be stuck on a damaged file.
    static constexpr int kStallMilliseconds = 60000;

    struct Result
    {
        QString error; // empty on success
        int tables = 0;
        qint64 rows = 0;
        // The tables that gave fewer rows than their definition declares, each as "NAME: 4,029 of
        // 4,032 rows": the file is damaged there, and the converted database lacks those rows.
        QStringList incomplete;
        // What was required that the file does not have ("Orders", "[Orders Internal Flag] in
        // Orders"): then nothing is converted.
        QStringList missing;
        bool ok() const { return error.isEmpty(); }
        // The warning that names the incomplete tables; empty when every table is whole.
        QString incompleteWarning() const;
    };

    // Where the reading runs. The program always reads in a child process, which it can stop when
    // the reader is stuck. The fuzz harness reads in its own process: there a stuck reader is the
    // fuzzer's timeout to report, and the sanitizers must see the copying too.
    enum class Isolation { ChildProcess, SameProcess };

    // On failure nothing is left at `target` but what was there before. With `replace`, an
    // existing target is replaced in one step. A file without every one of `required` tables and
    // columns ("Table" or "Table.Column", names in any case) is not converted.
    static Result convert(const QString &source, const QString &target, bool replace, const Progress &progress = {},
                          Isolation isolation = Isolation::ChildProcess, const QStringList &required = {});
};

} // namespace zel::db
