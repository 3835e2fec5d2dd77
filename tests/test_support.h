#pragma once

#include "core/scripted_prompter.h"
#include "shell/app_state.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

#include <ostream>

// Readable test failures: texts print as text.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace zel::test {

// An application folder of its own in a temporary directory, with a scripted prompter.
class TempApp
{
public:
    TempApp();
    ~TempApp();

    QString path(const QString &name) const { return m_dir.filePath(name); }
    QString readFile(const QString &name) const;
    void writeFile(const QString &name, const QByteArray &content) const;

    // A real SQLite file made with `statements`, closed again before it is returned.
    QString makeDatabase(const QString &name, const QStringList &statements) const;
    // A database of this program (every table, its starting rows and an options row), with
    // `statements` run on it afterwards.
    QString makeZelDatabase(const QString &name, const QStringList &statements = {});
    // The first column of every row of a query on the open database, through the program's own
    // data access.
    QStringList column(const QString &sql) const;
    // Runs one query on a database file and returns the first column of every row.
    static QStringList queryColumn(const QString &databasePath, const QString &sql);

    ScriptedPrompter prompter;
    std::unique_ptr<AppState> state;

private:
    QTemporaryDir m_dir;
};

} // namespace zel::test
