#include "app/customer_commands.h"

#include "app/command_line.h"
#include "app/command_session.h"
#include "customers/customer.h"
#include "customers/customer_records.h"
#include "customers/customer_search.h"
#include "customers/purchase_history.h"

#include <QRegularExpression>
#include <QTextStream>

#include <algorithm>
#include <utility>
#include <vector>

namespace zel {

namespace {

const char *const kUsage = "Usage: zel customer new --db FILE [--first F] [--last L] [--house H] [--address A] [--city C] "
                           "[--state S] [--zip Z] [--phone P] [--email E] | zel customer delete --db FILE NUMBER | "
                           "zel customer find --db FILE [criteria]\n";

// What `zel customer new` may say of the new customer, and where each goes.
const std::vector<std::pair<const char *, QString customers::Customer::*>> kNewCustomerFields = {
    {"--first", &customers::Customer::firstName}, {"--last", &customers::Customer::lastName},
    {"--house", &customers::Customer::houseNumber}, {"--address", &customers::Customer::address},
    {"--city", &customers::Customer::city},       {"--state", &customers::Customer::state},
    {"--zip", &customers::Customer::zipCode},     {"--phone", &customers::Customer::phone1},
    {"--email", &customers::Customer::email}};

int createCustomer(CommandSession &session, const CommandLine &line, QTextStream &out)
{
    const auto details = [&line](customers::Customer &customer) {
        for (const auto &[option, member] : kNewCustomerFields)
            if (line.options.contains(QString::fromLatin1(option)))
                customer.*member = line.option(QString::fromLatin1(option)).trimmed();
    };
    const std::optional<int> number = customers::createCustomer(session.state(), details);
    if (!number)
        return 1;
    out << *number << '\n';
    return 0;
}

int deleteCustomer(CommandSession &session, const QString &text, QTextStream &out, QTextStream &err)
{
    bool ok = false;
    const int number = text.toInt(&ok);
    if (!ok || number < 1 || number > customers::kHighestCustomerNumber) {
        err << "Not a customer number: " << text << '\n';
        return 2;
    }
    if (!session.customerExists(number))
        return 2;
    if (!session.reopenForWriting())
        return 1;
    const std::optional<customers::DeletedRows> rows = customers::deleteCustomer(session.state(), number, false);
    if (!rows)
        return 1;
    if (rows->customers == 0) {
        err << "Customer " << number << " does not exist.\n";
        return 1;
    }
    out << customers::deletedMessage(*rows).replace(QStringLiteral("\r\n"), QStringLiteral("\n")) << '\n';
    return 0;
}

// "2008/05" as a campaign the database has; nothing (after one line) otherwise.
std::optional<Campaign> campaignOption(const CommandLine &line, const QString &name, CommandSession &session, QTextStream &err)
{
    static const QRegularExpression form(QStringLiteral("^(\\d{4})/(\\d{1,2})$"));
    const QRegularExpressionMatch match = form.match(line.option(name));
    if (!match.hasMatch()) {
        err << name << " takes a campaign as YYYY/CC, not '" << line.option(name) << "'.\n";
        return std::nullopt;
    }
    const Campaign campaign{match.captured(1).toInt(), match.captured(2).toInt()};
    if (!session.campaignInRange(campaign.year, campaign.number))
        return std::nullopt;
    return campaign;
}

// Reads the criteria options; false (after one line) when one is not usable.
bool readCriteria(const CommandLine &line, CommandSession &session, customers::SearchCriteria &c, QTextStream &err)
{
    using namespace customers;
    c.lastName = line.option(QStringLiteral("--last"));
    c.firstName = line.option(QStringLiteral("--first"));
    if (line.flag(QStringLiteral("--status"))) {
        const QString status = line.option(QStringLiteral("--status"));
        static const QStringList statuses = {QStringLiteral("Active"), QStringLiteral("Closed"), QStringLiteral("Deleted")};
        if (!statuses.contains(status)) {
            err << "--status takes Active, Closed or Deleted, not '" << status << "'.\n";
            return false;
        }
        c.status = status;
    }
    for (const auto &[name, target] : {std::pair{QStringLiteral("--ordered-in"), &c.orderedIn},
                                       std::pair{QStringLiteral("--not-ordered-in"), &c.notOrderedIn}}) {
        if (!line.flag(name))
            continue;
        *target = campaignOption(line, name, session, err);
        if (!*target)
            return false;
    }
    const cOption &o = session.state().options;
    const Campaign selected = c.orderedIn ? *c.orderedIn
                            : c.notOrderedIn ? *c.notOrderedIn
                                             : Campaign{o.CurrentCampaignYear, o.CurrentCampaignNumber};
    if (line.flag(QStringLiteral("--balance"))) {
        const QString kind = line.option(QStringLiteral("--balance"));
        if (kind != QLatin1String("nonzero") && kind != QLatin1String("debit") && kind != QLatin1String("credit")) {
            err << "--balance takes nonzero, debit or credit, not '" << kind << "'.\n";
            return false;
        }
        c.balanceBefore = selected;
        c.balanceKind = kind == QLatin1String("debit") ? BalanceKind::Debit
                      : kind == QLatin1String("credit") ? BalanceKind::Credit
                                                        : BalanceKind::NonZero;
    }
    if (line.flag(QStringLiteral("--product"))) {
        // Up to three, as the screen has three boxes.
        const QStringList products = line.values(QStringLiteral("--product"));
        if (products.size() > 3) {
            err << "--product may be given up to three times.\n";
            return false;
        }
        c.productIn = selected;
        c.products = products;
    }
    const QString order = line.option(QStringLiteral("--order"));
    if (!order.isEmpty() && order != QLatin1String("name") && order != QLatin1String("number")) {
        err << "--order takes name or number, not '" << order << "'.\n";
        return false;
    }
    c.order = order == QLatin1String("number") ? ResultOrder::ByNumber : ResultOrder::ByName;
    return true;
}

int findCustomers(CommandSession &session, const CommandLine &line, QTextStream &out, QTextStream &err)
{
    customers::SearchCriteria criteria;
    if (!readCriteria(line, session, criteria, err))
        return 2;
    if (!session.reopenForWriting())
        return 1;
    const std::optional<std::vector<int>> found = customers::findCustomers(session.state(), criteria);
    if (!found)
        return 1;
    for (const int number : *found)
        out << number << '\n';
    return 0;
}

// A CSV field, quoted when it holds a comma, a quote or a line break.
QString csv(const QString &value)
{
    const bool plain = std::none_of(value.begin(), value.end(), [](QChar ch) {
        return ch == QLatin1Char('"') || ch == QLatin1Char(',') || ch == QLatin1Char('\r') || ch == QLatin1Char('\n');
    });
    if (plain)
        return value;
    return QLatin1Char('"') + QString(value).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

} // namespace

int runCustomerCommand(const CommandLine &line, QTextStream &out, QTextStream &err)
{
    const QStringList args = line.arguments;
    const QString action = args.value(0);
    const bool known = (args.size() == 1 && (action == QLatin1String("new") || action == QLatin1String("find")))
                    || (args.size() == 2 && action == QLatin1String("delete"));
    if (!known) {
        err << kUsage;
        return 2;
    }
    CommandSession session(line, err);
    const bool checkFirst = action != QLatin1String("new");
    if (!session.openDatabase(line.database, checkFirst ? CommandSession::Access::Read : CommandSession::Access::Write))
        return 1;
    if (action == QLatin1String("new"))
        return createCustomer(session, line, out);
    if (action == QLatin1String("delete"))
        return deleteCustomer(session, args[1], out, err);
    return findCustomers(session, line, out, err);
}

int runHistoryCommand(const CommandLine &line, QTextStream &out, QTextStream &err)
{
    if (!line.arguments.isEmpty()) {
        err << "Usage: zel history --db FILE [--catalog C] [--product P] [--shade S] [--size Z] [--quick TEXT] [--current]\n";
        return 2;
    }
    CommandSession session(line, err);
    if (!session.openDatabase(line.database, CommandSession::Access::Read))
        return 1;
    customers::HistoryCriteria criteria;
    criteria.catalogNumber = line.option(QStringLiteral("--catalog"));
    criteria.product = line.option(QStringLiteral("--product"));
    criteria.shade = line.option(QStringLiteral("--shade"));
    criteria.size = line.option(QStringLiteral("--size"));
    criteria.quick = line.option(QStringLiteral("--quick"));
    if (line.flag(QStringLiteral("--current"))) {
        const cOption &o = session.state().options;
        criteria.campaign = Campaign{o.CurrentCampaignYear, o.CurrentCampaignNumber};
    }
    for (const customers::HistoryLine &l : customers::findHistory(session.state().data, criteria))
        out << l.customer << ',' << csv(l.customerName()) << ',' << l.year << '/'
            << QString::number(l.campaign).rightJustified(2, QLatin1Char('0')) << ',' << csv(l.catalogNumber) << ','
            << csv(l.product) << ',' << l.quantity << ',' << l.total.format(u"0.00") << '\n';
    return 0;
}

} // namespace zel
