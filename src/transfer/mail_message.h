#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <vector>

namespace zel::transfer {

// A name and an address, as a header shows them.
struct MailAddress
{
    QString name;
    QString address;
};

// One e-mail: a plain UTF-8 text and attachments, written as a MIME message (multipart/mixed)
// ready for an SMTP server or an .eml file. Header texts that are not plain ASCII are encoded
// (RFC 2047), so names and subjects in any language arrive intact.
class MailMessage
{
public:
    struct Attachment
    {
        QString fileName;
        QByteArray mimeType;
        QByteArray data;
    };

    MailAddress from;
    MailAddress replyTo;
    MailAddress to;
    QString subject;
    QString text;
    std::vector<Attachment> attachments;
    QDateTime date;    // invalid: the time of writing
    QByteArray messageId; // empty: a new one is made from the sender's domain

    // The whole message with CRLF line ends.
    QByteArray toMime() const;

    // An encoded word (or several) for a header text; plain ASCII is returned as it is.
    static QByteArray encodeHeaderText(const QString &text);
    // "Name <address>", the name quoted or encoded as needed.
    static QByteArray addressHeader(const MailAddress &address);
    // A new, unique "<...@domain>".
    static QByteArray newMessageId(const QString &senderAddress);
};

} // namespace zel::transfer
