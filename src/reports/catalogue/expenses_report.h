#pragma once

#include "reports/catalogue/catalogue_report.h"

namespace zel::reports::catalogue {

// Tab 9: the expenses of a year. Selects the Expenses rows of the year into rptExpenses and groups
// them by campaign, description, payee or category as chosen, with a total per group.
class ExpensesReport : public CatalogueReport
{
public:
    static inline const QString kOrder = QStringLiteral("order"); // campaign, description, payee or category

    QString name() const override { return QStringLiteral("expenses"); }
    QString title() const override { return QStringLiteral("Expenses"); }
    QString description() const override { return QStringLiteral("the expenses of a year, grouped as chosen"); }
    QStringList layoutNames() const override { return {QStringLiteral("rptExpenses")}; }
    std::vector<ReportChoice> choices() const override;

    std::optional<QString> prepare(AppState &state, const ReportParameters &parameters) const override;
    ReportRequest request(const AppState &state, const ReportParameters &parameters) const override;
    Document layOut(AppState &state, const ReportRequest &request) const override;
};

} // namespace zel::reports::catalogue
