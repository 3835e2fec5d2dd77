#include "options/font_catalogue.h"

#include <QStringList>

namespace zel::options {

namespace {

// The fourteen elements of an invoice layout, in the order of their sections C1 .. C14.
const QStringList &invoiceElements()
{
    static const QStringList elements = {
        QStringLiteral("Order Comments - Current"), QStringLiteral("Order Comments - All"),
        QStringLiteral("Global Order Comments"), QStringLiteral("Points Message"), QStringLiteral("Thank You Message"),
        QStringLiteral("Order Title Line 1"), QStringLiteral("Order Title Line 2"),
        QStringLiteral("Order Details When Quantity Greater Than One"), QStringLiteral("Negative Balances"),
        QStringLiteral("BackOrder/Unavailable/Substitution Items"), QStringLiteral("Negative Line Item Prices"),
        QStringLiteral("Product Number"), QStringLiteral("Delivery Information"),
        QStringLiteral("Customer Name, Address & Phones")};
    return elements;
}

FontGroup invoiceGroup(const QString &label, const QString &layout)
{
    FontGroup group{label, {}};
    for (int i = 0; i < invoiceElements().size(); ++i)
        group.entries.push_back({layout + QStringLiteral("C%1").arg(i + 1), invoiceElements().at(i)});
    return group;
}

} // namespace

const std::vector<FontEntry> &screenFonts()
{
    static const std::vector<FontEntry> entries = {
        {"ZEL_About", "About"},
        {"ZEL_ActiveReports", "Reports"},
        {"ZEL_Campaign_Summary", "Campaign Summary"},
        {"ZEL_Customer", "Customer"},
        {"ZEL_Glance", "Campaign at a Glance"},
        {"ZEL_History_1", "History Search"},
        {"ZEL_History_2", "History"},
        {"ZEL_Main", "Main Menu"},
        {"ZEL_Options", "Options"},
        {"ZEL_Order", "Order"},
        {"ZEL_Order_Summary", "Order Summary"},
        {"ZEL_Products", "Products"},
        {"ZEL_Search", "Customer Search"},
        {"ZEL_Totals", "Expenses"},
        {"ZEL_Utilities", "Utilities"},
    };
    return entries;
}

const std::vector<FontGroup> &reportFonts()
{
    static const std::vector<FontGroup> groups = {
        invoiceGroup(QStringLiteral("1. Order/Invoice - Standard"), QStringLiteral("rptOrdersLong")),
        invoiceGroup(QStringLiteral("1. Order/Invoice - Short"), QStringLiteral("rptOrdersShort")),
    };
    return groups;
}

} // namespace zel::options
