#pragma once

#include "transfer/transfer_status.h"
#include "transfer/work_archive.h"

#include <QString>

#include <optional>

namespace zel {

class AppState;

namespace transfer {

class FtpTransfer;
struct FtpServer;

// What the upload screen (or `zel ftp upload`) sends, and in whose name.
struct UploadChoice
{
    enum class Source { Database, File, AllLogs };
    Source source = Source::File;
    QString path; // the database or the file; not used for AllLogs
    QString firstName;
    QString lastName;
};

// Sends a zipped copy of the database, of one file, or of the logs and settings files to the
// support server of [UploadOptions] in ZELFTPINI.600. The working archive (NAME.WRKZP beside the
// source, AllLogs.WRKZP in the application folder) is deleted afterwards whatever happened.
class FileUpload
{
public:
    enum class Outcome { Uploaded, Cancelled, Refused, Failed };

    explicit FileUpload(AppState &state, TransferObserver observer = {});
    ~FileUpload();
    FileUpload(const FileUpload &) = delete;
    FileUpload &operator=(const FileUpload &) = delete;

    // Refused: a name is missing, no server is set up, or there is nothing to send (each after its
    // message). Failed: zipping or the transfer failed (after its message).
    Outcome upload(const UploadChoice &choice);
    // "Cancel Upload?": Yes stops the transfer under way. Returns whether it was asked to stop.
    bool askCancel();
    bool isRunning() const { return m_transfer != nullptr; }

    // The name the last upload was given on the server.
    const QString &remoteName() const { return m_remoteName; }

    // The names last typed, from FTPUpload.INI.
    static std::pair<QString, QString> lastNames(const AppState &state);
    // The files "All Logs" sends: the log files and settings files of `folder` that exist.
    static QList<ArchiveEntry> allLogsEntries(const QString &folder);
    // NAME.WRKZP beside `source` (its name without the last extension).
    static QString workingArchiveOf(const QString &source);

private:
    bool checkNames(const UploadChoice &choice);
    std::optional<QString> zipSource(const UploadChoice &choice);
    QString zipDatabase(const QString &database, const QString &archive);
    Outcome send(const FtpServer &server, const QString &archive, const UploadChoice &choice);

    AppState &m_state;
    TransferStatus m_status;
    FtpTransfer *m_transfer = nullptr;
    QString m_remoteName;
    QString m_sourceName;
};

} // namespace transfer
} // namespace zel
