#include "shell/ini_file.h"
#include "test_support.h"
#include "transfer/file_download.h"
#include "transfer/file_upload.h"
#include "transfer/ftp_server.h"
#include "transfer/ftp_transfer.h"
#include "transfer/remote_name.h"
#include "transfer/transfer_observer.h"
#include "transfer/work_archive.h"

#include <QDir>
#include <QFile>
#include <QLocale>

#include <gtest/gtest.h>

using namespace zel;
using namespace zel::transfer;

TEST(UploadRemoteName, JoinsNamesStampAndSourceAndKeepsThemOneFileName)
{
    const QDateTime when(QDate(2026, 3, 4), QTime(9, 5, 7));
    EXPECT_EQ(uploadRemoteName("Smith", "Jane", when, "Shop.ZELDB"), "Smith_Jane_20260304_090507_Shop_ZELDB.ZIP");
    EXPECT_EQ(uploadRemoteName("Smith", "Jane", when, "AllLogs"), "Smith_Jane_20260304_090507_AllLogs.ZIP");
    // Whatever a server could take for a folder, a blank or a command becomes "_"; letters stay.
    EXPECT_EQ(uploadRemoteName(" O'Brien ", "Mary Ann", when, "../notes.txt"),
              "O_Brien_Mary_Ann_20260304_090507____notes_txt.ZIP");
    EXPECT_EQ(uploadRemoteName("Müller-Lang", "Zoë", when, "a/b\\c"), "Müller-Lang_Zoë_20260304_090507_a_b_c.ZIP");
    // The hour is on the 24-hour clock, so morning and evening uploads sort apart.
    EXPECT_EQ(uploadRemoteName("A", "B", QDateTime(QDate(2026, 12, 31), QTime(21, 0, 0)), "x"), "A_B_20261231_210000_x.ZIP");
}

class FtpSettingsTest : public ::testing::Test
{
protected:
    test::TempApp app;
};

TEST_F(FtpSettingsTest, MissingFileOrKeysReadNoneAndMeanNoServer)
{
    FtpServer upload = FtpServer::read(app.state->settings, FtpServer::kUploadSection);
    EXPECT_EQ(upload.url, "NONE");
    EXPECT_EQ(upload.user, "NONE");
    EXPECT_EQ(upload.password, "NONE");
    EXPECT_FALSE(upload.hasUrl());
    EXPECT_FALSE(upload.hasUser());

    app.writeFile("ZELFTPINI.600", "[uploadoptions]\nurl = files.example.com/in \nuid=rep\n[DownloadOptions]\nPWD=x\n");
    upload = FtpServer::read(app.state->settings, FtpServer::kUploadSection);
    EXPECT_EQ(upload.url, "files.example.com/in");
    EXPECT_EQ(upload.user, "rep");
    EXPECT_EQ(upload.password, "NONE");
    EXPECT_TRUE(upload.hasUrl());
    EXPECT_EQ(upload.host(), "files.example.com");
    // The sections are kept apart: the download side has only its password.
    const FtpServer download = FtpServer::read(app.state->settings, FtpServer::kDownloadSection);
    EXPECT_FALSE(download.hasUrl());
    EXPECT_EQ(download.password, "x");
}

TEST_F(FtpSettingsTest, UrlsGetTheirSchemeAndEncodedFileNames)
{
    FtpServer server{FtpServer::kUploadSection, "files.example.com/in", "u", "p"};
    EXPECT_EQ(server.baseUrl(), "ftp://files.example.com/in");
    EXPECT_EQ(FtpTransfer(server).fileUrl("A B#1.ZIP"), "ftp://files.example.com/in/A%20B%231.ZIP");
    server.url = "ftps://secure.example.com:990/";
    EXPECT_EQ(FtpTransfer(server).fileUrl("X.ZIP"), "ftps://secure.example.com:990/X.ZIP");
    EXPECT_EQ(server.host(), "secure.example.com");
    // Explicit TLS is plain FTP on the wire until the login is protected.
    server.url = "ftpes://secure.example.com";
    EXPECT_EQ(FtpTransfer(server).fileUrl("X.ZIP"), "ftp://secure.example.com/X.ZIP");
}

TEST_F(FtpSettingsTest, UploadRemembersTheNamesOnlyOnceTheyAreComplete)
{
    FileUpload upload(*app.state);
    EXPECT_EQ(upload.upload({UploadChoice::Source::AllLogs, {}, " ", "Smith"}), FileUpload::Outcome::Refused);
    EXPECT_EQ(upload.upload({UploadChoice::Source::AllLogs, {}, "Jane", ""}), FileUpload::Outcome::Refused);
    ASSERT_EQ(app.prompter.messages().size(), 2u);
    EXPECT_EQ(app.prompter.messages()[0].text, "Please enter a First Name.");
    EXPECT_EQ(app.prompter.messages()[0].title, "Input Error");
    EXPECT_EQ(app.prompter.messages()[1].text, "Please enter a Last Name.");
    EXPECT_FALSE(QFile::exists(app.path("FTPUpload.INI")));

    // With both names the upload goes as far as the missing server, and the names are kept.
    EXPECT_EQ(upload.upload({UploadChoice::Source::AllLogs, {}, " Jane ", "Smith"}), FileUpload::Outcome::Refused);
    EXPECT_TRUE(app.prompter.messages().back().text.startsWith("No FTP server has been set up for uploads."));
    EXPECT_EQ(FileUpload::lastNames(*app.state), std::make_pair(QString("Jane"), QString("Smith")));
    EXPECT_EQ(IniFile(app.path("FTPUpload.INI")).read("Settings", "LastName", ""), "Smith");
}

TEST_F(FtpSettingsTest, TheCurrentDatabaseButtonWithoutADatabaseSaysWhatToDo)
{
    FileUpload upload(*app.state);
    EXPECT_EQ(upload.upload({UploadChoice::Source::Database, {}, "Jane", "Smith"}), FileUpload::Outcome::Refused);
    EXPECT_EQ(app.prompter.messageTexts().back(), "No database is currently open, Use select file or database button");
}

TEST_F(FtpSettingsTest, AllLogsTakesTheLogsAndSettingsFilesThatExistAndNothingElse)
{
    for (const char *name : {"LogError.txt", "LogMsg.txt", "ZEL.INI", "FTPUpload.INI", "Registry.ini", "ZELFTPINI.600",
                             "GridLayouts.grx", "ZELSCRSIZESINI.600", "Shop.ZELDB", "notes.txt", "ZELFONTSINI.560"})
        app.writeFile(name, "x");
    QStringList names;
    for (const ArchiveEntry &entry : FileUpload::allLogsEntries(app.path(""))) {
        names << entry.name;
        EXPECT_EQ(QFileInfo(entry.sourcePath).absoluteFilePath(), QFileInfo(app.path(entry.name)).absoluteFilePath());
    }
    names.sort();
    EXPECT_EQ(names, QStringList({"FTPUpload.INI", "GridLayouts.grx", "LogError.txt", "LogMsg.txt", "Registry.ini", "ZEL.INI",
                                  "ZELFTPINI.600", "ZELSCRSIZESINI.600"}));
}

TEST(TransferTexts, KilobytesAreWholeAndGrouped)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(kilobytesText("Uploaded", 0, 1023), "Uploaded 0 of 0K");
    EXPECT_EQ(kilobytesText("Processed", 2048, 5 * 1024 * 1024 + 1), "Processed 2 of 5,120K");
    EXPECT_EQ(FileUpload::workingArchiveOf("/data/Shop.backup.ZELDB"), "/data/Shop.backup.WRKZP");
    EXPECT_EQ(FileDownload::remoteNameOf(" fix42 "), "FIX42.ZIP");
    QLocale::setDefault(before);
}

TEST(WorkArchiveTest, WritesEntriesUnderTheirNamesAndRefusesWhatIsNoArchive)
{
    QTemporaryDir dir;
    QFile one(dir.filePath("a.txt"));
    ASSERT_TRUE(one.open(QIODevice::WriteOnly));
    one.write("alpha");
    one.close();
    const QString archive = dir.filePath("out.WRKZP");
    EXPECT_EQ(WorkArchive::write(archive, {{one.fileName(), "first.txt"}, {one.fileName(), "second.txt"}}), "");
    EXPECT_EQ(WorkArchive::entryNames(archive), QStringList({"first.txt", "second.txt"}));

    // A missing source fails the whole archive and leaves no file.
    EXPECT_NE(WorkArchive::write(archive, {{dir.filePath("missing.txt"), "m.txt"}}), "");
    EXPECT_FALSE(QFile::exists(archive));

    QString error;
    EXPECT_FALSE(WorkArchive::entryNames(one.fileName(), &error));
    EXPECT_FALSE(error.isEmpty());
}
