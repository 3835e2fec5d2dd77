#pragma once

#include "core/campaign.h"
#include "reports/helper_filter.h"

#include <QString>

#include <optional>

namespace zel {

class AppState;
class cDataAccess;

namespace reports {

struct ReportParameters;

// The representative's combined order of a campaign: what goes into rptOrderSummary (the input of
// the web order transmission as well as of the three printed layouts and the data file).
struct OrderSummarySelection
{
    enum class Kind { Regular, Returns, BackOrders, None };
    enum class Sort { PageProduct, Product }; // "OS, Page, Product" and "OS, Product"
    enum class Output { Standard, Verify, Fax, DataFile };

    Campaign campaign;
    Kind kind = Kind::Regular;
    bool nonSummarizedOnly = true;
    Sort sort = Sort::PageProduct;
    bool suppressPageNumbers = false;
    Output output = Output::Standard;
    HelperFilter helper;

    // The choices keys of ReportParameters and their text values.
    static inline const QString kKind = QStringLiteral("SummaryKind");         // regular|returns|backorders
    static inline const QString kSummary = QStringLiteral("SummaryType");      // all|non-summarized
    static inline const QString kSort = QStringLiteral("SummarySort");         // page|product
    static inline const QString kNoPages = QStringLiteral("SuppressPageNumbers"); // bool
    static inline const QString kOutput = QStringLiteral("SummaryLayout");     // standard|verify|fax|datafile
    static inline const QString kDataFile = QStringLiteral("DataFile");        // path; implies datafile
    static inline const QString kMark = QStringLiteral("MarkSummarized");      // yes|no; empty: ask

    static OrderSummarySelection of(const ReportParameters &parameters);
    // "Regular Order Summary (Positive Amounts) - Non-Summarized Orders": the options as a title.
    QString describe() const;
    // The layout of the output ("rptOrderSummary", "...Verify", "...Fax"); empty for the data file.
    QString layoutName() const;
    // The report's "OrderBy".
    QString orderBy() const;
};

// Rebuilds rptOrderTemp, rptOrderSave, rptOrderSummaryCount and rptOrderSummary. Returns the
// message to show when nothing was found or a statement failed, nothing when the tables are ready.
std::optional<QString> prepareOrderSummary(cDataAccess &data, const OrderSummarySelection &selection);
// The number of customers whose orders are in the summary ("CustomerOrders").
int summaryCustomerCount(cDataAccess &data);
// Marks every order of the last summary (rptOrderSave) as summarized. False when it failed.
bool markOrdersSummarized(cDataAccess &data);
// Asks whether to mark the summarized orders (or takes the answer given) and marks them on Yes.
void askMarkSummarized(AppState &state, const OrderSummarySelection &selection, const QString &givenAnswer);

} // namespace reports
} // namespace zel
