#pragma once

#include <QString>
#include <QVariantList>

#include <optional>
#include <vector>

namespace zel {

class Prompter;
class cDataAccess;

namespace reports {

struct ReportParameters;

// The business-helper filter of the report screen: every customer, those with a helper, those
// without one, or the customers of one helper. Reports add its condition to their WHERE clause.
struct HelperFilter
{
    enum class Kind { All, WithHelper, WithoutHelper, One };

    Kind kind = Kind::All;
    int helper = 0; // the helper's customer number, for Kind::One

    // The key in ReportParameters::choices; the value is the text form below.
    static inline const QString kChoice = QStringLiteral("Helper");
    static inline const QString kWithEntry = QStringLiteral("Customers With a Helper Assigned");
    static inline const QString kWithoutEntry = QStringLiteral("Customers Without A Helper Assigned");

    // "all" (or empty), "with", "without" or a helper's number; nothing for anything else.
    static std::optional<HelperFilter> fromText(const QString &text);
    static HelperFilter of(const ReportParameters &parameters);
    QString toText() const;

    // " And [column] > 0 " and the like, its number appended to `values`; empty for all customers.
    QString clause(const QString &column, QVariantList &values) const;
    // A line for report titles: "Customers With a Helper Assigned", "Helper: 12"; empty for all.
    QString describe() const;
    // The helper summaries take neither special entry: they say so and use every customer.
    HelperFilter withoutSpecialEntries(Prompter &prompter) const;

    bool operator==(const HelperFilter &) const = default;
};

struct HelperEntry
{
    int number;
    QString name; // "Last, First"
};

// The customers flagged as business helpers, by name: the helper list of the report screen.
std::vector<HelperEntry> businessHelpers(cDataAccess &data);

} // namespace reports
} // namespace zel
