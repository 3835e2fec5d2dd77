#pragma once

#include "reports/report.h"

namespace zel::reports {

// The representative's stock, or what she sold from it, grouped by product or one line a row
// ("rptInventory1" and "rptInventory1s" for the stock, "rptInventory2" and "rptInventory2s" for
// the sales), printed from the table rptInventory.
class InventoryReport : public Report
{
public:
    // Choice: true lists the sale rows instead of the stock.
    static const QString kSold;
    // Choice: run from the inventory screen, which has its own words for an empty inventory.
    static const QString kFromInventoryScreen;

    QString name() const override { return QStringLiteral("inventory"); }
    QString title() const override { return QStringLiteral("Inventory report"); }
    QString description() const override { return QStringLiteral("the products in stock, or what was sold from it, by product"); }
    QStringList layoutNames() const override;
    std::vector<ReportOption> options() const override { return {{ReportInput::ShortLayout, false}}; }
    // --sold lists the sales instead of the stock.
    std::vector<ReportChoice> choices() const override;

    std::optional<QString> prepare(AppState &state, const ReportParameters &parameters) const override;
    ReportRequest request(const AppState &state, const ReportParameters &parameters) const override;
    Document layOut(AppState &state, const ReportRequest &request) const override;
};

} // namespace zel::reports
