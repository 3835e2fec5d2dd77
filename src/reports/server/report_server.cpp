#include "reports/server/report_server.h"

#include "reports/report.h"
#include "reports/report_registry.h"
#include "reports/report_request.h"
#include "reports/server/standard_reports.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>
#include <QUrlQuery>

namespace zel::reports {

std::optional<Document> layOutReport(AppState &state, const ReportRequest &request, QString *error)
{
    const QString layout = request.text(QStringLiteral("ReportName"));
    const Report *report = standardReports().forLayout(layout);
    if (!report) {
        if (error)
            *error = QStringLiteral("The report ") + layout + QStringLiteral(" is not available.");
        return std::nullopt;
    }
    return report->layOut(state, request);
}

QStringList mailArguments(const QString &address, const QString &subject, const QString &body, const QString &pdfPath)
{
    QStringList arguments{QStringLiteral("--utf8"), QStringLiteral("--subject"), subject, QStringLiteral("--body"), body};
    if (!pdfPath.isEmpty())
        arguments << QStringLiteral("--attach") << QFileInfo(pdfPath).absoluteFilePath();
    if (!address.trimmed().isEmpty())
        arguments << address.trimmed();
    return arguments;
}

bool mailInvoice(const QString &address, const QString &subject, const QString &body, const QString &pdfPath)
{
    if (QProcess::startDetached(QStringLiteral("xdg-email"), mailArguments(address, subject, body, pdfPath)))
        return true;
    // Without xdg-email the mail program still opens, without the attachment.
    QUrl url(QStringLiteral("mailto:") + address.trimmed());
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("subject"), subject);
    query.addQueryItem(QStringLiteral("body"), body);
    url.setQuery(query);
    return QDesktopServices::openUrl(url);
}

} // namespace zel::reports
