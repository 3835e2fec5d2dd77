#include "customers/purchase_history.h"

#include "shell/data_access.h"

namespace zel::customers {

namespace {

const QString kProcedure = QStringLiteral("PurchaseHistory");
const QString kFrom = QStringLiteral(" FROM Orders INNER JOIN Customers ON Orders.[Orders Customer Number] = Customers.[Customers Number] ");
// By customer, then as she ordered. The plus signs keep SQLite from walking the whole Orders index
// in this order and fetching every row through it, which is slower than reading the table and
// sorting the few lines found; an index still serves a search for one customer.
const QString kOrder = QStringLiteral(" Order by +[Orders Customer Number], +[Orders Campaign Year], +[Orders Campaign Number], "
                                      "+[Orders Order Number], +[Orders Sequence Number]");
const char *const kColumns[] = {"Orders Catalog Number", "Orders Product", "Orders Shade", "Orders Size"};

struct Condition
{
    QString text;
    QVariantList values;
};

Condition condition(const HistoryCriteria &c)
{
    Condition out;
    QStringList parts;
    const QString quick = cleanedCriterion(c.quick.trimmed());
    if (!quick.isEmpty()) {
        for (const char *column : kColumns) {
            parts << QStringLiteral("[%1] Like ?").arg(QLatin1String(column));
            out.values << QLatin1Char('%') + quick + QLatin1Char('%');
        }
        out.text = QLatin1Char('(') + parts.join(QStringLiteral(" Or ")) + QLatin1Char(')');
    } else {
        const QString entries[] = {c.catalogNumber, c.product, c.shade, c.size};
        for (int i = 0; i < 4; ++i) {
            parts << QStringLiteral("[%1] Like ?").arg(QLatin1String(kColumns[i]));
            out.values << cleanedCriterion(entries[i].trimmed()) + QLatin1Char('%');
        }
        out.text = parts.join(QStringLiteral(" AND "));
    }
    // The flag first: SQLite tests the terms in the order written, and this one cheaply leaves out
    // half the rows before the pattern matches.
    out.text = QStringLiteral("WHERE [Orders Internal Flag] = 'DETAIL' AND ") + out.text;
    if (c.campaign) {
        out.text += QStringLiteral(" AND [Orders Campaign Year] = ?  AND [Orders Campaign Number] = ? ");
        out.values << c.campaign->year << c.campaign->number;
    }
    if (c.customer > 0) {
        out.text += QStringLiteral(" AND [Orders Customer Number] = ? ");
        out.values << c.customer;
    }
    return out;
}

} // namespace

QString cleanedCriterion(const QString &value)
{
    QString out = value;
    for (QChar &ch : out) {
        const char16_t u = ch.unicode();
        const bool plain = (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9');
        if (!plain)
            ch = QLatin1Char('_');
    }
    return out;
}

std::vector<HistoryLine> findHistory(cDataAccess &data, const HistoryCriteria &criteria)
{
    const Condition where = condition(criteria);
    // Only the columns the list shows, read by position: a quick search can find tens of thousands of lines.
    data.setSQL(QStringLiteral("SELECT [Orders Customer Number], [Customers First Name], [Customers Last Name], [Orders Campaign "
                               "Year], [Orders Campaign Number], [Orders Order Number], [Orders Page], [Orders Catalog Number], "
                               "[Orders Product], [Orders Shade], [Orders Size], [Orders Quanity], [Orders Unit Price], [Orders "
                               "Unit Total]")
                    + kFrom + where.text + kOrder,
                where.values);
    RecordSet rows = data.GetSnapShot(kProcedure);
    std::vector<HistoryLine> lines;
    const auto text = [&](int column) { return rows.value(column).toString(); };
    const auto whole = [&](int column) { return rows.value(column).toInt(); };
    const auto money = [&](int column) { return Currency::fromDouble(rows.value(column).toDouble()); };
    while (rows.next())
        lines.push_back({whole(0), text(1), text(2), whole(3), whole(4), whole(5), text(6), text(7), text(8), text(9), text(10),
                         whole(11), money(12), money(13)});
    return lines;
}

QStringList historyChoices(cDataAccess &data, HistoryColumn column)
{
    const QLatin1String name(kColumns[int(column)]);
    data.setSQL(QStringLiteral("Select Distinct [%1] From Orders Where [Orders Internal Flag] = 'DETAIL' And [%1] <> '' "
                               "Order By [%1]")
                    .arg(name));
    RecordSet rows = data.GetSnapShot(kProcedure);
    QStringList values;
    while (rows.next())
        values << rows.value(0).toString();
    return values;
}

std::optional<int> prepareHistoryTable(cDataAccess &data, const HistoryCriteria &criteria)
{
    const Condition where = condition(criteria);
    if (!data.exec(kProcedure, QStringLiteral("Drop Table If Exists [rptHistory]"))
        || !data.exec(kProcedure,
                      QStringLiteral("Create Table [rptHistory] As SELECT Orders.*, [Customers First Name], [Customers Last "
                                     "Name], Trim(Trim([Customers First Name]) || ' ' || Trim([Customers Last Name])) as "
                                     "CustomerFullName, Trim(Trim([Orders Catalog Number]) || ' - ' || Trim([Orders Product]) "
                                     "|| ' ' || Trim([Orders Shade]) || ' ' || Trim([Orders Size])) As CatalogProductShadeSize")
                          + kFrom + where.text,
                      where.values))
        return std::nullopt;
    return data.number(kProcedure, QStringLiteral("Select Count(*) From [rptHistory]"));
}

} // namespace zel::customers
