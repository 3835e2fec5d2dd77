#pragma once

#include "reports/label_grid.h"
#include "reports/report.h"

namespace zel::reports {

// Mailing labels on five sheet types at their physical sizes ("rptLabelsSizeA" to "rptLabelsSizeE").
class LabelsReport : public Report
{
public:
    // The sheet of a label type "A" to "E"; type E is A4, the others US letter.
    static LabelSheet sheet(const QString &size);
    // Lines printed per label: 8 for type D (return address and customer), 4 for the others.
    static int linesPerLabel(const QString &size);

    QString name() const override { return QStringLiteral("labels"); }
    QString title() const override { return QStringLiteral("Labels"); }
    QString description() const override { return QStringLiteral("mailing labels, sizes A to E, with chosen line contents"); }
    QStringList layoutNames() const override;
    std::vector<ReportOption> options() const override { return {{ReportInput::Campaign, false}}; }
    std::vector<ReportChoice> choices() const override;

    std::optional<QString> prepare(AppState &state, const ReportParameters &parameters) const override;
    ReportRequest request(const AppState &state, const ReportParameters &parameters) const override;
    Document layOut(AppState &state, const ReportRequest &request) const override;
};

} // namespace zel::reports
