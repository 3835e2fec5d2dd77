#pragma once

#include "reports/catalogue/catalogue_report.h"

namespace zel::reports::catalogue {

// Tab 14: customers to call back. Selects into rptCallBack the customers (not deleted) who have no
// order in the past N campaigns up to the selected one, counted back across the year end, of the
// chosen brochure statuses and types and referrer, with their last order before that and its total.
class CallBackReport : public CatalogueReport
{
public:
    static inline const QString kPast = QStringLiteral("pastCampaigns"); // N, 1 to 99; missing: 3
    static inline const QString kStatuses = QStringLiteral("brochureStatuses");
    static inline const QString kTypes = QStringLiteral("brochureTypes");
    static inline const QString kReferredBy = QStringLiteral("referredBy"); // empty: anyone

    QString name() const override { return QStringLiteral("call-back"); }
    QString title() const override { return QStringLiteral("Call back"); }
    QString description() const override { return QStringLiteral("customers with no order in the past campaigns"); }
    QStringList layoutNames() const override { return {QStringLiteral("rptCallBack")}; }
    std::vector<ReportChoice> choices() const override;

    std::optional<QString> prepare(AppState &state, const ReportParameters &parameters) const override;
    ReportRequest request(const AppState &state, const ReportParameters &parameters) const override;
    Document layOut(AppState &state, const ReportRequest &request) const override;

    // The customers the report lists (with her last order before the window), as one select.
    static QString customersSelect(const AppState &state, const ReportParameters &parameters, QVariantList &values);
    static int pastCampaigns(const ReportParameters &parameters);
    // The first campaign of the window of N campaigns that ends with the selected one.
    static Campaign windowStart(const ReportParameters &parameters, int lastNumberOfYear);
};

} // namespace zel::reports::catalogue
