#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace zel::test {

// A real FTP server (Debian's python3-pyftpdlib) on 127.0.0.1 at a free port, serving a temporary
// folder to the user "support" with the password "secret"; stopped when the object goes.
class FtpTestServer
{
public:
    static inline const QString kUser = QStringLiteral("support");
    static inline const QString kPassword = QStringLiteral("secret");

    // Tls: only explicit FTPS (AUTH TLS) is accepted, with a self-signed certificate made for the
    // run (python3-openssl), which no client trusts.
    enum class Security { Plain, Tls };

    explicit FtpTestServer(Security security = Security::Plain);
    ~FtpTestServer();
    FtpTestServer(const FtpTestServer &) = delete;
    FtpTestServer &operator=(const FtpTestServer &) = delete;

    // Empty when the server runs; otherwise why it could not be started (the tests skip with it).
    const QString &unavailable() const { return m_unavailable; }
    QString url() const { return QStringLiteral("ftp://127.0.0.1:%1/").arg(m_port); }
    // A file in the served folder.
    QString path(const QString &name) const { return m_root.filePath(name); }

    // Writes the [UploadOptions] and [DownloadOptions] of ZELFTPINI.600 in `appFolder` for this server.
    void configure(const QString &appFolder, const QString &password = kPassword) const;

private:
    QTemporaryDir m_root;
    QProcess m_process;
    int m_port = 0;
    QString m_unavailable;
};

} // namespace zel::test
