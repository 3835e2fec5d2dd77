#pragma once

#include "core/currency.h"

#include <QString>

namespace zel::test {

// Rows for customer tests, as SQL a test database is made with.
inline QString orderRow(int customer, int year, int number, int order, const QString &amount, const QString &flag = "TOTAL",
                        const QString &catalog = QString(), const QString &product = QString())
{
    static int sequence = 0;
    return QString("Insert Into Orders ([Orders Customer Number], [Orders Campaign Year], [Orders Campaign Number], "
                   "[Orders Order Number], [Orders Sequence Number], [Orders Internal Flag], [Orders Unit Total], "
                   "[Orders Catalog Number], [Orders Product], [Orders Shade], [Orders Size], [Orders Quanity]) Values "
                   "(%1, %2, %3, %4, %5, '%6', %7, '%8', '%9', '', '', 1)")
        .arg(customer).arg(year).arg(number).arg(order).arg(++sequence).arg(flag, amount, catalog, product);
}

inline QString paymentRow(int customer, int year, int number, int order, int sequence, const QString &amount)
{
    return QString("Insert Into Payments ([Payments Customer Number], [Payments Campaign Year], [Payments Campaign Number], "
                   "[Payments Order Number], [Payments Sequence], [Payments Amount], [Payments Type]) "
                   "Values (%1, %2, %3, %4, %5, %6, 'Cash')")
        .arg(customer).arg(year).arg(number).arg(order).arg(sequence).arg(amount);
}

inline QString customerRow(int number, const QString &first, const QString &last, const QString &more = QString(),
                           const QString &moreValues = QString())
{
    return QString("Insert Into Customers ([Customers Number], [Customers First Name], [Customers Last Name], "
                   "[Customers Status], [Customers Business Helper Number], [Customers Discount Percent], "
                   "[Customers Number Of Books], [Customers House Number], [Customers Address], [Customers City], "
                   "[Customers State], [Customers Zip Code], [Customers Phone 1], [Customers Phone 2], [Customers Phone 3], "
                   "[Customers Email]%4) Values (%1, '%2', '%3', 'Active', 0, 0, 1, '', '', '', '', '', '', '', '', ''%5)")
        .arg(number).arg(first, last, more, moreValues);
}

inline Currency money(const char *text)
{
    return *Currency::fromString(QString::fromLatin1(text));
}

} // namespace zel::test
