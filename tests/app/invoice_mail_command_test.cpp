#include "cli_runner.h"
#include "reports/report_rows.h"
#include "shell/app_settings.h"
#include "transfer/smtp_test_server.h"

#include <gtest/gtest.h>

#include <QDir>

using namespace zel;
using zel::test::CommandRun;
using zel::test::SmtpTestServer;
using zel::test::TempApp;

namespace {

class InvoiceMailCommand : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QStringList rows{test::customer(1, "Ann", "Adams"), test::customer(2, "Bea", "Brown"),
                         "Update Customers Set [Customers Email] = 'ann@example.com' Where [Customers Number] = 1",
                         "Update Options Set [Options Current Campaign Year] = 2008, [Options Current Campaign Number] = 5, "
                         "[Options Rep Name] = 'Ruth Rep'"};
        rows << test::order(1, 2008, 5, 25) << test::order(2, 2008, 5, 30)
             << "Update Orders Set [Orders Include On Order] = -1";
        file = app.makeZelDatabase("Shop.ZELDB", rows);
        app.state->database.close();
    }
    void TearDown() override { qunsetenv("ZEL_SMTP_PASSWORD"); }
    CommandRun run(QStringList args) const
    {
        return zel::test::runCli(app, QStringList{"invoice", "mail", "--year", "2008", "--campaign", "5"} + args << "--db" << file);
    }
    void configure(const SmtpTestServer &server) const { ASSERT_TRUE(server.settings().write(AppSettings(app.path("")))); }

    TempApp app;
    QString file;
};

} // namespace

TEST_F(InvoiceMailCommand, SendingAsksAndWithoutAnAnswerStopsNamingYes)
{
    SmtpTestServer server;
    if (!server.unavailable().isEmpty())
        GTEST_SKIP() << qPrintable(server.unavailable());
    configure(server);
    CommandRun r = run({});
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(r.err.contains("--yes")) << qPrintable(r.err);
    EXPECT_TRUE(r.out.contains("1 Ann Adams <ann@example.com>, balance $25.00: To send")) << qPrintable(r.out);
    EXPECT_TRUE(server.messages().isEmpty());

    qputenv("ZEL_SMTP_PASSWORD", SmtpTestServer::kPassword.toUtf8());
    r = run({"--yes"});
    ASSERT_EQ(r.code, 0) << qPrintable(r.err + r.out);
    EXPECT_TRUE(r.out.contains("1 Ann Adams <ann@example.com>: sent")) << qPrintable(r.out);
    EXPECT_TRUE(r.out.contains("2 Bea Brown: skipped: No e-mail address"));
    EXPECT_EQ(server.messages().size(), 1);

    r = run({"--yes"});
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(r.out.contains("No invoice to send.")) << qPrintable(r.out);
    EXPECT_EQ(server.messages().size(), 1);

    // A corrected invoice goes once more only when asked for, by name.
    EXPECT_EQ(run({"--again", "--yes"}).code, 2);
    r = run({"--customers", "1", "--again", "--yes"});
    ASSERT_EQ(r.code, 0) << qPrintable(r.err + r.out);
    EXPECT_TRUE(r.out.contains("1 Ann Adams <ann@example.com>: sent")) << qPrintable(r.out);
    EXPECT_EQ(server.messages().size(), 2);
    EXPECT_TRUE(run({"--yes"}).out.contains("No invoice to send."));

    EXPECT_EQ(run({"--customers", "1,x"}).code, 2);
    EXPECT_EQ(run({"--eml-folder", app.path("x")}).code, 2);
}

TEST_F(InvoiceMailCommand, ADryRunWritesMessagesThatParseAndSendsNothing)
{
    // Without her own address the messages would have no sender.
    CommandRun r = run({"--dry-run", "--eml-folder", app.path("out")});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains("--sender")) << qPrintable(r.err);
    ASSERT_EQ(zel::test::runCli(app, {"invoice", "settings", "--sender", "ruth@example.org"}).code, 0);

    r = run({"--dry-run", "--eml-folder", app.path("out")});
    ASSERT_EQ(r.code, 0) << qPrintable(r.err + r.out);
    const QString eml = QDir(app.path("out")).filePath("1 Ann Adams.eml");
    EXPECT_TRUE(r.out.contains("1 Ann Adams <ann@example.com>: written: " + eml)) << qPrintable(r.out);
    const QMap<QString, QString> read = test::parseMessage(eml, app.path("ann.pdf"));
    EXPECT_EQ(read.value("to"), QStringLiteral("Ann Adams <ann@example.com>")) << qPrintable(read.value("error"));
    EXPECT_EQ(read.value("filename"), QStringLiteral("Invoice Ann Adams Campaign 5-2008.pdf"));
    const QString text = test::pdfText(app.path("ann.pdf"));
    if (!text.isEmpty()) {
        EXPECT_TRUE(text.contains("25.00")) << qPrintable(text);
    }
    // Nothing was recorded as sent.
    EXPECT_TRUE(run({"--dry-run", "--eml-folder", app.path("out")}).out.contains("written"));
}

TEST_F(InvoiceMailCommand, TheSettingsCommandKeepsWhatTheDialogKeepsAndSendingUsesIt)
{
    SmtpTestServer server;
    if (!server.unavailable().isEmpty())
        GTEST_SKIP() << qPrintable(server.unavailable());
    const transfer::MailSettings wanted = server.settings();
    CommandRun r = zel::test::runCli(
        app, {"invoice", "settings", "--server", wanted.host, "--port", QString::number(wanted.port), "--security",
              transfer::MailSettings::securityWord(wanted.security), "--user", wanted.user, "--sender", wanted.senderAddress,
              "--ca-file", wanted.caFile, "--subject", "Invoice {campaign}", "--text", "Dear {name},\\nthank you."});
    ASSERT_EQ(r.code, 0) << qPrintable(r.err);
    const transfer::MailSettings kept = transfer::MailSettings::read(AppSettings(app.path("")));
    EXPECT_EQ(kept.host, wanted.host);
    EXPECT_EQ(kept.port, wanted.port);
    EXPECT_EQ(kept.security, wanted.security);
    EXPECT_EQ(kept.user, wanted.user);
    EXPECT_EQ(kept.senderAddress, wanted.senderAddress);
    EXPECT_EQ(kept.body, QStringLiteral("Dear {name},\nthank you."));
    EXPECT_FALSE(r.out.contains("Not ready")) << qPrintable(r.out);

    qputenv("ZEL_SMTP_PASSWORD", SmtpTestServer::kPassword.toUtf8());
    r = run({"--yes"});
    ASSERT_EQ(r.code, 0) << qPrintable(r.err + r.out);
    ASSERT_EQ(server.messages().size(), 1);

    // The letter comes back as typed: quotes at both ends, and longer than a line of the file.
    const QString subject = QStringLiteral("\"Invoice\" {campaign} ; #1 \"{name}\" ") + QString(300, QLatin1Char('x'));
    ASSERT_EQ(zel::test::runCli(app, {"invoice", "settings", "--subject", subject, "--text", "\"Hello\""}).code, 0);
    EXPECT_EQ(transfer::MailSettings::read(AppSettings(app.path(""))).subject, subject);
    EXPECT_EQ(transfer::MailSettings::read(AppSettings(app.path(""))).body, QStringLiteral("\"Hello\""));

    // Only what is given changes; a wrong word or port changes nothing.
    EXPECT_EQ(zel::test::runCli(app, {"invoice", "settings", "--security", "plain"}).code, 2);
    EXPECT_EQ(zel::test::runCli(app, {"invoice", "settings", "--port", "0"}).code, 2);
    r = zel::test::runCli(app, {"invoice", "settings", "--sender", "ruth@example.org"});
    ASSERT_EQ(r.code, 0);
    const transfer::MailSettings changed = transfer::MailSettings::read(AppSettings(app.path("")));
    EXPECT_EQ(changed.senderAddress, QStringLiteral("ruth@example.org"));
    EXPECT_EQ(changed.host, wanted.host);
    EXPECT_EQ(changed.port, wanted.port);
}
