#include "customers/customer_summaries.h"

#include "shell/data_access.h"

namespace zel::customers {

namespace {

const QString kProcedure = QStringLiteral("Customer Summary");

QString selectOf(CustomerSummaries::Kind kind)
{
    using Kind = CustomerSummaries::Kind;
    switch (kind) {
    case Kind::Campaigns:
        return QStringLiteral("Select [Orders Campaign Year] || ' / ' || [Orders Campaign Number], [Orders Order Number], "
                              "substr([Orders Entered Date], 1, 10), Case When [Orders Delivered] = 'Y' Then 'Yes' Else '' End, "
                              "[Orders Unit Total] From [Orders] Where [Orders Customer Number] = ? And [Orders Internal Flag] = "
                              "'TOTAL' Order By [Orders Campaign Year] desc, [Orders Campaign Number], [Orders Order Number]");
    case Kind::Orders:
    case Kind::CurrentOrders:
        return QStringLiteral("Select [Orders Campaign Year] || ' / ' || [Orders Campaign Number], [Orders Page], [Orders Catalog "
                              "Number], Trim(Trim(Coalesce([Orders Product], '')) || ' ' || Trim(Coalesce([Orders Shade], '')) || "
                              "' ' || Trim(Coalesce([Orders Size], ''))), [Orders Quanity], [Orders Unit Price], [Orders Unit "
                              "Total] From [Orders] Where [Orders Customer Number] = ? And [Orders Internal Flag] = 'DETAIL'")
             + (kind == Kind::CurrentOrders ? QStringLiteral(" And [Orders Campaign Year] = ? And [Orders Campaign Number] = ?")
                                            : QString())
             + QStringLiteral(" Order By [Orders Campaign Year], [Orders Campaign Number], [Orders Sequence Number]");
    case Kind::Payments:
        return QStringLiteral("Select [Payments Campaign Year] || ' / ' || [Payments Campaign Number], [Payments Order Number], "
                              "[Payments Sequence], substr([Payments Date], 1, 10), [Payments Type], [Payments Check Number], "
                              "[Payments Deposited], [Payments Amount] From Payments Where [Payments Customer Number] = ? Order By "
                              "[Payments Campaign Year] desc , [Payments Campaign Number], [Payments Order Number], [Payments "
                              "Sequence]");
    }
    return {};
}

} // namespace

QString CustomerSummaries::title(Kind kind)
{
    switch (kind) {
    case Kind::Campaigns: return QStringLiteral("Customer #### Summary");
    case Kind::Orders: return QStringLiteral("Customer Order Summary");
    case Kind::CurrentOrders: return QStringLiteral("Customer Order Summary (Current ####)");
    case Kind::Payments: return QStringLiteral("Customer Payment Summary");
    }
    return {};
}

std::vector<CustomerSummaries::Column> CustomerSummaries::columns(Kind kind)
{
    switch (kind) {
    case Kind::Campaigns:
        return {{QStringLiteral("Year / ####")}, {QStringLiteral("Order"), false, true}, {QStringLiteral("Entered")},
                {QStringLiteral("Delivered")}, {QStringLiteral("Order Total"), true}};
    case Kind::Orders:
    case Kind::CurrentOrders:
        return {{QStringLiteral("Year / ####")}, {QStringLiteral("Page")}, {QStringLiteral("Product #")},
                {QStringLiteral("Product")}, {QStringLiteral("Qty"), false, true}, {QStringLiteral("Price"), true},
                {QStringLiteral("Total"), true}};
    case Kind::Payments:
        return {{QStringLiteral("Year / ####")}, {QStringLiteral("Order"), false, true}, {QStringLiteral("Seq"), false, true},
                {QStringLiteral("Date")}, {QStringLiteral("Type")}, {QStringLiteral("Check Number")},
                {QStringLiteral("Deposited")}, {QStringLiteral("Amount"), true}};
    }
    return {};
}

std::vector<QVariantList> CustomerSummaries::rows(cDataAccess &data, Kind kind, int customer, const Campaign &campaign)
{
    QVariantList values{customer};
    if (kind == Kind::CurrentOrders)
        values << campaign.year << campaign.number;
    data.setSQL(selectOf(kind), values);
    RecordSet found = data.GetSnapShot(kProcedure);
    const int width = int(columns(kind).size());
    std::vector<QVariantList> rows;
    while (found.next()) {
        QVariantList row;
        for (int i = 0; i < width; ++i)
            row << found.value(i);
        rows.push_back(row);
    }
    return rows;
}

Currency CustomerSummaries::yearToDate(cDataAccess &data, int customer, int year)
{
    return Currency::fromDouble(data.scalar(kProcedure,
                                            QStringLiteral("SELECT Sum(Orders.[Orders Unit Total]) AS [YTD] From Orders Where "
                                                           "[Orders Customer Number] = ? And [Orders Internal Flag] = 'TOTAL' And "
                                                           "[Orders Campaign Year] = ?"),
                                            {customer, year})
                                    .toDouble());
}

} // namespace zel::customers
