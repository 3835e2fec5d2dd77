#pragma once

#include "reports/catalogue/catalogue_report.h"

namespace zel::reports::catalogue {

// Tab 11: what each customer bought over a range of campaigns. rptFilter holds the order lines of
// the range (back orders left out, returns only when asked for); rptAnnualSummary sums them per
// customer: orders, items and amount, sorted by name, number or amount.
class AnnualSummaryReport : public CatalogueReport
{
public:
    static inline const QString kFrom = QStringLiteral("fromCampaign"); // a campaign key, 200801; missing: number 1 of the year
    static inline const QString kTo = QStringLiteral("toCampaign");     // a campaign key; missing: the selected campaign
    static inline const QString kReturns = QStringLiteral("returns");   // "Include Return Items"
    static inline const QString kSort = QStringLiteral("sort");         // name, number or amount

    QString name() const override { return QStringLiteral("annual-summary"); }
    QString title() const override { return QStringLiteral("Annual summary"); }
    QString description() const override { return QStringLiteral("each customer's orders, items and amount over a range of campaigns"); }
    QStringList layoutNames() const override { return {QStringLiteral("rptAnnualSummary")}; }
    std::vector<ReportChoice> choices() const override;

    std::optional<QString> prepare(AppState &state, const ReportParameters &parameters) const override;
    ReportRequest request(const AppState &state, const ReportParameters &parameters) const override;
    Document layOut(AppState &state, const ReportRequest &request) const override;

    // The range the choices give: from number 1 of the selected year to the selected campaign
    // unless told otherwise.
    static Campaign from(const ReportParameters &parameters);
    static Campaign to(const ReportParameters &parameters);
};

} // namespace zel::reports::catalogue
