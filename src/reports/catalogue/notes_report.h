#pragma once

#include "reports/catalogue/catalogue_report.h"

namespace zel::reports::catalogue {

// Tab 19: the customers' notes. Selects every customer note that is not blank into rptNotes with
// the customer's name and phone, sorted by name, customer number or the date last updated.
class NotesReport : public CatalogueReport
{
public:
    static inline const QString kSort = QStringLiteral("sort"); // name, number or updated

    QString name() const override { return QStringLiteral("notes"); }
    QString title() const override { return QStringLiteral("Notes"); }
    QString description() const override { return QStringLiteral("the customers' notes"); }
    QStringList layoutNames() const override { return {QStringLiteral("rptNotes")}; }
    std::vector<ReportOption> options() const override { return {}; }
    std::vector<ReportChoice> choices() const override;

    std::optional<QString> prepare(AppState &state, const ReportParameters &parameters) const override;
    ReportRequest request(const AppState &state, const ReportParameters &parameters) const override;
    Document layOut(AppState &state, const ReportRequest &request) const override;
};

} // namespace zel::reports::catalogue
