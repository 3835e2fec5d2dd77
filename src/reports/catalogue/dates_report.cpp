#include "reports/catalogue/dates_report.h"

#include "session/app_state.h"

namespace zel::reports::catalogue {

std::vector<ReportChoice> DatesReport::choices() const
{
    return {helperChoice(),
            wordChoice(QStringLiteral("--events"), kEvents, {QStringLiteral("all"), QStringLiteral("past"), QStringLiteral("future")}),
            wordChoice(QStringLiteral("--status"), kStatus,
                       {QStringLiteral("all"), QStringLiteral("active"), QStringLiteral("closed"), QStringLiteral("deleted")}),
            wordChoice(QStringLiteral("--sort"), kSort, {QStringLiteral("date"), QStringLiteral("name"), QStringLiteral("number")})};
}

QString DatesReport::datesSelect(const QDate &now, const ReportParameters &parameters, QVariantList &values)
{
    const QString today = now.toString(Qt::ISODate);
    const QString events = word(parameters, kEvents, QStringLiteral("all"));
    // The day the event falls on: this year's anniversary when the date comes back every year. Among
    // the coming dates, an anniversary already past this year comes next year (in December, January's).
    const QString thisYear = QString::number(now.year());
    const QString monthDay = QStringLiteral("Substr(Dates.[Dates Date], 5, 6)");
    QString anniversary = QStringLiteral("? || ") + monthDay;
    values << thisYear;
    if (events == QLatin1String("future")) {
        anniversary = QStringLiteral("Case When ? || %1 >= ? Then ? || %1 Else ? || %1 End").arg(monthDay);
        values << today << thisYear << QString::number(now.year() + 1);
    }
    QString select = QStringLiteral(
        "Select * From (Select Dates.*, Customers.[Customers Last Name], Customers.[Customers First Name], "
        "Customers.[Customers Phone 1], %1 As [CustomerName], Case When Dates.[Dates Auto Update Year] = 'Y' Then %2 "
        "Else Substr(Dates.[Dates Date], 1, 10) End As [EventDay] From Dates "
        "Inner Join Customers On Customers.[Customers Number] = Dates.[Dates Customer Number] Where Dates.[Dates Date] Is Not Null ")
                         .arg(lastFirstSql(QStringLiteral("Customers")), anniversary);
    select += statusClause(QStringLiteral("Customers.[Customers Status]"), text(parameters, kStatus, QStringLiteral("all")), values);
    select += helper(parameters).clause(QStringLiteral("Customers Business Helper Number"), values);
    select += QStringLiteral(") Where 1 = 1 ");
    if (events == QLatin1String("past")) {
        select += QStringLiteral(" And [EventDay] < ? ");
        values << today;
    } else if (events == QLatin1String("future")) {
        select += QStringLiteral(" And [EventDay] >= ? ");
        values << today;
    }
    return select;
}

std::optional<QString> DatesReport::prepare(AppState &state, const ReportParameters &parameters) const
{
    QVariantList values;
    const QString select = datesSelect(state.now().date(), parameters, values);
    if (!rebuild(state.data, QStringLiteral("rptDates"), select, values))
        return failedMessage();
    if (rowCount(state.data, QStringLiteral("rptDates")) == 0)
        return QStringLiteral("No customers found for current criteria.");
    return std::nullopt;
}

ReportRequest DatesReport::request(const AppState &state, const ReportParameters &parameters) const
{
    const QString events = word(parameters, kEvents, QStringLiteral("all"));
    const QString line = events == QLatin1String("past")     ? QStringLiteral("Past dates")
                       : events == QLatin1String("future") ? QStringLiteral("Coming dates")
                                                           : QStringLiteral("All dates");
    ReportRequest request = titledRequest(state, layoutNames()[0], parameters,
                                          {QStringLiteral("Dates to Remember"),
                                           line + QStringLiteral(" as of ") + state.now().date().toString(QStringLiteral("MM/dd/yyyy"))});
    const QString sort = word(parameters, kSort, QStringLiteral("date"));
    const QString byName = QStringLiteral("[Customers Last Name], [Customers First Name], [Dates Customer Number]");
    if (sort == QLatin1String("name"))
        request.set(QStringLiteral("OrderBy"), QStringLiteral(" Order By ") + byName + QStringLiteral(", [EventDay] "));
    else if (sort == QLatin1String("number"))
        request.set(QStringLiteral("OrderBy"), QStringLiteral(" Order By [Dates Customer Number], [EventDay] "));
    else
        request.set(QStringLiteral("OrderBy"), QStringLiteral(" Order By [EventDay], ") + byName);
    return request;
}

Document DatesReport::layOut(AppState &state, const ReportRequest &request) const
{
    using Format = TabularLayout::Format;
    TabularLayout table = listLayout(state, request);
    table.source(QStringLiteral("Select *, [EventDay] || ' 00:00:00' As [EventDate], Case When [Dates Auto Update Year] = 'Y' "
                                "Then 'Yes' Else '' End As [Yearly] From [rptDates] ")
                 + request.text(QStringLiteral("OrderBy")));
    addColumns(table, {col(QStringLiteral("EventDate"), QStringLiteral("Date"), 66, Format::Date),
                       col(QStringLiteral("Dates Description"), QStringLiteral("Description"), 160),
                       col(QStringLiteral("Dates Customer Number"), QStringLiteral("No."), 36, Format::Number),
                       col(QStringLiteral("CustomerName"), QStringLiteral("Customer"), 130),
                       col(QStringLiteral("Customers Phone 1"), QStringLiteral("Phone"), 90),
                       col(QStringLiteral("Yearly"), QStringLiteral("Yearly"), 40)});
    return table.layOut(state.data, QStringLiteral("Dates"));
}

} // namespace zel::reports::catalogue
