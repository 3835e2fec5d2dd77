#include "reports/helper_filter.h"

#include "core/prompter.h"
#include "reports/report_parameters.h"
#include "shell/data_access.h"

namespace zel::reports {

std::optional<HelperFilter> HelperFilter::fromText(const QString &text)
{
    const QString word = text.trimmed().toLower();
    if (word.isEmpty() || word == QLatin1String("all"))
        return HelperFilter{};
    if (word == QLatin1String("with"))
        return HelperFilter{Kind::WithHelper, 0};
    if (word == QLatin1String("without"))
        return HelperFilter{Kind::WithoutHelper, 0};
    bool ok = false;
    const int number = word.toInt(&ok);
    if (!ok || number < 1 || number > 32767)
        return std::nullopt;
    return HelperFilter{Kind::One, number};
}

HelperFilter HelperFilter::of(const ReportParameters &parameters)
{
    return fromText(parameters.choices.value(kChoice).toString()).value_or(HelperFilter{});
}

QString HelperFilter::toText() const
{
    switch (kind) {
    case Kind::All: return QStringLiteral("all");
    case Kind::WithHelper: return QStringLiteral("with");
    case Kind::WithoutHelper: return QStringLiteral("without");
    case Kind::One: return QString::number(helper);
    }
    return {};
}

QString HelperFilter::clause(const QString &column, QVariantList &values) const
{
    switch (kind) {
    case Kind::All: return QStringLiteral(" ");
    case Kind::WithHelper: return QStringLiteral(" And [%1] > 0 ").arg(column);
    case Kind::WithoutHelper: return QStringLiteral(" And [%1] = 0 ").arg(column);
    case Kind::One:
        values << helper;
        return QStringLiteral(" And [%1] = ? ").arg(column);
    }
    return {};
}

QString HelperFilter::describe() const
{
    switch (kind) {
    case Kind::All: return {};
    case Kind::WithHelper: return kWithEntry;
    case Kind::WithoutHelper: return kWithoutEntry;
    case Kind::One: return QStringLiteral("Business Helper %1").arg(helper);
    }
    return {};
}

HelperFilter HelperFilter::withoutSpecialEntries(Prompter &prompter) const
{
    if (kind == Kind::WithHelper)
        prompter.information(QStringLiteral("'With a helper' is not supported on this report, using ALL option."));
    else if (kind == Kind::WithoutHelper)
        prompter.information(QStringLiteral("'Without a helper' is not supported on this report, using ALL option."));
    else
        return *this;
    return HelperFilter{};
}

std::vector<HelperEntry> businessHelpers(cDataAccess &data)
{
    data.setSQL(QStringLiteral("Select [Customers Number], Trim(Coalesce([Customers Last Name], '')) || ', ' || "
                               "Trim(Coalesce([Customers First Name], '')) From Customers Where [Customers Business Helper Flag] "
                               "= 'Y' Order By [Customers Last Name], [Customers First Name], [Customers Number]"));
    std::vector<HelperEntry> helpers;
    for (RecordSet rows = data.GetSnapShot(QStringLiteral("Business Helpers")); rows.next();)
        helpers.push_back({rows.value(0).toInt(), rows.value(1).toString()});
    return helpers;
}

} // namespace zel::reports
