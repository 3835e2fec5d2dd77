#pragma once

#include "transfer/ftp_server.h"

#include <QString>

#include <atomic>
#include <functional>

namespace zel::transfer {

// One file sent to or fetched from an FTP server through libcurl: "ftp://" as plain FTP,
// "ftps://" as FTP over TLS from the start, "ftpes://" as plain FTP that turns to TLS before
// logging in. It runs on the caller's thread; the progress callback is where the caller lets
// pending window events run, and cancel() (from there) stops the transfer.
class FtpTransfer
{
public:
    enum class Outcome { Complete, Cancelled, Failed };
    struct Result
    {
        Outcome outcome = Outcome::Failed;
        QString error; // a sentence for the user when Failed
        qint64 bytes = 0;
    };
    using Progress = std::function<void(qint64 doneBytes, qint64 totalBytes)>;

    explicit FtpTransfer(FtpServer server);

    void setProgress(Progress progress) { m_progress = std::move(progress); }
    // Called once, when the server has accepted the login and the transfer begins.
    void setConnected(std::function<void()> connected) { m_connected = std::move(connected); }

    Result upload(const QString &localPath, const QString &remoteName);
    // Writes the remote file to `localPath`; a failed or cancelled download leaves no file there.
    Result download(const QString &remoteName, const QString &localPath);
    void cancel() { m_cancelled = true; }

    // The URL of `remoteName` in the server's folder, the name percent-encoded.
    QString fileUrl(const QString &remoteName) const;

private:
    friend struct CurlCall;
    Result run(void *curl, const QString &remoteName, bool uploading);
    QString errorText(int code, const QString &detail, const QString &serverReply, const QString &remoteName,
                      bool uploading) const;

    FtpServer m_server;
    Progress m_progress;
    std::function<void()> m_connected;
    std::atomic<bool> m_cancelled{false};
    bool m_sawLogin = false;
};

} // namespace zel::transfer
