#pragma once

#include <QString>

namespace zel {

class AppSettings;

namespace transfer {

// The outgoing mail server and the invoice letter, kept in ZELMAILINI.600 of the application
// folder. The password is never kept here: it lives in the desktop's keyring (MailPassword).
struct MailSettings
{
    // StartTls: plain SMTP that must turn to TLS before logging in; Tls: TLS from the first byte
    // (smtps, usually port 465); None: no encryption at all, accepted only for this machine's own
    // mail relay, where nothing crosses a network.
    enum class Security { StartTls, Tls, None };

    static inline const QString kFile = QStringLiteral("ZELMAILINI.600");
    static inline const QString kDefaultSubject = QStringLiteral("Your invoice for campaign {campaign}");
    static inline const QString kDefaultBody = QStringLiteral(
        "Dear {name},\n\nplease find your invoice for campaign {campaign} attached.\nYour balance is {balance}.\n\n"
        "Thank you for your order!\n{rep}");

    QString host;
    int port = 587;
    Security security = Security::StartTls;
    QString user;
    QString senderAddress; // the representative's own address: From and Reply-To
    QString caFile;        // a certificate file to trust besides the system's (a server's own certificate)
    QString subject = kDefaultSubject;
    QString body = kDefaultBody;

    static MailSettings read(const AppSettings &settings);
    // Returns false when the file could not be written.
    bool write(const AppSettings &settings) const;

    // The port a security choice usually listens on.
    static int usualPort(Security security);
    static QString securityWord(Security security);
    static Security securityFromWord(const QString &word);

    // "smtp://host:port" or "smtps://host:port".
    QString url() const;
    // Why a message cannot be sent with these settings (one sentence), or empty.
    QString problem() const;
    // The keyring entry of the password: the user at the server.
    QString passwordKey() const { return user + QLatin1Char('@') + host; }
    static bool isLoopback(const QString &host);
};

} // namespace transfer
} // namespace zel
