#include "reports/tabular_writer.h"

namespace zel::reports {

namespace {

const double kPadding = 4;
const QColor kHeadingFill(226, 226, 232);
const QColor kShade(245, 245, 248);

} // namespace

TabularWriter::TabularWriter(const TabularLayout::Definition &definition)
    : m_definition(definition), m_layout(definition.setup)
{
    double x = 0;
    for (const TabularLayout::Column &c : definition.columns) {
        m_x.push_back(x);
        x += c.width;
    }
    m_bold = definition.font;
    m_bold.bold = true;
    m_heading = m_bold;
    m_title = m_bold;
    m_title.pointSize = definition.font.pointSize + 5;
    m_subtitle = definition.font;
    m_subtitle.pointSize = definition.font.pointSize + 1;
    m_dates.resize(definition.columns.size());
}

int TabularWriter::alignmentOf(const TabularLayout::Column &column) const
{
    if (column.alignment != 0)
        return column.alignment;
    const bool numeric = column.format == TabularLayout::Format::Number || column.format == TabularLayout::Format::Money;
    return numeric ? Qt::AlignRight : Qt::AlignLeft;
}

bool TabularWriter::anyTotals() const
{
    for (const TabularLayout::Column &c : m_definition.columns)
        if (c.totalled)
            return true;
    return false;
}

QString TabularWriter::text(size_t column, const QVariant &value)
{
    const TabularLayout::Column &c = m_definition.columns[column];
    if (c.format != TabularLayout::Format::Date || value.isNull())
        return TabularLayout::formatted(c, value);
    const QString stored = value.toString();
    QHash<QString, QString> &known = m_dates[column];
    auto found = known.constFind(stored);
    if (found == known.constEnd())
        found = known.insert(stored, TabularLayout::formatted(c, value));
    return *found;
}

TabularWriter::Cells TabularWriter::cells(const Row &row)
{
    Cells out;
    for (size_t i = 0; i < m_definition.columns.size(); ++i)
        out.texts << text(i, row.values[i]);
    out.heights = cellHeights(out.texts, m_definition.font);
    out.height = rowHeight(out.heights, m_definition.font);
    return out;
}

std::vector<double> TabularWriter::cellHeights(const QStringList &texts, const ReportFont &font) const
{
    std::vector<double> heights;
    for (qsizetype i = 0; i < texts.size(); ++i)
        heights.push_back(BandedLayout::textHeight(texts[i], font, m_definition.columns[size_t(i)].width - 2 * kPadding));
    return heights;
}

double TabularWriter::rowHeight(const std::vector<double> &cellHeights, const ReportFont &font)
{
    double height = BandedLayout::lineHeight(font);
    for (const double cell : cellHeights)
        height = qMax(height, cell);
    return height + 2;
}

void TabularWriter::add(Sums &sums, const Row &row) const
{
    for (size_t i = 0; i < m_definition.columns.size(); ++i) {
        const TabularLayout::Column &c = m_definition.columns[i];
        const QVariant &value = row.totalled[i];
        if (!c.totalled || value.isNull())
            continue;
        if (!c.totalOncePer.isEmpty() && !sums[i].counted.insert(row.totalKeys[i]).second)
            continue;
        if (c.format == TabularLayout::Format::Money)
            sums[i].money += Currency::fromDouble(value.toDouble());
        else if (c.format == TabularLayout::Format::Number)
            sums[i].whole += value.toLongLong();
    }
}

void TabularWriter::columnHeadings(BandedLayout &layout)
{
    QStringList headings;
    for (const TabularLayout::Column &c : m_definition.columns)
        headings << c.heading;
    const double height = rowHeight(cellHeights(headings, m_heading), m_heading) + 2;
    Band band = layout.band(height);
    band.box(0, 0, band.width(), height, kHeadingFill);
    for (size_t i = 0; i < m_definition.columns.size(); ++i) {
        const TabularLayout::Column &c = m_definition.columns[i];
        band.text(m_x[i] + kPadding, c.width - 2 * kPadding, c.heading, m_heading, alignmentOf(c), 2);
    }
    band.line(0, band.width(), height, 0.7);
}

void TabularWriter::pageHeader(BandedLayout &layout)
{
    const double width = layout.setup().contentWidth();
    if (!m_definition.title.isEmpty())
        layout.band(BandedLayout::lineHeight(m_title) + 2).text(0, width, m_definition.title, m_title, Qt::AlignHCenter);
    for (const QString &line : m_definition.subtitles)
        layout.band(BandedLayout::lineHeight(m_subtitle)).text(0, width, line, m_subtitle, Qt::AlignHCenter);
    layout.skip(8);
    columnHeadings(layout);
    layout.skip(2);
    // A group that runs on from the page before is named again.
    if (m_group)
        groupHeader(m_definition.groupHeader.arg(*m_group) + QStringLiteral(" (continued)"));
}

void TabularWriter::groupHeader(const QString &text)
{
    Band band = m_layout.band(BandedLayout::lineHeight(m_bold) + 4);
    band.text(kPadding, band.width() - kPadding, text, m_bold, Qt::AlignLeft, 2);
}

void TabularWriter::detail(const Cells &cells, bool shaded)
{
    Band band = m_layout.band(cells.height);
    if (shaded)
        band.box(0, 0, band.width(), cells.height, kShade);
    for (size_t i = 0; i < m_definition.columns.size(); ++i) {
        const TabularLayout::Column &c = m_definition.columns[i];
        band.text(m_x[i] + kPadding, c.width - 2 * kPadding, cells.texts[qsizetype(i)], m_definition.font, alignmentOf(c), 1,
                  cells.heights[i]);
    }
}

double TabularWriter::totalsHeight() const
{
    return BandedLayout::lineHeight(m_bold) + 6;
}

void TabularWriter::totals(const QString &label, const Sums &sums, double ruleWidth)
{
    const double width = m_layout.setup().contentWidth();
    double firstTotal = width;
    for (size_t i = 0; i < m_definition.columns.size(); ++i)
        if (m_definition.columns[i].totalled)
            firstTotal = qMin(firstTotal, m_x[i]);
    // The label goes before the first total, wrapping there; where there is hardly room it takes a
    // line of its own above the totals. The band grows with it, so the gap after it stays.
    constexpr double kNarrowestLabel = 48;
    const double room = firstTotal - 2 * kPadding;
    const bool ownLine = room < kNarrowestLabel;
    const double labelWidth = ownLine ? width - 2 * kPadding : room;
    const double labelHeight = BandedLayout::textHeight(label, m_bold, labelWidth);
    const double sumsTop = ownLine ? labelHeight + 3 : 0;
    Band band = m_layout.band(qMax(totalsHeight() + sumsTop, labelHeight + 6));
    for (size_t i = 0; i < m_definition.columns.size(); ++i) {
        const TabularLayout::Column &c = m_definition.columns[i];
        if (!c.totalled)
            continue;
        const QVariant sum = c.format == TabularLayout::Format::Money ? QVariant(sums[i].money.toDouble())
                                                                      : QVariant(sums[i].whole);
        band.line(m_x[i] + kPadding, m_x[i] + c.width - kPadding, sumsTop + 1, ruleWidth);
        band.text(m_x[i] + kPadding, c.width - 2 * kPadding, TabularLayout::formatted(c, sum), m_bold, alignmentOf(c), sumsTop + 3);
    }
    band.text(kPadding, labelWidth, label, m_bold, Qt::AlignLeft, 3);
}

Document TabularWriter::write(const std::function<std::optional<Row>()> &next, const QString &documentTitle)
{
    m_layout.setPageHeader([this](BandedLayout &layout) { pageHeader(layout); });
    const ReportFont small = m_definition.font;
    m_layout.setPageFooter(BandedLayout::lineHeight(small) + 4, [this, small](Band &band) {
        band.line(0, band.width(), 0);
        band.text(0, band.width() / 2, m_definition.footerNote, small, Qt::AlignLeft, 3);
        band.text(band.width() / 2, band.width() / 2, QStringLiteral("Page {PAGE} of {PAGES}"), small, Qt::AlignRight, 3);
    });
    m_layout.keepTogether(0);
    const bool grouped = !m_definition.groupField.isEmpty();
    const bool totalled = anyTotals();
    const Sums zero(m_definition.columns.size());
    Sums groupSums = zero;
    Sums grandSums = zero;
    bool shaded = false;
    bool any = false;
    // One row ahead is read, to know where a group ends.
    for (std::optional<Row> row = next(), following; row; row = std::move(following)) {
        any = true;
        following = next();
        const bool last = !following;
        const bool groupEnds = grouped && (last || following->group != row->group);
        // A total never starts a page: the last row goes over with it.
        const int totalsBelow = totalled ? int(groupEnds) + int(last) : 0;
        const Cells rowCells = cells(*row);
        if (grouped && (!m_group || row->group != *m_group)) {
            m_group.reset();
            // A heading never stays alone at the foot of a page: its first row, and the totals of a
            // group of one row, go with it.
            m_layout.keepTogether(BandedLayout::lineHeight(m_bold) + 4 + rowCells.height + totalsBelow * totalsHeight());
            groupHeader(m_definition.groupHeader.arg(row->group));
            m_group = row->group;
            groupSums = zero;
            shaded = false;
        }
        m_layout.keepTogether(rowCells.height + totalsBelow * totalsHeight());
        detail(rowCells, shaded);
        shaded = !shaded;
        add(groupSums, *row);
        add(grandSums, *row);
        if (groupEnds) {
            m_group.reset();
            if (totalled)
                totals(m_definition.groupFooter.arg(row->group), groupSums, 0.5);
            m_layout.skip(6);
        }
    }
    if (totalled && any)
        totals(m_definition.grandTotal, grandSums, 1.2);
    return m_layout.finish(documentTitle);
}

} // namespace zel::reports
