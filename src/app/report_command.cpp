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
    if (line.arguments != QStringList{QStringLiteral("invoice")} || pdf.isEmpty()
        || !line.options.contains(QStringLiteral("--customer"))) {
        err << "Usage: zel report invoice --db FILE --customer N [--year Y --campaign C] [--order O] [--short] --pdf OUT.pdf\n";
        return 2;
    }
    const auto customer = wholeOption(line, QStringLiteral("--customer"), 1, 32767, err);
    const auto year = wholeOption(line, QStringLiteral("--year"), 1980, 2200, err, 0);
    const auto campaign = wholeOption(line, QStringLiteral("--campaign"), 1, 99, err, 0);
    const auto order = wholeOption(line, QStringLiteral("--order"), 1, 32767, err, 0);
    if (!customer || !year || !campaign || !order)
        return 2;
    CommandSession session(line, err);
    if (!session.openDatabase(line.database))
        return 1;
    AppState &state = session.state();
    reports::InvoiceSelection selection;
    selection.customer = *customer;
    selection.campaign = {state.options.CurrentCampaignYear, state.options.CurrentCampaignNumber};
    if (*year != 0)
        selection.campaign.year = *year;
    if (*campaign != 0)
        selection.campaign.number = *campaign;
    if (!session.customerExists(*customer) || !session.campaignInRange(selection.campaign.year, selection.campaign.number))
        return 2;
    state.currentCustomer = *customer;
    if (*order != 0)
        selection.order = *order;
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
