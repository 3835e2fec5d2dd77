#include "transfer/file_download.h"

#include "core/prompter.h"
#include "shell/app_state.h"
#include "transfer/ftp_server.h"
#include "transfer/ftp_transfer.h"
#include "transfer/work_archive.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace zel::transfer {

namespace {

const QString kError = QStringLiteral("ERROR");
const QString kMsg = QStringLiteral("MSG");
const QString kStatus = QStringLiteral("Status");

} // namespace

FileDownload::FileDownload(AppState &state, TransferObserver observer) : m_state(state), m_observer(std::move(observer)) {}

QString FileDownload::remoteNameOf(const QString &identifier)
{
    return identifier.trimmed().toUpper() + QStringLiteral(".ZIP");
}

FileDownload::Outcome FileDownload::download(const QString &identifier, bool willOpen)
{
    m_savedPath.clear();
    if (!checkIdentifier(identifier))
        return Outcome::Refused;
    const FtpServer server = FtpServer::read(m_state.settings, FtpServer::kDownloadSection);
    if (!server.hasUrl()) {
        m_state.prompter.information(lines({QStringLiteral("No FTP server has been set up for downloads."),
                                            QStringLiteral("Put URL, UID and PWD in section [DownloadOptions] of ")
                                                + m_state.settings.filePath(settings::kFtpIni) + QLatin1Char('.')}),
                                     kStatus, Icon::Exclamation);
        return Outcome::Refused;
    }
    const QString remote = remoteNameOf(identifier);
    const QString local = QDir(m_state.paths.appFolder).filePath(remote);
    status(QStringLiteral("Connecting: ") + server.host() + QStringLiteral(" . . . "));
    FtpTransfer transfer(server);
    transfer.setConnected([this] { status(QStringLiteral("Connected")); });
    transfer.setProgress([this](qint64 done, qint64 total) {
        status(kilobytesText(QStringLiteral("Processed"), done, total));
        if (m_observer.progress)
            m_observer.progress(done, total);
    });
    m_transfer = &transfer;
    m_state.LogWrite(kMsg, QStringLiteral("Download ") + remote + QStringLiteral(" to ") + local);
    const FtpTransfer::Result result = transfer.download(remote, local);
    m_transfer = nullptr;
    if (result.outcome == FtpTransfer::Outcome::Cancelled) {
        status(QStringLiteral("Transfer Cancelled"));
        return Outcome::Cancelled;
    }
    if (result.outcome == FtpTransfer::Outcome::Failed) {
        report(result.error);
        status(QStringLiteral("File Not Downloaded"));
        return Outcome::Failed;
    }
    status(QStringLiteral("Transfer Complete"));
    if (result.bytes <= 0) {
        status(QStringLiteral("File Not Downloaded"));
        return Outcome::NotDownloaded;
    }
    m_savedPath = local;
    QString error;
    if (!WorkArchive::entryNames(local, &error)) {
        report(lines({QStringLiteral("The file has been saved as ") + local,
                      QStringLiteral("but it is not a readable ZIP archive (") + error + QStringLiteral(")."),
                      QStringLiteral("Ask support to send it again.")}));
        return Outcome::Failed;
    }
    completed(willOpen);
    return Outcome::Downloaded;
}

bool FileDownload::checkIdentifier(const QString &identifier)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_-]+$"));
    const QString id = identifier.trimmed();
    if (id.isEmpty()) {
        m_state.prompter.information(QStringLiteral("Please enter the File ID."), QStringLiteral("Input Error"), Icon::Exclamation);
        return false;
    }
    if (!plain.match(id).hasMatch()) {
        m_state.prompter.information(QStringLiteral("A File ID has only letters, digits, \"-\" and \"_\"."),
                                     QStringLiteral("Input Error"), Icon::Exclamation);
        return false;
    }
    return true;
}

void FileDownload::completed(bool willOpen)
{
    status(QStringLiteral("Complete"));
    QStringList message{QStringLiteral("The file has been saved as ") + m_savedPath, QStringLiteral("Download has completed.")};
    if (willOpen)
        message << QString()
                << QStringLiteral("Self-extracting programs do not run on this system: the archive opens in the "
                                  "desktop's archive program instead.")
                << QStringLiteral("Enter the supplied password when prompted.");
    m_state.prompter.information(lines(message));
}

bool FileDownload::cancel()
{
    if (!m_transfer)
        return false;
    m_transfer->cancel();
    return true;
}

// Progress comes many times a second; a text is passed on only when it changes.
void FileDownload::status(const QString &text)
{
    if (text == m_lastStatus)
        return;
    m_lastStatus = text;
    if (m_observer.status)
        m_observer.status(text);
    else
        m_state.prompter.status(text);
}

void FileDownload::report(const QString &text)
{
    m_state.LogWrite(kError, QStringLiteral("Ms_Download: ") + text);
    status(text);
    m_state.prompter.information(text, kStatus, Icon::Critical);
}

} // namespace zel::transfer
