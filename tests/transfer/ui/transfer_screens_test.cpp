#include "mnemonic_check.h"
#include "test_support.h"
#include "transfer/ftp_test_server.h"
#include "transfer/ui/download_screen.h"
#include "transfer/ui/upload_screen.h"
#include "transfer/work_archive.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

using namespace zel;

namespace {

QPushButton *button(const QWidget &screen, const QString &caption)
{
    for (QPushButton *b : screen.findChildren<QPushButton *>())
        if (b->text() == caption)
            return b;
    return nullptr;
}

QRadioButton *radio(const QWidget &screen, const QString &caption)
{
    for (QRadioButton *b : screen.findChildren<QRadioButton *>())
        if (b->text().startsWith(caption))
            return b;
    return nullptr;
}

class TransferScreensTest : public ::testing::Test
{
protected:
    test::TempApp app;
};

TEST_F(TransferScreensTest, UploadScreenRestoresTheNamesAndOffersOnlyWhatExists)
{
    app.writeFile("FTPUpload.INI", "[Settings]\nFirstName=Jane\nLastName=Smith\n");
    UploadScreen screen(*app.state);
    screen.show();
    EXPECT_EQ(test::repeatedMnemonics(&screen), QStringList());
    EXPECT_EQ(screen.findChild<QLineEdit *>("txtFirstName")->text(), "Jane");
    EXPECT_EQ(screen.findChild<QLineEdit *>("txtLastName")->text(), "Smith");
    // No database is open: its choice is off and the logs are chosen.
    EXPECT_FALSE(radio(screen, "Current &Database")->isEnabled());
    EXPECT_TRUE(radio(screen, "&All Logs")->isChecked());
    EXPECT_FALSE(button(screen, "&Cancel Upload")->isEnabled());
    EXPECT_TRUE(button(screen, "&Upload")->isDefault());

    // A path typed into the file box chooses the file.
    QLineEdit *file = screen.findChild<QLineEdit *>("txtFile");
    file->setFocus();
    file->insert("x");
    emit file->textEdited(file->text());
    EXPECT_TRUE(radio(screen, "&Select File to Upload")->isChecked());

    screen.findChild<QLineEdit *>("txtFirstName")->clear();
    button(screen, "&Upload")->click();
    EXPECT_EQ(app.prompter.messageTexts(), QStringList{"Please enter a First Name."});
    EXPECT_EQ(screen.focusWidget(), screen.findChild<QLineEdit *>("txtFirstName"));

    button(screen, "&Reminder")->click();
    EXPECT_TRUE(app.prompter.messageTexts().back().contains(UploadScreen::kSupportAddress));
}

TEST_F(TransferScreensTest, UploadScreenSendsTheLogsAndShowsTheEnd)
{
    test::FtpTestServer server;
    if (!server.unavailable().isEmpty())
        GTEST_SKIP() << server.unavailable().toStdString();
    server.configure(app.path(""));
    UploadScreen screen(*app.state);
    screen.show();
    screen.findChild<QLineEdit *>("txtFirstName")->setText("Jane");
    screen.findChild<QLineEdit *>("txtLastName")->setText("Smith");
    button(screen, "&Upload")->click();
    EXPECT_EQ(screen.findChild<QLabel *>("lblStatus")->text(), "Complete.");
    EXPECT_EQ(QDir(server.path("")).entryList(QDir::Files).size(), 1);
    EXPECT_FALSE(button(screen, "&Cancel Upload")->isEnabled());
    EXPECT_TRUE(button(screen, "&Upload")->isEnabled());
}

TEST_F(TransferScreensTest, DownloadScreenOpensTheSavedFileOnlyWhenAsked)
{
    test::FtpTestServer server;
    if (!server.unavailable().isEmpty())
        GTEST_SKIP() << server.unavailable().toStdString();
    server.configure(app.path(""));
    app.writeFile("a.txt", "a");
    ASSERT_EQ(transfer::WorkArchive::write(server.path("FIX1.ZIP"), {{app.path("a.txt"), "a.txt"}}), "");

    DownloadScreen screen(*app.state);
    QStringList opened;
    screen.setOpener([&](const QString &path) { opened << path; });
    screen.show();
    EXPECT_EQ(test::repeatedMnemonics(&screen), QStringList());
    screen.findChild<QLineEdit *>("txtFileID")->setText("fix1");
    button(screen, "&Download")->click();
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_EQ(screen.findChild<QLabel *>("lblStatus")->text(), "Complete");

    screen.findChild<QCheckBox *>("chkStart")->setChecked(true);
    button(screen, "&Download")->click();
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(QFileInfo(opened.first()).fileName(), "FIX1.ZIP");

    // A file the server lacks opens nothing.
    screen.findChild<QLineEdit *>("txtFileID")->setText("none");
    button(screen, "&Download")->click();
    EXPECT_EQ(opened.size(), 1);
    EXPECT_EQ(screen.findChild<QLabel *>("lblStatus")->text(), "File Not Downloaded");
}

} // namespace
