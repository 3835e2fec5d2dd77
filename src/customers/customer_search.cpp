#include "customers/customer_search.h"

#include "core/prompter.h"
#include "session/app_state.h"
#include "shell/transaction.h"

namespace zel::customers {

namespace {

const QString kProcedure = QStringLiteral("CustomerSearch");

// A typed entry as a LIKE pattern: quotes become the one-character wildcard, the classic '*' and
// '?' wildcards keep their meaning, and SQLite's own '%' and '_' are taken literally.
QString likeText(const QString &entry)
{
    QString out;
    for (const QChar ch : entry) {
        if (ch == QLatin1Char('\'') || ch == QLatin1Char('"') || ch == QLatin1Char('?'))
            out += QLatin1Char('_');
        else if (ch == QLatin1Char('*'))
            out += QLatin1Char('%');
        else if (ch == QLatin1Char('%') || ch == QLatin1Char('_') || ch == QLatin1Char('\\'))
            out += QLatin1Char('\\') + ch;
        else
            out += ch;
    }
    return out;
}

// Collects " And "-joined conditions with their bound values.
class Where
{
public:
    void add(const QString &condition, const QVariantList &values = {})
    {
        m_conditions << condition;
        m_values += values;
    }
    // A prefix match on a column; an empty entry still asks for a value (Null never matches).
    void prefix(const char *column, const QString &entry)
    {
        add(QStringLiteral("[%1] Like ? Escape '\\'").arg(QLatin1String(column)), {likeText(entry.trimmed()) + QLatin1Char('%')});
    }
    QString text() const { return m_conditions.join(QStringLiteral(" And ")); }
    const QVariantList &values() const { return m_values; }

private:
    QStringList m_conditions;
    QVariantList m_values;
};

bool chosen(const QString &choice)
{
    return !choice.isEmpty() && choice != kNotApplicable;
}

void addColumnConditions(Where &where, const SearchCriteria &c)
{
    if (c.number > 0)
        where.add(QStringLiteral("[Customers Number] = ?"), {c.number});
    else
        where.add(QStringLiteral("[Customers Number] > 0"));
    where.prefix("Customers First Name", c.firstName);
    where.prefix("Customers Last Name", c.lastName);
    where.prefix("Customers House Number", c.houseNumber);
    where.prefix("Customers Address", c.address);
    where.prefix("Customers City", c.city);
    where.prefix("Customers State", c.state);
    where.prefix("Customers Zip Code", c.zipCode);
    where.prefix("Customers Phone 1", c.phone1);
    where.prefix("Customers Phone 2", c.phone2);
    where.prefix("Customers Phone 3", c.phone3);
    where.prefix("Customers Email", c.email);
    if (chosen(c.referredBy))
        where.add(QStringLiteral("[Customers Referred By] Like ? Escape '\\'"), {likeText(c.referredBy)});
    if (chosen(c.area))
        where.add(QStringLiteral("[Customers Area] Like ? Escape '\\'"), {likeText(c.area)});
    if (c.helper)
        where.add(QStringLiteral("[Customers Business Helper Number] = ?"), {*c.helper});
    else
        where.add(QStringLiteral("[Customers Business Helper Number] >= 0 "));
    if (c.discountPercent)
        where.add(QStringLiteral("[Customers Discount Percent] = ?"), {c.discountPercent->toDouble()});
    else
        where.add(QStringLiteral("[Customers Discount Percent] >= 0"));
    if (c.numberOfBooks)
        where.add(QStringLiteral("[Customers Number Of Books] = ?"), {*c.numberOfBooks});
    else
        where.add(QStringLiteral("[Customers Number Of Books] >= 0"));
    if (c.pointsCounter >= 1 && c.pointsCounter <= 9)
        where.add(QStringLiteral("[Customers Points%1] > ?").arg(c.pointsCounter), {c.pointsAbove});
    if (!c.comments.trimmed().isEmpty()) {
        const QString pattern = QLatin1Char('%') + likeText(c.comments.trimmed()) + QLatin1Char('%');
        QStringList any;
        QVariantList values;
        for (int i = 0; i < 5; ++i) {
            any << QStringLiteral("[Customers Comments%1] Like ? Escape '\\'").arg(i);
            values << pattern;
        }
        where.add(QLatin1Char('(') + any.join(QStringLiteral(" or ")) + QStringLiteral(") "), values);
    }
    if (chosen(c.status))
        where.add(QStringLiteral("[Customers Status] = ?"), {c.status});
}

const QString kOrdersOfCustomer = QStringLiteral("Select 1 From Orders Where [Orders Customer Number] = Customers.[Customers Number]");

// The campaign criteria, asked of every customer at once rather than one customer at a time.
void addCampaignConditions(Where &where, const SearchCriteria &c, const QDate &today)
{
    const QString inCampaign = kOrdersOfCustomer + QStringLiteral(" And [Orders Campaign Number] = ? And [Orders Campaign Year] = ?");
    if (c.orderedIn)
        where.add(QStringLiteral("Exists (") + inCampaign + QLatin1Char(')'), {c.orderedIn->number, c.orderedIn->year});
    if (c.notOrderedIn)
        where.add(QStringLiteral("Not Exists (") + inCampaign + QLatin1Char(')'), {c.notOrderedIn->number, c.notOrderedIn->year});
    if (c.balanceBefore) {
        // Money is kept to four decimals, so the sum is rounded there before it is compared.
        const QString before = QStringLiteral(
            "Round(Coalesce((Select Sum([Orders Unit Total]) From Orders Where [Orders Customer Number] = Customers.[Customers "
            "Number] And [Orders Internal Flag] = 'TOTAL' And ([Orders Campaign Year] < ? Or ([Orders Campaign Year] = ? And "
            "[Orders Campaign Number] < ?))), 0) + Coalesce((Select Sum([Payments Amount]) From Payments Where [Payments "
            "Customer Number] = Customers.[Customers Number] And ([Payments Campaign Year] < ? Or ([Payments Campaign Year] = ? "
            "And [Payments Campaign Number] < ?))), 0), 4)");
        const char *test = c.balanceKind == BalanceKind::Debit ? " > 0" : c.balanceKind == BalanceKind::Credit ? " < 0" : " <> 0";
        const Campaign &b = *c.balanceBefore;
        where.add(before + QLatin1String(test), {b.year, b.year, b.number, b.year, b.year, b.number});
    }
    if (c.productIn) {
        // Only the entries filled in count, and only order lines: an empty entry matched every
        // computed row, and turned "ordered this product" into "ordered anything".
        QStringList tests;
        QVariantList values{c.productIn->number, c.productIn->year};
        for (const QString &product : c.products.mid(0, 3)) {
            if (product.trimmed().isEmpty())
                continue;
            tests << QStringLiteral("[Orders Catalog Number] = ?");
            values << product.trimmed();
        }
        if (tests.isEmpty())
            tests << QStringLiteral("0 = 1"); // no product given: no customer has ordered it
        where.add(QStringLiteral("Exists (") + inCampaign + QStringLiteral(" And [Orders Internal Flag] = 'DETAIL' And (")
                      + tests.join(QStringLiteral(" OR ")) + QStringLiteral("))"),
                  values);
    }
    if (c.noOrdersInPast && c.pastCampaigns > 0) {
        const Campaign &now = *c.noOrdersInPast;
        where.add(QStringLiteral("Not Exists (") + kOrdersOfCustomer
                      + QStringLiteral(" And [Orders Campaign Year] = ? And [Orders Campaign Number] > ? "
                                       "And [Orders Campaign Number] <= ?)"),
                  {now.year, now.number - c.pastCampaigns, now.number});
    }
    if (c.eventsApproaching) {
        const QString day = today.toString(Qt::ISODate);
        where.add(QStringLiteral("Exists (Select 1 From Dates Where [Dates Customer Number] = Customers.[Customers Number] "
                                 "And date([Dates Date], '-' || Coalesce([Dates Notify Days], 0) || ' days') <= ? "
                                 "And date([Dates Date]) >= ?)"),
                  {day, day});
    }
}

bool markFound(AppState &state, const std::vector<int> &found)
{
    cDataAccess &data = state.data;
    Transaction transaction(state.database.handle());
    if (!data.exec(kProcedure, QStringLiteral("Update Customers Set [Customers Label Flag 2] = 'N' ")))
        return false;
    for (const int number : found)
        if (!data.exec(kProcedure, QStringLiteral("Update Customers Set [Customers Label Flag 2] = 'Y' Where [Customers Number] = ? "),
                       {number}))
            return false;
    return transaction.commit();
}

std::vector<int> numbers(cDataAccess &data)
{
    RecordSet rows = data.GetSnapShot(kProcedure);
    std::vector<int> out;
    while (rows.next())
        out.push_back(rows.value(0).toInt());
    return out;
}

} // namespace

QString orderClause(ResultOrder order)
{
    return order == ResultOrder::ByNumber ? QStringLiteral(" Order by [Customers Number] ASC ")
                                          : QStringLiteral(" Order by [Customers Last Name], [Customers First Name] ");
}

QString missingCampaign(const SearchCriteria &c)
{
    const auto lacks = [](const std::optional<Campaign> &campaign) { return campaign && campaign->number <= 0; };
    const QString start = QStringLiteral("Please select a Campaign");
    if (lacks(c.notOrderedIn))
        return start + QStringLiteral(" number when searching for customers without an order.");
    if (lacks(c.orderedIn))
        return start + QStringLiteral(" number when searching for customers with an order.");
    if (lacks(c.balanceBefore))
        return start + QStringLiteral(" number when searching for customers with an outstanding balance.");
    if (lacks(c.productIn))
        return start + QStringLiteral(" number when searching for orders with a specified product.");
    return {};
}

std::optional<std::vector<int>> findCustomers(AppState &state, const SearchCriteria &criteria)
{
    if (const QString message = missingCampaign(criteria); !message.isEmpty()) {
        state.prompter.information(message);
        return std::nullopt;
    }
    Where where;
    addColumnConditions(where, criteria);
    addCampaignConditions(where, criteria, state.now().date());
    state.data.setSQL(QStringLiteral("Select [Customers Number] From Customers Where ") + where.text() + orderClause(criteria.order),
                      where.values());
    const std::vector<int> found = numbers(state.data);
    if (!markFound(state, found))
        return std::nullopt;
    state.prompter.status(QString::number(found.size()) + QStringLiteral(" Customers Found."));
    return found;
}

std::vector<int> allCustomers(cDataAccess &data, ResultOrder order)
{
    data.setSQL(QStringLiteral("Select [Customers Number] From Customers ") + orderClause(order));
    return numbers(data);
}

QString foundText(int count)
{
    return QString::number(count) + (count == 1 ? QStringLiteral(" Customer Found.") : QStringLiteral(" Customers Found."));
}

} // namespace zel::customers
