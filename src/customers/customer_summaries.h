#pragma once

#include "core/campaign.h"
#include "core/currency.h"

#include <QString>
#include <QVariantList>

#include <vector>

namespace zel {

class cDataAccess;

namespace customers {

// The four summaries of one customer the customer screen's Show menu opens: each a list of her
// rows, printed by its own report (the screen knows which).
class CustomerSummaries
{
public:
    enum class Kind { Campaigns, Orders, CurrentOrders, Payments };

    struct Column
    {
        QString heading;
        bool money = false; // right aligned, in currency format
        bool number = false; // right aligned
    };

    // The window title ("Customer #### Summary").
    static QString title(Kind kind);
    static std::vector<Column> columns(Kind kind);
    // True for the one summary that follows the campaign steps.
    static bool stepsCampaigns(Kind kind) { return kind == Kind::CurrentOrders; }
    // Each row's values, in the order of columns().
    static std::vector<QVariantList> rows(cDataAccess &data, Kind kind, int customer, const Campaign &campaign);
    // The order totals of the campaign's year, for the campaign summary's year-to-date line.
    static Currency yearToDate(cDataAccess &data, int customer, int year);
};

} // namespace customers
} // namespace zel
