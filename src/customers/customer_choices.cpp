#include "customers/customer_choices.h"

#include "shell/data_access.h"

namespace zel::customers {

namespace {

const QString kProcedure = QStringLiteral("CustomerChoices");

QStringList firstColumn(cDataAccess &data)
{
    RecordSet rows = data.GetSnapShot(kProcedure);
    QStringList out;
    while (rows.next())
        if (const QString value = rows.value(0).toString(); !value.isEmpty())
            out << value;
    return out;
}

QString addressUnion(const char *first, const char *second, const char *as)
{
    return QStringLiteral("Select Distinct [%1] as [%3] From Customers UNION Select Distinct [%2] AS [%3] From Customers "
                          "Order by [%3] ")
        .arg(QLatin1String(first), QLatin1String(second), QLatin1String(as));
}

QString distinctOf(const char *column)
{
    return QStringLiteral("Select Distinct [%1] From Customers Order by [%1] ").arg(QLatin1String(column));
}

// The lookup of one entered part in both addresses, lowest customer number first.
QString placeLookup(const QString &firstWhere, const QString &secondWhere)
{
    return QStringLiteral(" Select [Customers Number], [Customers City] as [City], [Customers State] as [State], [Customers Zip "
                          "Code] as [Zip]  From Customers Where ")
         + firstWhere
         + QStringLiteral(" UNION  Select [Customers Number], [Customers City 2] as [City], [Customers State 2] as [State], "
                          "[Customers Zip Code 2] as [Zip]  From Customers Where ")
         + secondWhere + QStringLiteral(" Order By [Customers Number] Limit 1");
}

} // namespace

QStringList choiceValues(cDataAccess &data, ChoiceList list)
{
    switch (list) {
    case ChoiceList::City: data.setSQL(addressUnion("Customers City", "Customers City 2", "City")); break;
    case ChoiceList::State: data.setSQL(addressUnion("Customers State", "Customers State 2", "State")); break;
    case ChoiceList::ZipCode: data.setSQL(addressUnion("Customers Zip Code", "Customers Zip Code 2", "Zip")); break;
    case ChoiceList::Country: data.setSQL(addressUnion("Customers Country 1", "Customers Country 2", "Country")); break;
    case ChoiceList::Area: data.setSQL(distinctOf("Customers Area")); break;
    case ChoiceList::PickupMessage: data.setSQL(distinctOf("Customers Delivery Pickup Message")); break;
    case ChoiceList::ReferredBy: data.setSQL(distinctOf("Customers Referred By")); break;
    case ChoiceList::BrochureType: data.setSQL(distinctOf("Customers Brochure Type")); break;
    case ChoiceList::BrochureStatus: data.setSQL(distinctOf("Customers Brochure Status")); break;
    }
    return firstColumn(data);
}

Place completePlace(cDataAccess &data, Place place, PlacePart entered)
{
    const QString value = entered == PlacePart::City ? place.city : entered == PlacePart::State ? place.state : place.zipCode;
    const int empty = int(place.city.isEmpty()) + int(place.state.isEmpty()) + int(place.zipCode.isEmpty());
    if (value.isEmpty() || empty == 0)
        return place;
    switch (entered) {
    case PlacePart::City:
        data.setSQL(placeLookup(QStringLiteral("[Customers City] = ?"), QStringLiteral("[Customers City 2] = ?")), {value, value});
        break;
    case PlacePart::State:
        data.setSQL(placeLookup(QStringLiteral("[Customers State] = ? And [Customers City] = ?"),
                                QStringLiteral("[Customers State 2] = ? And [Customers City 2] = ?")),
                    {value, place.city, value, place.city});
        break;
    case PlacePart::ZipCode:
        data.setSQL(placeLookup(QStringLiteral("[Customers Zip Code] = ?"), QStringLiteral("[Customers Zip Code 2] = ?")),
                    {value, value});
        break;
    }
    RecordSet row = data.GetSnapShot(kProcedure);
    if (!row.next())
        return place;
    const auto fill = [](QString &part, const QVariant &found) {
        if (part.isEmpty())
            part = found.toString();
    };
    fill(place.city, row.value(1));
    fill(place.state, row.value(2));
    fill(place.zipCode, row.value(3));
    return place;
}

std::vector<Helper> helpers(cDataAccess &data)
{
    data.setSQL(QStringLiteral("Select [Customers Number], Trim([Customers First Name]) || ' ' || Trim([Customers Last Name]) As "
                               "[CustomerName] From Customers Where [Customers Business Helper Flag] = 'Y' "
                               "Order by [Customers Last Name], [Customers First Name] "));
    RecordSet rows = data.GetSnapShot(kProcedure);
    std::vector<Helper> out;
    while (rows.next())
        out.push_back({rows.value(0).toInt(), rows.value(1).toString()});
    return out;
}

std::vector<CustomerChoice> customersByName(cDataAccess &data)
{
    data.setSQL(QStringLiteral("Select [Customers Number], Trim(Coalesce([Customers Last Name], '')), Trim(Coalesce([Customers "
                               "First Name], '')) From Customers Order by [Customers Last Name], [Customers First Name], "
                               "[Customers Number]"));
    std::vector<CustomerChoice> out;
    for (RecordSet rows = data.GetSnapShot(kProcedure); rows.next();) {
        const QString last = rows.value(1).toString(), first = rows.value(2).toString();
        const QString name = last.isEmpty() || first.isEmpty() ? last + first : last + QStringLiteral(", ") + first;
        out.push_back({rows.value(0).toInt(), QStringLiteral("%1 (%2)").arg(name).arg(rows.value(0).toInt())});
    }
    return out;
}

} // namespace zel::customers
