#include "reports/tabular_layout.h"

#include "core/currency.h"
#include "core/text.h"
#include "reports/tabular_writer.h"
#include "shell/data_access.h"

#include <QDateTime>

namespace zel::reports {

TabularLayout::TabularLayout(const PageSetup &setup)
{
    m_definition.setup = setup;
    m_definition.font.family = QStringLiteral("Arial");
    m_definition.font.pointSize = 9;
}

TabularLayout &TabularLayout::source(const QString &sql, const QVariantList &values)
{
    m_definition.sql = sql;
    m_definition.values = values;
    return *this;
}

TabularLayout &TabularLayout::title(const QString &title)
{
    m_definition.title = title;
    return *this;
}

TabularLayout &TabularLayout::subtitle(const QString &line)
{
    if (!line.trimmed().isEmpty())
        m_definition.subtitles << line;
    return *this;
}

TabularLayout &TabularLayout::font(const ReportFont &body)
{
    m_definition.font = body;
    return *this;
}

TabularLayout &TabularLayout::groupBy(const QString &field, const QString &header, const QString &footer)
{
    m_definition.groupField = field;
    m_definition.groupHeader = header;
    m_definition.groupFooter = footer;
    return *this;
}

TabularLayout &TabularLayout::column(const Column &column)
{
    m_definition.columns.push_back(column);
    return *this;
}

TabularLayout &TabularLayout::column(const QString &field, const QString &heading, double width, Format format, bool totalled)
{
    Column c;
    c.field = field;
    c.heading = heading;
    c.width = width;
    c.format = format;
    c.totalled = totalled;
    return column(c);
}

TabularLayout &TabularLayout::grandTotal(const QString &label)
{
    m_definition.grandTotal = label;
    return *this;
}

TabularLayout &TabularLayout::footerNote(const QString &text)
{
    m_definition.footerNote = text;
    return *this;
}

// The source narrowed to the columns listed: an rpt table is often as wide as Orders and
// Customers together, and reading every column of every row costs more than laying it out.
// (SQLite keeps the order the source sorts by.)
QString TabularLayout::listedColumnsOf(const Definition &definition)
{
    QStringList fields;
    if (!definition.groupField.isEmpty())
        fields << definition.groupField;
    for (const Column &c : definition.columns)
        for (const QString &field : {c.field, c.totalField, c.totalOncePer})
            if (!field.isEmpty() && !fields.contains(field))
                fields << field;
    if (fields.isEmpty())
        return definition.sql;
    for (QString &field : fields)
        field = QStringLiteral("[%1]").arg(field);
    return QStringLiteral("Select %1 From (%2)").arg(fields.join(QStringLiteral(", ")), definition.sql);
}

QString TabularLayout::formatted(const Column &column, const QVariant &value)
{
    if (value.isNull())
        return {};
    switch (column.format) {
    case Format::Text: return value.toString().trimmed();
    case Format::Number: return QString::number(value.toLongLong());
    case Format::Money:
        return Currency::fromDouble(value.toDouble())
            .format(column.pattern.isEmpty() ? QStringLiteral("###,###,##0.00") : column.pattern);
    case Format::Date: {
        const std::optional<QDateTime> when = fromDbDateTime(value);
        return when ? when->date().toString(column.pattern.isEmpty() ? QStringLiteral("MM/dd/yyyy") : column.pattern)
                    : QString();
    }
    }
    return {};
}

Document TabularLayout::layOut(cDataAccess &data, const QString &documentTitle) const
{
    data.setSQL(listedColumnsOf(m_definition), m_definition.values);
    RecordSet records = data.GetSnapShot(documentTitle);
    const auto next = [&]() -> std::optional<TabularWriter::Row> {
        if (!records.next())
            return std::nullopt;
        TabularWriter::Row row;
        if (!m_definition.groupField.isEmpty())
            row.group = records.value(m_definition.groupField).toString().trimmed();
        for (const Column &c : m_definition.columns) {
            row.values.push_back(records.value(c.field));
            row.totalled.push_back(c.totalField.isEmpty() ? row.values.back() : records.value(c.totalField));
            row.totalKeys.push_back(c.totalOncePer.isEmpty() ? QString() : records.value(c.totalOncePer).toString());
        }
        return row;
    };
    return TabularWriter(m_definition).write(next, documentTitle);
}

} // namespace zel::reports
