#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace zel::transfer {

// One file to put in an archive, under its own name (no folders).
struct ArchiveEntry
{
    QString sourcePath;
    QString name;
};

// Zip archives through libzip: the working archive an upload sends, and the check of one that a
// download brought.
class WorkArchive
{
public:
    // Writes `entries` (deflated) into a new archive at `path`, replacing any file there.
    // Returns an empty text, or what went wrong; a failed archive is removed.
    static QString write(const QString &path, const QList<ArchiveEntry> &entries);

    // The names of the files an archive holds, in its order; nothing (and `error` set) when the
    // file is not a readable zip archive.
    static std::optional<QStringList> entryNames(const QString &path, QString *error = nullptr);
};

} // namespace zel::transfer
