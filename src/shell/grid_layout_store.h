#pragma once

#include <QByteArray>
#include <QString>

namespace zel {

class AppSettings;

// GridLayouts.grx: each grid's column layout (order, widths, sort) stored under the grid's name.
class GridLayoutStore
{
public:
    explicit GridLayoutStore(const AppSettings &settings);

    // The saved layout, or an empty array when the grid has none.
    QByteArray load(const QString &gridName) const;
    bool save(const QString &gridName, const QByteArray &layout) const;
    // Forgets one grid's layout; the grid opens with its designed columns next time.
    bool reset(const QString &gridName) const;

private:
    const AppSettings &m_settings;
};

} // namespace zel
