#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace zel::reports {

class Report;

// The reports of the program, found by the name `zel report NAME` takes or by a layout name.
class ReportRegistry
{
public:
    ReportRegistry() = default;
    ReportRegistry(const ReportRegistry &) = delete;
    ReportRegistry &operator=(const ReportRegistry &) = delete;

    // Adds a report; one whose name or a layout name is taken already is refused (false).
    bool add(std::unique_ptr<Report> report);
    // Null when no report has that name (case does not matter).
    const Report *find(const QString &name) const;
    // The report that lays out `layoutName` ("rptOrdersShort"); null when none does.
    const Report *forLayout(const QString &layoutName) const;
    std::vector<const Report *> reports() const;
    QStringList names() const;

private:
    std::vector<std::unique_ptr<Report>> m_reports;
};

} // namespace zel::reports
