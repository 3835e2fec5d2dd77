#include "transfer/mail_settings.h"

#include "shell/app_settings.h"
#include "shell/ini_file.h"

#include <QHostAddress>

namespace zel::transfer {

namespace {

const QString kServer = QStringLiteral("Server");
const QString kLetter = QStringLiteral("InvoiceLetter");

// An INI value is one line: the letter's line breaks are kept as "\n", a backslash as "\\".
// The file's reader takes one pair of matching quotes off a value, so the letter is kept inside a
// pair of its own: a subject that starts and ends with quotes keeps them.
QString quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString escapeLines(const QString &text)
{
    QString out = text;
    out.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    out.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    out.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    return out;
}

QString unescapeLines(const QString &text)
{
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\\') && i + 1 < text.size()) {
            out += text[i + 1] == QLatin1Char('n') ? QChar(QLatin1Char('\n')) : text[i + 1];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

} // namespace

MailSettings MailSettings::read(const AppSettings &settings)
{
    const IniFile ini = settings.file(kFile);
    MailSettings s;
    s.host = ini.read(kServer, QStringLiteral("Host"), QString()).trimmed();
    s.security = securityFromWord(ini.read(kServer, QStringLiteral("Security"), securityWord(Security::StartTls)));
    s.port = ini.read(kServer, QStringLiteral("Port"), QString::number(usualPort(s.security))).toInt();
    s.user = ini.read(kServer, QStringLiteral("User"), QString()).trimmed();
    s.senderAddress = ini.read(kServer, QStringLiteral("Sender"), QString()).trimmed();
    s.caFile = ini.read(kServer, QStringLiteral("CAFile"), QString(), IniFile::kPathChars).trimmed();
    s.subject = ini.read(kLetter, QStringLiteral("Subject"), kDefaultSubject, IniFile::kUnlimited);
    s.body = unescapeLines(ini.read(kLetter, QStringLiteral("Body"), escapeLines(kDefaultBody), IniFile::kUnlimited));
    return s;
}

bool MailSettings::write(const AppSettings &settings) const
{
    const IniFile ini = settings.file(kFile);
    return ini.write(kServer, QStringLiteral("Host"), host.trimmed()) && ini.write(kServer, QStringLiteral("Port"), QString::number(port))
        && ini.write(kServer, QStringLiteral("Security"), securityWord(security))
        && ini.write(kServer, QStringLiteral("User"), user.trimmed())
        && ini.write(kServer, QStringLiteral("Sender"), senderAddress.trimmed())
        && ini.write(kServer, QStringLiteral("CAFile"), caFile.trimmed()) && ini.write(kLetter, QStringLiteral("Subject"), quoted(subject))
        && ini.write(kLetter, QStringLiteral("Body"), quoted(escapeLines(body)));
}

int MailSettings::usualPort(Security security)
{
    switch (security) {
    case Security::StartTls: return 587;
    case Security::Tls: return 465;
    case Security::None: return 25;
    }
    return 587;
}

QString MailSettings::securityWord(Security security)
{
    switch (security) {
    case Security::StartTls: return QStringLiteral("starttls");
    case Security::Tls: return QStringLiteral("tls");
    case Security::None: return QStringLiteral("none");
    }
    return {};
}

MailSettings::Security MailSettings::securityFromWord(const QString &word)
{
    const QString w = word.trimmed().toLower();
    if (w == QLatin1String("tls"))
        return Security::Tls;
    if (w == QLatin1String("none"))
        return Security::None;
    return Security::StartTls;
}

QString MailSettings::url() const
{
    const QString scheme = security == Security::Tls ? QStringLiteral("smtps://") : QStringLiteral("smtp://");
    const QString name = host.contains(QLatin1Char(':')) ? QLatin1Char('[') + host + QLatin1Char(']') : host;
    return scheme + name + QLatin1Char(':') + QString::number(port);
}

bool MailSettings::isLoopback(const QString &host)
{
    const QString h = host.trimmed().toLower();
    if (h == QLatin1String("localhost"))
        return true;
    const QHostAddress address(h);
    return !address.isNull() && address.isLoopback();
}

QString MailSettings::problem() const
{
    if (host.trimmed().isEmpty())
        return QStringLiteral("No mail server is set up; enter it in the mail server settings.");
    if (port < 1 || port > 65535)
        return QStringLiteral("The mail server's port must be from 1 to 65535.");
    if (!senderAddress.contains(QLatin1Char('@')))
        return QStringLiteral("Your own e-mail address (the sender) is not set in the mail server settings.");
    // A password sent in the clear over a network can be read by anyone on the way.
    if (security == Security::None && !isLoopback(host))
        return QStringLiteral("Mail without encryption is only sent to this computer's own mail server; choose STARTTLS or TLS.");
    return {};
}

} // namespace zel::transfer
