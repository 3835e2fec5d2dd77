#pragma once

#include "reports/catalogue/catalogue_report.h"

namespace zel::reports::catalogue {

// Tab 8: discounts, charges and credits of a campaign. Selects the computed order rows of the
// chosen kinds (line discounts, order and helper discounts, special and flat charges) into
// rptDiscountsA with the customer's name; rptDiscountsB sums them by kind for the summary.
class DiscountsReport : public CatalogueReport
{
public:
    static inline const QString kKind = QStringLiteral("kind");       // all, line, order or charges
    static inline const QString kSummary = QStringLiteral("summary"); // the summary layout

    QString name() const override { return QStringLiteral("discounts"); }
    QString title() const override { return QStringLiteral("Discounts"); }
    QString description() const override { return QStringLiteral("discounts, special charges and credits of a campaign"); }
    QStringList layoutNames() const override { return {QStringLiteral("rptDiscounts"), QStringLiteral("rptDiscountSummary")}; }
    std::vector<ReportChoice> choices() const override;

    std::optional<QString> prepare(AppState &state, const ReportParameters &parameters) const override;
    ReportRequest request(const AppState &state, const ReportParameters &parameters) const override;
    Document layOut(AppState &state, const ReportRequest &request) const override;

    // The Orders Internal Flag values of a kind.
    static QStringList flagsOf(const QString &kind);
};

} // namespace zel::reports::catalogue
