#pragma once

#include "reports/report_page.h"

#include <QString>

#include <optional>

namespace zel {

class AppState;

namespace reports {

class ReportRequest;

// Lays out the layout a request names ("ReportName") from the rpt tables prepared for it.
// Nothing, with `error` set, for a layout this program does not have.
std::optional<Document> layOutReport(AppState &state, const ReportRequest &request, QString *error = nullptr);

// Hands an invoice PDF to the desktop's mail program, addressed to the customer with the
// options' subject and body. Returns false when no mail program could be started.
bool mailInvoice(const QString &address, const QString &subject, const QString &body, const QString &pdfPath);
// The arguments given to xdg-email for it.
QStringList mailArguments(const QString &address, const QString &subject, const QString &body, const QString &pdfPath);

} // namespace reports
} // namespace zel
