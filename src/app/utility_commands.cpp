#include "app/utility_commands.h"

#include "app/command_line.h"
#include "app/command_session.h"
#include "app/record_commands.h"
#include "payments/payment_posting.h"
#include "payments/payment_sums.h"
#include "session/database_files.h"
#include "utilities/bulk_flags.h"
#include "utilities/campaign_cleanup.h"
#include "utilities/product_updates.h"

#include <QFileInfo>
#include <QTextStream>

namespace zel {

namespace {

constexpr int kHighestNumber = 32767;

// The year and campaign every campaign command needs.
std::optional<Campaign> campaignOf(const CommandLine &line, QTextStream &err)
{
    const auto year = wholeOption(line, QStringLiteral("--year"), kFirstYear, kLastYear, err);
    const auto number = year ? wholeOption(line, QStringLiteral("--campaign"), 1, 99, err) : std::nullopt;
    if (!year || !number)
        return std::nullopt;
    return Campaign{*year, *number};
}

// The payment type --type names, in any case, as the program writes it; empty when --type is absent,
// nothing (after one line) for a type the program does not have.
std::optional<QString> typeOption(const CommandLine &line, QTextStream &err)
{
    if (!line.options.contains(QStringLiteral("--type")))
        return QString();
    const QString typed = line.option(QStringLiteral("--type")).trimmed();
    for (const QString &type : PaymentPosting::paymentTypes())
        if (type.compare(typed, Qt::CaseInsensitive) == 0)
            return type;
    err << "--type must be one of: " << PaymentPosting::paymentTypes().join(QStringLiteral(", ")) << ".\n";
    return std::nullopt;
}

// Opens the database, checks the campaigns against it, and opens it again for writing; false
// (after one line) when a value is not one the database has or the file cannot be opened.
int openChecked(CommandSession &session, const CommandLine &line, std::initializer_list<Campaign> campaigns,
                std::optional<int> customer = std::nullopt)
{
    if (!session.openDatabase(line.database, CommandSession::Access::Read))
        return 1;
    for (const Campaign &c : campaigns)
        if (!session.campaignInRange(c.year, c.number))
            return 2;
    if (customer && !session.customerExists(*customer))
        return 2;
    return session.reopenForWriting() ? 0 : 1;
}

int usage(QTextStream &err, const char *text)
{
    err << "Usage: " << text << '\n';
    return 2;
}

int finished(bool done)
{
    return done ? 0 : 1;
}

int payInFullOrClear(const CommandLine &line, QTextStream &out, QTextStream &err, bool clear)
{
    const auto campaign = campaignOf(line, err);
    const auto helper = campaign ? wholeOption(line, QStringLiteral("--helper"), 0, kHighestNumber, err, 0) : std::nullopt;
    // Only clear takes --customer (the parser refuses it for pay-in-full); 0 is every customer.
    const auto customer = helper ? wholeOption(line, QStringLiteral("--customer"), 1, kHighestNumber, err, 0) : std::nullopt;
    const auto type = customer ? typeOption(line, err) : std::nullopt;
    if (!type)
        return 2;
    PaymentChoices choices;
    choices.helper = *helper;
    choices.deposited = line.flag(QStringLiteral("--deposited"));
    if (!type->isEmpty())
        choices.type = *type;
    choices.date = QDate::currentDate();
    if (line.options.contains(QStringLiteral("--date"))) {
        choices.date = QDate::fromString(line.option(QStringLiteral("--date")), Qt::ISODate);
        if (!choices.date.isValid()) {
            err << "--date is YYYY-MM-DD, for example 2008-03-20.\n";
            return 2;
        }
    }
    CommandSession session(line, err);
    if (const int code = openChecked(session, line, {*campaign}, *customer ? customer : std::nullopt))
        return code;
    PaymentPosting posting(session.state());
    if (clear) {
        const auto cleared = posting.clearPayments(*campaign, choices.helper, *customer);
        if (cleared)
            out << *cleared << " Payments have been cleared.\n";
        return finished(cleared.has_value());
    }
    const auto paid = posting.payInFull(*campaign, choices);
    if (paid)
        out << *paid << " Orders have been marked paid in full.\n";
    return finished(paid.has_value());
}

int addPayment(const CommandLine &line, QTextStream &out, QTextStream &err)
{
    const auto customer = wholeOption(line, QStringLiteral("--customer"), 1, kHighestNumber, err);
    const auto campaign = customer ? campaignOf(line, err) : std::nullopt;
    const auto order = campaign ? wholeOption(line, QStringLiteral("--order"), 1, PaymentPosting::kExtraOrderOffset - 1, err)
                                : std::nullopt;
    const auto amount = order ? amountOption(line, QStringLiteral("--amount"), err) : std::nullopt;
    const auto type = amount ? typeOption(line, err) : std::nullopt;
    if (!type)
        return 2;
    CommandSession session(line, err);
    if (const int code = openChecked(session, line, {*campaign}, *customer))
        return code;
    AppState &state = session.state();
    if (!PaymentSums(state.data).OrderExists(*customer, campaign->year, campaign->number, *order)) {
        err << "Customer " << *customer << " has no order " << *order << " in campaign " << campaign->number << " of "
            << campaign->year << ".\n";
        return 2;
    }
    const bool extra = line.flag(QStringLiteral("--extra"));
    OrderChoice choice{extra ? *order + PaymentPosting::kExtraOrderOffset : *order, {}, extra ? QStringLiteral("Extra")
                                                                                             : QStringLiteral("Regular")};
    PaymentPosting posting(state);
    std::optional<WorkPayment> payment = posting.newPayment(*customer, *campaign, choice);
    if (!payment)
        return 2;
    // A refund is the amount as typed; anything else is a payment, stored negative.
    payment->amount = PaymentPosting::enteredAmount(*amount, !line.flag(QStringLiteral("--refund")));
    if (!type->isEmpty())
        payment->type = *type;
    if (!posting.applyUpdates({}, {*payment}))
        return 1;
    const int sequence = PaymentSums(state.data).MaxPaymentSequence(*customer, campaign->year, campaign->number);
    out << "Payment " << sequence << " of customer " << *customer << " booked on order " << choice.order << ": "
        << payment->amount.format(u"###,###,##0.00") << '\n';
    return 0;
}

int setDelivered(const CommandLine &line, QTextStream &out, QTextStream &err)
{
    const QString answer = line.arguments.value(1).toLower();
    if (line.arguments.size() != 2 || (answer != QLatin1String("yes") && answer != QLatin1String("no")))
        return usage(err, "zel payment delivered --db FILE --year Y --campaign C yes|no");
    const auto campaign = campaignOf(line, err);
    if (!campaign)
        return 2;
    CommandSession session(line, err);
    if (const int code = openChecked(session, line, {*campaign}))
        return code;
    const bool done = PaymentPosting(session.state()).setDelivered(*campaign, answer == QLatin1String("yes"));
    if (done)
        out << "Delivered flags set.\n";
    return finished(done);
}

// The change given with the options; nothing (after one line) when a number or amount is wrong.
std::optional<utilities::ProductChange> changeOf(const CommandLine &line, QTextStream &err)
{
    utilities::ProductChange change;
    const auto text = [&](const char *name, std::optional<QString> &target, int size) {
        if (line.options.contains(QString::fromLatin1(name)))
            target = line.option(QString::fromLatin1(name)).left(size);
    };
    text("--page", change.page, 10);
    text("--description", change.description, 50);
    text("--shade", change.shade, 50);
    text("--size", change.size, 20);
    for (const auto &[name, target] : {std::pair{"--qty", &change.orderQuantity}, std::pair{"--price-qty", &change.priceQuantity}}) {
        if (!line.options.contains(QString::fromLatin1(name)))
            continue;
        const auto number = wholeOption(line, QString::fromLatin1(name), 0, 9999, err);
        if (!number)
            return std::nullopt;
        *target = *number;
    }
    if (line.options.contains(QStringLiteral("--price"))) {
        change.price = amountOption(line, QStringLiteral("--price"), err);
        if (!change.price)
            return std::nullopt;
    }
    change.unavailable = line.flag(QStringLiteral("--unavailable"));
    return change;
}

// Which customers' lines are ticked: --all, or the numbers of --customers.
std::optional<QList<int>> customersOf(const CommandLine &line, QTextStream &err)
{
    if (line.flag(QStringLiteral("--all")) == line.options.contains(QStringLiteral("--customers"))) {
        err << "Give the customers to change with --customers N,N,... or --all.\n";
        return std::nullopt;
    }
    QList<int> numbers;
    if (line.flag(QStringLiteral("--all")))
        return numbers;
    for (const QString &part : line.option(QStringLiteral("--customers")).split(QLatin1Char(','))) {
        bool ok = false;
        const int number = part.trimmed().toInt(&ok);
        if (!ok || number < 1 || number > kHighestNumber) {
            err << "--customers is a list of customer numbers such as 3,17,40.\n";
            return std::nullopt;
        }
        numbers << number;
    }
    return numbers;
}

} // namespace

int runPaymentCommand(const CommandLine &line, QTextStream &out, QTextStream &err)
{
    const QString word = line.arguments.value(0);
    if (word == QLatin1String("pay-in-full") && line.arguments.size() == 1)
        return payInFullOrClear(line, out, err, false);
    if (word == QLatin1String("clear") && line.arguments.size() == 1)
        return payInFullOrClear(line, out, err, true);
    if (word == QLatin1String("add") && line.arguments.size() == 1)
        return addPayment(line, out, err);
    if (word == QLatin1String("delivered"))
        return setDelivered(line, out, err);
    return usage(err, "zel payment pay-in-full --db FILE --year Y --campaign C [--type T] [--date YYYY-MM-DD] [--deposited] "
                      "[--helper N]\n"
                      "       zel payment clear --db FILE --year Y --campaign C [--helper N] [--customer N]\n"
                      "       zel payment add --db FILE --customer N --year Y --campaign C --order O --amount A [--extra] "
                      "[--type T] [--refund]\n"
                      "       zel payment delivered --db FILE --year Y --campaign C yes|no");
}

int runProductUtilityCommand(const CommandLine &line, QTextStream &out, QTextStream &err)
{
    const QString word = line.arguments.value(0);
    const bool shorts = word == QLatin1String("short");
    if (word != QLatin1String("update") && !shorts)
        return runProductCommand(line, out, err);
    if (line.arguments.size() != 1 || line.option(QStringLiteral("--catalog")).trimmed().isEmpty())
        return usage(err, "zel product update|short --db FILE --year Y --campaign C --catalog X [--customers N,N,...|--all]\n"
                          "       [--page P] [--description D] [--shade S] [--size Z] [--price A]\n"
                          "       update only: [--qty Q] [--price-qty Q] [--unavailable]; short only: --arrival YYYY/CC");
    const auto campaign = campaignOf(line, err);
    const auto customers = campaign ? customersOf(line, err) : std::nullopt;
    const auto change = customers ? changeOf(line, err) : std::nullopt;
    if (!change)
        return 2;
    std::optional<Campaign> arrival;
    if (shorts) {
        arrival = campaignText(line.option(QStringLiteral("--arrival")));
        if (!arrival) {
            err << "--arrival is the expected arrival campaign as YYYY/CC, for example 2008/07.\n";
            return 2;
        }
    } else if (line.options.contains(QStringLiteral("--arrival"))) {
        err << "--arrival belongs to 'zel product short'.\n";
        return 2;
    }
    CommandSession session(line, err);
    const int code = arrival ? openChecked(session, line, {*campaign, *arrival}) : openChecked(session, line, {*campaign});
    if (code)
        return code;
    utilities::ProductUpdates updates(session.state());
    const QString product = line.option(QStringLiteral("--catalog")).trimmed();
    std::vector<utilities::ProductLine> lines = updates.linesOf(*campaign, product);
    if (lines.empty()) {
        err << "No order of campaign " << campaign->number << " of " << campaign->year << " holds product " << product << ".\n";
        return 2;
    }
    for (utilities::ProductLine &l : lines)
        l.update = customers->isEmpty() || customers->contains(l.customer);
    const auto updated = shorts ? updates.shortProduct(*campaign, product, arrival, *change, lines)
                                : updates.update(*campaign, product, *change, lines);
    if (updated)
        out << "Updated " << *updated << " Orders.\n";
    return finished(updated.has_value());
}

int runCleanupCommand(const CommandLine &line, QTextStream &out, QTextStream &err)
{
    const QString word = line.arguments.value(0);
    if (line.arguments.size() != 1
        || !QStringList{"orders", "customers", "products", "inventory"}.contains(word))
        return usage(err, "zel cleanup orders --db FILE --year Y [--campaign C] [--backup COPY]\n"
                          "       zel cleanup customers --db FILE --status Deleted|Closed [--backup COPY]\n"
                          "       zel cleanup products --db FILE --year Y|baseline [--campaign C] [--backup COPY]\n"
                          "       zel cleanup inventory --db FILE [--backup COPY]");
    std::optional<int> year;
    std::optional<int> number = utilities::CampaignCleanup::kAll;
    QString status;
    if (word == QLatin1String("customers")) {
        status = line.option(QStringLiteral("--status"));
        status = status.left(1).toUpper() + status.mid(1).toLower();
        if (status != QLatin1String("Deleted") && status != QLatin1String("Closed")) {
            err << "--status is Deleted or Closed.\n";
            return 2;
        }
    } else if (word != QLatin1String("inventory")) {
        if (word == QLatin1String("products") && line.option(QStringLiteral("--year")).toLower() == QLatin1String("baseline"))
            year = 0;
        else if (!(year = wholeOption(line, QStringLiteral("--year"), kFirstYear, kLastYear, err)))
            return 2;
        if (!(number = wholeOption(line, QStringLiteral("--campaign"), 1, 99, err, utilities::CampaignCleanup::kAll)))
            return 2;
    }
    CommandSession session(line, err);
    // As the screen's "Perform Backup Before Delete": a copy first, and nothing deleted without it.
    if (const QString copy = line.option(QStringLiteral("--backup")); !copy.isEmpty()) {
        if (QFileInfo::exists(copy)) {
            err << copy << " already exists; give a new file for the backup.\n";
            return 2;
        }
        if (!QFileInfo(line.database).isFile()) {
            err << QFileInfo(line.database).absoluteFilePath() << " Not Found.\n";
            return 2;
        }
        if (!db::compactInto(session.state(), QFileInfo(line.database).absoluteFilePath(), QFileInfo(copy).absoluteFilePath(),
                             QStringLiteral("Gfi_Backup_Db"))) {
            err << "The backup could not be made; nothing was deleted.\n";
            return 1;
        }
        out << "Backed up to " << QFileInfo(copy).absoluteFilePath() << '\n';
    }
    if (const int code = openChecked(session, line, {}))
        return code;
    if (*number != utilities::CampaignCleanup::kAll && !session.campaignInRange(year.value_or(0), *number))
        return 2;
    utilities::CampaignCleanup cleanup(session.state());
    if (word == QLatin1String("orders")) {
        const auto deleted = cleanup.deleteOrders(year, number);
        if (deleted)
            out << "Orders Deleted: " << deleted->orders << "\nPayments Deleted: " << deleted->payments
                << "\nComments Deleted: " << deleted->comments << "\nNot deleted: " << deleted->notDeleted << '\n';
        return finished(deleted.has_value());
    }
    const auto deleted = word == QLatin1String("customers") ? cleanup.deleteCustomers(status)
                       : word == QLatin1String("products")  ? cleanup.deleteProducts(year, number)
                                                            : cleanup.deleteInventory();
    if (deleted)
        out << "Deleted " << *deleted << (word == QLatin1String("customers") ? " Customers.\n" : " Products.\n");
    return finished(deleted.has_value());
}

int runFlagsCommand(const CommandLine &line, QTextStream &out, QTextStream &err)
{
    const QStringList args = line.arguments;
    const QString word = args.value(0);
    const bool counter = word == QLatin1String("counter");
    const QString action = args.value(counter ? 2 : 1);
    const bool flagWord = QStringList{"label", "printed", "summarized"}.contains(word);
    if (args.size() != (counter ? 3 : 2) || (!counter && !flagWord)
        || (action != QLatin1String("set") && action != QLatin1String("reset")) || (counter && action != QLatin1String("reset")))
        return usage(err, "zel flags label|printed|summarized set|reset --db FILE [--year Y --campaign C]\n"
                          "       zel flags counter K reset --db FILE   (K from 1 to 9)");
    std::optional<int> which;
    if (counter) {
        bool ok = false;
        which = args[1].toInt(&ok);
        if (!ok || *which < 1 || *which > utilities::BulkFlags::kCounters) {
            err << "The counter is a number from 1 to 9.\n";
            return 2;
        }
    }
    CommandSession session(line, err);
    if (!session.openDatabase(line.database, CommandSession::Access::Read))
        return 1;
    AppState &state = session.state();
    // The order flags are for the current campaign unless another is given.
    const auto year = wholeOption(line, QStringLiteral("--year"), kFirstYear, kLastYear, err, state.options.CurrentCampaignYear);
    const auto number = wholeOption(line, QStringLiteral("--campaign"), 1, 99, err, state.options.CurrentCampaignNumber);
    if (!year || !number || !session.campaignInRange(*year, *number))
        return 2;
    if (!session.reopenForWriting())
        return 1;
    utilities::BulkFlags flags(state);
    const bool on = action == QLatin1String("set");
    const std::optional<int> changed = counter                           ? flags.resetCounter(which)
                                     : word == QLatin1String("label")    ? flags.setLabelFlags(on)
                                     : word == QLatin1String("printed")  ? flags.setPrintedFlags({*year, *number}, on)
                                                                         : flags.setSummarizedFlags({*year, *number}, on);
    if (changed)
        out << *changed << " rows updated.\n";
    return finished(changed.has_value());
}

} // namespace zel
