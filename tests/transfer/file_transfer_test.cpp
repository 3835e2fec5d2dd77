#include "app/cli_runner.h"
#include "shell/ini_file.h"
#include "test_support.h"
#include "transfer/file_download.h"
#include "transfer/file_upload.h"
#include "transfer/ftp_test_server.h"
#include "transfer/work_archive.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <zip.h>

using namespace zel;
using namespace zel::transfer;

namespace {

// The bytes of one file in a zip archive; empty when it is not there.
QByteArray entryBytes(const QString &archivePath, const QString &name)
{
    zip_t *archive = zip_open(QFile::encodeName(archivePath).constData(), ZIP_RDONLY, nullptr);
    if (!archive)
        return {};
    QByteArray bytes;
    zip_stat_t stat;
    if (zip_stat(archive, name.toUtf8().constData(), 0, &stat) == 0) {
        zip_file_t *file = zip_fopen(archive, name.toUtf8().constData(), 0);
        bytes.resize(static_cast<qsizetype>(stat.size));
        if (!file || zip_fread(file, bytes.data(), stat.size) != static_cast<zip_int64_t>(stat.size))
            bytes.clear();
        if (file)
            zip_fclose(file);
    }
    zip_discard(archive);
    return bytes;
}

QByteArray randomBytes(qsizetype size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator generator(17);
    for (char &c : bytes)
        c = static_cast<char>(generator.bounded(256));
    return bytes;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class FileTransferTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!server.unavailable().isEmpty())
            GTEST_SKIP() << server.unavailable().toStdString();
        server.configure(app.path(""));
    }

    // The files the server has received.
    QStringList received() const { return QDir(server.path("")).entryList(QDir::Files); }
    QStringList statuses() const
    {
        QStringList texts;
        for (const auto &entry : app.prompter.entries())
            if (entry.kind == ScriptedPrompter::Kind::Status)
                texts << entry.text;
        return texts;
    }

    test::TempApp app;
    test::FtpTestServer server;
};

TEST_F(FileTransferTest, ADatabaseArrivesAsAZipOfAWholeCopyUnderTheNamedStampedName)
{
    const QString database = app.makeZelDatabase("Shop.ZELDB", {"INSERT INTO Customers ([Customers Number], [Customers Last Name]) "
                                                                "VALUES (7, 'Upload')"});
    FileUpload upload(*app.state);
    ASSERT_EQ(upload.upload({UploadChoice::Source::Database, database, "Jane", "Smith"}), FileUpload::Outcome::Uploaded)
        << app.prompter.messageTexts().join("\n").toStdString();

    const QString expected = "Smith_Jane_" + app.state->now().toString("yyyyMMdd_hhmmss") + "_Shop_ZELDB.ZIP";
    EXPECT_EQ(upload.remoteName(), expected);
    ASSERT_EQ(received(), QStringList{expected});
    EXPECT_EQ(WorkArchive::entryNames(server.path(expected)), QStringList{"Shop.ZELDB"});
    const QString copy = app.path("copy.ZELDB");
    writeFile(copy, entryBytes(server.path(expected), "Shop.ZELDB"));
    EXPECT_EQ(test::TempApp::queryColumn(copy, "SELECT [Customers Last Name] FROM Customers WHERE [Customers Number] = 7"),
              QStringList{"Upload"});
    // The working archive is gone, and the screen's texts came in their order.
    EXPECT_FALSE(QFile::exists(app.path("Shop.WRKZP")));
    const QStringList texts = statuses();
    EXPECT_EQ(texts.first(), "Zipping . . .");
    EXPECT_TRUE(texts.contains("Connecting: 127.0.0.1 . . . "));
    EXPECT_LT(texts.indexOf("Connected"), texts.indexOf("Transfer Complete"));
    EXPECT_EQ(texts.last(), "Complete.");
}

TEST_F(FileTransferTest, TheOpenDatabaseIsCopiedAndStaysOpen)
{
    const QString database = app.makeZelDatabase("Open.ZELDB");
    ASSERT_TRUE(app.state->database.open(database));
    app.state->databasePath = database;
    app.state->databaseState = AppState::DatabaseState::Open;
    FileUpload upload(*app.state);
    ASSERT_EQ(upload.upload({UploadChoice::Source::Database, database, "Jane", "Smith"}), FileUpload::Outcome::Uploaded);
    EXPECT_TRUE(app.state->isDatabaseOpen());
    EXPECT_EQ(app.column("SELECT COUNT(*) FROM Options"), QStringList{"1"});
}

TEST_F(FileTransferTest, AFileNamedLikeAWorkingArchiveIsSentAndKept)
{
    app.writeFile("old.WRKZP", "keep me");
    FileUpload upload(*app.state);
    ASSERT_EQ(upload.upload({UploadChoice::Source::File, app.path("old.WRKZP"), "Jane", "Smith"}), FileUpload::Outcome::Uploaded);
    EXPECT_EQ(app.readFile("old.WRKZP"), "keep me");
    EXPECT_FALSE(QFile::exists(app.path("old_Upload.WRKZP")));
    EXPECT_EQ(entryBytes(server.path(upload.remoteName()), "old.WRKZP"), "keep me");
}

TEST_F(FileTransferTest, LogsGoAsOneArchiveFromTheCommandLine)
{
    app.state->LogWrite("MSG", "something support should read");
    const test::CommandRun run = test::runCli(app, {"ftp", "upload", "--logs", "--first", "Jane", "--last", "Smith"});
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    ASSERT_EQ(received().size(), 1);
    const QString name = received().first();
    EXPECT_TRUE(name.endsWith("_AllLogs.ZIP")) << name.toStdString();
    EXPECT_EQ(run.out, "Uploaded as " + name + "\n");
    const QStringList entries = *WorkArchive::entryNames(server.path(name));
    EXPECT_TRUE(entries.contains("LogMsg.txt"));
    EXPECT_TRUE(entries.contains("ZELFTPINI.600"));
    EXPECT_TRUE(entryBytes(server.path(name), "LogMsg.txt").contains("something support should read"));
    EXPECT_FALSE(QFile::exists(app.path("AllLogs.WRKZP")));
}

TEST_F(FileTransferTest, AWrongPasswordSaysSoPlainly)
{
    server.configure(app.path(""), "not-the-password");
    app.writeFile("notes.txt", "hello");
    FileUpload upload(*app.state);
    EXPECT_EQ(upload.upload({UploadChoice::Source::File, app.path("notes.txt"), "Jane", "Smith"}), FileUpload::Outcome::Failed);
    ASSERT_FALSE(app.prompter.messages().empty());
    const QString message = app.prompter.messages().back().text;
    EXPECT_TRUE(message.startsWith("Wrong user name or password")) << message.toStdString();
    EXPECT_TRUE(message.contains("[UploadOptions]"));
    EXPECT_FALSE(QFile::exists(app.path("notes.WRKZP")));
    EXPECT_TRUE(received().isEmpty());
    EXPECT_TRUE(app.readFile("LogError.txt").contains("Wrong user name or password"));

    const test::CommandRun run = test::runCli(app, {"ftp", "download", "fix42"});
    EXPECT_EQ(run.code, 1);
    EXPECT_TRUE(run.err.contains("Wrong user name or password")) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("[DownloadOptions]"));
}

TEST_F(FileTransferTest, ADownloadIsSavedInTheApplicationFolder)
{
    app.writeFile("fix.ZELDB", "repaired");
    ASSERT_EQ(WorkArchive::write(server.path("FIX42.ZIP"), {{app.path("fix.ZELDB"), "fix.ZELDB"}}), "");
    FileDownload download(*app.state);
    ASSERT_EQ(download.download(" fix42 ", false), FileDownload::Outcome::Downloaded);
    const QString saved = app.path("FIX42.ZIP");
    EXPECT_EQ(QFileInfo(download.savedPath()).absoluteFilePath(), QFileInfo(saved).absoluteFilePath());
    QFile original(server.path("FIX42.ZIP"));
    QFile copy(saved);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly) && copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), original.readAll());
    EXPECT_EQ(app.prompter.messageTexts().back(),
              "The file has been saved as " + download.savedPath() + "\nDownload has completed.");
    EXPECT_EQ(statuses().last(), "Complete");

    // Asked to open it, the message says the self-extractor's part is the desktop's here.
    ASSERT_EQ(download.download("FIX42", true), FileDownload::Outcome::Downloaded);
    EXPECT_TRUE(app.prompter.messageTexts().back().contains("Self-extracting programs do not run on this system"));
    EXPECT_TRUE(app.prompter.messageTexts().back().endsWith("Enter the supplied password when prompted."));

    const test::CommandRun run = test::runCli(app, {"ftp", "download", "FIX42"});
    EXPECT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_EQ(QFileInfo(run.out.trimmed()).absoluteFilePath(), QFileInfo(download.savedPath()).absoluteFilePath());
}

TEST_F(FileTransferTest, AMissingOrDamagedDownloadIsReportedAndAMissingOneLeavesNoFile)
{
    FileDownload download(*app.state);
    EXPECT_EQ(download.download("NOPE", false), FileDownload::Outcome::Failed);
    EXPECT_EQ(app.prompter.messageTexts().back(), "The file NOPE.ZIP is not on the FTP server 127.0.0.1.");
    EXPECT_EQ(statuses().last(), "File Not Downloaded");
    EXPECT_FALSE(QFile::exists(app.path("NOPE.ZIP")));
    EXPECT_FALSE(QFile::exists(app.path("NOPE.ZIP.part")));

    writeFile(server.path("HALF.ZIP"), "PK\x03\x04 not really");
    EXPECT_EQ(download.download("half", false), FileDownload::Outcome::Failed);
    EXPECT_TRUE(app.prompter.messageTexts().back().contains("is not a readable ZIP archive"));

    // A name that could reach outside the application folder is refused before anything is sent.
    EXPECT_EQ(download.download("../HALF", false), FileDownload::Outcome::Refused);
    EXPECT_EQ(download.download("  ", false), FileDownload::Outcome::Refused);
    EXPECT_EQ(app.prompter.messageTexts().back(), "Please enter the File ID.");
}

TEST_F(FileTransferTest, CancellingADownloadLeavesNoPartialFile)
{
    writeFile(server.path("BIG.ZIP"), randomBytes(16 * 1024 * 1024));
    FileDownload *running = nullptr;
    qint64 seen = 0;
    FileDownload download(*app.state, {{}, [&](qint64 done, qint64) {
                                          seen = done;
                                          if (done > 0)
                                              running->cancel();
                                      }});
    running = &download;
    EXPECT_EQ(download.download("big", false), FileDownload::Outcome::Cancelled);
    EXPECT_GT(seen, 0);
    EXPECT_FALSE(download.isRunning());
    EXPECT_EQ(QDir(app.path("")).entryList({"BIG*"}, QDir::Files), QStringList());
}

TEST_F(FileTransferTest, CancellingAnUploadAsksFirstAndRemovesTheWorkingArchive)
{
    writeFile(app.path("big.bin"), randomBytes(16 * 1024 * 1024));
    FileUpload *running = nullptr;
    int asked = 0;
    FileUpload upload(*app.state, {{}, [&](qint64 done, qint64) {
                                      if (done > 0 && asked++ < 2)
                                          running->askCancel();
                                  }});
    running = &upload;
    app.prompter.queueAnswer(Answer::No); // the first question is answered No: the upload goes on
    app.prompter.queueAnswer(Answer::Yes);
    EXPECT_EQ(upload.upload({UploadChoice::Source::File, app.path("big.bin"), "Jane", "Smith"}), FileUpload::Outcome::Cancelled);
    ASSERT_EQ(app.prompter.messages().size(), 2u);
    EXPECT_EQ(app.prompter.messages()[0].text, "Cancel Upload?");
    EXPECT_EQ(app.prompter.messages()[0].title, "Cancel Upload");
    EXPECT_EQ(statuses().last(), "Transfer Cancelled");
    EXPECT_FALSE(QFile::exists(app.path("big.WRKZP")));
    EXPECT_FALSE(upload.isRunning());
}

// FTPS is asked for with ftpes://; a connection that cannot be secured sends nothing and says
// why, whether the server has no TLS at all or a certificate nobody vouches for.
TEST_F(FileTransferTest, AnFtpesConnectionThatCannotBeSecuredSendsNothingAndSaysWhy)
{
    const auto uploadTo = [&](const test::FtpTestServer &to, const QString &scheme) {
        to.configure(app.path(""));
        IniFile(app.path("ZELFTPINI.600")).write("UploadOptions", "URL", QString(to.url()).replace("ftp://", scheme));
        FileUpload upload(*app.state);
        EXPECT_EQ(upload.upload({UploadChoice::Source::File, app.path("notes.txt"), "Jane", "Smith"}),
                  FileUpload::Outcome::Failed);
        EXPECT_TRUE(QDir(to.path("")).entryList(QDir::Files).isEmpty());
        EXPECT_FALSE(QFile::exists(app.path("notes.WRKZP")));
        return app.prompter.messageTexts().back();
    };
    app.writeFile("notes.txt", "hello");
    QString message = uploadTo(server, "ftpes://");
    EXPECT_TRUE(message.startsWith("The secure (FTPS) connection to 127.0.0.1")) << message.toStdString();

    const test::FtpTestServer secure(test::FtpTestServer::Security::Tls);
    if (!secure.unavailable().isEmpty())
        GTEST_SKIP() << secure.unavailable().toStdString();
    message = uploadTo(secure, "ftpes://");
    EXPECT_TRUE(message.startsWith("The secure (FTPS) connection to 127.0.0.1")) << message.toStdString();
    EXPECT_TRUE(message.contains("certificate")) << message.toStdString();
    // Plainly connected, such a server refuses the login; the message says what to change, not that
    // the password is wrong.
    message = uploadTo(secure, "ftp://");
    EXPECT_TRUE(message.startsWith("The FTP server 127.0.0.1 accepts only secure connections")) << message.toStdString();
    EXPECT_TRUE(message.endsWith("Put ftpes:// before the address in URL in section [UploadOptions] of ZELFTPINI.600."));
}

} // namespace
