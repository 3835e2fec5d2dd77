#include "customers/customer_trees.h"

#include "shell/data_access.h"

#include <QHash>

namespace zel::customers {

namespace {

const QString kProcedure = QStringLiteral("CustomerTrees");

QString nodeText(const RecordSet &row)
{
    const auto v = [&](const char *column) { return row.value(QLatin1String(column)).toString(); };
    return v("Customers Last Name") + QStringLiteral(", ") + v("Customers First Name") + QStringLiteral("  (#")
         + v("Customers Number") + QStringLiteral(") - ")
         + QStringList({v("Customers House Number"), v("Customers Address"), v("Customers City"), v("Customers State"),
                        v("Customers Zip Code")})
               .join(QLatin1Char(' '));
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

std::vector<TreeGroup> byName(cDataAccess &data, bool lastName)
{
    const char *first = lastName ? "Customers Last Name" : "Customers First Name";
    const char *second = lastName ? "Customers First Name" : "Customers Last Name";
    std::vector<TreeGroup> groups = letterGroups(lastName ? QStringLiteral("Missing Last Names") : QStringLiteral("Missing First Names"));
    const size_t missing = 26;
    data.setSQL(QStringLiteral("Select * from Customers Order by [%1], [%2] ").arg(QLatin1String(first), QLatin1String(second)));
    RecordSet rows = data.GetSnapShot(kProcedure);
    while (rows.next()) {
        const QString status = rows.value(QStringLiteral("Customers Status")).toString();
        const QString name = rows.value(QLatin1String(first)).toString().trimmed().toUpper();
        size_t group = missing;
        if (status == QLatin1String("Closed"))
            group = missing + 1;
        else if (status == QLatin1String("Deleted"))
            group = missing + 2;
        else if (!name.isEmpty() && name[0] >= QLatin1Char('A') && name[0] <= QLatin1Char('Z'))
            group = size_t(name[0].unicode() - 'A');
        groups[group].customers.push_back({rows.value(QStringLiteral("Customers Number")).toInt(), nodeText(rows)});
    }
    return groups;
}

std::vector<TreeGroup> byHelper(cDataAccess &data)
{
    std::vector<TreeGroup> groups;
    QHash<int, size_t> groupOfHelper;
    data.setSQL(QStringLiteral("SELECT Customers.[Customers Number], Customers.[Customers Last Name], Customers.[Customers First "
                               "Name] From Customers Where (((Customers.[Customers Business Helper Flag]) = 'Y')) "
                               "ORDER BY Customers.[Customers Last Name], Customers.[Customers First Name] "));
    RecordSet helpers = data.GetSnapShot(kProcedure);
    while (helpers.next()) {
        groupOfHelper.insert(helpers.value(0).toInt(), groups.size());
        groups.push_back({helpers.value(1).toString().trimmed() + QStringLiteral(", ") + helpers.value(2).toString().trimmed(), {}});
    }
    const size_t none = groups.size();
    groups.push_back({QStringLiteral("No Helper"), {}});
    data.setSQL(QStringLiteral("Select * From Customers Order by [Customers Last Name], [Customers First Name] "));
    RecordSet rows = data.GetSnapShot(kProcedure);
    while (rows.next()) {
        const size_t group = groupOfHelper.value(rows.value(QStringLiteral("Customers Business Helper Number")).toInt(), none);
        groups[group].customers.push_back({rows.value(QStringLiteral("Customers Number")).toInt(), nodeText(rows)});
    }
    return groups;
}

} // namespace

std::vector<TreeGroup> customerTree(cDataAccess &data, TreeKind kind)
{
    switch (kind) {
    case TreeKind::LastName: return byName(data, true);
    case TreeKind::FirstName: return byName(data, false);
    case TreeKind::Helper: return byHelper(data);
    }
    return {};
}

bool customerStillExists(cDataAccess &data, int number)
{
    return data.number(kProcedure, QStringLiteral("Select Count(*) as CountEm From Customers Where [Customers Number] = ?"), {number})
         > 0;
}

} // namespace zel::customers
