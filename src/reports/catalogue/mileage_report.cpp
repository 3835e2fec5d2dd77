#include "reports/catalogue/mileage_report.h"

#include "session/app_state.h"

namespace zel::reports::catalogue {

std::vector<ReportChoice> MileageReport::choices() const
{
    return {yesNoChoice(QStringLiteral("--by-date"), kByDate)};
}

int MileageReport::yearOf(const ReportParameters &parameters)
{
    const int year = whole(parameters, kYear);
    return year > 0 ? year : parameters.campaign.year;
}

std::optional<QString> MileageReport::prepare(AppState &state, const ReportParameters &parameters) const
{
    // "mm/dd/yyyy" (or an older "m/d/yyyy") read as yyyy-mm-dd, so the trips sort and group as dates.
    const QString d = QStringLiteral("Trim([Mileage Date])");
    const QString rest = QStringLiteral("Substr(%1, Instr(%1, '/') + 1)").arg(d);
    const QString select =
        QStringLiteral("Select Mileage.*, Substr(%1, -4) || '-' || Substr('0' || Substr(%1, 1, Instr(%1, '/') - 1), -2) || '-' || "
                       "Substr('0' || Substr(%2, 1, Instr(%2, '/') - 1), -2) As [SortDate], "
                       "Substr(Coalesce([Mileage Time], ''), 7, 2) As [TimeHalf], Substr(Coalesce([Mileage Time], ''), 1, 5) "
                       "As [TimeOfDay] From Mileage Where Substr(%1, -4) = ?")
            .arg(d, rest);
    if (!rebuild(state.data, QStringLiteral("rptMileage"), select, {QString::number(yearOf(parameters))}))
        return failedMessage();
    if (rowCount(state.data, QStringLiteral("rptMileage")) == 0)
        return QStringLiteral("No mileage data found.");
    return std::nullopt;
}

ReportRequest MileageReport::request(const AppState &state, const ReportParameters &parameters) const
{
    ReportRequest request = titledRequest(state, layoutNames()[flag(parameters, kByDate) ? 1 : 0], parameters,
                                          {QStringLiteral("Mileage"), QStringLiteral("Year %1").arg(yearOf(parameters))});
    // Morning before afternoon within a day: "hh:mm AM" sorts by its half of the day first.
    request.set(QStringLiteral("OrderBy"), QStringLiteral(" Order By [SortDate], [TimeHalf], Case When Substr([TimeOfDay], 1, 2) = '12' "
                                                          "Then '00' || Substr([TimeOfDay], 3) Else [TimeOfDay] End "));
    return request;
}

Document MileageReport::layOut(AppState &state, const ReportRequest &request) const
{
    using Format = TabularLayout::Format;
    TabularLayout table = listLayout(state, request, true);
    table.source(QStringLiteral("Select * From [rptMileage] ") + request.text(QStringLiteral("OrderBy")))
        .grandTotal(QStringLiteral("Total miles"));
    Format readings = Format::Money;
    if (request.text(QStringLiteral("ReportName")) == layoutNames()[1])
        table.groupBy(QStringLiteral("Mileage Date"), QStringLiteral("%1"), QStringLiteral("Total %1"));
    TabularLayout::Column start = col(QStringLiteral("Mileage Start Reading"), QStringLiteral("Start"), 66, readings);
    start.pattern = QStringLiteral("###,###,##0.0");
    TabularLayout::Column end = start;
    end.field = QStringLiteral("Mileage End Reading");
    end.heading = QStringLiteral("End");
    TabularLayout::Column trip = start;
    trip.field = QStringLiteral("Mileage Trip Total");
    trip.heading = QStringLiteral("Miles");
    trip.totalled = true;
    addColumns(table, {col(QStringLiteral("Mileage Date"), QStringLiteral("Date"), 66),
                       col(QStringLiteral("Mileage Time"), QStringLiteral("Time"), 56),
                       col(QStringLiteral("Mileage Reason"), QStringLiteral("Reason"), 100),
                       col(QStringLiteral("Mileage Description"), QStringLiteral("Description"), 130),
                       col(QStringLiteral("Mileage From Location"), QStringLiteral("From"), 90),
                       col(QStringLiteral("Mileage To Location"), QStringLiteral("To"), 90),
                       start, end, trip});
    return table.layOut(state.data, QStringLiteral("Mileage"));
}

} // namespace zel::reports::catalogue
