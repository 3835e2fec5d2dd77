#include "reports/report_request.h"

#include "session/app_state.h"
#include "shell/font_settings.h"

namespace zel::reports {

void ReportRequest::set(const QString &key, const QVariant &value)
{
    for (auto &entry : m_entries) {
        if (entry.first == key) {
            entry.second = value;
            return;
        }
    }
    m_entries.emplace_back(key, value);
}

QVariant ReportRequest::value(const QString &key) const
{
    for (const auto &entry : m_entries)
        if (entry.first == key)
            return entry.second;
    return {};
}

bool ReportRequest::flag(const QString &key) const
{
    const QString v = text(key).trimmed().toUpper();
    return v == QLatin1String("TRUE") || v == QLatin1String("-1") || v == QLatin1String("1") || v == QLatin1String("Y");
}

bool ReportRequest::contains(const QString &key) const
{
    for (const auto &entry : m_entries)
        if (entry.first == key)
            return true;
    return false;
}

ReportRequest ReportRequest::common(const AppState &state, const QString &reportName, bool view)
{
    ReportRequest request;
    request.set(QStringLiteral("ReportName"), reportName);
    request.set(QStringLiteral("DatabaseName"), state.databasePath);
    request.set(QStringLiteral("CurrentCustomerNumber"), state.currentCustomer);
    request.set(QStringLiteral("CNAME"), QStringLiteral("Campaign"));
    request.set(QStringLiteral("CTITLE"), QStringLiteral("ZEL"));
    request.set(QStringLiteral("View"), view ? QStringLiteral("True") : QStringLiteral("False"));
    const FontSettings font = Gs_Read_Fonts(state.settings, reportName);
    request.set(QStringLiteral("FontName"), font.name);
    request.set(QStringLiteral("FontBold"), font.bold ? -1 : 0);
    request.set(QStringLiteral("FontItalic"), font.italic ? -1 : 0);
    request.set(QStringLiteral("FontSize"), font.size);
    request.set(QStringLiteral("FontStrikeThru"), font.strikethru ? -1 : 0);
    request.set(QStringLiteral("FontUnderline"), font.underline ? -1 : 0);
    request.set(QStringLiteral("FontColor"), font.color);
    return request;
}

} // namespace zel::reports
