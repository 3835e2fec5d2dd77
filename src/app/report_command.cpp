#include "app/report_command.h"

#include "app/command_line.h"
#include "app/command_session.h"
#include "reports/order_printing.h"
#include "reports/report_renderer.h"
#include "reports/report_server.h"

#include <QFileInfo>
#include <QTextStream>

namespace zel {

int runReportCommand(const CommandLine &line, QTextStream &out, QTextStream &err)
{
    const QString pdf = line.option(QStringLiteral("--pdf"));
    bool customerOk = false;
    const int customer = line.option(QStringLiteral("--customer")).toInt(&customerOk);
    if (line.arguments != QStringList{QStringLiteral("invoice")} || pdf.isEmpty() || !customerOk) {
        err << "Usage: zel report invoice --db FILE --customer N [--year Y --campaign C] [--order O] [--short] --pdf OUT.pdf\n";
        return 2;
    }
    CommandSession session(line, err);
    if (!session.openDatabase(line.database))
        return 1;
    AppState &state = session.state();
    state.currentCustomer = customer;
    reports::InvoiceSelection selection;
    selection.customer = customer;
    selection.campaign = {state.options.CurrentCampaignYear, state.options.CurrentCampaignNumber};
    if (!line.option(QStringLiteral("--year")).isEmpty())
        selection.campaign.year = line.option(QStringLiteral("--year")).toInt();
    if (!line.option(QStringLiteral("--campaign")).isEmpty())
        selection.campaign.number = line.option(QStringLiteral("--campaign")).toInt();
    if (!line.option(QStringLiteral("--order")).isEmpty())
        selection.order = line.option(QStringLiteral("--order")).toInt();
    if (const std::optional<QString> problem = reports::prepareInvoices(state, selection)) {
        err << *problem << '\n';
        return 1;
    }
    const reports::ReportRequest request = reports::invoiceRequest(state, selection, line.flag(QStringLiteral("--short")), false);
    QString error;
    const std::optional<reports::Document> document = reports::layOutReport(state, request, &error);
    if (!document || !reports::writePdf(*document, pdf, &error)) {
        err << "The invoice could not be written: " << error << '\n';
        return 1;
    }
    out << "Invoice written to " << QFileInfo(pdf).absoluteFilePath() << " (" << document->pages.size()
        << (document->pages.size() == 1 ? " page)\n" : " pages)\n");
    return 0;
}

} // namespace zel
