#pragma once

#include "core/campaign.h"

#include <QString>

#include <optional>

namespace zel {

class AppState;

namespace reports {

// Where "Save as PDF" proposes to write a report: beside the database, named after the report, the
// customer (when it is one customer's) and the campaign, as "Customer Orders - Ann Adams - C24
// 2026.pdf". Characters a file name cannot hold become blanks.
QString suggestedPdfPath(AppState &state, const QString &title, std::optional<int> customer = std::nullopt,
                         const Campaign &campaign = {});

} // namespace reports
} // namespace zel
