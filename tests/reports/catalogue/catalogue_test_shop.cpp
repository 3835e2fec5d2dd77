#include "catalogue_test_shop.h"

namespace zel::test {

namespace {

QString line(int customer, int year, int number, int seq, const QString &flag, double total, const QString &extra = "NULL, NULL, 0, NULL, NULL, 0")
{
    return QStringLiteral("(%1, %2, %3, 1, %4, '%5', %6, %7)").arg(customer).arg(year).arg(number).arg(seq).arg(flag).arg(total).arg(extra);
}

} // namespace

void CatalogueShop::SetUp()
{
    const QString orders = "Insert Into Orders ([Orders Customer Number], [Orders Campaign Year], [Orders Campaign Number], "
                           "[Orders Order Number], [Orders Sequence Number], [Orders Internal Flag], [Orders Unit Total], "
                           "[Orders Catalog Number], [Orders Product], [Orders Quanity], [Orders BackOrder Flag], "
                           "[Orders Earnings Flag], [Orders Tax1]) Values ";
    const QStringList rows{
        line(1, 2008, 5, 1, "DETAIL", 20, "'111', 'Lipstick', 2, '', 'R', -1"),
        line(1, 2008, 5, 2, "DETAIL", -5, "'222', 'Cream', 1, '', 'R', 0"),
        line(1, 2008, 5, 3, "DETAIL", 7, "'333', 'Soap', 1, 'P', 'R', 0"),
        line(1, 2008, 5, 4, "SUBTOTAL", 15), line(1, 2008, 5, 5, "LDISCOUNT2", -1), line(1, 2008, 5, 6, "TAX", 1.2),
        line(1, 2008, 5, 7, "TOTAL", 15.2),
        line(4, 2008, 5, 1, "DETAIL", 10, "'111', 'Lipstick', 1, '', 'R', -1"),
        line(4, 2008, 5, 2, "SUBTOTAL", 10), line(4, 2008, 5, 3, "DISCOUNT", -2), line(4, 2008, 5, 4, "SPECIALCHG", 3),
        line(4, 2008, 5, 5, "TOTAL", 11),
        line(2, 2008, 1, 1, "DETAIL", 4, "'444', 'Brush', 1, '', 'R', NULL"), line(2, 2008, 1, 2, "TOTAL", 4),
        line(3, 2007, 29, 1, "DETAIL", 8, "'111', 'Lipstick', 1, '', 'R', 0"), line(3, 2007, 29, 2, "TOTAL", 8)};
    open({"Insert Into Customers ([Customers Number], [Customers First Name], [Customers Last Name], [Customers Status], "
          "[Customers Business Helper Number], [Customers Number Of Books], [Customers Brochure Type], "
          "[Customers Brochure Status], [Customers Referred By], [Customers Points1], [Customers Points2], [Customers Phone 1]) Values "
          "(1, 'Ann', 'Adams', 'Active', 3, 2, 'Regular', 'Current', 'Bea', 10, 0, '555-0101'), "
          "(2, 'Bob', 'Baker', 'Closed', 0, 0, '', '', '', 0, 0, ''), "
          "(3, 'Cid', 'Cole', 'Active', 0, 1, 'Mini', 'Current', '', 0, 5, '555-0103'), "
          "(4, 'Dot', 'Dunn', 'Active', 3, 1, 'Regular', 'Lapsed', 'Bea', 0, 0, '555-0104')",
          orders + rows.join(", "),
          "Insert Into Payments ([Payments Customer Number], [Payments Campaign Year], [Payments Campaign Number], "
          "[Payments Order Number], [Payments Sequence], [Payments Amount], [Payments Date], [Payments Deposited], [Payments Type]) "
          "Values (1, 2008, 5, 1, 1, -10, '2008-03-10 00:00:00', 'Y', 'Cash'), "
          "(4, 2008, 5, 1, 1, -11, '2008-03-20 00:00:00', 'N', 'Check'), "
          "(2, 2008, 1, 1, 1, -4, '2008-01-05 00:00:00', 'Y', 'Cash')",
          "Insert Into HelperPercents Values (3, 'R', 10)"});
}

QString CatalogueShop::prepare(const reports::Report &report, const QVariantMap &choices, Campaign campaign)
{
    reports::ReportParameters parameters;
    parameters.campaign = campaign;
    parameters.choices = choices;
    return report.prepare(*app.state, parameters).value_or(QString());
}

} // namespace zel::test
