#include "transfer/smtp_sender.h"

#include "transfer/curl_handle.h"

#include <cstring>

namespace zel::transfer {

namespace {

// The message libcurl reads, and the server's last answer, whose words the error buffer leaves out.
struct Upload
{
    const QByteArray &data;
    qsizetype offset = 0;
    QString lastReply; // the server's last refusal

    static size_t read(char *buffer, size_t size, size_t count, void *self)
    {
        auto *upload = static_cast<Upload *>(self);
        const size_t left = static_cast<size_t>(upload->data.size() - upload->offset);
        const size_t chunk = qMin(left, size * count);
        std::memcpy(buffer, upload->data.constData() + upload->offset, chunk);
        upload->offset += static_cast<qsizetype>(chunk);
        return chunk;
    }

    // Only refusals are kept: after one, libcurl still says QUIT and the server's goodbye would
    // hide the reason.
    static int debug(CURL *, curl_infotype type, char *text, size_t size, void *self)
    {
        const QString reply = QString::fromUtf8(text, qsizetype(size)).trimmed();
        if (type == CURLINFO_HEADER_IN && isRefusal(reply))
            static_cast<Upload *>(self)->lastReply = reply;
        return 0;
    }

    static bool isRefusal(const QString &reply)
    {
        return reply.size() >= 3 && (reply[0] == QLatin1Char('4') || reply[0] == QLatin1Char('5')) && reply[1].isDigit();
    }
};

} // namespace

SmtpSender::SmtpSender(MailSettings settings, QString password) : m_settings(std::move(settings)), m_password(std::move(password)) {}

SmtpSender::Result SmtpSender::send(const QString &fromAddress, const QString &toAddress, const QByteArray &message) const
{
    if (const QString problem = m_settings.problem(); !problem.isEmpty())
        return {false, problem, true};
    CurlEasy handle = newCurlEasy();
    CURL *curl = handle.get();
    char detail[CURL_ERROR_SIZE] = {};
    Upload upload{message, 0, {}};
    const QByteArray url = m_settings.url().toUtf8();
    const QByteArray from = '<' + fromAddress.trimmed().toUtf8() + '>';
    const QByteArray to = '<' + toAddress.trimmed().toUtf8() + '>';
    const QByteArray user = m_settings.user.toUtf8();
    const QByteArray password = m_password.toUtf8();
    const QByteArray caFile = m_settings.caFile.toLocal8Bit();
    CurlList recipients(curl_slist_append(nullptr, to.constData()));

    curl_easy_setopt(curl, CURLOPT_URL, url.constData());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "smtp,smtps");
    // STARTTLS must succeed: a server that does not offer it gets no password and no message.
    if (m_settings.security == MailSettings::Security::StartTls)
        curl_easy_setopt(curl, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_ALL));
    if (!caFile.isEmpty())
        curl_easy_setopt(curl, CURLOPT_CAINFO, caFile.constData());
    if (!user.isEmpty()) {
        curl_easy_setopt(curl, CURLOPT_USERNAME, user.constData());
        curl_easy_setopt(curl, CURLOPT_PASSWORD, password.constData());
    }
    curl_easy_setopt(curl, CURLOPT_MAIL_FROM, from.constData());
    curl_easy_setopt(curl, CURLOPT_MAIL_RCPT, recipients.get());
    curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(curl, CURLOPT_READFUNCTION, &Upload::read);
    curl_easy_setopt(curl, CURLOPT_READDATA, &upload);
    curl_easy_setopt(curl, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(message.size()));
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, detail);
    curl_easy_setopt(curl, CURLOPT_VERBOSE, 1L); // hands the server's answers to `debug`, prints nothing
    curl_easy_setopt(curl, CURLOPT_DEBUGFUNCTION, &Upload::debug);
    curl_easy_setopt(curl, CURLOPT_DEBUGDATA, &upload);
    setCurlTimeouts(curl);

    const CURLcode code = curl_easy_perform(curl);
    if (code == CURLE_OK)
        return {true, {}, false};
    const QString said = detail[0] ? QString::fromLocal8Bit(detail) : QString::fromLocal8Bit(curl_easy_strerror(code));
    Result result{false, said, false};
    if (!upload.lastReply.isEmpty())
        result.reason = said + QStringLiteral(" (the server said: ") + upload.lastReply + QLatin1Char(')');
    switch (code) {
    case CURLE_LOGIN_DENIED:
        result.reason = QStringLiteral("The mail server did not accept the user name or password: ") + result.reason;
        result.serverUnusable = true;
        break;
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_CONNECT:
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_USE_SSL_FAILED:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_UNSUPPORTED_PROTOCOL:
    case CURLE_URL_MALFORMAT:
        result.reason = QStringLiteral("Could not reach the mail server ") + m_settings.host + QStringLiteral(": ") + result.reason;
        result.serverUnusable = true;
        break;
    case CURLE_OPERATION_TIMEDOUT:
        // A server that stalls on one message stalls on the next: the rest wait for another run.
        result.serverUnusable = true;
        [[fallthrough]];
    case CURLE_RECV_ERROR:
    case CURLE_SEND_ERROR:
    case CURLE_GOT_NOTHING:
        if (upload.lastReply.isEmpty())
            result.reason = QStringLiteral("The connection to the mail server broke off before it accepted the message: ") + said;
        break;
    default:
        break;
    }
    return result;
}

} // namespace zel::transfer
