#pragma once

#include "transfer/mail_settings.h"

#include <QMap>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace zel::test {

// A real mail server (Debian's python3-aiosmtpd, smtp_test_server.py) on 127.0.0.1 at a free
// port, for the user "sender" with the password "secret"; each accepted message is kept as a
// file. Stopped when the object goes.
class SmtpTestServer
{
public:
    static inline const QString kUser = QStringLiteral("sender");
    static inline const QString kPassword = QStringLiteral("secret");

    enum class Mode { Plain, StartTls, Tls };
    struct Behaviour
    {
        Mode mode = Mode::StartTls;
        QStringList refused; // answered 550 at RCPT
        QStringList dropped; // the connection closes during their message
        bool login = true;   // false: anybody may send, without a user
    };

    explicit SmtpTestServer(const Behaviour &behaviour);
    SmtpTestServer() : SmtpTestServer(Behaviour{}) {}
    ~SmtpTestServer();
    SmtpTestServer(const SmtpTestServer &) = delete;
    SmtpTestServer &operator=(const SmtpTestServer &) = delete;

    // Empty when the server runs; otherwise why it could not be started (the tests skip with it).
    const QString &unavailable() const { return m_unavailable; }
    // Settings that reach this server, trusting its certificate.
    transfer::MailSettings settings() const;
    // The accepted messages' files, in the order they arrived.
    QStringList messages() const;
    // The recipients the envelope of a message file named.
    static QString envelopeRecipient(const QString &messageFile);

private:
    QTemporaryDir m_folder;
    QProcess m_process;
    Mode m_mode;
    bool m_login = true;
    int m_port = 0;
    QString m_certificate;
    QString m_unavailable;
};

// Parses a MIME message with Python's own mail parser and returns what it read: "subject",
// "from", "to", "reply-to", "text", "filename", "pdf" (the attachment saved to `pdfPath`), one
// "key=value" a line; empty when the parser is not available.
QMap<QString, QString> parseMessage(const QString &messageFile, const QString &pdfPath);
// The text of a PDF by pdftotext; empty when it is not installed.
QString pdfText(const QString &pdfPath);

} // namespace zel::test
