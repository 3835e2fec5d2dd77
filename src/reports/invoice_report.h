#pragma once

#include "reports/order_printing.h"
#include "reports/report.h"

namespace zel::reports {

// The customers' orders printed as invoices: rptOrders laid out as "rptOrdersLong" (each order on
// its own pages) or "rptOrdersShort" (several per page).
class InvoiceReport : public Report
{
public:
    // The order tab's own choices in ReportParameters::choices.
    static inline const QString kUnprintedOnly = QStringLiteral("UnprintedOnly");     // bool
    static inline const QString kUndeliveredOnly = QStringLiteral("UndeliveredOnly"); // bool
    static inline const QString kSummarized = QStringLiteral("Summarized"); // both | summarized | non-summarized
    static inline const QString kSort = QStringLiteral("Sort");             // name | number | helper | area

    QString name() const override { return QStringLiteral("invoice"); }
    QString title() const override { return QStringLiteral("Invoice"); }
    QString description() const override
    {
        return QStringLiteral("the invoices of a campaign's orders: one customer's, or every customer's the choices select");
    }
    QStringList layoutNames() const override;
    std::vector<ReportOption> options() const override;
    std::vector<ReportChoice> choices() const override;

    std::optional<QString> prepare(AppState &state, const ReportParameters &parameters) const override;
    ReportRequest request(const AppState &state, const ReportParameters &parameters) const override;
    Document layOut(AppState &state, const ReportRequest &request) const override;

    // The orders the parameters select.
    static InvoiceSelection selection(const ReportParameters &parameters);
};

} // namespace zel::reports
