#pragma once

#include "transfer/mail_settings.h"

#include <QByteArray>
#include <QString>

namespace zel::transfer {

// Hands one finished message to the mail server over SMTP through libcurl: one connection per
// message, STARTTLS or TLS as the settings say, logging in when a user is set. Runs on the
// caller's thread.
class SmtpSender
{
public:
    struct Result
    {
        bool sent = false;
        QString reason; // why not: the server's own answer where it gave one
        // The server cannot be used at all (not found, refused the login, broken TLS): the
        // messages after this one would fail the same way.
        bool serverUnusable = false;
    };

    SmtpSender(MailSettings settings, QString password);

    Result send(const QString &fromAddress, const QString &toAddress, const QByteArray &message) const;

private:
    MailSettings m_settings;
    QString m_password;
};

} // namespace zel::transfer
