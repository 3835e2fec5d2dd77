#include "app/ftp_commands.h"

#include "app/command_line.h"
#include "app/command_session.h"
#include "transfer/file_download.h"
#include "transfer/file_upload.h"

#include <QFileInfo>
#include <QTextStream>

namespace zel {

namespace {

using transfer::FileDownload;
using transfer::FileUpload;
using transfer::UploadChoice;

constexpr const char *kUploadUsage = "zel ftp upload (--db FILE | --file F | --logs) --first NAME --last NAME";
constexpr const char *kDownloadUsage = "zel ftp download ID";

int usage(QTextStream &err, const char *text)
{
    err << "Usage: " << text << '\n';
    return 2;
}

int upload(const CommandLine &line, QTextStream &out, QTextStream &err)
{
    const bool file = line.options.contains(QStringLiteral("--file"));
    const bool logs = line.flag(QStringLiteral("--logs"));
    const bool database = !line.database.isEmpty();
    if (line.arguments.size() != 1 || int(file) + int(logs) + int(database) != 1)
        return usage(err, kUploadUsage);
    UploadChoice choice;
    choice.source = logs ? UploadChoice::Source::AllLogs : database ? UploadChoice::Source::Database : UploadChoice::Source::File;
    if (!logs)
        choice.path = QFileInfo(database ? line.database : line.option(QStringLiteral("--file"))).absoluteFilePath();
    choice.firstName = line.option(QStringLiteral("--first"));
    choice.lastName = line.option(QStringLiteral("--last"));
    CommandSession session(line, err);
    FileUpload sending(session.state());
    switch (sending.upload(choice)) {
    case FileUpload::Outcome::Uploaded:
        out << "Uploaded as " << sending.remoteName() << '\n';
        return 0;
    case FileUpload::Outcome::Refused:
        return 2;
    case FileUpload::Outcome::Cancelled:
    case FileUpload::Outcome::Failed:
        break;
    }
    return 1;
}

int download(const CommandLine &line, QTextStream &out, QTextStream &err)
{
    if (line.arguments.size() != 2)
        return usage(err, kDownloadUsage);
    CommandSession session(line, err);
    FileDownload fetching(session.state());
    switch (fetching.download(line.arguments.at(1), false)) {
    case FileDownload::Outcome::Downloaded:
        out << fetching.savedPath() << '\n';
        return 0;
    case FileDownload::Outcome::Refused:
        return 2;
    case FileDownload::Outcome::NotDownloaded:
        err << "File Not Downloaded\n";
        return 1;
    case FileDownload::Outcome::Cancelled:
    case FileDownload::Outcome::Failed:
        break;
    }
    return 1;
}

} // namespace

int runFtpCommand(const CommandLine &line, QTextStream &out, QTextStream &err)
{
    const QString word = line.arguments.value(0);
    if (word == QLatin1String("upload"))
        return upload(line, out, err);
    if (word == QLatin1String("download"))
        return download(line, out, err);
    err << "Usage: " << kUploadUsage << "\n       " << kDownloadUsage << '\n';
    return 2;
}

} // namespace zel
