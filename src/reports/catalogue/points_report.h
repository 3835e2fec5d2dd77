#pragma once

#include "reports/catalogue/catalogue_report.h"

namespace zel::reports::catalogue {

// Tab 17: customers' points. Selects into rptPoints the customers of the chosen status with their
// nine point counts and their sum, leaving out customers without points unless asked and, when
// chosen, customers who did not order in the campaign; sorted by name, number or points.
class PointsReport : public CatalogueReport
{
public:
    static inline const QString kOrdered = QStringLiteral("ordered");  // only customers who ordered in the campaign
    static inline const QString kStatus = QStringLiteral("status");    // Active, Closed, Deleted or All
    static inline const QString kNoPoints = QStringLiteral("noPoints"); // include customers with no points
    static inline const QString kSort = QStringLiteral("sort");        // name, number or points

    QString name() const override { return QStringLiteral("points"); }
    QString title() const override { return QStringLiteral("Points"); }
    QString description() const override { return QStringLiteral("the customers' points"); }
    QStringList layoutNames() const override { return {QStringLiteral("rptPoints")}; }
    std::vector<ReportChoice> choices() const override;

    std::optional<QString> prepare(AppState &state, const ReportParameters &parameters) const override;
    ReportRequest request(const AppState &state, const ReportParameters &parameters) const override;
    Document layOut(AppState &state, const ReportRequest &request) const override;
};

} // namespace zel::reports::catalogue
