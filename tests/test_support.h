#pragma once

#include "core/scripted_prompter.h"
#include "session/app_state.h"
#include "shell/clock.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

#include <ostream>

// Readable test failures: texts print as text.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace zel::test {

// Stops the run's clock at the present second for as long as it lives, so that whatever would
// wait for the next second moves the clock on instead; the clock is then put back as it was.
class StoppedClock
{
public:
    StoppedClock();
    ~StoppedClock();
    StoppedClock(const StoppedClock &) = delete;
    StoppedClock &operator=(const StoppedClock &) = delete;

private:
    std::optional<QDateTime> m_before;
};

// An application folder of its own in a temporary directory, with a scripted prompter, on a
// stopped clock.
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
    StoppedClock m_clock;
    QTemporaryDir m_dir;
};

// A new database of this program (every table, its starting rows and an options row) opened in a
// temporary application folder.
class OpenDatabaseTest : public ::testing::Test
{
protected:
    // Makes the database with `statements` run on it, and opens it as the program's database.
    void open(const QStringList &statements = {});

    TempApp app;
    QString path;
};

} // namespace zel::test
