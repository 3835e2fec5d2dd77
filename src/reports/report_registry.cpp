#include "reports/report_registry.h"

#include "reports/report.h"

namespace zel::reports {

bool ReportRegistry::add(std::unique_ptr<Report> report)
{
    if (!report || find(report->name()))
        return false;
    for (const QString &layout : report->layoutNames())
        if (forLayout(layout))
            return false;
    m_reports.push_back(std::move(report));
    return true;
}

const Report *ReportRegistry::find(const QString &name) const
{
    for (const auto &report : m_reports)
        if (report->name().compare(name, Qt::CaseInsensitive) == 0)
            return report.get();
    return nullptr;
}

const Report *ReportRegistry::forLayout(const QString &layoutName) const
{
    for (const auto &report : m_reports)
        if (report->layoutNames().contains(layoutName))
            return report.get();
    return nullptr;
}

std::vector<const Report *> ReportRegistry::reports() const
{
    std::vector<const Report *> all;
    for (const auto &report : m_reports)
        all.push_back(report.get());
    return all;
}

QStringList ReportRegistry::names() const
{
    QStringList all;
    for (const auto &report : m_reports)
        all << report->name();
    return all;
}

} // namespace zel::reports
