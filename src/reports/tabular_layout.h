#pragma once

#include "reports/page_setup.h"
#include "reports/report_page.h"

#include <QString>
#include <QStringList>
#include <QVariantList>

#include <vector>

namespace zel {

class cDataAccess;

namespace reports {

// A list report on the banded engine: the rows of one query over an rpt table in columns,
// optionally grouped by a column with a heading and totals per group, a grand total, and on every
// page the title, subtitles and column headings at the top and "Page n of m" at the bottom.
class TabularLayout
{
public:
    enum class Format { Text, Number, Money, Date };

    struct Column
    {
        QString field;         // the source's column
        QString heading;
        double width = 72;     // points, the padding on both sides included
        Format format = Format::Text;
        bool totalled = false; // summed per group and in the grand total (numbers and money only)
        int alignment = 0;     // Qt::Alignment; 0 puts numbers and money right, everything else left
        QString pattern;       // "###,###,##0.00" for money and "MM/dd/yyyy" for dates unless given
        // A running balance repeats on every row of its customer: its total adds `totalField`
        // (the column's own field when empty) once for each value of `totalOncePer`.
        QString totalField;
        QString totalOncePer;
    };

    // What the builder has been told; the writer lays it out.
    struct Definition
    {
        PageSetup setup;
        QString sql;
        QVariantList values;
        QString title;
        QStringList subtitles;
        ReportFont font;
        QString groupField;
        QString groupHeader = QStringLiteral("%1");
        QString groupFooter = QStringLiteral("Total %1");
        QString grandTotal = QStringLiteral("Grand Total");
        QString footerNote;
        std::vector<Column> columns;
    };

    explicit TabularLayout(const PageSetup &setup = {});

    // The query whose rows are listed, in the order it gives them.
    TabularLayout &source(const QString &sql, const QVariantList &values = {});
    TabularLayout &title(const QString &title);
    // A line under the title; empty lines are left out.
    TabularLayout &subtitle(const QString &line);
    // The detail font; title, headings and totals are made from it.
    TabularLayout &font(const ReportFont &body);
    // Consecutive rows with the same `field` form a group, headed by `header` and closed by its
    // totals labelled `footer` ("%1" in both is the value); the source sorts by the field.
    TabularLayout &groupBy(const QString &field, const QString &header = QStringLiteral("%1"),
                           const QString &footer = QStringLiteral("Total %1"));
    TabularLayout &column(const Column &column);
    TabularLayout &column(const QString &field, const QString &heading, double width, Format format = Format::Text,
                          bool totalled = false);
    // The label of the grand total at the end (shown when some column is totalled).
    TabularLayout &grandTotal(const QString &label);
    // A text at the left of every page's footer (the page number is at the right).
    TabularLayout &footerNote(const QString &text);

    const Definition &definition() const { return m_definition; }

    // Reads the source and lays it out; a source without rows gives one page with the header alone.
    // A failing query is reported by `data` and reads as no rows.
    Document layOut(cDataAccess &data, const QString &documentTitle) const;

    // A value as a column of that format shows it; Null shows nothing.
    static QString formatted(const Column &column, const QVariant &value);

private:
    static QString listedColumnsOf(const Definition &definition);

    Definition m_definition;
};

} // namespace reports
} // namespace zel
