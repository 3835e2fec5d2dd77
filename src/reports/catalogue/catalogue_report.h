#pragma once

#include "reports/helper_filter.h"
#include "reports/report.h"
#include "reports/tabular_layout.h"

#include <QDate>

namespace zel {

class cDataAccess;

namespace reports::catalogue {

// What the business reports of the report screen share: their choices from the command line,
// work tables dropped and built again on every run, the helper filter and a list layout with the
// titles of the request.
class CatalogueReport : public Report
{
public:
    // Most of these reports are about a campaign (the current one unless another is given).
    std::vector<ReportOption> options() const override { return {{ReportInput::Campaign, false}}; }

    // The text shown when a statement failed while preparing.
    QString failedMessage() const;

    // SQL for "First Last" and "Last, First" of the Customers columns of `table` (may be empty).
    static QString firstLastSql(const QString &table = {});
    static QString lastFirstSql(const QString &table = {});

protected:
    // Command-line choices: one of some words, yes or no, or a free value described by `usage`.
    static ReportChoice wordChoice(const QString &option, const QString &key, const QStringList &values);
    static ReportChoice yesNoChoice(const QString &option, const QString &key);
    // A value written as `usage` says ("YYYYCC", "N", "YYYY-MM-DD"); anything else is refused.
    static ReportChoice valueChoice(const QString &option, const QString &key, const QString &usage);
    // "--helper all|with|without|N", the business-helper filter of the screen.
    static ReportChoice helperChoice();

    // Drops `table` and creates it again from `select`; false when a statement failed.
    static bool rebuild(cDataAccess &data, const QString &table, const QString &select, const QVariantList &values = {});
    static bool drop(cDataAccess &data, const QString &table);
    static int rowCount(cDataAccess &data, const QString &table);

    // The choices, read with a default when missing. A word choice reads in lower case.
    static QString word(const ReportParameters &parameters, const QString &key, const QString &fallback);
    static QString text(const ReportParameters &parameters, const QString &key, const QString &fallback = {});
    // A yes/no choice; "yes", "y", "true", "1" (as text or as a bool) read as yes.
    static bool flag(const ReportParameters &parameters, const QString &key, bool fallback = false);
    // Why a value is not written as `usage` says; unset for a usage that takes any text.
    static std::function<QString(const QString &)> formatCheck(const QString &option, const QString &usage);
    static int whole(const ReportParameters &parameters, const QString &key, int fallback = 0);
    static QDate date(const ReportParameters &parameters, const QString &key, const QDate &fallback = {});
    static QStringList list(const ReportParameters &parameters, const QString &key);
    static HelperFilter helper(const ReportParameters &parameters);

    // " And (column = ? Or column = ? ...)" for the values of a list; empty for an empty list.
    static QString anyOf(const QString &column, const QStringList &texts, QVariantList &values);
    // The Orders rows of the campaigns from `first` to `last`, as a range the campaign indexes serve
    // (a computed key such as Year * 100 + Number would be read from every row). `table` prefixes
    // the columns ("o." or empty); the four values are added to `values`.
    static QString campaignBetween(const Campaign &first, const Campaign &last, QVariantList &values, const QString &table = {});
    // " And column = ?" for a customer status other than "All".
    static QString statusClause(const QString &column, const QString &status, QVariantList &values);

    // SQL for the customer's first phone and for "12 Main St, Springfield IL 12345".
    static QString addressSql(const QString &table = {});
    // "Campaign 5 - Year 2008".
    static QString campaignLine(const Campaign &campaign);

    // A request with the common keys and Title1 to Title3.
    ReportRequest titledRequest(const AppState &state, const QString &layout, const ReportParameters &parameters,
                                const QStringList &titles) const;
    // A list on the options' paper with the request's titles, font and the representative's name.
    static TabularLayout listLayout(AppState &state, const ReportRequest &request, bool landscape = false);
    // Adds the columns, narrowed in proportion when together they are wider than the page (A4 is
    // narrower than letter), so no column is ever cut off.
    static TabularLayout::Column col(const QString &field, const QString &heading, double width,
                                     TabularLayout::Format format = TabularLayout::Format::Text, bool totalled = false);
    static void addColumns(TabularLayout &table, std::vector<TabularLayout::Column> columns);
};

} // namespace reports::catalogue
} // namespace zel
