#include "reports/pdf_file_name.h"

#include "session/app_state.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace zel::reports {

namespace {

QString customerName(AppState &state, int customer)
{
    return state.data
        .scalar(QStringLiteral("suggestedPdfPath"),
                QStringLiteral("Select Trim(Trim(Coalesce([Customers First Name], '')) || ' ' || Trim(Coalesce([Customers "
                               "Last Name], ''))) From Customers Where [Customers Number] = ?"),
                {customer})
        .toString();
}

} // namespace

QString suggestedPdfPath(AppState &state, const QString &title, std::optional<int> customer, const Campaign &campaign)
{
    QStringList parts{title.trimmed().isEmpty() ? QStringLiteral("Report") : title.trimmed()};
    if (customer)
        if (const QString name = customerName(state, *customer); !name.isEmpty())
            parts << name;
    if (campaign.number > 0 && campaign.year > 0)
        parts << QStringLiteral("C%1 %2").arg(campaign.number, 2, 10, QLatin1Char('0')).arg(campaign.year);
    static const QRegularExpression unfit(QStringLiteral("[\\\\/:*?\"<>|]"));
    const QString name = parts.join(QStringLiteral(" - ")).replace(unfit, QStringLiteral(" ")).simplified() + QStringLiteral(".pdf");
    const QString folder = state.databasePath.isEmpty() ? QDir::homePath() : QFileInfo(state.databasePath).absolutePath();
    return QDir(folder).filePath(name);
}

} // namespace zel::reports
