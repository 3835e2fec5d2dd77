#include "customers/customer_trees.h"

#include "shell/data_access.h"

#include <QHash>

#include <algorithm>

namespace zel::customers {

namespace {

const QString kProcedure = QStringLiteral("CustomerTrees");

// What the trees need of a customer, read once for all three.
struct TreeRow
{
    int number = 0;
    QString lastName;
    QString firstName;
    QString status;
    int helper = 0;
    bool isHelper = false;
    QString text;
    // SQLite's order of text: its UTF-8 bytes, a missing value first.
    std::pair<bool, QByteArray> firstNameOrder() const { return {!firstName.isNull(), firstName.toUtf8()}; }
};

QString nodeText(const RecordSet &row)
{
    const auto v = [&](int column) { return row.value(column).toString(); };
    return v(1) + QStringLiteral(", ") + v(2) + QStringLiteral("  (#") + v(0) + QStringLiteral(") - ")
         + QStringList({v(3), v(4), v(5), v(6), v(7)}).join(QLatin1Char(' '));
}

// Every customer by last and first name, as SQLite orders them.
std::vector<TreeRow> readRows(cDataAccess &data)
{
    data.setSQL(QStringLiteral("Select [Customers Number], [Customers Last Name], [Customers First Name], [Customers House Number], "
                               "[Customers Address], [Customers City], [Customers State], [Customers Zip Code], [Customers "
                               "Status], [Customers Business Helper Number], [Customers Business Helper Flag] From Customers "
                               "Order By [Customers Last Name], [Customers First Name]"));
    RecordSet rows = data.GetSnapShot(kProcedure);
    std::vector<TreeRow> out;
    while (rows.next())
        out.push_back({rows.value(0).toInt(), rows.value(1).toString(), rows.value(2).toString(), rows.value(8).toString(),
                       rows.value(9).toInt(), rows.value(10).toString() == QLatin1String("Y"), nodeText(rows)});
    return out;
}

std::vector<TreeGroup> letterGroups(const QString &missing)
{
    std::vector<TreeGroup> groups;
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        groups.push_back({QString(QLatin1Char(letter)), {}});
    groups.push_back({missing, {}});
    groups.push_back({QStringLiteral("Closed"), {}});
    groups.push_back({QStringLiteral("Deleted"), {}});
    return groups;
}

std::vector<TreeGroup> byName(const std::vector<const TreeRow *> &rows, bool lastName)
{
    std::vector<TreeGroup> groups = letterGroups(lastName ? QStringLiteral("Missing Last Names") : QStringLiteral("Missing First Names"));
    const size_t missing = 26;
    for (const TreeRow *row : rows) {
        const QString name = (lastName ? row->lastName : row->firstName).trimmed().toUpper();
        size_t group = missing;
        if (row->status == QLatin1String("Closed"))
            group = missing + 1;
        else if (row->status == QLatin1String("Deleted"))
            group = missing + 2;
        else if (!name.isEmpty() && name[0] >= QLatin1Char('A') && name[0] <= QLatin1Char('Z'))
            group = size_t(name[0].unicode() - 'A');
        groups[group].customers.push_back({row->number, row->text});
    }
    return groups;
}

std::vector<TreeGroup> byHelper(const std::vector<const TreeRow *> &rows)
{
    std::vector<TreeGroup> groups;
    QHash<int, size_t> groupOfHelper;
    for (const TreeRow *row : rows) {
        if (!row->isHelper)
            continue;
        groupOfHelper.insert(row->number, groups.size());
        groups.push_back({row->lastName.trimmed() + QStringLiteral(", ") + row->firstName.trimmed(), {}});
    }
    const size_t none = groups.size();
    groups.push_back({QStringLiteral("No Helper"), {}});
    for (const TreeRow *row : rows)
        groups[groupOfHelper.value(row->helper, none)].customers.push_back({row->number, row->text});
    return groups;
}

} // namespace

CustomerTrees customerTrees(cDataAccess &data)
{
    const std::vector<TreeRow> rows = readRows(data);
    std::vector<const TreeRow *> byLast;
    std::vector<std::pair<std::pair<bool, QByteArray>, const TreeRow *>> firstNames;
    for (const TreeRow &row : rows) {
        byLast.push_back(&row);
        firstNames.push_back({row.firstNameOrder(), &row});
    }
    // Stable, so customers of one first name stay in last-name order.
    std::stable_sort(firstNames.begin(), firstNames.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    std::vector<const TreeRow *> byFirst;
    for (const auto &entry : firstNames)
        byFirst.push_back(entry.second);
    return {byName(byLast, true), byName(byFirst, false), byHelper(byLast)};
}
bool customerStillExists(cDataAccess &data, int number)
{
    return data.number(kProcedure, QStringLiteral("Select Count(*) as CountEm From Customers Where [Customers Number] = ?"), {number})
         > 0;
}

} // namespace zel::customers
