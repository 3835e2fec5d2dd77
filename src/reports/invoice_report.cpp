#include "reports/invoice_report.h"

#include "reports/invoice_layout.h"

namespace zel::reports {

QStringList InvoiceReport::layoutNames() const
{
    return {QStringLiteral("rptOrdersLong"), QStringLiteral("rptOrdersShort")};
}

std::vector<ReportOption> InvoiceReport::options() const
{
    return {{ReportInput::Customer, true}, {ReportInput::Campaign}, {ReportInput::Order}, {ReportInput::ShortLayout}};
}

InvoiceSelection InvoiceReport::selection(const ReportParameters &parameters)
{
    InvoiceSelection selection;
    selection.campaign = parameters.campaign;
    selection.customer = parameters.customer;
    selection.order = parameters.order;
    const QVariantMap &choices = parameters.choices;
    selection.unprintedOnly = choices.value(kUnprintedOnly).toBool();
    selection.undeliveredOnly = choices.value(kUndeliveredOnly).toBool();
    selection.summarized = InvoiceSelection::Summarized(choices.value(kSummarized, int(selection.summarized)).toInt());
    selection.sort = InvoiceSelection::Sort(choices.value(kSort, int(selection.sort)).toInt());
    return selection;
}

std::optional<QString> InvoiceReport::prepare(AppState &state, const ReportParameters &parameters) const
{
    return prepareInvoices(state, selection(parameters));
}

ReportRequest InvoiceReport::request(const AppState &state, const ReportParameters &parameters) const
{
    const QDate orderDate = parameters.orderDate.isValid() ? parameters.orderDate : QDate::currentDate();
    return invoiceRequest(state, selection(parameters), parameters.shortLayout, parameters.view, orderDate);
}

Document InvoiceReport::layOut(AppState &state, const ReportRequest &request) const
{
    return layOutInvoices(state, request);
}

} // namespace zel::reports
