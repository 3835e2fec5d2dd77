#include "reports/catalogue/catalogue_report.h"

#include "reports/report_fonts.h"
#include "session/app_state.h"

namespace zel::reports::catalogue {

namespace {

const QString kProcedure = QStringLiteral("Report Catalogue");

QString prefixed(const QString &table)
{
    return table.isEmpty() ? QString() : table + QLatin1Char('.');
}

} // namespace

QString CatalogueReport::failedMessage() const
{
    return QStringLiteral("The %1 report could not be prepared.").arg(title().toLower());
}

bool CatalogueReport::drop(cDataAccess &data, const QString &table)
{
    return data.exec(kProcedure, QStringLiteral("Drop Table If Exists [%1]").arg(table));
}

bool CatalogueReport::rebuild(cDataAccess &data, const QString &table, const QString &select, const QVariantList &values)
{
    return drop(data, table) && data.exec(kProcedure, QStringLiteral("Create Table [%1] As ").arg(table) + select, values);
}

int CatalogueReport::rowCount(cDataAccess &data, const QString &table)
{
    return data.number(kProcedure, QStringLiteral("Select Count(*) From [%1]").arg(table));
}

QString CatalogueReport::text(const ReportParameters &parameters, const QString &key, const QString &fallback)
{
    const QVariant value = parameters.choices.value(key);
    return value.isValid() && !value.toString().trimmed().isEmpty() ? value.toString().trimmed() : fallback;
}

bool CatalogueReport::flag(const ReportParameters &parameters, const QString &key, bool fallback)
{
    const QVariant value = parameters.choices.value(key);
    if (!value.isValid())
        return fallback;
    if (value.typeId() == QMetaType::Bool)
        return value.toBool();
    const QString t = value.toString().trimmed().toLower();
    return t == QLatin1String("yes") || t == QLatin1String("y") || t == QLatin1String("true") || t == QLatin1String("1")
        || t == QLatin1String("-1");
}

ReportChoice CatalogueReport::helperChoice()
{
    return valueChoice(QStringLiteral("--helper"), HelperFilter::kChoice, QStringLiteral("all|with|without|N"));
}

QString CatalogueReport::word(const ReportParameters &parameters, const QString &key, const QString &fallback)
{
    return text(parameters, key, fallback).toLower();
}

ReportChoice CatalogueReport::wordChoice(const QString &option, const QString &key, const QStringList &values)
{
    ReportChoice choice;
    choice.option = option;
    choice.key = key;
    choice.values = values;
    return choice;
}

ReportChoice CatalogueReport::yesNoChoice(const QString &option, const QString &key)
{
    return wordChoice(option, key, {QStringLiteral("yes"), QStringLiteral("no")});
}

ReportChoice CatalogueReport::valueChoice(const QString &option, const QString &key, const QString &usage)
{
    ReportChoice choice = wordChoice(option, key, {});
    choice.usage = usage;
    choice.refusal = formatCheck(option, usage);
    return choice;
}

std::function<QString(const QString &)> CatalogueReport::formatCheck(const QString &option, const QString &usage)
{
    const auto refused = [option](const QString &needs, const QString &value) {
        return option + QStringLiteral(" needs ") + needs + QStringLiteral(", not '") + value + QStringLiteral("'.");
    };
    if (usage == QLatin1String("YYYYCC"))
        return [refused](const QString &value) {
            bool ok = false;
            const int key = value.toInt(&ok);
            const bool valid = ok && value.size() == 6 && key / 100 >= 1980 && key / 100 <= 2200 && key % 100 >= 1;
            return valid ? QString() : refused(QStringLiteral("a campaign as YYYYCC, for example 202605"), value);
        };
    if (usage == QLatin1String("N"))
        return [refused](const QString &value) {
            bool ok = false;
            const int count = value.toInt(&ok);
            return ok && count >= 1 && count <= 99 ? QString() : refused(QStringLiteral("a whole number from 1 to 99"), value);
        };
    if (usage == QLatin1String("YYYY-MM-DD"))
        return [refused](const QString &value) {
            return QDate::fromString(value, Qt::ISODate).isValid()
                       ? QString()
                       : refused(QStringLiteral("a date as YYYY-MM-DD, for example 2026-03-20"), value);
        };
    return {};
}

int CatalogueReport::whole(const ReportParameters &parameters, const QString &key, int fallback)
{
    bool ok = false;
    const int value = parameters.choices.value(key).toInt(&ok);
    return ok ? value : fallback;
}

QDate CatalogueReport::date(const ReportParameters &parameters, const QString &key, const QDate &fallback)
{
    const QVariant value = parameters.choices.value(key);
    const QDate read = value.typeId() == QMetaType::QDate ? value.toDate() : QDate::fromString(value.toString(), Qt::ISODate);
    return read.isValid() ? read : fallback;
}

QStringList CatalogueReport::list(const ReportParameters &parameters, const QString &key)
{
    const QVariant value = parameters.choices.value(key);
    QStringList out;
    const QStringList raw = value.typeId() == QMetaType::QStringList ? value.toStringList()
                                                                      : value.toString().split(QLatin1Char(','));
    for (const QString &item : raw)
        if (!item.trimmed().isEmpty())
            out << item.trimmed();
    return out;
}

HelperFilter CatalogueReport::helper(const ReportParameters &parameters)
{
    return HelperFilter::of(parameters);
}

QString CatalogueReport::anyOf(const QString &column, const QStringList &texts, QVariantList &values)
{
    if (texts.isEmpty())
        return {};
    QStringList terms;
    for (const QString &t : texts) {
        terms << QStringLiteral("Coalesce(%1, '') = ?").arg(column);
        values << t;
    }
    return QStringLiteral(" And (") + terms.join(QStringLiteral(" Or ")) + QStringLiteral(") ");
}

QString CatalogueReport::statusClause(const QString &column, const QString &status, QVariantList &values)
{
    if (status.isEmpty() || status.compare(QLatin1String("All"), Qt::CaseInsensitive) == 0)
        return {};
    // The command line gives "closed"; the column holds "Closed".
    values << status.left(1).toUpper() + status.mid(1).toLower();
    return QStringLiteral(" And %1 = ? ").arg(column);
}

QString CatalogueReport::firstLastSql(const QString &table)
{
    const QString t = prefixed(table);
    return QStringLiteral("Trim(Coalesce(%1[Customers First Name], '') || ' ' || Coalesce(%1[Customers Last Name], ''))").arg(t);
}

QString CatalogueReport::lastFirstSql(const QString &table)
{
    const QString t = prefixed(table);
    return QStringLiteral("Trim(Coalesce(%1[Customers Last Name], '') || Case When Trim(Coalesce(%1[Customers Last Name], '')) "
                          "<> '' And Trim(Coalesce(%1[Customers First Name], '')) <> '' Then ', ' Else '' End || "
                          "Coalesce(%1[Customers First Name], ''))")
        .arg(t);
}

QString CatalogueReport::addressSql(const QString &table)
{
    const QString t = prefixed(table);
    return QStringLiteral("Trim(Trim(Coalesce(%1[Customers House Number], '') || ' ' || Coalesce(%1[Customers Address], '')) "
                          "|| Case When Trim(Coalesce(%1[Customers City], '')) <> '' Then ', ' || Trim(%1[Customers City]) "
                          "Else '' End || ' ' || Trim(Coalesce(%1[Customers State], '') || ' ' || "
                          "Coalesce(%1[Customers Zip Code], '')))")
        .arg(t);
}

QString CatalogueReport::campaignBetween(const Campaign &first, const Campaign &last, QVariantList &values, const QString &table)
{
    values << first.year << first.number << last.year << last.number;
    return QStringLiteral("(%1[Orders Campaign Year], %1[Orders Campaign Number]) Between (?, ?) And (?, ?)").arg(table);
}

QString CatalogueReport::campaignLine(const Campaign &campaign)
{
    return QStringLiteral("Campaign %1 - Year %2").arg(campaign.number).arg(campaign.year);
}

ReportRequest CatalogueReport::titledRequest(const AppState &state, const QString &layout, const ReportParameters &parameters,
                                             const QStringList &titles) const
{
    ReportRequest request = ReportRequest::common(state, layout, parameters.view);
    for (int i = 0; i < 3; ++i)
        request.set(QStringLiteral("Title%1").arg(i + 1), i < titles.size() ? titles[i] : QString());
    return request;
}

TabularLayout CatalogueReport::listLayout(AppState &state, const ReportRequest &request, bool landscape)
{
    PageSetup setup = PageSetup::fromOptions(state.options.PaperType, QString(), QString());
    if (landscape)
        setup.size.transpose();
    TabularLayout table(setup);
    table.font(reportFont(state.settings, request.text(QStringLiteral("ReportName")), table.definition().font))
        .title(request.text(QStringLiteral("Title1")))
        .subtitle(request.text(QStringLiteral("Title2")))
        .subtitle(request.text(QStringLiteral("Title3")))
        .footerNote(state.options.RepName);
    return table;
}

TabularLayout::Column CatalogueReport::col(const QString &field, const QString &heading, double width, TabularLayout::Format format,
                                           bool totalled)
{
    TabularLayout::Column column;
    column.field = field;
    column.heading = heading;
    column.width = width;
    column.format = format;
    column.totalled = totalled;
    return column;
}

void CatalogueReport::addColumns(TabularLayout &table, std::vector<TabularLayout::Column> columns)
{
    double total = 0, text = 0;
    for (const TabularLayout::Column &c : columns) {
        total += c.width;
        text += c.format == TabularLayout::Format::Text ? c.width : 0;
    }
    const double room = table.definition().setup.contentWidth();
    for (TabularLayout::Column &c : columns) {
        if (total > room)
            c.width = c.width * room / total;
        else if (text > 0 && c.format == TabularLayout::Format::Text)
            c.width += (room - total) * c.width / text; // the page's spare width goes to the texts, which wrap
        table.column(c);
    }
}

} // namespace zel::reports::catalogue
