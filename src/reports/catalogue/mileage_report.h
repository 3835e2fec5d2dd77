#pragma once

#include "reports/catalogue/catalogue_report.h"

namespace zel::reports::catalogue {

// Tab 18: the mileage log of a year. Selects the Mileage rows of the year (their dates are
// "mm/dd/yyyy" texts) into rptMileage in date order; the by-date layout groups the trips of each
// day with a total per day.
class MileageReport : public CatalogueReport
{
public:
    static inline const QString kYear = QStringLiteral("year");     // the year; 0 or missing: the campaign's year
    static inline const QString kByDate = QStringLiteral("byDate"); // the by-date layout

    QString name() const override { return QStringLiteral("mileage"); }
    QString title() const override { return QStringLiteral("Mileage"); }
    QString description() const override { return QStringLiteral("the mileage log of a year, trip by trip or by date"); }
    QStringList layoutNames() const override { return {QStringLiteral("rptMileage"), QStringLiteral("rptMileageByDate")}; }
    std::vector<ReportChoice> choices() const override;

    std::optional<QString> prepare(AppState &state, const ReportParameters &parameters) const override;
    ReportRequest request(const AppState &state, const ReportParameters &parameters) const override;
    Document layOut(AppState &state, const ReportRequest &request) const override;

    static int yearOf(const ReportParameters &parameters);
};

} // namespace zel::reports::catalogue
