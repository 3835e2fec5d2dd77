#pragma once

#include <QString>
#include <QStringList>

namespace zel {

// The eight category logs, one append-only text file each in the application folder.
// Logging never interrupts the caller: every failure is swallowed.
class LogWriter
{
public:
    static constexpr qint64 kMaxLogBytes = 25'000'000;

    LogWriter(const QString &folder, const QString &version);

    // Appends "version - date time - message" to the category's file (case does not matter;
    // an unknown category goes to LogError.txt). A file past 25,000,000 bytes is deleted.
    void LogWrite(const QString &category, const QString &message) const;

    // The eight categories in their start-up order: DEBUG, ERROR, SQL, ... ORDERS.
    static const QStringList &categories();
    static QString fileNameFor(const QString &category);
    QString pathFor(const QString &category) const;
    const QString &folder() const { return m_folder; }

private:
    QString m_folder;
    QString m_version;
};

} // namespace zel
