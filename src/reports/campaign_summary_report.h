#pragma once

#include "reports/report.h"

namespace zel::reports {

// The collection list of a campaign with every customer's order, payments and balances:
// "rptCampaignSummaryShort", "rptCampaignSummaryShortLandscape" and "rptCampaignSummaryLong".
class CampaignSummaryReport : public Report
{
public:
    // The layout's own switches, each shown as a "Y"/"N" parameter of the same name.
    static inline const QString kLandscape = QStringLiteral("Landscape");         // bool (short layout)
    static inline const QString kSort = QStringLiteral("CampaignSummarySort");    // see sortNames()
    static inline const QString kNameOrder = QStringLiteral("CustomerNameSequence"); // FL|LF
    static inline const QString kHelperNameOrder = QStringLiteral("HelperNameSequence"); // FL|LF
    static const QStringList &switchNames();
    // "name", "number", "total", "delivery", "first", "address", "area", "helper", "zip"
    static const QStringList &sortNames();
    // The report's ORDER BY for a sort name; the name order for one it does not know.
    static QString orderBy(const QString &sort);

    QString name() const override { return QStringLiteral("campaign-summary"); }
    QString title() const override { return QStringLiteral("Campaign summary"); }
    QString description() const override { return QStringLiteral("the collection list: each customer's orders, payments and balances"); }
    QStringList layoutNames() const override;
    std::vector<ReportOption> options() const override { return {{ReportInput::Campaign, false}, {ReportInput::ShortLayout, false}}; }
    std::vector<ReportChoice> choices() const override;

    std::optional<QString> prepare(AppState &state, const ReportParameters &parameters) const override;
    ReportRequest request(const AppState &state, const ReportParameters &parameters) const override;
    Document layOut(AppState &state, const ReportRequest &request) const override;
};

} // namespace zel::reports
