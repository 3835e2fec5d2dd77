#include "transfer/mail_message.h"
#include "transfer/mail_settings.h"

#include "shell/app_settings.h"
#include "test_support.h"
#include "transfer/smtp_test_server.h"

#include <gtest/gtest.h>

#include <QFile>

using namespace zel;
using namespace zel::transfer;

namespace {

QMap<QString, QString> parsed(const test::TempApp &app, const MailMessage &message)
{
    const QString file = app.path("m.eml");
    QFile out(file);
    EXPECT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(message.toMime());
    out.close();
    return test::parseMessage(file, app.path("m.pdf"));
}

} // namespace

TEST(MailMessage, AMailParserReadsBackLongForeignHeadersAndTheAttachmentByteForByte)
{
    test::TempApp app;
    MailMessage m;
    m.from = {"Ruth \"The Rep\" Smith", "ruth@rep.example"};
    m.to = {"Ørjan Åsmund-Søren Ñúñez 日本語の名前", "or@example.com"};
    // Long enough to need several encoded words; a typed line break must not start a header.
    m.subject = QStringLiteral("Ihre Rechnung für Kampagne 5 — Größe über fünfundsiebzig Zeichen, 😀 und mehr\nBcc: x@evil");
    m.text = "Zeile eins\nLine two ü\n.\nend";
    QByteArray pdf("%PDF-1.4\n");
    for (int i = 0; i < 300; ++i)
        pdf += char(i % 256);
    m.attachments.push_back({"Invoice Ørjan.pdf", "application/pdf", pdf});
    const QByteArray mime = m.toMime();
    for (const QByteArray &line : mime.split('\n'))
        EXPECT_LE(line.size(), 998) << line.constData();
    EXPECT_TRUE(mime.contains("?=\r\n =?UTF-8?B?")) << "a long subject is folded into several encoded words";
    EXPECT_FALSE(mime.contains("\nBcc:"));

    const QMap<QString, QString> read = parsed(app, m);
    ASSERT_FALSE(read.contains("error")) << qPrintable(read.value("error"));
    EXPECT_EQ(read.value("subject"), QStringLiteral("Ihre Rechnung für Kampagne 5 — Größe über fünfundsiebzig Zeichen, 😀 und mehr Bcc: x@evil"));
    EXPECT_EQ(read.value("to"), QStringLiteral("Ørjan Åsmund-Søren Ñúñez 日本語の名前 <or@example.com>"));
    EXPECT_EQ(read.value("from"), QStringLiteral("\"Ruth \\\"The Rep\\\" Smith\" <ruth@rep.example>"));
    EXPECT_EQ(read.value("text"), QStringLiteral("Zeile eins|Line two ü|.|end"));
    EXPECT_EQ(read.value("filename"), QStringLiteral("Invoice Ørjan.pdf"));
    EXPECT_TRUE(read.value("message-id").endsWith("@rep.example>"));
    EXPECT_EQ(read.value("defects"), QStringLiteral("0"));
    QFile back(app.path("m.pdf"));
    ASSERT_TRUE(back.open(QIODevice::ReadOnly));
    EXPECT_EQ(back.readAll(), pdf);
}

TEST(MailSettings, KeptInTheApplicationFolderWithTheLetterAndNoPassword)
{
    test::TempApp app;
    AppSettings settings(app.path(""));
    MailSettings s = MailSettings::read(settings);
    EXPECT_EQ(s.security, MailSettings::Security::StartTls);
    EXPECT_EQ(s.port, 587);
    EXPECT_FALSE(s.problem().isEmpty()); // nothing set up yet
    s.host = "mail.example.com";
    s.security = MailSettings::Security::Tls;
    s.port = 465;
    s.user = "ruth";
    s.senderAddress = "ruth@rep.example";
    s.body = "Dear {name},\n\nC:\\Invoices\\n is a folder.\n";
    ASSERT_TRUE(s.write(settings));
    const MailSettings back = MailSettings::read(settings);
    EXPECT_EQ(back.body, s.body);
    EXPECT_EQ(back.url(), QStringLiteral("smtps://mail.example.com:465"));
    EXPECT_TRUE(back.problem().isEmpty());
    EXPECT_FALSE(app.readFile(MailSettings::kFile).contains("secret"));

    // Without encryption, only to this computer's own server.
    s.security = MailSettings::Security::None;
    EXPECT_FALSE(s.problem().isEmpty());
    s.host = "127.0.0.1";
    EXPECT_TRUE(s.problem().isEmpty());
    EXPECT_EQ(s.url(), QStringLiteral("smtp://127.0.0.1:465"));
}
