#include "reports/invoice_mailing.h"

#include "payments/payment_sums.h"
#include "reports/invoice_layout.h"
#include "reports/invoice_mail_record.h"
#include "reports/order_printing.h"
#include "reports/report_renderer.h"
#include "session/app_state.h"
#include "shell/record_set.h"
#include "transfer/smtp_sender.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace zel::reports {

namespace {

const QString kProcedure = QStringLiteral("Invoice Mail");

// Something a mail server can take: one "@" with text on both sides, no blanks.
bool isUsableAddress(const QString &address)
{
    static const QRegularExpression form(QStringLiteral("^[^@\\s<>\",;]+@[^@\\s<>\",;]+$"));
    return form.match(address).hasMatch();
}

// "Has an order" as the invoice counts it: a row of the campaign that is on the order.
QString recipientsSql(InvoiceMailing::Choice choice, const std::vector<int> &only, QVariantList &values)
{
    QString sql = QStringLiteral(
        "Select C.[Customers Number], C.[Customers First Name], C.[Customers Last Name], C.[Customers Email], Exists (Select 1 From "
        "Orders O Where O.[Orders Customer Number] = C.[Customers Number] And O.[Orders Campaign Year] = ? And O.[Orders Campaign "
        "Number] = ? And O.[Orders Include On Order] <> 0) As HasOrder From Customers C Where ");
    if (!only.empty()) {
        QStringList marks;
        for (const int customer : only) {
            marks << QStringLiteral("?");
            values << customer;
        }
        sql += QStringLiteral("C.[Customers Number] In (") + marks.join(QStringLiteral(", ")) + QLatin1Char(')');
    } else if (choice == InvoiceMailing::Choice::Marked) {
        sql += QStringLiteral("C.[Customers Label Flag 2] = 'Y'");
    } else {
        sql += QStringLiteral("HasOrder");
    }
    return sql + QStringLiteral(" Order By C.[Customers Last Name], C.[Customers First Name], C.[Customers Number]");
}

} // namespace

QString MailRecipient::stateText() const
{
    switch (state) {
    case State::Ready: return QStringLiteral("To send");
    case State::NoAddress: return address.isEmpty() ? QStringLiteral("No e-mail address") : QStringLiteral("Not a usable e-mail address");
    case State::NoOrder: return QStringLiteral("No order in the campaign");
    case State::AlreadySent: return QStringLiteral("Already sent");
    }
    return {};
}

QString MailOutcome::resultText() const
{
    switch (result) {
    case Result::Sent: return QStringLiteral("sent");
    case Result::Written: return QStringLiteral("written");
    case Result::Failed: return QStringLiteral("failed");
    case Result::Skipped: return QStringLiteral("skipped");
    case Result::NotSent: return QStringLiteral("not sent");
    }
    return {};
}

QString MailOutcome::line() const
{
    QString text = QString::number(customer) + QLatin1Char(' ') + name;
    if (!address.isEmpty())
        text += QStringLiteral(" <") + address + QLatin1Char('>');
    text += QStringLiteral(": ") + resultText();
    if (!detail.isEmpty())
        text += QStringLiteral(": ") + detail;
    return text;
}

InvoiceMailing::InvoiceMailing(AppState &state, const Campaign &campaign, transfer::MailSettings settings)
    : m_state(state), m_campaign(campaign), m_settings(std::move(settings))
{
}

std::vector<MailRecipient> InvoiceMailing::recipients(Choice choice, const std::vector<int> &only, bool again)
{
    QVariantList values{m_campaign.year, m_campaign.number};
    const QString sql = recipientsSql(choice, only, values);
    const std::set<int> sent = InvoiceMailRecord(m_state.data).sentCustomers(m_campaign);
    const std::map<int, Currency> balances = PaymentSums(m_state.data).campaignBalances(m_campaign.year, m_campaign.number);
    std::vector<MailRecipient> out;
    m_state.data.setSQL(sql, values);
    RecordSet rows = m_state.data.GetSnapShot(kProcedure);
    while (rows.next()) {
        MailRecipient r;
        r.customer = rows.value(0).toInt();
        r.name = (rows.value(1).toString().trimmed() + QLatin1Char(' ') + rows.value(2).toString().trimmed()).trimmed();
        r.address = rows.value(3).toString().trimmed();
        if (const auto found = balances.find(r.customer); found != balances.end())
            r.balance = found->second;
        if (!rows.value(4).toBool())
            r.state = MailRecipient::State::NoOrder;
        else if (sent.count(r.customer) && !again)
            r.state = MailRecipient::State::AlreadySent;
        else if (!isUsableAddress(r.address))
            r.state = MailRecipient::State::NoAddress;
        out.push_back(r);
    }
    return out;
}

std::optional<QByteArray> InvoiceMailing::invoicePdf(int customer, QString *error)
{
    InvoiceSelection selection;
    selection.campaign = m_campaign;
    selection.customer = customer;
    if (const std::optional<QString> nothing = prepareInvoices(m_state, selection)) {
        *error = *nothing;
        return std::nullopt;
    }
    const Document document = layOutInvoices(m_state, invoiceRequest(m_state, selection, false, false));
    // The PDF writer writes files; the file lives only as long as this call.
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("invoice.pdf"));
    if (!folder.isValid() || !writePdf(document, path, error))
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return std::nullopt;
    }
    return file.readAll();
}

QString InvoiceMailing::fillText(const QString &text, const MailRecipient &recipient) const
{
    QString out = text;
    out.replace(QLatin1String("{name}"), recipient.name);
    out.replace(QLatin1String("{first}"), recipient.name.section(QLatin1Char(' '), 0, 0));
    out.replace(QLatin1String("{balance}"), recipient.balance.toCurrencyText());
    out.replace(QLatin1String("{campaign}"), QStringLiteral("%1-%2").arg(m_campaign.number).arg(m_campaign.year));
    out.replace(QLatin1String("{rep}"), m_state.options.RepName.trimmed());
    return out;
}

QString InvoiceMailing::attachmentName(const QString &customerName) const
{
    QString name = QStringLiteral("Invoice %1 Campaign %2-%3.pdf").arg(customerName.trimmed()).arg(m_campaign.number).arg(m_campaign.year);
    static const QRegularExpression unfit(QStringLiteral("[/\\\\:*?\"<>|\\x00-\\x1f]"));
    return name.remove(unfit).simplified();
}

std::optional<transfer::MailMessage> InvoiceMailing::message(const MailRecipient &recipient, QString *error)
{
    const std::optional<QByteArray> pdf = invoicePdf(recipient.customer, error);
    if (!pdf)
        return std::nullopt;
    transfer::MailMessage m;
    m.from = {m_state.options.RepName.trimmed(), m_settings.senderAddress.trimmed()};
    m.replyTo = m.from;
    m.to = {recipient.name, recipient.address};
    m.subject = fillText(m_settings.subject, recipient);
    m.text = fillText(m_settings.body, recipient);
    m.date = m_state.now();
    m.messageId = transfer::MailMessage::newMessageId(m.from.address);
    m.attachments.push_back({attachmentName(recipient.name), QByteArrayLiteral("application/pdf"), *pdf});
    return m;
}

std::vector<MailOutcome> InvoiceMailing::run(const std::vector<MailRecipient> &recipients, const Deliver &deliver, bool record,
                                             const Progress &progress)
{
    std::vector<MailOutcome> outcomes;
    const int total = int(std::count_if(recipients.begin(), recipients.end(),
                                        [](const MailRecipient &r) { return r.state == MailRecipient::State::Ready; }));
    int done = 0;
    QString stopped; // why the remaining messages are not sent
    InvoiceMailRecord log(m_state.data);
    for (const MailRecipient &r : recipients) {
        MailOutcome outcome{r.customer, r.name, r.address, MailOutcome::Result::Skipped, {}};
        if (r.state != MailRecipient::State::Ready) {
            outcome.detail = r.stateText();
            outcomes.push_back(outcome);
            continue;
        }
        if (stopped.isEmpty() && progress && !progress(done, total, r))
            stopped = QStringLiteral("cancelled");
        if (!stopped.isEmpty()) {
            outcome.result = MailOutcome::Result::NotSent;
            outcome.detail = stopped;
            outcomes.push_back(outcome);
            continue;
        }
        ++done;
        QString error;
        const std::optional<transfer::MailMessage> m = message(r, &error);
        if (!m) {
            outcome.result = MailOutcome::Result::Failed;
            outcome.detail = QStringLiteral("the invoice could not be made: ") + error;
            outcomes.push_back(outcome);
            continue;
        }
        const Delivery delivery = deliver(r, m->toMime());
        if (delivery.delivered) {
            outcome.result = record ? MailOutcome::Result::Sent : MailOutcome::Result::Written;
            outcome.detail = delivery.detail;
            if (record && !log.recordSent(m_campaign, r.customer, r.address, m_state.now(), QString::fromLatin1(m->messageId))) {
                // Going on could send her invoice again on the next run: stop while the list is true.
                stopped = QStringLiteral("the record of sent invoices could not be written");
                outcome.detail = QStringLiteral("but not recorded as sent");
            }
        } else {
            outcome.result = MailOutcome::Result::Failed;
            outcome.detail = delivery.reason;
            if (delivery.stop)
                stopped = QStringLiteral("not tried after: ") + delivery.reason;
        }
        m_state.LogWrite(QStringLiteral("MSG"), QStringLiteral("Invoice mail ") + outcome.line());
        outcomes.push_back(outcome);
    }
    return outcomes;
}

InvoiceMailing::Deliver InvoiceMailing::smtpDelivery(const transfer::SmtpSender &sender, const QString &fromAddress)
{
    return [&sender, fromAddress](const MailRecipient &r, const QByteArray &mime) {
        const transfer::SmtpSender::Result sent = sender.send(fromAddress, r.address, mime);
        return Delivery{sent.sent, sent.reason, sent.serverUnusable, {}};
    };
}

InvoiceMailing::Deliver InvoiceMailing::emlDelivery(const QString &folder)
{
    return [folder](const MailRecipient &r, const QByteArray &mime) {
        QDir().mkpath(folder);
        static const QRegularExpression unfit(QStringLiteral("[/\\\\:*?\"<>|\\x00-\\x1f]"));
        const QString name = QStringLiteral("%1 %2.eml").arg(r.customer).arg(QString(r.name).remove(unfit)).simplified();
        const QString path = QDir(folder).absoluteFilePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(mime) != mime.size())
            return Delivery{false, QStringLiteral("could not write ") + path + QStringLiteral(": ") + file.errorString(), true, {}};
        return Delivery{true, {}, false, path};
    };
}

} // namespace zel::reports
