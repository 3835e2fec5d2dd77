#include "transfer/ftp_test_server.h"

#include "shell/ini_file.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace zel::test {

namespace {

const char *const kServerScript = R"(
import logging, sys
from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer
logging.disable(logging.CRITICAL)
authorizer = DummyAuthorizer()
authorizer.add_user(sys.argv[2], sys.argv[3], sys.argv[1], perm='elradfmw')
FTPHandler.authorizer = authorizer
server = FTPServer(('127.0.0.1', 0), FTPHandler)
print(server.socket.getsockname()[1], flush=True)
server.serve_forever()
)";

// The Python that has pyftpdlib: Debian's own first, then whatever the PATH offers.
QString pythonWithFtpServer()
{
    QStringList candidates{QStringLiteral("/usr/bin/python3")};
    const QString onPath = QStandardPaths::findExecutable(QStringLiteral("python3"));
    if (!onPath.isEmpty())
        candidates << onPath;
    for (const QString &python : candidates) {
        if (!QFileInfo(python).isExecutable())
            continue;
        QProcess probe;
        probe.start(python, {QStringLiteral("-c"), QStringLiteral("import pyftpdlib")});
        if (probe.waitForFinished(10000) && probe.exitStatus() == QProcess::NormalExit && probe.exitCode() == 0)
            return python;
    }
    return {};
}

} // namespace

FtpTestServer::FtpTestServer()
{
    const QString python = pythonWithFtpServer();
    if (python.isEmpty()) {
        m_unavailable = QStringLiteral("the FTP tests need python3 with pyftpdlib (Debian package python3-pyftpdlib)");
        return;
    }
    m_process.start(python, {QStringLiteral("-c"), QString::fromUtf8(kServerScript), m_root.path(), kUser, kPassword});
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
