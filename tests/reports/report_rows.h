#pragma once

#include <QString>
#include <QStringList>

namespace zel::test {

// Statements that put customers, order rows and payments into a test database for the reports.
struct OrderLine
{
    int customer = 1;
    int year = 2008;
    int number = 5;
    int order = 1;
    int sequence = 1;
    QString flag = QStringLiteral("DETAIL");
    QString catalog = QStringLiteral("123-456");
    int quantity = 1;
    double unitPrice = 10;
    double unitTotal = 10;
    QString backOrder;
    QString earnings = QStringLiteral("R");
    int helper = 0;
    QString page = QStringLiteral("7");
};

// A line of campaign 5 of 2008 with its own customer, sequence, product, quantity and amount.
inline OrderLine line(int customer, int sequence, const QString &catalog, int quantity, double amount, const QString &backOrder = {})
{
    OrderLine l;
    l.customer = customer;
    l.sequence = sequence;
    l.catalog = catalog;
    l.quantity = quantity;
    l.unitPrice = l.unitTotal = amount;
    l.backOrder = backOrder;
    return l;
}

inline QString orderRow(const OrderLine &l)
{
    return QStringLiteral("Insert Into Orders ([Orders Customer Number], [Orders Campaign Year], [Orders Campaign Number], [Orders "
                          "Order Number], [Orders Sequence Number], [Orders Internal Flag], [Orders Catalog Number], [Orders "
                          "Product], [Orders Shade], [Orders Size], [Orders Page], [Orders From Campaign], [Orders Quanity], "
                          "[Orders Unit Price], [Orders Unit Total], [Orders BackOrder Flag], [Orders BO Message], [Orders "
                          "Earnings Flag], [Orders Business Helper Number], [Orders Summary Printed], [Orders Supplies], [Orders "
                          "Delivered]) Values (%1, %2, %3, %4, %5, '%6', '%7', 'Lipstick', 'Red', '', '%8', %3, %9, %10, %11, "
                          "'%12', '', '%13', %14, 0, 0, 'N')")
        .arg(l.customer).arg(l.year).arg(l.number).arg(l.order).arg(l.sequence).arg(l.flag, l.catalog, l.page)
        .arg(l.quantity).arg(l.unitPrice).arg(l.unitTotal).arg(l.backOrder, l.earnings).arg(l.helper);
}

// A DETAIL line and its order's TOTAL row of the same amount.
inline QStringList order(int customer, int year, int number, double total, int orderNumber = 1)
{
    OrderLine detail;
    detail.customer = customer;
    detail.year = year;
    detail.number = number;
    detail.order = orderNumber;
    detail.unitPrice = detail.unitTotal = total;
    OrderLine sum = detail;
    sum.flag = QStringLiteral("TOTAL");
    sum.sequence = 99;
    sum.catalog.clear();
    return {orderRow(detail), orderRow(sum)};
}

inline QString customer(int number, const QString &first, const QString &last, int helper = 0)
{
    return QStringLiteral("Insert Into Customers ([Customers Number], [Customers First Name], [Customers Last Name], [Customers "
                          "House Number], [Customers Address], [Customers City], [Customers State], [Customers Zip Code], "
                          "[Customers Business Helper Number], [Customers Number Of Books], [Customers Status]) Values (%1, '%2', "
                          "'%3', '%1', 'Oak Ave', 'Springfield', 'IL', '6270%1', %4, 1, 'Active')")
        .arg(number).arg(first, last).arg(helper);
}

inline QString payment(int customer, int year, int number, double amount, int orderNumber = 1, int sequence = 1)
{
    return QStringLiteral("Insert Into Payments ([Payments Customer Number], [Payments Campaign Year], [Payments Campaign Number], "
                          "[Payments Order Number], [Payments Sequence], [Payments Amount]) Values (%1, %2, %3, %4, %5, %6)")
        .arg(customer).arg(year).arg(number).arg(orderNumber).arg(sequence).arg(amount);
}

} // namespace zel::test
