#pragma once

#include "core/currency.h"
#include "reports/banded_layout.h"
#include "reports/tabular_layout.h"

#include <QVariant>

#include <optional>
#include <set>
#include <vector>

namespace zel::reports {

// Lays the rows of a TabularLayout out on pages: headings, groups, details and totals.
class TabularWriter
{
public:
    struct Row
    {
        QString group;
        std::vector<QVariant> values;   // one per column
        std::vector<QVariant> totalled; // what each column adds to its totals
        std::vector<QString> totalKeys; // counted once per key, where the column says so
    };

    explicit TabularWriter(const TabularLayout::Definition &definition);

    Document write(const std::vector<Row> &rows, const QString &documentTitle);

private:
    // A running sum of one column: whole numbers as integers, money as Currency.
    struct Sum
    {
        qint64 whole = 0;
        Currency money;
        std::set<QString> counted; // the keys already added
    };
    using Sums = std::vector<Sum>;

    void pageHeader(BandedLayout &layout);
    void columnHeadings(BandedLayout &layout);
    void groupHeader(const QString &text);
    void detail(const Row &row, bool shaded);
    void totals(const QString &label, const Sums &sums, double ruleWidth);
    double totalsHeight() const;
    double rowHeight(const QStringList &texts, const ReportFont &font) const;
    QStringList texts(const Row &row) const;
    void add(Sums &sums, const Row &row) const;
    bool anyTotals() const;
    int alignmentOf(const TabularLayout::Column &column) const;

    const TabularLayout::Definition &m_definition;
    BandedLayout m_layout;
    std::vector<double> m_x; // each column's left edge
    ReportFont m_title, m_subtitle, m_heading, m_bold;
    std::optional<QString> m_group; // the group being written, for its heading on a new page
};

} // namespace zel::reports
