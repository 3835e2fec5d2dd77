#include "reports/ui/report_runner.h"

#include "core/prompter.h"
#include "reports/pdf_file_name.h"
#include "reports/report.h"
#include "reports/report_registry.h"
#include "reports/server/standard_reports.h"
#include "reports/ui/report_preview.h"
#include "session/app_state.h"

namespace zel::reports {

bool runRegisteredReport(AppState &state, const QString &name, const ReportParameters &parameters, QWidget *parent)
{
    const Report *report = standardReports().find(name);
    if (!report)
        return false;
    Prompter &prompter = state.prompter;
    prompter.hourglass(true);
    const std::optional<QString> problem = report->prepare(state, parameters);
    std::optional<Document> document;
    if (!problem && report->producesPages(parameters))
        document = report->layOut(state, report->request(state, parameters));
    prompter.hourglass(false);
    if (problem) {
        prompter.information(*problem);
        return false;
    }
    if (document)
        showReport(state, *document, parameters.view, parent,
                   suggestedPdfPath(state, document->title, parameters.customer,
                                    report->takes(ReportInput::Campaign) ? parameters.campaign : Campaign{}));
    report->finish(state, parameters);
    return bool(document);
}

} // namespace zel::reports
