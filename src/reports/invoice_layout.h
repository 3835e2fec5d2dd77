#pragma once

#include "reports/report_page.h"

#include <optional>

namespace zel {

class AppState;

namespace reports {

class ReportRequest;

// Lays rptOrders out as invoices: "rptOrdersLong" gives each order its own pages, numbered
// "Page n of m" within the order; "rptOrdersShort" puts several orders on a page.
Document layOutInvoices(AppState &state, const ReportRequest &request);

} // namespace reports
} // namespace zel
