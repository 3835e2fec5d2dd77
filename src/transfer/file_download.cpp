#include "transfer/file_download.h"

#include "core/prompter.h"
#include "session/app_state.h"
#include "transfer/ftp_server.h"
#include "transfer/ftp_transfer.h"
#include "transfer/work_archive.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace zel::transfer {

namespace {

const QString kMsg = QStringLiteral("MSG");
const QString kStatus = QStringLiteral("Status");

} // namespace

FileDownload::FileDownload(AppState &state, TransferObserver observer)
    : m_state(state), m_status(state, std::move(observer), QStringLiteral("Ms_Download"))
{
}

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
    m_status.show(QStringLiteral("Connecting: ") + server.host() + QStringLiteral(" . . . "));
    FtpTransfer transfer(server);
    transfer.setConnected([this] { m_status.show(QStringLiteral("Connected")); });
    m_status.follow(transfer, QStringLiteral("Processed"));
    m_transfer = &transfer;
    m_state.LogWrite(kMsg, QStringLiteral("Download ") + remote + QStringLiteral(" to ") + local);
    const FtpTransfer::Result result = transfer.download(remote, local);
    m_transfer = nullptr;
    if (result.outcome == FtpTransfer::Outcome::Cancelled) {
        m_status.show(QStringLiteral("Transfer Cancelled"));
        return Outcome::Cancelled;
    }
    if (result.outcome == FtpTransfer::Outcome::Failed) {
        m_status.fail(result.error);
        m_status.show(QStringLiteral("File Not Downloaded"));
        return Outcome::Failed;
    }
    m_status.show(QStringLiteral("Transfer Complete"));
    if (result.bytes <= 0) {
        m_status.show(QStringLiteral("File Not Downloaded"));
        return Outcome::NotDownloaded;
    }
    m_savedPath = local;
    QString error;
    if (!WorkArchive::entryNames(local, &error)) {
        m_status.fail(lines({QStringLiteral("The file has been saved as ") + local,
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
    m_status.show(QStringLiteral("Complete"));
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

} // namespace zel::transfer
