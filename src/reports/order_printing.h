#pragma once

#include "core/campaign.h"
#include "reports/report_request.h"

#include <QDate>
#include <QString>

#include <optional>

namespace zel {

class AppState;

namespace reports {

// Which orders an invoice run prints.
struct InvoiceSelection
{
    enum class Summarized { Both, Summarized, NonSummarized };
    enum class Sort { CustomerName, CustomerNumber, Helper, Area };

    Campaign campaign;
    std::optional<int> customer;
    std::optional<int> order; // one order of that customer (order entry prints the order being entered)
    bool unprintedOnly = false;
    bool undeliveredOnly = false;
    Summarized summarized = Summarized::Both;
    Sort sort = Sort::CustomerName;
};

// Builds rptOrders for the selection: every order row with its customer, comments, and the payment
// and balance lines in the customer's language. Returns the message to show when there is nothing
// to print (or a statement failed), or nothing when rptOrders is ready.
std::optional<QString> prepareInvoices(AppState &state, const InvoiceSelection &selection);

// The request for the invoice layout ("rptOrdersLong", or "rptOrdersShort" with several per page).
ReportRequest invoiceRequest(const AppState &state, const InvoiceSelection &selection, bool shortLayout, bool view,
                             const QDate &orderDate = QDate::currentDate());

// "Do you wish to mark Orders as printed?" answered Yes: every order of the printed customers in the
// campaign.
bool markOrdersPrinted(AppState &state, const Campaign &campaign);

} // namespace reports
} // namespace zel
