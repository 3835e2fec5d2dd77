#include "reports/invoice_report.h"

#include "reports/invoice_layout.h"

namespace zel::reports {

QStringList InvoiceReport::layoutNames() const
{
    return {QStringLiteral("rptOrdersLong"), QStringLiteral("rptOrdersShort")};
}

std::vector<ReportOption> InvoiceReport::options() const
{
    return {{ReportInput::Customer}, {ReportInput::Campaign}, {ReportInput::Order}, {ReportInput::ShortLayout}};
}

namespace {
const QStringList kSummarizedWords = {QStringLiteral("both"), QStringLiteral("summarized"), QStringLiteral("non-summarized")};
const QStringList kSortWords = {QStringLiteral("name"), QStringLiteral("number"), QStringLiteral("helper"), QStringLiteral("area")};

// The position of the chosen word in `words` (as the enumerations are ordered), or `fallback`.
int wordIndex(const QVariant &value, const QStringList &words, int fallback)
{
    const int index = words.indexOf(value.toString().toLower());
    return index < 0 ? fallback : index;
}
} // namespace

std::vector<ReportChoice> InvoiceReport::choices() const
{
    return {ReportChoice::valued(QStringLiteral("--sort"), kSort, kSortWords),
            ReportChoice::valued(QStringLiteral("--summarized"), kSummarized, kSummarizedWords),
            ReportChoice::flagged(QStringLiteral("--unprinted-only"), kUnprintedOnly),
            ReportChoice::flagged(QStringLiteral("--undelivered-only"), kUndeliveredOnly)};
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
    selection.summarized = InvoiceSelection::Summarized(wordIndex(choices.value(kSummarized), kSummarizedWords, int(selection.summarized)));
    selection.sort = InvoiceSelection::Sort(wordIndex(choices.value(kSort), kSortWords, int(selection.sort)));
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
