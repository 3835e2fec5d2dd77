#include "transfer/ftp_transfer.h"

#include "db/durable_file.h"
#include "transfer/curl_handle.h"

#include <QFile>
#include <QRegularExpression>
#include <QUrl>

namespace zel::transfer {

namespace {

size_t readFile(char *buffer, size_t size, size_t count, void *file)
{
    const qint64 read = static_cast<QFile *>(file)->read(buffer, static_cast<qint64>(size * count));
    return read < 0 ? CURL_READFUNC_ABORT : static_cast<size_t>(read);
}

size_t writeFile(char *buffer, size_t size, size_t count, void *file)
{
    const qint64 written = static_cast<QFile *>(file)->write(buffer, static_cast<qint64>(size * count));
    return written < 0 ? 0 : static_cast<size_t>(written);
}

} // namespace

// What libcurl's callbacks need: the transfer they report to and its handle.
struct CurlCall
{
    FtpTransfer *transfer;
    CURL *curl;
    bool uploading;
    QString lastReply; // the server's last answer, whose words libcurl's error leaves out

    static int debug(CURL *, curl_infotype type, char *data, size_t size, void *self)
    {
        if (type == CURLINFO_HEADER_IN)
            static_cast<CurlCall *>(self)->lastReply = QString::fromLatin1(data, qsizetype(size)).trimmed();
        return 0;
    }

    static int progress(void *self, curl_off_t downTotal, curl_off_t downNow, curl_off_t upTotal, curl_off_t upNow)
    {
        auto *call = static_cast<CurlCall *>(self);
        FtpTransfer &transfer = *call->transfer;
        call->noticeLogin();
        if (transfer.m_progress && transfer.m_sawLogin)
            transfer.m_progress(call->uploading ? upNow : downNow, call->uploading ? upTotal : downTotal);
        return transfer.m_cancelled ? 1 : 0;
    }

    // The pre-transfer time is set once the login and the transfer's set-up succeeded.
    void noticeLogin()
    {
        curl_off_t ready = 0;
        if (transfer->m_sawLogin || curl_easy_getinfo(curl, CURLINFO_PRETRANSFER_TIME_T, &ready) != CURLE_OK || ready <= 0)
            return;
        transfer->m_sawLogin = true;
        if (transfer->m_connected)
            transfer->m_connected();
    }
};

FtpTransfer::FtpTransfer(FtpServer server) : m_server(std::move(server)) {}

QString FtpTransfer::fileUrl(const QString &remoteName) const
{
    QString base = m_server.baseUrl();
    if (base.startsWith(QLatin1String("ftpes://"), Qt::CaseInsensitive))
        base = QStringLiteral("ftp://") + base.mid(8);
    if (!base.endsWith(QLatin1Char('/')))
        base += QLatin1Char('/');
    return base + QString::fromLatin1(QUrl::toPercentEncoding(remoteName));
}

FtpTransfer::Result FtpTransfer::upload(const QString &localPath, const QString &remoteName)
{
    QFile file(localPath);
    if (!file.open(QIODevice::ReadOnly))
        return {Outcome::Failed, QStringLiteral("Unable to read ") + localPath + QStringLiteral(": ") + file.errorString(), 0};
    CurlEasy curl = newCurlEasy();
    curl_easy_setopt(curl.get(), CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(curl.get(), CURLOPT_READFUNCTION, readFile);
    curl_easy_setopt(curl.get(), CURLOPT_READDATA, &file);
    curl_easy_setopt(curl.get(), CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(file.size()));
    return run(curl.get(), remoteName, true);
}

FtpTransfer::Result FtpTransfer::download(const QString &remoteName, const QString &localPath)
{
    const QString partial = localPath + QStringLiteral(".part");
    QFile file(partial);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return {Outcome::Failed, QStringLiteral("Unable to write ") + partial + QStringLiteral(": ") + file.errorString(), 0};
    CurlEasy curl = newCurlEasy();
    curl_easy_setopt(curl.get(), CURLOPT_WRITEFUNCTION, writeFile);
    curl_easy_setopt(curl.get(), CURLOPT_WRITEDATA, &file);
    Result result = run(curl.get(), remoteName, false);
    file.close();
    if (result.outcome == Outcome::Complete && result.bytes > 0) {
        const QString error = db::putInPlace(partial, localPath, db::PutMode::Replace);
        if (error.isEmpty())
            return result;
        result = {Outcome::Failed, QStringLiteral("Unable to save ") + localPath + QStringLiteral(": ") + error, 0};
    }
    QFile::remove(partial);
    return result;
}

FtpTransfer::Result FtpTransfer::run(void *handle, const QString &remoteName, bool uploading)
{
    CURL *curl = handle;
    m_cancelled = false;
    m_sawLogin = false;
    char detail[CURL_ERROR_SIZE] = {};
    CurlCall call{this, curl, uploading, {}};
    const QByteArray url = fileUrl(remoteName).toUtf8();
    const QByteArray user = m_server.user.toUtf8();
    const QByteArray password = m_server.password.toUtf8();
    curl_easy_setopt(curl, CURLOPT_URL, url.constData());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "ftp,ftps");
    if (m_server.baseUrl().startsWith(QLatin1String("ftpes://"), Qt::CaseInsensitive))
        curl_easy_setopt(curl, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_ALL));
    if (m_server.hasUser()) {
        curl_easy_setopt(curl, CURLOPT_USERNAME, user.constData());
        curl_easy_setopt(curl, CURLOPT_PASSWORD, password.constData());
    }
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, detail);
    curl_easy_setopt(curl, CURLOPT_VERBOSE, 1L); // hands the server's answers to `debug`, prints nothing
    curl_easy_setopt(curl, CURLOPT_DEBUGFUNCTION, &CurlCall::debug);
    curl_easy_setopt(curl, CURLOPT_DEBUGDATA, &call);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, &CurlCall::progress);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &call);
    setCurlTimeouts(curl);

    const CURLcode code = curl_easy_perform(curl);
    curl_off_t bytes = 0;
    curl_easy_getinfo(curl, uploading ? CURLINFO_SIZE_UPLOAD_T : CURLINFO_SIZE_DOWNLOAD_T, &bytes);
    if (code == CURLE_OK) {
        call.noticeLogin();
        if (!m_sawLogin && m_connected)
            m_connected();
        return {Outcome::Complete, {}, static_cast<qint64>(bytes)};
    }
    if (code == CURLE_ABORTED_BY_CALLBACK && m_cancelled)
        return {Outcome::Cancelled, {}, static_cast<qint64>(bytes)};
    const QString said = detail[0] ? QString::fromLocal8Bit(detail) : QString::fromLocal8Bit(curl_easy_strerror(code));
    return {Outcome::Failed, errorText(code, said, call.lastReply, remoteName, uploading), static_cast<qint64>(bytes)};
}

QString FtpTransfer::errorText(int code, const QString &detail, const QString &serverReply, const QString &remoteName,
                               bool uploading) const
{
    const QString host = m_server.host();
    const QString settingsPlace = QStringLiteral(" in section [") + m_server.section + QStringLiteral("] of ZELFTPINI.600.");
    // A server that takes only secure connections refuses the login of a plain one; her password
    // is not the problem.
    static const QRegularExpression asksForTls(QStringLiteral("TLS|SSL|encrypt"), QRegularExpression::CaseInsensitiveOption);
    const bool secure = m_server.baseUrl().startsWith(QLatin1String("ftps://"), Qt::CaseInsensitive)
                     || m_server.baseUrl().startsWith(QLatin1String("ftpes://"), Qt::CaseInsensitive);
    switch (code) {
    case CURLE_LOGIN_DENIED:
        if (!secure && serverReply.contains(asksForTls))
            return QStringLiteral("The FTP server ") + host + QStringLiteral(" accepts only secure connections (it said \"")
                 + serverReply + QStringLiteral("\"). Put ftpes:// before the address in URL") + settingsPlace;
        return QStringLiteral("Wrong user name or password: the FTP server ") + host
             + QStringLiteral(" did not accept them. Check UID and PWD") + settingsPlace;
    case CURLE_COULDNT_RESOLVE_HOST:
        return QStringLiteral("The FTP server ") + host + QStringLiteral(" could not be found. Check URL") + settingsPlace
             + QStringLiteral(" and the internet connection.");
    case CURLE_COULDNT_CONNECT:
        return QStringLiteral("Could not connect to the FTP server ") + host + QStringLiteral(": ") + detail;
    case CURLE_OPERATION_TIMEDOUT:
        return QStringLiteral("The FTP server ") + host + QStringLiteral(" stopped answering: ") + detail;
    case CURLE_REMOTE_FILE_NOT_FOUND:
        return QStringLiteral("The file ") + remoteName + QStringLiteral(" is not on the FTP server ") + host + QLatin1Char('.');
    case CURLE_UNSUPPORTED_PROTOCOL:
    case CURLE_URL_MALFORMAT:
        return QStringLiteral("The URL ") + m_server.url + settingsPlace.left(settingsPlace.size() - 1)
             + QStringLiteral(" is not an FTP address (ftp://, ftps:// or ftpes://).");
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_USE_SSL_FAILED:
        return QStringLiteral("The secure (FTPS) connection to ") + host + QStringLiteral(" failed: ") + detail;
    case CURLE_REMOTE_ACCESS_DENIED:
    case CURLE_UPLOAD_FAILED:
        if (uploading)
            return QStringLiteral("The FTP server ") + host + QStringLiteral(" did not accept the file ") + remoteName
                 + QStringLiteral(": ") + detail;
        break;
    default:
        break;
    }
    return QStringLiteral("The transfer with the FTP server ") + host + QStringLiteral(" failed: ") + detail;
}

} // namespace zel::transfer
