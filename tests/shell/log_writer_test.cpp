#include "shell/log_writer.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

using zel::LogWriter;
using zel::test::TempApp;

TEST(LogWriter, LineIsVersionDateTimeAndMessage)
{
    TempApp app;
    LogWriter logs(app.path(""), "5.11.5");
    logs.LogWrite("MSG", "Open DB - Ms_Open_Database /data/shop.ZELDB");
    logs.LogWrite("MSG", "two\nlines");
    const QString text = app.readFile("LogMsg.txt");
    const QRegularExpression line(QStringLiteral(
        R"(^5\.11\.5 - [^\n]*\d:\d\d:\d\d[^\n]* - Open DB - Ms_Open_Database /data/shop\.ZELDB\n5\.11\.5 - .+ - two\nlines\n$)"));
    EXPECT_TRUE(line.match(text).hasMatch()) << qPrintable(text);
}

TEST(LogWriter, CategoriesAreRoutedWithoutCaseAndUnknownOnesGoToErrors)
{
    TempApp app;
    LogWriter logs(app.path(""), "1.0.0");
    logs.LogWrite("orders", "an order");
    logs.LogWrite("PaymentUpdate", "a payment");
    logs.LogWrite("NOSUCH", "lost category");
    EXPECT_TRUE(app.readFile("LogOrders.txt").contains("an order"));
    EXPECT_TRUE(app.readFile("LogPaymentUpdate.txt").contains("a payment"));
    EXPECT_TRUE(app.readFile("LogError.txt").contains("lost category"));
    EXPECT_EQ(LogWriter::categories().size(), 8);
    EXPECT_EQ(LogWriter::fileNameFor("trace"), QStringLiteral("LogTrace.txt"));
}

TEST(LogWriter, AFilePastTwentyFiveMillionBytesIsDeletedByTheWriteThatPassedIt)
{
    TempApp app;
    LogWriter logs(app.path(""), "1.0.0");
    const QString path = logs.pathFor("SQL");
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(LogWriter::kMaxLogBytes - 200));
    }
    logs.LogWrite("SQL", "short line");
    EXPECT_TRUE(QFileInfo::exists(path)) << "still below the limit";
    logs.LogWrite("SQL", QString(300, QLatin1Char('x')));
    EXPECT_FALSE(QFileInfo::exists(path)) << "passed the limit";
    logs.LogWrite("SQL", "fresh start");
    EXPECT_LT(QFileInfo(path).size(), 200);
}

TEST(LogWriter, AFailingWriteIsIgnored)
{
    TempApp app;
    LogWriter logs(app.path("no/such/folder"), "1.0.0");
    logs.LogWrite("ERROR", "nowhere to go"); // must neither throw nor crash
    EXPECT_FALSE(QFileInfo::exists(logs.pathFor("ERROR")));
}

TEST(LogWriter, AFileRemovedWhileTheProgramRunsIsMadeAgainByTheNextEntry)
{
    TempApp app;
    LogWriter logs(app.path(""), "1.0.0");
    logs.LogWrite("MSG", "first");
    ASSERT_TRUE(QFile::remove(logs.pathFor("MSG")));
    logs.LogWrite("MSG", "second");
    const QString text = app.readFile("LogMsg.txt");
    EXPECT_TRUE(text.contains("second"));
    EXPECT_FALSE(text.contains("first"));
}

TEST(LogWriter, WritersSharingAFileAppendAfterEachOtherAndAreReadableAtOnce)
{
    TempApp app;
    LogWriter one(app.path(""), "1.0.0");
    LogWriter two(app.path(""), "2.0.0");
    one.LogWrite("ORDERS", "a");
    two.LogWrite("orders", "b");
    one.LogWrite("ORDERS", "c");
    const QStringList lines = app.readFile("LogOrders.txt").split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3) << qPrintable(lines.join('\n'));
    EXPECT_TRUE(lines[0].startsWith("1.0.0 - ") && lines[0].endsWith(" - a"));
    EXPECT_TRUE(lines[1].startsWith("2.0.0 - ") && lines[1].endsWith(" - b"));
    EXPECT_TRUE(lines[2].endsWith(" - c"));
}
