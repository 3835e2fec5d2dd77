#include "transfer/ftp_test_server.h"

#include "shell/ini_file.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace zel::test {

namespace {

// Arguments: the served folder, user, password, and "tls" for explicit FTPS.
const char *const kServerScript = R"(
import logging, os, sys, tempfile
from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer
logging.disable(logging.CRITICAL)
handler = FTPHandler
if sys.argv[4] == 'tls':
    from OpenSSL import crypto
    from pyftpdlib.handlers import TLS_FTPHandler
    key = crypto.PKey()
    key.generate_key(crypto.TYPE_RSA, 2048)
    cert = crypto.X509()
    cert.get_subject().CN = '127.0.0.1'
    cert.set_serial_number(1)
    cert.gmtime_adj_notBefore(0)
    cert.gmtime_adj_notAfter(86400)
    cert.set_issuer(cert.get_subject())
    cert.set_pubkey(key)
    cert.sign(key, 'sha256')
    pem = os.path.join(tempfile.mkdtemp(), 'server.pem')
    with open(pem, 'wb') as f:
        f.write(crypto.dump_privatekey(crypto.FILETYPE_PEM, key) + crypto.dump_certificate(crypto.FILETYPE_PEM, cert))
    handler = TLS_FTPHandler
    handler.certfile = pem
    handler.tls_control_required = True
    handler.tls_data_required = True
authorizer = DummyAuthorizer()
authorizer.add_user(sys.argv[2], sys.argv[3], sys.argv[1], perm='elradfmw')
handler.authorizer = authorizer
server = FTPServer(('127.0.0.1', 0), handler)
print(server.socket.getsockname()[1], flush=True)
server.serve_forever()
)";

// The Python that has pyftpdlib (and pyOpenSSL for `tls`): Debian's own first, then whatever the
// PATH offers.
QString pythonWithFtpServer(bool tls)
{
    QStringList candidates{QStringLiteral("/usr/bin/python3")};
    const QString onPath = QStandardPaths::findExecutable(QStringLiteral("python3"));
    if (!onPath.isEmpty())
        candidates << onPath;
    for (const QString &python : candidates) {
        if (!QFileInfo(python).isExecutable())
            continue;
        QProcess probe;
        probe.start(python, {QStringLiteral("-c"), tls ? QStringLiteral("import pyftpdlib, OpenSSL") : QStringLiteral("import pyftpdlib")});
        if (probe.waitForFinished(10000) && probe.exitStatus() == QProcess::NormalExit && probe.exitCode() == 0)
            return python;
    }
    return {};
}

} // namespace

FtpTestServer::FtpTestServer(Security security)
{
    const bool tls = security == Security::Tls;
    const QString python = pythonWithFtpServer(tls);
    if (python.isEmpty()) {
        m_unavailable = QStringLiteral("the FTP tests need python3 with pyftpdlib and pyOpenSSL (Debian packages "
                                       "python3-pyftpdlib and python3-openssl)");
        return;
    }
    m_process.start(python, {QStringLiteral("-c"), QString::fromUtf8(kServerScript), m_root.path(), kUser, kPassword,
                             tls ? QStringLiteral("tls") : QStringLiteral("plain")});
    if (!m_process.waitForStarted(10000) || !m_process.waitForReadyRead(10000)) {
        m_unavailable = QStringLiteral("the test FTP server did not start: ") + QString::fromLocal8Bit(m_process.readAllStandardError());
        return;
    }
    m_port = m_process.readLine().trimmed().toInt();
    if (m_port <= 0)
        m_unavailable = QStringLiteral("the test FTP server gave no port");
}

FtpTestServer::~FtpTestServer()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

void FtpTestServer::configure(const QString &appFolder, const QString &password) const
{
    const IniFile ini(QDir(appFolder).filePath(QStringLiteral("ZELFTPINI.600")));
    for (const QString &section : {QStringLiteral("UploadOptions"), QStringLiteral("DownloadOptions")}) {
        ini.write(section, QStringLiteral("URL"), url());
        ini.write(section, QStringLiteral("UID"), kUser);
        ini.write(section, QStringLiteral("PWD"), password);
    }
}

} // namespace zel::test
