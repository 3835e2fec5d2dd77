#pragma once

#include "transfer/transfer_status.h"

#include <QString>

namespace zel {

class AppState;

namespace transfer {

class FtpTransfer;

// Fetches the archive support prepared (ID.ZIP) from the server of [DownloadOptions] in
// ZELFTPINI.600 into the application folder. The file is written under a temporary name and put
// in place only when it came whole, so a failed or cancelled download leaves nothing behind.
class FileDownload
{
public:
    enum class Outcome { Downloaded, NotDownloaded, Cancelled, Refused, Failed };

    explicit FileDownload(AppState &state, TransferObserver observer = {});
    FileDownload(const FileDownload &) = delete;
    FileDownload &operator=(const FileDownload &) = delete;

    // `willOpen`: the caller opens the file afterwards (the screen's check box); the completion
    // message then says how. Refused: the identifier is empty or not a plain name, or no server is
    // set up. Failed: the transfer failed, or what arrived is not a readable zip archive.
    Outcome download(const QString &identifier, bool willOpen);
    // Stops the transfer under way; returns whether one was running.
    bool cancel();
    bool isRunning() const { return m_transfer != nullptr; }

    // Where the last download was saved.
    const QString &savedPath() const { return m_savedPath; }

    // The identifier as the server names the file: trimmed, upper-cased, with ".ZIP".
    static QString remoteNameOf(const QString &identifier);

private:
    bool checkIdentifier(const QString &identifier);
    void completed(bool willOpen);

    AppState &m_state;
    TransferStatus m_status;
    FtpTransfer *m_transfer = nullptr;
    QString m_savedPath;
};

} // namespace transfer
} // namespace zel
