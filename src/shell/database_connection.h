#pragma once

#include <QSqlDatabase>
#include <QString>

#include <functional>
#include <map>

namespace zel {

// The one open database file of the run, shared by every screen.
class DatabaseConnection
{
public:
    DatabaseConnection();
    ~DatabaseConnection();
    DatabaseConnection(const DatabaseConnection &) = delete;
    DatabaseConnection &operator=(const DatabaseConnection &) = delete;

    // Opens the file and proves it is a database. Returns false and sets errorString() otherwise;
    // a missing file is never created here.
    bool open(const QString &path);
    // Opens the file for reading only: nothing is written to it, not even a journal.
    bool openForReading(const QString &path);
    bool isReadOnly() const { return m_readOnly; }
    // True when this process could write to the file (the file and its folder are writable).
    static bool isWritable(const QString &path);
    // Creates a new, empty database file and opens it. Returns false when the file exists already
    // or cannot be made.
    bool create(const QString &path);
    void close();
    bool isOpen() const;
    const QString &path() const { return m_path; }
    QString errorString() const { return m_error; }

    bool hasTable(const QString &name) const;
    QStringList tableNames() const;
    QSqlDatabase handle() const;

    // `beforeClose` runs at the start of every close(), while the connection still works, so that
    // statements prepared on it can be let go first. Returns the key that removes it again.
    int addCloseListener(std::function<void()> beforeClose);
    void removeCloseListener(int key);

private:
    bool openExisting(const QString &path, const char *mode);
    bool openWithMode(const QString &path, const char *mode);

    QString m_connectionName;
    QString m_path;
    QString m_error;
    bool m_readOnly = false;
    std::map<int, std::function<void()>> m_closeListeners;
    int m_nextListener = 0;
};

} // namespace zel
