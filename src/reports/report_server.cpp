#include "reports/report_server.h"

#include "reports/invoice_layout.h"
#include "reports/report_request.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>
#include <QUrlQuery>

#include <functional>
#include <map>

namespace zel::reports {

namespace {

using Layout = std::function<Document(AppState &, const ReportRequest &)>;

const std::map<QString, Layout> &layouts()
{
    static const std::map<QString, Layout> all = {
        {QStringLiteral("rptOrdersLong"), layOutInvoices},
        {QStringLiteral("rptOrdersShort"), layOutInvoices},
    };
    return all;
}

} // namespace

std::optional<Document> layOutReport(AppState &state, const ReportRequest &request, QString *error)
{
    const auto found = layouts().find(request.text(QStringLiteral("ReportName")));
    if (found == layouts().end()) {
        if (error)
            *error = QStringLiteral("The report ") + request.text(QStringLiteral("ReportName")) + QStringLiteral(" is not available.");
        return std::nullopt;
    }
    return found->second(state, request);
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
