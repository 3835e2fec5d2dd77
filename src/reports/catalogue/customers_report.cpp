#include "reports/catalogue/customers_report.h"

#include "session/app_state.h"

namespace zel::reports::catalogue {

std::vector<ReportChoice> CustomersReport::choices() const
{
    return {helperChoice(),
            wordChoice(QStringLiteral("--status"), kStatus,
                {QStringLiteral("all"), QStringLiteral("active"), QStringLiteral("closed"), QStringLiteral("deleted")}),
            wordChoice(QStringLiteral("--sort"), kSort,
                {QStringLiteral("name"), QStringLiteral("number"), QStringLiteral("zip"), QStringLiteral("area"), QStringLiteral("city")})};
}

QString CustomersReport::orderBy(const QString &sort)
{
    const QString byName = QStringLiteral("[Customers Last Name], [Customers First Name], [Customers Number]");
    if (sort == QLatin1String("number"))
        return QStringLiteral(" Order By [Customers Number] ");
    if (sort == QLatin1String("zip"))
        return QStringLiteral(" Order By [Customers Zip Code], ") + byName;
    if (sort == QLatin1String("area"))
        return QStringLiteral(" Order By [Customers Area], ") + byName;
    if (sort == QLatin1String("city"))
        return QStringLiteral(" Order By [Customers City], ") + byName;
    return QStringLiteral(" Order By ") + byName;
}

std::optional<QString> CustomersReport::prepare(AppState &state, const ReportParameters &parameters) const
{
    QVariantList values;
    QString select = QStringLiteral("Select Customers.*, %1 As [CustomerName], %2 As [CustomerAddress], "
                                    "Trim(Coalesce([Customers Phone 1], '') || Case When Trim(Coalesce([Customers Phone 2], '')) "
                                    "<> '' Then ' / ' || Trim([Customers Phone 2]) Else '' End) As [CustomerPhones] "
                                    "From Customers Where 1 = 1 ")
                         .arg(lastFirstSql(), addressSql());
    select += statusClause(QStringLiteral("[Customers Status]"), text(parameters, kStatus, QStringLiteral("All")), values);
    select += helper(parameters).clause(QStringLiteral("Customers Business Helper Number"), values);
    if (!rebuild(state.data, QStringLiteral("rptCustomers"), select, values))
        return failedMessage();
    if (rowCount(state.data, QStringLiteral("rptCustomers")) == 0)
        return QStringLiteral("No customers found for current criteria.");
    return std::nullopt;
}

ReportRequest CustomersReport::request(const AppState &state, const ReportParameters &parameters) const
{
    const QString status = word(parameters, kStatus, QStringLiteral("all"));
    const QString line = (status == QLatin1String("all") ? QStringLiteral("All") : status.left(1).toUpper() + status.mid(1))
                       + QStringLiteral(" Customers");
    ReportRequest request = titledRequest(state, parameters.shortLayout ? layoutNames()[1] : layoutNames()[0], parameters,
                                          {QStringLiteral("Customer List"), line});
    request.set(QStringLiteral("OrderBy"), orderBy(word(parameters, kSort, QStringLiteral("name"))));
    return request;
}

Document CustomersReport::layOut(AppState &state, const ReportRequest &request) const
{
    using Format = TabularLayout::Format;
    TabularLayout table = listLayout(state, request);
    table.source(QStringLiteral("Select * From [rptCustomers] ") + request.text(QStringLiteral("OrderBy")));
    if (request.text(QStringLiteral("ReportName")) == layoutNames()[1])
        addColumns(table, {col(QStringLiteral("Customers Number"), QStringLiteral("No."), 36, Format::Number),
                           col(QStringLiteral("CustomerName"), QStringLiteral("Name"), 140),
                           col(QStringLiteral("Customers Phone 1"), QStringLiteral("Phone"), 110),
                           col(QStringLiteral("Customers Area"), QStringLiteral("Area"), 100),
                           col(QStringLiteral("Customers Status"), QStringLiteral("Status"), 64),
                           col(QStringLiteral("Customers Number Of Books"), QStringLiteral("Brochures"), 60, Format::Number, true)});
    else
        // The address gets the room a street, town and zip code need on one line.
        addColumns(table, {col(QStringLiteral("Customers Number"), QStringLiteral("No."), 30, Format::Number),
                           col(QStringLiteral("CustomerName"), QStringLiteral("Name"), 112),
                           col(QStringLiteral("CustomerAddress"), QStringLiteral("Address"), 214),
                           col(QStringLiteral("CustomerPhones"), QStringLiteral("Phones"), 84),
                           col(QStringLiteral("Customers Email"), QStringLiteral("Email"), 100)});
    return table.layOut(state.data, QStringLiteral("Customers"));
}

} // namespace zel::reports::catalogue
