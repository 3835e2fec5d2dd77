#include "transfer/mail_message.h"

#include <QLocale>
#include <QUuid>

namespace zel::transfer {

namespace {

constexpr int kBase64LineChars = 76;
// The base64 of one encoded word: with "=?UTF-8?B?", "?=" and a header's name before it, a line
// stays within the 78 characters mail programs expect.
constexpr int kEncodedWordChars = 52;

QByteArray base64Lines(const QByteArray &data)
{
    const QByteArray encoded = data.toBase64();
    QByteArray out;
    out.reserve(encoded.size() + encoded.size() / kBase64LineChars * 2 + 2);
    for (qsizetype i = 0; i < encoded.size(); i += kBase64LineChars)
        out += encoded.mid(i, kBase64LineChars) + "\r\n";
    return out;
}

bool isPlainAscii(const QString &text)
{
    for (const QChar c : text)
        if (c.unicode() < 0x20 || c.unicode() > 0x7e)
            return false;
    return true;
}

// Header values must not carry line breaks: a name typed with one would start a header of its own.
QString oneLine(const QString &text)
{
    QString out = text;
    out.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return out.trimmed();
}

// A file name parameter: plain when ASCII, else in the RFC 2231 form mail programs read.
QByteArray fileNameParameter(const QString &fileName)
{
    const QString name = oneLine(fileName);
    if (isPlainAscii(name) && !name.contains(QLatin1Char('"')) && !name.contains(QLatin1Char('\\')))
        return "filename=\"" + name.toLatin1() + '"';
    return "filename*=UTF-8''" + name.toUtf8().toPercentEncoding();
}

// RFC 5322 dates are in English whatever the desktop's language.
QByteArray rfc5322Date(const QDateTime &when)
{
    const QDateTime local = when.toLocalTime();
    const int offset = local.offsetFromUtc() / 60;
    const QString zone = QStringLiteral("%1%2%3")
                             .arg(offset < 0 ? QLatin1Char('-') : QLatin1Char('+'))
                             .arg(qAbs(offset) / 60, 2, 10, QLatin1Char('0'))
                             .arg(qAbs(offset) % 60, 2, 10, QLatin1Char('0'));
    return (QLocale::c().toString(local, QStringLiteral("ddd, dd MMM yyyy HH:mm:ss ")) + zone).toLatin1();
}

} // namespace

QByteArray MailMessage::encodeHeaderText(const QString &text)
{
    const QString line = oneLine(text);
    if (isPlainAscii(line))
        return line.toLatin1();
    // Each word holds whole characters: a character's UTF-8 bytes are never split across two words.
    QByteArray out;
    QByteArray chunk;
    const auto flush = [&] {
        if (chunk.isEmpty())
            return;
        if (!out.isEmpty())
            out += "\r\n ";
        out += "=?UTF-8?B?" + chunk.toBase64() + "?=";
        chunk.clear();
    };
    for (qsizetype i = 0; i < line.size(); ++i) {
        qsizetype length = line[i].isHighSurrogate() && i + 1 < line.size() ? 2 : 1;
        const QByteArray bytes = line.mid(i, length).toUtf8();
        i += length - 1;
        if ((chunk.size() + bytes.size() + 2) / 3 * 4 > kEncodedWordChars)
            flush();
        chunk += bytes;
    }
    flush();
    return out;
}

QByteArray MailMessage::addressHeader(const MailAddress &address)
{
    const QByteArray mailbox = '<' + oneLine(address.address).toUtf8() + '>';
    const QString name = oneLine(address.name);
    if (name.isEmpty())
        return mailbox;
    // A name is one encoded word, however long: some parsers put a blank between the words of a
    // name that was split, where the standard joins them.
    if (!isPlainAscii(name))
        return "=?UTF-8?B?" + name.toUtf8().toBase64() + "?=\r\n " + mailbox;
    QString quoted = name;
    quoted.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('"'), QLatin1String("\\\""));
    return '"' + quoted.toLatin1() + "\" " + mailbox;
}

QByteArray MailMessage::newMessageId(const QString &senderAddress)
{
    QString domain = senderAddress.section(QLatin1Char('@'), 1).trimmed();
    if (domain.isEmpty() || !isPlainAscii(domain))
        domain = QStringLiteral("zel.localhost");
    return '<' + QUuid::createUuid().toByteArray(QUuid::WithoutBraces) + '@' + domain.toLatin1() + '>';
}

QByteArray MailMessage::toMime() const
{
    const QByteArray boundary = "=_zel_" + QUuid::createUuid().toByteArray(QUuid::Id128);
    QByteArray out;
    const auto header = [&](const char *name, const QByteArray &value) { out += name + QByteArray(": ") + value + "\r\n"; };
    header("Date", rfc5322Date(date.isValid() ? date : QDateTime::currentDateTime()));
    header("From", addressHeader(from));
    if (!replyTo.address.isEmpty())
        header("Reply-To", addressHeader(replyTo));
    header("To", addressHeader(to));
    header("Subject", encodeHeaderText(subject));
    header("Message-ID", messageId.isEmpty() ? newMessageId(from.address) : messageId);
    header("MIME-Version", "1.0");
    header("Content-Type", "multipart/mixed;\r\n boundary=\"" + boundary + '"');
    out += "\r\n";

    QString body = text;
    body.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    out += "--" + boundary + "\r\n";
    out += "Content-Type: text/plain; charset=UTF-8\r\nContent-Transfer-Encoding: base64\r\n\r\n";
    out += base64Lines(body.toUtf8());
    for (const Attachment &attachment : attachments) {
        out += "--" + boundary + "\r\n";
        out += "Content-Type: " + attachment.mimeType + "\r\n";
        out += "Content-Transfer-Encoding: base64\r\n";
        out += "Content-Disposition: attachment; " + fileNameParameter(attachment.fileName) + "\r\n\r\n";
        out += base64Lines(attachment.data);
    }
    out += "--" + boundary + "--\r\n";
    return out;
}

} // namespace zel::transfer
