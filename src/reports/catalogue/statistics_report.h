#pragma once

#include "reports/catalogue/catalogue_report.h"

namespace zel::reports::catalogue {

// Tab 13: sales statistics over a range of campaigns. "Tax Summary": rptStatisticsTaxBase1 sums the
// order lines of each campaign into taxable and non-taxable sales, rptStatisticsTaxBase2 sums the
// two tax rows, and rptStatisticsTax joins them by campaign. "Product Sales Activity":
// rptStatisticsPSATemp holds the order lines and rptStatisticsPSA their quantity and amount per
// product. Back orders are left out of both.
class StatisticsReport : public CatalogueReport
{
public:
    static inline const QString kType = QStringLiteral("type"); // tax or products
    static inline const QString kFrom = QStringLiteral("fromCampaign");
    static inline const QString kTo = QStringLiteral("toCampaign");

    QString name() const override { return QStringLiteral("statistics"); }
    QString title() const override { return QStringLiteral("Statistics"); }
    QString description() const override { return QStringLiteral("tax summary or product sales activity over a range of campaigns"); }
    QStringList layoutNames() const override { return {QStringLiteral("rptStatisticsTAX"), QStringLiteral("rptStatisticsPSA")}; }
    std::vector<ReportChoice> choices() const override;

    std::optional<QString> prepare(AppState &state, const ReportParameters &parameters) const override;
    ReportRequest request(const AppState &state, const ReportParameters &parameters) const override;
    Document layOut(AppState &state, const ReportRequest &request) const override;

private:
    bool prepareTax(cDataAccess &data, const QString &lines, const QVariantList &values) const;
    bool prepareProducts(cDataAccess &data, const QString &lines, const QVariantList &values) const;
};

} // namespace zel::reports::catalogue
