#include "transfer/smtp_test_server.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>

namespace zel::test {

namespace {

// Debian's Python, which has aiosmtpd; the PATH's may be another.
const QString kPython = QStringLiteral("/usr/bin/python3");

QString scriptPath()
{
    return QFileInfo(QStringLiteral(__FILE__)).dir().filePath(QStringLiteral("smtp_test_server.py"));
}

QString modeWord(SmtpTestServer::Mode mode)
{
    switch (mode) {
    case SmtpTestServer::Mode::Plain: return QStringLiteral("plain");
    case SmtpTestServer::Mode::StartTls: return QStringLiteral("starttls");
    case SmtpTestServer::Mode::Tls: return QStringLiteral("tls");
    }
    return {};
}

// Reads what the mail parser of the Python standard library makes of a message.
const char *const kParser = R"(
import email, email.policy, sys
with open(sys.argv[1], 'rb') as f:
    m = email.message_from_binary_file(f, policy=email.policy.default)
print('subject=' + str(m['subject']))
print('from=' + str(m['from']))
print('to=' + str(m['to']))
print('reply-to=' + str(m['reply-to']))
print('date=' + str(m['date'].datetime is not None))
print('message-id=' + str(m['message-id']))
for part in m.walk():
    if part.get_content_type() == 'text/plain':
        print('text=' + part.get_content().replace('\r\n', '\n').replace('\n', '|'))
    elif part.get_content_type() == 'application/pdf':
        print('filename=' + part.get_filename())
        with open(sys.argv[2], 'wb') as out:
            out.write(part.get_content())
        print('pdf=' + sys.argv[2])
print('defects=' + str(sum(len(p.defects) for p in m.walk())))
)";

} // namespace

SmtpTestServer::SmtpTestServer(const Behaviour &behaviour) : m_mode(behaviour.mode)
{
    if (!QFileInfo(kPython).isExecutable()) {
        m_unavailable = QStringLiteral("the mail tests need /usr/bin/python3 with aiosmtpd (python3-aiosmtpd)");
        return;
    }
    m_login = behaviour.login;
    m_process.start(kPython, {scriptPath(), m_folder.path(), m_login ? kUser : QString(), kPassword, modeWord(behaviour.mode),
                              behaviour.refused.join(QLatin1Char(',')), behaviour.dropped.join(QLatin1Char(','))});
    if (!m_process.waitForStarted(10000)) {
        m_unavailable = QStringLiteral("the test mail server did not start");
        return;
    }
    // The port, then the certificate file.
    while (m_process.canReadLine() || m_process.waitForReadyRead(20000)) {
        if (!m_process.canReadLine())
            continue;
        const QString line = QString::fromLocal8Bit(m_process.readLine()).trimmed();
        if (m_port == 0) {
            m_port = line.toInt();
        } else {
            m_certificate = line == QLatin1String("-") ? QString() : line;
            return;
        }
    }
    m_unavailable = QStringLiteral("the test mail server did not start (python3-aiosmtpd and python3-openssl installed?): ")
                  + QString::fromLocal8Bit(m_process.readAllStandardError());
}

SmtpTestServer::~SmtpTestServer()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

transfer::MailSettings SmtpTestServer::settings() const
{
    transfer::MailSettings s;
    s.host = QStringLiteral("127.0.0.1");
    s.port = m_port;
    s.security = m_mode == Mode::Tls        ? transfer::MailSettings::Security::Tls
               : m_mode == Mode::StartTls ? transfer::MailSettings::Security::StartTls
                                          : transfer::MailSettings::Security::None;
    s.user = m_login ? kUser : QString();
    s.senderAddress = QStringLiteral("ruth@rep.example");
    s.caFile = m_certificate;
    return s;
}

QStringList SmtpTestServer::messages() const
{
    QStringList files = QDir(m_folder.path()).entryList({QStringLiteral("*.eml")}, QDir::Files);
    std::sort(files.begin(), files.end(), [](const QString &a, const QString &b) { return a.section('.', 0, 0).toInt() < b.section('.', 0, 0).toInt(); });
    for (QString &file : files)
        file = QDir(m_folder.path()).filePath(file);
    return files;
}

QString SmtpTestServer::envelopeRecipient(const QString &messageFile)
{
    QFile file(messageFile);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readLine()).section(QLatin1Char(':'), 1).trimmed();
}

QMap<QString, QString> parseMessage(const QString &messageFile, const QString &pdfPath)
{
    QProcess parser;
    parser.start(kPython, {QStringLiteral("-c"), QString::fromUtf8(kParser), messageFile, pdfPath});
    QMap<QString, QString> read;
    if (!parser.waitForFinished(20000) || parser.exitCode() != 0) {
        read.insert(QStringLiteral("error"), QString::fromUtf8(parser.readAllStandardError()));
        return read;
    }
    for (const QString &line : QString::fromUtf8(parser.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        read.insert(line.section(QLatin1Char('='), 0, 0), line.section(QLatin1Char('='), 1));
    return read;
}

QString pdfText(const QString &pdfPath)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        return {};
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdfPath, QStringLiteral("-")});
    text.waitForFinished(20000);
    return QString::fromUtf8(text.readAllStandardOutput());
}

} // namespace zel::test
