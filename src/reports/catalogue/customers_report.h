#pragma once

#include "reports/catalogue/catalogue_report.h"

namespace zel::reports::catalogue {

// Tab 4: the customer list. Selects every customer of the chosen status (and helper) into
// rptCustomers, one row each, sorted as chosen; the short layout keeps one line per customer.
class CustomersReport : public CatalogueReport
{
public:
    static inline const QString kStatus = QStringLiteral("status"); // Active, Closed, Deleted or All
    static inline const QString kSort = QStringLiteral("sort");     // name, number, zip, area or city

    QString name() const override { return QStringLiteral("customers"); }
    QString title() const override { return QStringLiteral("Customers"); }
    QString description() const override { return QStringLiteral("the customer list, of one status or all, sorted as chosen"); }
    QStringList layoutNames() const override { return {QStringLiteral("rptCustomers"), QStringLiteral("rptCustomersShort")}; }
    std::vector<ReportOption> options() const override { return {{ReportInput::ShortLayout, false}}; }
    std::vector<ReportChoice> choices() const override;

    std::optional<QString> prepare(AppState &state, const ReportParameters &parameters) const override;
    ReportRequest request(const AppState &state, const ReportParameters &parameters) const override;
    Document layOut(AppState &state, const ReportRequest &request) const override;

    static QString orderBy(const QString &sort);
};

} // namespace zel::reports::catalogue
