#include "utilities/ui/utility_pages.h"

#include "utilities/ui/cleanup_page.h"
#include "utilities/ui/export_page.h"
#include "utilities/ui/flags_page.h"
#include "utilities/ui/handheld_orders_page.h"
#include "utilities/ui/import_page.h"
#include "utilities/ui/payments_page.h"
#include "utilities/ui/product_change_page.h"
#include "utilities/ui/product_database_page.h"

namespace zel {

namespace {

template <class Page, class... Extra>
std::function<UtilityPage *(AppState &, QWidget *)> page(Extra... extra)
{
    return [=](AppState &state, QWidget *parent) -> UtilityPage * { return new Page(state, extra..., parent); };
}

} // namespace

const std::vector<UtilityPageEntry> &utilityPages()
{
    // "Tab 1 Delete" and "tab 6" (payments) are named in messages elsewhere: keep their places.
    static const std::vector<UtilityPageEntry> pages = {
        {QStringLiteral("&1 Delete"), page<CleanupPage>(), {}},
        {QStringLiteral("&2 Flags"), page<FlagsPage>(), {}},
        {QStringLiteral("&3 Import"), page<ImportPage>(), {}},
        {QStringLiteral("&4 Export"), page<ExportPage>(), {}},
        {QStringLiteral("&5 Handheld Orders"), page<HandheldOrdersPage>(), {}},
        {QStringLiteral("&6 Payments"), page<PaymentsPage>(), {}},
        {QStringLiteral("&7 Product Update"), page<ProductChangePage>(false), {}},
        {QStringLiteral("&8 Shorted Products"), page<ProductChangePage>(true), {}},
        {QStringLiteral("&9 Product Database"), page<ProductDatabasePage>(), {}},
    };
    return pages;
}

} // namespace zel
