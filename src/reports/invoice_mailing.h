#pragma once

#include "core/campaign.h"
#include "core/currency.h"
#include "transfer/mail_message.h"
#include "transfer/mail_settings.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace zel {

class AppState;

namespace transfer {
class SmtpSender;
}

namespace reports {

// One customer a campaign's invoices may be mailed to, and whether she will be.
struct MailRecipient
{
    enum class State { Ready, NoAddress, NoOrder, AlreadySent };

    int customer = 0;
    QString name;
    QString address;
    Currency balance; // as of the campaign
    State state = State::Ready;

    // "Ready", "No e-mail address", ...: the list's status column.
    QString stateText() const;
};

// What became of one customer's message.
struct MailOutcome
{
    enum class Result { Sent, Written, Failed, Skipped, NotSent };

    int customer = 0;
    QString name;
    QString address;
    Result result = Result::NotSent;
    QString detail; // the server's reason, the skip's reason, or the .eml file written

    // "12 Ann Adams <ann@example.com>: failed: ..." — one line of the result.
    QString line() const;
    QString resultText() const;
};

// Mails each chosen customer her invoice of a campaign as a PDF, laid out exactly as it prints,
// with the letter of the mail settings filled in for her. Every message the server accepts is
// recorded (InvoiceMailRecord) before the next one goes, so a run that stops half-way, or a
// program that is closed, never sends one twice.
class InvoiceMailing
{
public:
    enum class Choice { AllWithOrder, Marked };

    // The fate of one handed-over message: `stop` when the messages after it would fare the same.
    struct Delivery
    {
        bool delivered = false;
        QString reason;
        bool stop = false;
        QString detail; // for a delivered one: where it went (an .eml file)
    };
    using Deliver = std::function<Delivery(const MailRecipient &, const QByteArray &mime)>;
    // Called before each message is made (`done` of `total` gone); returns false to stop there.
    using Progress = std::function<bool(int done, int total, const MailRecipient &)>;

    InvoiceMailing(AppState &state, const Campaign &campaign, transfer::MailSettings settings);

    // The customers with an order in the campaign (Choice::AllWithOrder), or those the customer
    // search marked; with `only` given, exactly those customers. Those already sent in the
    // campaign, without a usable address or without an order there are listed, not Ready.
    // With `again`, those already sent are offered again (a corrected invoice); it is meant for
    // customers she names in `only`.
    std::vector<MailRecipient> recipients(Choice choice, const std::vector<int> &only = {}, bool again = false);

    // The customer's invoice of the campaign as a PDF; nothing, with `error` set, when it cannot
    // be printed.
    std::optional<QByteArray> invoicePdf(int customer, QString *error);
    // The whole message to one recipient; nothing, with `error` set, when her invoice cannot be made.
    std::optional<transfer::MailMessage> message(const MailRecipient &recipient, QString *error);
    // The letter's text with {name}, {first}, {balance}, {campaign} and {rep} filled in.
    QString fillText(const QString &text, const MailRecipient &recipient) const;
    // "Invoice Ann Adams Campaign 5-2008.pdf", without characters a file name may not hold.
    QString attachmentName(const QString &customerName) const;

    // Sends every Ready recipient's message through `deliver`, in order; `record` keeps each
    // delivered one in the campaign's record (a dry run records nothing).
    std::vector<MailOutcome> run(const std::vector<MailRecipient> &recipients, const Deliver &deliver, bool record,
                                 const Progress &progress = {});

    // Deliveries: to the mail server, or as .eml files into a folder.
    static Deliver smtpDelivery(const transfer::SmtpSender &sender, const QString &fromAddress);
    static Deliver emlDelivery(const QString &folder);

    const Campaign &campaign() const { return m_campaign; }

private:
    AppState &m_state;
    Campaign m_campaign;
    transfer::MailSettings m_settings;
};

} // namespace reports
} // namespace zel
