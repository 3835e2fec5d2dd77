#pragma once

// Databases of earlier versions, made from SQL on top of a current one: columns dropped or put back
// under their old names, the computed balance rows of the old model, and the version set.
// Shared by the upgrade tests and the upgrade benchmark.

#include <QString>
#include <QStringList>

namespace zel::test {

// The layout of version 12: what versions 13 to 17 added is taken away again.
inline QStringList layoutOfVersion12()
{
    return {QStringLiteral("Alter Table Customers Drop Column [Customers Gender]"),
            QStringLiteral("Alter Table Customers Drop Column [Customers Language]"),
            QStringLiteral("Alter Table Orders Drop Column [Orders Delivered]"),
            QStringLiteral("Update Database_Version Set [DBVersion Number] = 12")};
}

// Version 0: no version table, and the renamed and missing columns of the first layouts.
inline QStringList layoutOfVersion0()
{
    return {QStringLiteral("Drop Table Database_Version"),
            QStringLiteral("Alter Table Customers Rename Column [Customers Delivery Date] To [Customers Delivery Date Time]"),
            QStringLiteral("Alter Table Earnings Rename Column [Earnings Percent 1] To [Earnings Percent]"),
            QStringLiteral("Alter Table Options Rename Column [Options Tax Rate 1] To [Options Tax Rate]"),
            QStringLiteral("Alter Table Options Rename Column [Options Tax Desc 1] To [Options Tax Desc]"),
            QStringLiteral("Alter Table Orders Drop Column [Orders Tax1]"),
            QStringLiteral("Alter Table Orders Drop Column [Orders Tax2]"),
            QStringLiteral("Alter Table Orders Add Column [Orders Taxable] TEXT"),
            QStringLiteral("Alter Table Orders Add Column [Orders Taxable 2] TEXT"),
            QStringLiteral("Alter Table Orders Drop Column [Orders Price Quantity]"),
            QStringLiteral("Alter Table Orders Add Column [Orders Number For Dollar] TEXT"),
            QStringLiteral("Drop Index [Products Index]"),
            QStringLiteral("Alter Table Products Drop Column [Products Campaign Year]"),
            QStringLiteral("Alter Table Products Drop Column [Products Campaign Number]"),
            QStringLiteral("Alter Table Products Drop Column [Products Tax1]"),
            QStringLiteral("Alter Table Products Add Column [Products Taxable] TEXT"),
            QStringLiteral("Drop Table HelperPercents"),
            QStringLiteral("Drop Table Inventory")};
}

// `customers` customers with an order in each of `campaigns` campaigns of each of `years` years
// from 2000, each order a few lines, its 'TOTAL' row and its 'PAYMENT' row as version 12 kept
// them. Every customer pays the first orders exactly, then short or over, so that some reach a
// settled point and some never do. Money in cents, so every sum is exact.
inline QStringList tenYearsAtVersion12(int customers, int years, int campaigns)
{
    const QString orders = QStringLiteral(
        "With Recursive C(n) As (Select 1 Union All Select n + 1 From C Where n < %1), "
        "Y(y) As (Select 2000 Union All Select y + 1 From Y Where y < %2), "
        "K(k) As (Select 1 Union All Select k + 1 From K Where k < %3), "
        "L(l) As (Select 1 Union All Select l + 1 From L Where l < 3) ")
                               .arg(customers)
                               .arg(1999 + years)
                               .arg(campaigns);
    const QString key = QStringLiteral("[Orders Customer Number], [Orders Campaign Year], [Orders Campaign Number], [Orders Order "
                                       "Number], [Orders Sequence Number], [Orders Internal Flag], [Orders Unit Total], ");
    // An order's line l costs ((n * 7 + y + k * 3 + l) % 40 + 5) dollars and some cents.
    const QString line = QStringLiteral("(((n * 7 + y + k * 3 + l) % 40) + 5 + ((n + k + l) % 100) / 100.0)");
    return {
        QStringLiteral("Insert Into Customers ([Customers Number], [Customers First Name], [Customers Last Name], [Customers Status]) ")
            + orders + QStringLiteral("Select n, 'First' || n, 'Last' || n, 'Active' From C"),
        QStringLiteral("Insert Into Orders (") + key + QStringLiteral("[Orders Product]) ") + orders
            + QStringLiteral("Select n, y, k, 1, l, 'DETAIL', ") + line + QStringLiteral(", 'Product ' || l From C, Y, K, L"),
        QStringLiteral("Insert Into Orders (") + key + QStringLiteral("[Orders Product]) ") + orders
            + QStringLiteral("Select n, y, k, 1, 9000, 'TOTAL', Sum(") + line
            + QStringLiteral("), '' From C, Y, K, L Group By n, y, k"),
        // Customers 1, 4, 7 ... pay every other order short by 2.50 and the next one over by 2.50; the
        // others pay short by a customer-sized amount and never catch up.
        QStringLiteral("Insert Into Orders (") + key
            + QStringLiteral("[Orders Payment Amount], [Orders Payment Grand Total], [Orders Payment Date], [Orders Payment Banked], "
                             "[Orders Payment Delivered], [Orders Payment Type]) Select [Orders Customer Number], [Orders Campaign "
                             "Year], [Orders Campaign Number], 1, 9900, 'PAYMENT', 0, -([Orders Unit Total] + Case When [Orders "
                             "Customer Number] % 3 = 1 Then Case When [Orders Campaign Number] % 2 = 1 Then -2.5 Else 2.5 End Else "
                             "-([Orders Customer Number] % 5) End), [Orders Unit Total], printf('%04d-02-01 00:00:00', [Orders "
                             "Campaign Year]), 1, [Orders Campaign Number] % 2, 'Cash' From Orders Where [Orders Internal Flag] = "
                             "'TOTAL'"),
        QStringLiteral("Update Orders Set [Orders Unit Total] = -[Orders Payment Amount] Where [Orders Internal Flag] = 'PAYMENT'"),
    };
}

} // namespace zel::test
