#include "test_support.h"

#include "migration/database_seams_install.h"
#include "options/c_option.h"
#include "session/database_creation.h"

#include <QFile>
#include <QUuid>
#include <QVariant>

namespace zel::test {

namespace {

// A short-lived connection of its own, removed again when done.
template <typename F>
void withConnection(const QString &path, F work)
{
    const QString name = QUuid::createUuid().toString();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (db.open())
            work(db);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

} // namespace

StoppedClock::StoppedClock() : m_before(Clock::run().setTime())
{
    Clock::run().set(QDateTime::currentDateTime());
}

StoppedClock::~StoppedClock()
{
    if (m_before)
        Clock::run().set(*m_before);
    else
        Clock::run().release();
}

TempApp::TempApp()
{
    state = std::make_unique<AppState>(AppPaths{m_dir.path(), m_dir.filePath(QStringLiteral("Registry.ini"))}, prompter);
    db::installDatabaseSeams(*state);
}

TempApp::~TempApp()
{
    state.reset();
}

QString TempApp::readFile(const QString &name) const
{
    QFile file(path(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

void TempApp::writeFile(const QString &name, const QByteArray &content) const
{
    QFile file(path(name));
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
}

QString TempApp::makeDatabase(const QString &name, const QStringList &statements) const
{
    const QString file = path(name);
    withConnection(file, [&](QSqlDatabase &db) {
        // Test data need not survive a power cut: without a disk flush per statement, hundreds of
        // rows are written in moments.
        QSqlQuery(db).exec(QStringLiteral("PRAGMA synchronous = OFF"));
        for (const QString &sql : statements) {
            QSqlQuery query(db);
            if (!query.exec(sql))
                qFatal("test database statement failed: %s", qPrintable(query.lastError().text()));
        }
    });
    return file;
}

QString TempApp::makeZelDatabase(const QString &name, const QStringList &statements)
{
    const QString file = path(name);
    if (!db::Gfi_Create_Db(*state, file))
        qFatal("test database could not be created");
    {
        DatabaseConnection connection;
        connection.open(file);
        cDataAccess data(connection, state->logs, state->errors);
        cOption().OptionNew(data);
    }
    return makeDatabase(name, statements);
}

QStringList TempApp::column(const QString &sql) const
{
    QStringList out;
    state->data.setSQL(sql);
    RecordSet rows = state->data.GetSnapShot(QStringLiteral("test"));
    while (rows.next())
        out << rows.value(0).toString();
    return out;
}

QStringList TempApp::queryColumn(const QString &databasePath, const QString &sql)
{
    QStringList values;
    withConnection(databasePath, [&](QSqlDatabase &db) {
        QSqlQuery query(db);
        query.exec(sql);
        while (query.next())
            values << query.value(0).toString();
    });
    return values;
}

void OpenDatabaseTest::open(const QStringList &statements)
{
    path = app.makeZelDatabase(QStringLiteral("Shop.ZELDB"), statements);
    ASSERT_TRUE(app.state->database.open(path)) << qPrintable(app.state->database.errorString());
    app.state->databasePath = path;
    app.state->databaseState = AppState::DatabaseState::Open;
}

} // namespace zel::test
