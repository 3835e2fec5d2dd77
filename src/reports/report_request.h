#pragma once

#include <QString>
#include <QVariant>

#include <utility>
#include <vector>

namespace zel {

class AppState;

namespace reports {

// The keyed list of parameters a report is asked for with: its layout name, the database,
// titles, switches and fonts. Keys keep the order they were added in.
class ReportRequest
{
public:
    void set(const QString &key, const QVariant &value);
    QVariant value(const QString &key) const;
    QString text(const QString &key) const { return value(key).toString(); }
    // "True", "-1", "1", "Y" read as on.
    bool flag(const QString &key) const;
    bool contains(const QString &key) const;
    const std::vector<std::pair<QString, QVariant>> &entries() const { return m_entries; }

    // The common parameters every report starts with: "ReportName", "DatabaseName",
    // "CurrentCustomerNumber", "CNAME", "CTITLE", "View", then the layout's font keys.
    static ReportRequest common(const AppState &state, const QString &reportName, bool view);

private:
    std::vector<std::pair<QString, QVariant>> m_entries;
};

} // namespace reports
} // namespace zel
