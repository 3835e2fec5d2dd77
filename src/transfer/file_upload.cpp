#include "transfer/file_upload.h"

#include "core/prompter.h"
#include "session/app_state.h"
#include "session/database_files.h"
#include "session/database_session.h"
#include "transfer/ftp_server.h"
#include "transfer/ftp_transfer.h"
#include "transfer/remote_name.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace zel::transfer {

namespace {

const QString kError = QStringLiteral("ERROR");
const QString kMsg = QStringLiteral("MSG");
const QString kInputError = QStringLiteral("Input Error");
const QString kStatus = QStringLiteral("Status");
const QString kAllLogs = QStringLiteral("AllLogs");

bool samePath(const QString &a, const QString &b)
{
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

} // namespace

FileUpload::FileUpload(AppState &state, TransferObserver observer)
    : m_state(state), m_status(state, std::move(observer), QStringLiteral("Ms_Upload"))
{
}

FileUpload::~FileUpload() = default;

std::pair<QString, QString> FileUpload::lastNames(const AppState &state)
{
    return {state.settings.read(settings::UploadFirstName), state.settings.read(settings::UploadLastName)};
}

QList<ArchiveEntry> FileUpload::allLogsEntries(const QString &folder)
{
    QStringList names;
    for (const QString &category : LogWriter::categories())
        names << LogWriter::fileNameFor(category);
    names << settings::kFontsIni << settings::kFtpIni << settings::kGridLayoutIni << settings::kReportOptionsIni
          << settings::kScreenSizesIni << settings::kSearchOptionsIni << settings::kUtilityOptionsIni
          << settings::kGridLayoutsFile;
    const QDir dir(folder);
    for (const QString &file : dir.entryList(QDir::Files, QDir::Name))
        if (file.endsWith(QLatin1String(".ini"), Qt::CaseInsensitive) && !names.contains(file, Qt::CaseInsensitive))
            names << file;
    QList<ArchiveEntry> entries;
    for (const QString &name : names)
        if (QFileInfo(dir.filePath(name)).isFile())
            entries.append({dir.filePath(name), name});
    return entries;
}

QString FileUpload::workingArchiveOf(const QString &source)
{
    const QFileInfo info(source);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral(".WRKZP"));
}

FileUpload::Outcome FileUpload::upload(const UploadChoice &choice)
{
    if (!checkNames(choice))
        return Outcome::Refused;
    m_state.settings.write(settings::UploadFirstName, choice.firstName.trimmed());
    m_state.settings.write(settings::UploadLastName, choice.lastName.trimmed());
    const FtpServer server = FtpServer::read(m_state.settings, FtpServer::kUploadSection);
    if (!server.hasUrl()) {
        m_state.prompter.information(lines({QStringLiteral("No FTP server has been set up for uploads."),
                                            QStringLiteral("Put URL, UID and PWD in section [UploadOptions] of ")
                                                + m_state.settings.filePath(settings::kFtpIni) + QLatin1Char('.')}),
                                     kStatus, Icon::Exclamation);
        return Outcome::Refused;
    }
    const std::optional<QString> archive = zipSource(choice);
    if (!archive)
        return Outcome::Failed;
    const Outcome outcome = send(server, *archive, choice);
    QFile::remove(*archive);
    if (outcome == Outcome::Uploaded)
        m_status.show(QStringLiteral("Complete."));
    return outcome;
}

bool FileUpload::checkNames(const UploadChoice &choice)
{
    if (choice.firstName.trimmed().isEmpty()) {
        m_state.prompter.information(QStringLiteral("Please enter a First Name."), kInputError, Icon::Exclamation);
        return false;
    }
    if (choice.lastName.trimmed().isEmpty()) {
        m_state.prompter.information(QStringLiteral("Please enter a Last Name."), kInputError, Icon::Exclamation);
        return false;
    }
    if (choice.source == UploadChoice::Source::Database && choice.path.isEmpty()) {
        m_state.prompter.information(QStringLiteral("No database is currently open, Use select file or database button"));
        return false;
    }
    if (choice.source != UploadChoice::Source::AllLogs && choice.path.isEmpty()) {
        m_state.prompter.information(QStringLiteral("Please select the file to upload."), kInputError, Icon::Exclamation);
        return false;
    }
    return true;
}

std::optional<QString> FileUpload::zipSource(const UploadChoice &choice)
{
    QString archive;
    QString shownName;
    QString error;
    if (choice.source == UploadChoice::Source::AllLogs) {
        m_status.show(QStringLiteral("Building File List . . ."));
        const QList<ArchiveEntry> entries = allLogsEntries(m_state.paths.appFolder);
        archive = QDir(m_state.paths.appFolder).filePath(kAllLogs + QStringLiteral(".WRKZP"));
        shownName = archive;
        m_sourceName = kAllLogs;
        m_status.show(QStringLiteral("Zipping . . ."));
        error = entries.isEmpty() ? QStringLiteral("no log or settings files") : WorkArchive::write(archive, entries);
    } else {
        archive = workingArchiveOf(choice.path);
        // Sending a working archive itself must not overwrite it with its own zip.
        if (samePath(archive, choice.path))
            archive.insert(archive.size() - 6, QStringLiteral("_Upload"));
        shownName = choice.path;
        m_sourceName = QFileInfo(choice.path).fileName();
        m_status.show(QStringLiteral("Zipping . . ."));
        if (!QFileInfo(choice.path).isFile())
            error = QStringLiteral("file not found");
        else if (choice.source == UploadChoice::Source::Database)
            error = zipDatabase(choice.path, archive);
        else
            error = WorkArchive::write(archive, {{choice.path, QFileInfo(choice.path).fileName()}});
    }
    if (error.isEmpty())
        return archive;
    m_state.LogWrite(kError, QStringLiteral("Unable to ZIP ") + shownName + QStringLiteral(": ") + error);
    m_state.prompter.information(QStringLiteral("Unable to ZIP ") + shownName + QStringLiteral(" (May not exist yet) "), kStatus,
                                 Icon::Exclamation);
    m_status.show(QString());
    return std::nullopt;
}

// The archive holds a compacted copy taken in one read, so a database in use arrives whole. The
// program's own connection is closed meanwhile, as a backup does.
QString FileUpload::zipDatabase(const QString &database, const QString &archive)
{
    QTemporaryDir folder;
    if (!folder.isValid())
        return folder.errorString();
    const QString copy = folder.filePath(QFileInfo(database).fileName());
    DatabaseSession operations(m_state);
    const bool wasOpen = m_state.isDatabaseOpen() && samePath(m_state.databasePath, database);
    if (wasOpen)
        operations.closeDatabase(QStringLiteral("Ms_Upload"));
    const bool copied = db::compactInto(m_state, database, copy, QStringLiteral("Ms_Upload"));
    if (wasOpen)
        operations.reopenDatabase(QStringLiteral("Ms_Upload"));
    if (!copied)
        return QStringLiteral("the database could not be copied");
    return WorkArchive::write(archive, {{copy, QFileInfo(database).fileName()}});
}

FileUpload::Outcome FileUpload::send(const FtpServer &server, const QString &archive, const UploadChoice &choice)
{
    m_remoteName = uploadRemoteName(choice.lastName, choice.firstName, m_state.now(), m_sourceName);
    m_status.show(QStringLiteral("Connecting: ") + server.host() + QStringLiteral(" . . . "));
    FtpTransfer transfer(server);
    transfer.setConnected([this] {
        m_status.show(QStringLiteral("Connected"));
        m_status.show(QStringLiteral("Uploading . . ."));
    });
    m_status.follow(transfer, QStringLiteral("Uploaded"));
    m_transfer = &transfer;
    m_state.LogWrite(kMsg, QStringLiteral("Upload ") + archive + QStringLiteral(" as ") + m_remoteName);
    const FtpTransfer::Result result = transfer.upload(archive, m_remoteName);
    m_transfer = nullptr;
    switch (result.outcome) {
    case FtpTransfer::Outcome::Complete:
        m_status.show(QStringLiteral("Transfer Complete"));
        return Outcome::Uploaded;
    case FtpTransfer::Outcome::Cancelled:
        m_status.show(QStringLiteral("Transfer Cancelled"));
        return Outcome::Cancelled;
    case FtpTransfer::Outcome::Failed:
        break;
    }
    m_status.fail(result.error);
    return Outcome::Failed;
}

bool FileUpload::askCancel()
{
    if (!m_transfer)
        return false;
    if (m_state.prompter.ask({QStringLiteral("Cancel Upload?"), QStringLiteral("Cancel Upload"), Buttons::YesNo, Answer::No})
        != Answer::Yes)
        return false;
    if (m_transfer)
        m_transfer->cancel();
    return true;
}

} // namespace zel::transfer
