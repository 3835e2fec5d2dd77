#pragma once

#include "core/campaign.h"
#include "reports/helper_filter.h"

#include <QString>

#include <optional>

namespace zel {

class cDataAccess;

namespace reports {

struct ReportParameters;

// The collection list of a campaign: every customer's order totals, payments and balances
// ("rptCampaignSummary").
struct CampaignSummarySelection
{
    enum class Summarized { Both, SummarizedOnly, NonSummarizedOnly };

    Campaign campaign;
    Summarized summarized = Summarized::Both;
    bool complete = false;          // every campaign up to the selected one, settled older orders left out
    bool newCustomersOnly = false;  // customers with one order in the whole database
    bool excludeDelivered = false;
    HelperFilter helper;

    // choices keys
    static inline const QString kSummarized = QStringLiteral("CampaignSummarized"); // all|summarized|non-summarized
    static inline const QString kComplete = QStringLiteral("CompleteSummary");       // bool
    static inline const QString kNewCustomers = QStringLiteral("NewCustomersOnly");  // bool
    static inline const QString kExcludeDelivered = QStringLiteral("ExcludeDelivered"); // bool

    static CampaignSummarySelection of(const ReportParameters &parameters);
};

// Rebuilds rptCampaignSummary with its balances. The balances of every row are computed with a
// few set-based statements (running sums per customer), not a walk over the rows. Returns the
// message to show when no row is left or a statement failed.
std::optional<QString> prepareCampaignSummary(cDataAccess &data, const CampaignSummarySelection &selection);

} // namespace reports
} // namespace zel
