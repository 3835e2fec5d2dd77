#pragma once

#include "core/currency.h"
#include "reports/banded_layout.h"
#include "reports/tabular_layout.h"

#include <QHash>
#include <QVariant>

#include <functional>

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

    // Lays out the rows `next` gives, one at a time, until it gives none: a long report is never
    // held whole in memory.
    Document write(const std::function<std::optional<Row>()> &next, const QString &documentTitle);

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
    // A row's cell texts and the height they need, worked out once.
    struct Cells
    {
        QStringList texts;
        std::vector<double> heights; // each text's own
        double height = 0;           // the row's
    };
    Cells cells(const Row &row);
    void detail(const Cells &cells, bool shaded);
    void totals(const QString &label, const Sums &sums, double ruleWidth);
    double totalsHeight() const;
    // Each text's height wrapped in its column, and the row's: the tallest, at least a line.
    std::vector<double> cellHeights(const QStringList &texts, const ReportFont &font) const;
    static double rowHeight(const std::vector<double> &cellHeights, const ReportFont &font);
    QString text(size_t column, const QVariant &value);
    void add(Sums &sums, const Row &row) const;
    bool anyTotals() const;
    int alignmentOf(const TabularLayout::Column &column) const;

    const TabularLayout::Definition &m_definition;
    BandedLayout m_layout;
    std::vector<double> m_x; // each column's left edge
    ReportFont m_title, m_subtitle, m_heading, m_bold;
    std::optional<QString> m_group; // the group being written, for its heading on a new page
    // Dates as printed, by their stored text: a long list repeats few dates, and reading and
    // formatting a date costs more than laying out its cell.
    std::vector<QHash<QString, QString>> m_dates;
};

} // namespace zel::reports
