#pragma once

#include "reports/catalogue/catalogue_report.h"

namespace zel::reports::catalogue {

// Tab 15: what each business helper's customers ordered in a campaign and what the helper earns.
// rptHelperSummarySub holds each order of a customer with a helper and its amount on the chosen
// collection basis and payments; rptHelperSummaryDetail the customer's order lines per earnings
// type with the helper's percent and earnings (percent × unit total / 100, rounded); rptHelperSummary
// sums both per helper and customer, rptHelperSummaryEarnings per helper and earnings type.
class HelperSummaryReport : public CatalogueReport
{
public:
    static inline const QString kType = QStringLiteral("type");         // summary, collection or earnings
    static inline const QString kBasis = QStringLiteral("basis");       // subtotal, less-discounts, plus-tax or total
    static inline const QString kHeading1 = QStringLiteral("heading1"); // the collection sheet's three blank columns
    static inline const QString kHeading2 = QStringLiteral("heading2");
    static inline const QString kHeading3 = QStringLiteral("heading3");
    static inline const QString kPageBreak = QStringLiteral("pageBreak"); // "Page Break By Helper"

    QString name() const override { return QStringLiteral("helper-summary"); }
    QString title() const override { return QStringLiteral("Helper summary"); }
    QString description() const override { return QStringLiteral("each business helper's customers, collections and earnings"); }
    QStringList layoutNames() const override
    {
        return {QStringLiteral("rptHelperSummary"), QStringLiteral("rptHelperSummaryDue"),
                QStringLiteral("rptHelperSummaryByEarningsType")};
    }
    std::vector<ReportChoice> choices() const override;

    std::optional<QString> prepare(AppState &state, const ReportParameters &parameters) const override;
    ReportRequest request(const AppState &state, const ReportParameters &parameters) const override;
    Document layOut(AppState &state, const ReportRequest &request) const override;

    // The basis as the screen names it ("Order Subtotal less Discounts").
    static QString basisName(const QString &basis);
    // The computed order rows the basis adds up.
    static QStringList basisFlags(const QString &basis);

private:
    bool prepareOrders(cDataAccess &data, const ReportParameters &parameters, const HelperFilter &filter) const;
    bool prepareEarnings(cDataAccess &data, const ReportParameters &parameters, const HelperFilter &filter) const;
    TabularLayout layoutFor(AppState &state, const ReportRequest &request, const QString &where) const;
};

} // namespace zel::reports::catalogue
