#pragma once

#include "reports/catalogue/catalogue_report.h"

namespace zel::reports::catalogue {

// Tab 16: dates to remember. Selects into rptDates the customers' dates (birthdays and the like) of
// customers of the chosen status, those before today (past), from today on (future) or all, sorted
// by date, name or customer number. A date that comes back every year counts by its day in this year.
class DatesReport : public CatalogueReport
{
public:
    static inline const QString kEvents = QStringLiteral("events"); // past, future or all
    static inline const QString kStatus = QStringLiteral("status"); // Active, Closed, Deleted or All
    static inline const QString kSort = QStringLiteral("sort");     // date, name or number

    QString name() const override { return QStringLiteral("dates"); }
    QString title() const override { return QStringLiteral("Dates"); }
    QString description() const override { return QStringLiteral("the customers' dates to remember, past or coming"); }
    QStringList layoutNames() const override { return {QStringLiteral("rptDates")}; }
    std::vector<ReportOption> options() const override { return {}; }
    std::vector<ReportChoice> choices() const override;

    // The dates the report lists as of `today`, with the day each falls on ([EventDay]), as one select.
    static QString datesSelect(const QDate &today, const ReportParameters &parameters, QVariantList &values);
    std::optional<QString> prepare(AppState &state, const ReportParameters &parameters) const override;
    ReportRequest request(const AppState &state, const ReportParameters &parameters) const override;
    Document layOut(AppState &state, const ReportRequest &request) const override;
};

} // namespace zel::reports::catalogue
