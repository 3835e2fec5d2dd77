#pragma once

#include "reports/catalogue/catalogue_report.h"

namespace zel::reports::catalogue {

// Tab 5: who has brochures. Selects the customers holding at least one brochure, of the chosen
// brochure statuses and types, and optionally only those who ordered (or did not order) in the
// campaign, into rptBrochures; rptBrochureSummary groups them by brochure type with the customers
// and brochures of each.
class BrochuresReport : public CatalogueReport
{
public:
    static inline const QString kStatuses = QStringLiteral("brochureStatuses"); // list; empty: every status
    static inline const QString kTypes = QStringLiteral("brochureTypes");       // list; empty: every type
    static inline const QString kOrdered = QStringLiteral("ordered");           // all, ordered or not-ordered
    static inline const QString kSummary = QStringLiteral("summary");           // "Summary Report by Brochure Type"

    QString name() const override { return QStringLiteral("brochures"); }
    QString title() const override { return QStringLiteral("Brochures"); }
    QString description() const override { return QStringLiteral("customers holding brochures, by brochure type"); }
    QStringList layoutNames() const override { return {QStringLiteral("rptBrochures"), QStringLiteral("rptBrochuresSummary")}; }
    std::vector<ReportChoice> choices() const override;

    std::optional<QString> prepare(AppState &state, const ReportParameters &parameters) const override;
    ReportRequest request(const AppState &state, const ReportParameters &parameters) const override;
    Document layOut(AppState &state, const ReportRequest &request) const override;
};

} // namespace zel::reports::catalogue
