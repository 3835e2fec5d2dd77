#include "app/invoice_mail_command.h"

#include "app/command_line.h"
#include "app/command_session.h"
#include "reports/invoice_mailing.h"
#include "transfer/mail_password.h"
#include "transfer/mail_settings.h"
#include "transfer/smtp_sender.h"

#include <QDir>
#include <QTextStream>

namespace zel {

namespace {

using reports::InvoiceMailing;
using reports::MailOutcome;
using reports::MailRecipient;

constexpr const char *kUsage = "zel invoice mail --db FILE --year Y --campaign C [--customers N,N,... [--again]|--marked] "
                               "[--dry-run [--eml-folder DIR]] [--yes]";
constexpr const char *kSettingsUsage = "zel invoice settings [--server HOST] [--port N] [--security starttls|tls|none] "
                                       "[--user NAME] [--sender ADDRESS] [--ca-file FILE] [--subject TEXT] [--text TEXT] "
                                       "[--password-stdin]";
constexpr int kHighestCustomer = 32767;

int usage(QTextStream &err)
{
    err << "Usage: " << kUsage << '\n';
    return 2;
}

// The numbers of --customers; nothing (after one line) when one is not a customer number.
std::optional<std::vector<int>> customerNumbers(const CommandLine &line, QTextStream &err)
{
    std::vector<int> numbers;
    if (!line.options.contains(QStringLiteral("--customers")))
        return numbers;
    for (const QString &part : line.option(QStringLiteral("--customers")).split(QLatin1Char(','))) {
        bool ok = false;
        const int number = part.trimmed().toInt(&ok);
        if (!ok || number < 1 || number > kHighestCustomer) {
            err << "--customers is a list of customer numbers such as 3,17,40.\n";
            return std::nullopt;
        }
        numbers.push_back(number);
    }
    return numbers;
}

int readyCount(const std::vector<MailRecipient> &recipients)
{
    return int(std::count_if(recipients.begin(), recipients.end(),
                             [](const MailRecipient &r) { return r.state == MailRecipient::State::Ready; }));
}

void printList(const std::vector<MailRecipient> &recipients, QTextStream &out)
{
    for (const MailRecipient &r : recipients) {
        out << r.customer << ' ' << r.name;
        if (!r.address.isEmpty())
            out << " <" << r.address << '>';
        out << ", balance " << r.balance.toCurrencyText() << ": " << r.stateText() << '\n';
    }
}

// Prints one line per customer and the counts; 0 when nothing failed.
int printOutcomes(const std::vector<MailOutcome> &outcomes, QTextStream &out)
{
    int counts[5] = {};
    for (const MailOutcome &o : outcomes) {
        out << o.line() << '\n';
        ++counts[int(o.result)];
    }
    using R = MailOutcome::Result;
    out << "Sent " << counts[int(R::Sent)] << ", written " << counts[int(R::Written)] << ", failed " << counts[int(R::Failed)]
        << ", not sent " << counts[int(R::NotSent)] << ", skipped " << counts[int(R::Skipped)] << ".\n";
    return counts[int(R::Failed)] + counts[int(R::NotSent)] == 0 ? 0 : 1;
}

// The password for the server's user: ZEL_SMTP_PASSWORD, else the keyring's; empty for a server
// without login.
std::optional<QString> passwordFor(const transfer::MailSettings &settings, QTextStream &err)
{
    if (settings.user.isEmpty())
        return QString();
    QString error;
    if (const std::optional<QString> password = transfer::MailPassword::forCommandLine(settings.passwordKey(), &error))
        return password;
    if (!error.endsWith(QLatin1Char('.')))
        error += QLatin1Char('.');
    err << error << " Set " << transfer::MailPassword::kEnvironmentVariable
        << " to the mail server's password, or store it in the mail server settings of the program.\n";
    return std::nullopt;
}

int mail(const CommandLine &line, QTextStream &out, QTextStream &err)
{
    const auto year = wholeOption(line, QStringLiteral("--year"), kFirstYear, kLastYear, err);
    const auto number = wholeOption(line, QStringLiteral("--campaign"), 1, 99, err);
    const std::optional<std::vector<int>> only = customerNumbers(line, err);
    if (!year || !number || !only)
        return 2;
    const bool dryRun = line.flag(QStringLiteral("--dry-run"));
    const bool again = line.flag(QStringLiteral("--again"));
    if (again && only->empty()) {
        err << "--again sends the invoices of the customers given with --customers once more.\n";
        return 2;
    }
    if (line.options.contains(QStringLiteral("--eml-folder")) && !dryRun) {
        err << "--eml-folder is for --dry-run.\n";
        return 2;
    }
    CommandSession session(line, err);
    if (!session.openDatabase(line.database) || !session.campaignInRange(*year, *number))
        return 1;
    AppState &state = session.state();
    const Campaign campaign{*year, *number};
    const transfer::MailSettings settings = transfer::MailSettings::read(state.settings);
    InvoiceMailing mailing(state, campaign, settings);
    const auto choice = line.flag(QStringLiteral("--marked")) ? InvoiceMailing::Choice::Marked : InvoiceMailing::Choice::AllWithOrder;
    const std::vector<MailRecipient> recipients = mailing.recipients(choice, *only, again);
    printList(recipients, out);
    out.flush();
    const int ready = readyCount(recipients);
    if (ready == 0) {
        out << "No invoice to send.\n";
        return 0;
    }
    if (dryRun) {
        if (!settings.senderAddress.contains(QLatin1Char('@'))) {
            err << "The messages need your own e-mail address as their sender: give it with zel invoice settings --sender ADDRESS.\n";
            return 1;
        }
        const QString folder = line.options.contains(QStringLiteral("--eml-folder"))
                                 ? line.option(QStringLiteral("--eml-folder"))
                                 : QDir::current().filePath(QStringLiteral("Invoice Mail %1-%2").arg(*number).arg(*year));
        return printOutcomes(mailing.run(recipients, InvoiceMailing::emlDelivery(folder), false), out);
    }
    if (const QString problem = settings.problem(); !problem.isEmpty()) {
        err << problem << " (" << transfer::MailSettings::kFile << " in " << state.settings.folder() << ")\n";
        return 1;
    }
    session.setAnsweringOptions(QStringLiteral("--yes to send them, or --dry-run to write them to files"));
    if (!state.prompter.askYesNo(QStringLiteral("Send %1 invoice(s) of campaign %2-%3 through %4?")
                                     .arg(ready)
                                     .arg(*number)
                                     .arg(*year)
                                     .arg(settings.host)))
        return 1;
    const std::optional<QString> password = passwordFor(settings, err);
    if (!password)
        return 1;
    const transfer::SmtpSender sender(settings, *password);
    return printOutcomes(mailing.run(recipients, InvoiceMailing::smtpDelivery(sender, settings.senderAddress), true), out);
}

void printSettings(const transfer::MailSettings &s, QTextStream &out)
{
    out << "Server: " << s.host << '\n'
        << "Port: " << s.port << '\n'
        << "Security: " << transfer::MailSettings::securityWord(s.security) << '\n'
        << "User: " << s.user << '\n'
        << "Sender: " << s.senderAddress << '\n'
        << "Certificate file: " << s.caFile << '\n'
        << "Subject: " << s.subject << '\n'
        << "Text: " << QString(s.body).replace(QLatin1Char('\n'), QStringLiteral("\\n")) << '\n';
}

// The mail server settings the screen's settings dialog keeps: printed, and changed where given.
int settingsCommand(const CommandLine &line, QTextStream &out, QTextStream &err)
{
    const QString security = line.option(QStringLiteral("--security")).toLower();
    if (line.flag(QStringLiteral("--security")) && !QStringList{QStringLiteral("starttls"), QStringLiteral("tls"), QStringLiteral("none")}.contains(security)) {
        err << "--security is starttls, tls or none.\n";
        return 2;
    }
    const std::optional<int> port = wholeOption(line, QStringLiteral("--port"), 1, 65535, err, 0);
    if (!port)
        return 2;
    CommandSession session(line, err);
    AppState &state = session.state();
    transfer::MailSettings s = transfer::MailSettings::read(state.settings);
    const auto given = [&](const char *option, QString &into) {
        if (line.flag(QString::fromLatin1(option)))
            into = line.option(QString::fromLatin1(option)).trimmed();
    };
    given("--server", s.host);
    given("--user", s.user);
    given("--sender", s.senderAddress);
    given("--ca-file", s.caFile);
    if (line.flag(QStringLiteral("--subject")))
        s.subject = line.option(QStringLiteral("--subject"));
    if (line.flag(QStringLiteral("--text")))
        s.body = line.option(QStringLiteral("--text")).replace(QStringLiteral("\\n"), QStringLiteral("\n"));
    if (line.flag(QStringLiteral("--security"))) {
        const transfer::MailSettings::Security chosen = transfer::MailSettings::securityFromWord(security);
        if (*port == 0 && s.port == transfer::MailSettings::usualPort(s.security))
            s.port = transfer::MailSettings::usualPort(chosen); // the usual port follows, a chosen one stays
        s.security = chosen;
    }
    if (*port > 0)
        s.port = *port;
    if (!s.write(state.settings)) {
        err << "The mail settings could not be written to " << transfer::MailSettings::kFile << ".\n";
        return 1;
    }
    if (line.flag(QStringLiteral("--password-stdin"))) {
        QTextStream in(stdin);
        const QString password = in.readLine();
        QString error;
        if (password.isEmpty() || !transfer::MailPassword::write(s.passwordKey(), password, &error)) {
            err << (password.isEmpty() ? QStringLiteral("No password was given on the standard input.") : error) << '\n';
            return 1;
        }
        out << "The password of " << s.passwordKey() << " is kept in the desktop's keyring.\n";
    }
    printSettings(s, out);
    if (const QString problem = s.problem(); !problem.isEmpty())
        out << "Not ready to send: " << problem << '\n';
    return 0;
}

} // namespace

int runInvoiceCommand(const CommandLine &line, QTextStream &out, QTextStream &err)
{
    if (line.arguments == QStringList{QStringLiteral("settings")})
        return settingsCommand(line, out, err);
    if (line.arguments != QStringList{QStringLiteral("mail")}) {
        err << "Usage: " << kSettingsUsage << '\n';
        return usage(err);
    }
    return mail(line, out, err);
}

} // namespace zel
