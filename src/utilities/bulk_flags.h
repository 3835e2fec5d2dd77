#pragma once

#include "core/campaign.h"

#include <optional>

namespace zel {

class AppState;

namespace utilities {

// The flags tab: bulk switches on customers and on a campaign's orders, and the customer counters.
// Each asks first and reports how many rows changed; nothing when the user said No or it failed.
class BulkFlags
{
public:
    static constexpr int kCounters = 9;

    explicit BulkFlags(AppState &state) : m_state(state) {}

    std::optional<int> setLabelFlags(bool on);
    std::optional<int> setPrintedFlags(const Campaign &campaign, bool on);
    std::optional<int> setSummarizedFlags(const Campaign &campaign, bool on);
    // Customer counter 1 to 9 back to zero; without one: "Please Select A Counter."
    std::optional<int> resetCounter(std::optional<int> counter);

private:
    std::optional<int> orderFlag(const Campaign &campaign, bool on, const char *flagName, const char *column);
    std::optional<int> run(const QString &question, const QString &sql, const QVariantList &values, const QString &report);

    AppState &m_state;
};

} // namespace utilities
} // namespace zel
