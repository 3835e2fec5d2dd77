#pragma once

#include "core/campaign.h"

#include <QDate>
#include <QVariantMap>

#include <optional>

namespace zel::reports {

// What a report is run for: the choices every report may take, plus the report's own choices by
// name (its class names the keys it reads).
struct ReportParameters
{
    std::optional<int> customer;
    Campaign campaign;           // the campaign the report is about; the caller fills in the current one
    std::optional<int> order;    // one order of that customer
    bool shortLayout = false;    // the report's short layout where it has one
    bool view = false;           // preview ("View" True) rather than print
    QDate orderDate;             // the date printed on orders; invalid: today
    QVariantMap choices;
};

} // namespace zel::reports
