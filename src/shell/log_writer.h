#pragma once

#include <QString>
#include <QStringList>

#include <map>
#include <memory>

namespace zel {

// The eight category logs, one append-only text file each in the application folder.
// Files stay open between entries (each entry is flushed, so they can be read while the program
// runs). Logging never interrupts the caller: every failure is swallowed.
class LogWriter
{
public:
    static constexpr qint64 kMaxLogBytes = 25'000'000;

    LogWriter(const QString &folder, const QString &version);
    ~LogWriter();
    LogWriter(const LogWriter &) = delete;
    LogWriter &operator=(const LogWriter &) = delete;

    // Appends "version - date time - message" to the category's file (case does not matter;
    // an unknown category goes to LogError.txt). A file past 25,000,000 bytes is deleted.
    void LogWrite(const QString &category, const QString &message) const;

    // The eight categories in their start-up order: DEBUG, ERROR, SQL, ... ORDERS.
    static const QStringList &categories();
    static QString fileNameFor(const QString &category);
    QString pathFor(const QString &category) const;
    const QString &folder() const { return m_folder; }

private:
    struct OpenLog;

    // The category file open for appending, and its size; null when it cannot be opened.
    OpenLog *openLog(const QString &name, qint64 &size) const;
    const QString &timeStamp() const;

    QString m_folder;
    QString m_version;
    mutable std::map<QString, std::unique_ptr<OpenLog>> m_open; // by file name
    mutable qint64 m_stampSecond = -1;
    mutable QString m_stamp; // the date and time of m_stampSecond as log lines show it
};

} // namespace zel
