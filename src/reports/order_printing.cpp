#include "reports/order_printing.h"

#include "options/translations.h"
#include "payments/payment_sums.h"
#include "reports/audience_texts.h"
#include "session/app_state.h"
#include "shell/transaction.h"

#include <map>

namespace zel::reports {

namespace {

const QString kProcedure = QStringLiteral("Order Printing");

QString selectInto(const AppState &state, const InvoiceSelection &selection, QVariantList &parameters)
{
    const bool second = state.options.PrintInvoiceUseSecondAddress == QLatin1String("Y");
    QStringList columns;
    for (int i = 0; i < 5; ++i)
        columns << QStringLiteral("'' As [OrderComments%1]").arg(i);
    for (int i = 0; i < 5; ++i)
        columns << QStringLiteral("'' As [OrderCommentsAll%1]").arg(i);
    columns << QStringLiteral(
        "rtrim(Coalesce([Orders Product], '')) || ' ' || rtrim(Coalesce([Orders Shade], '')) || ' ' || "
        "rtrim(Coalesce([Orders Size], '')) || ' ' || rtrim(Coalesce([Orders Discount Message], '')) || ' ' || "
        "rtrim(Coalesce([Orders BO Message], '')) || ' ' || rtrim(Coalesce([Orders Tax Message], '')) || ' ' || "
        "rtrim(Coalesce([Orders Savings Message], '')) As [Product]");
    columns << QStringLiteral("rtrim(Coalesce([Customers First Name], '')) || ' ' || rtrim(Coalesce([Customers Last Name], '')) "
                              "As [Customer Name]");
    const auto csz = [](const QString &n) {
        return QStringLiteral("Coalesce([Customers City%1], '') || ' ' || Coalesce([Customers State%1], '') || ' ' || "
                              "Coalesce([Customers Zip Code%1], '') || ' ' || Coalesce([Customers Country %2], '')")
            .arg(n, n.isEmpty() ? QStringLiteral("1") : QStringLiteral("2"));
    };
    const auto address = [](const QString &n) {
        return QStringLiteral("Coalesce([Customers House Number%1], '') || ' ' || Coalesce([Customers Address%1], '')").arg(n);
    };
    columns << csz(QString()) + QStringLiteral(" As [Customer CSZ]") << address(QString()) + QStringLiteral(" As [Customer Address]");
    columns << (second ? csz(QStringLiteral(" 2")) : QStringLiteral("''")) + QStringLiteral(" As [Customer CSZ 2]");
    columns << (second ? address(QStringLiteral(" 2")) : QStringLiteral("''")) + QStringLiteral(" As [Customer Address 2]");
    columns << QStringLiteral("'' As [SortKey], '' as [ControlBreak], Customers.*, Orders.*");

    QString sql = QStringLiteral("Create Table [rptTempOrdersUnSorted] As Select ") + columns.join(QStringLiteral(", "))
                + QStringLiteral(" From Customers Inner Join Orders On Customers.[Customers Number] = Orders.[Orders Customer "
                                 "Number] Where [Orders Campaign Number] = ? And [Orders Campaign Year] = ? And [Orders "
                                 "Include On Order] <> 0 ");
    parameters << selection.campaign.number << selection.campaign.year;
    if (selection.unprintedOnly)
        sql += QStringLiteral(" And [Orders Printed] = 0 ");
    if (selection.summarized == InvoiceSelection::Summarized::Summarized)
        sql += QStringLiteral(" And [Orders Summary Printed] <> 0 ");
    else if (selection.summarized == InvoiceSelection::Summarized::NonSummarized)
        sql += QStringLiteral(" And [Orders Summary Printed] = 0 ");
    if (selection.undeliveredOnly)
        sql += QStringLiteral(" And [Orders Delivered] = 'N' ");
    if (selection.customer) {
        sql += QStringLiteral("And [Orders Customer Number] = ? ");
        parameters << *selection.customer;
    }
    if (selection.order) {
        sql += QStringLiteral("And [Orders Order Number] = ? ");
        parameters << *selection.order;
    }
    return sql;
}

bool fillComments(cDataAccess &data)
{
    QStringList order;
    QStringList standing;
    for (int i = 0; i < 5; ++i) {
        order << QStringLiteral("[OrderComments%1] = Coalesce((Select C.[Comments Line%1] From Comments C Where "
                                "C.[Comments Customer Number] = R.[Orders Customer Number] And C.[Comments Campaign Year] = "
                                "R.[Orders Campaign Year] And C.[Comments Campaign Number] = R.[Orders Campaign Number] And "
                                "C.[Comments Type] = 'Order'), '')")
                     .arg(i);
        standing << QStringLiteral("[OrderCommentsAll%1] = Coalesce((Select C.[Comments Line%1] From Comments C Where "
                                   "C.[Comments Customer Number] = R.[Orders Customer Number] And C.[Comments Type] = "
                                   "'OrderPerm'), '')")
                        .arg(i);
    }
    return data.exec(kProcedure, QStringLiteral("Update [rptTempOrdersUnSorted] As R Set ") + order.join(QStringLiteral(", ")))
        && data.exec(kProcedure, QStringLiteral("Update [rptTempOrdersUnSorted] As R Set ") + standing.join(QStringLiteral(", ")));
}

// A copy of the order's TOTAL row carrying a payment or balance line.
bool addLine(cDataAccess &data, qint64 totalRow, int sequence, const QString &product, const QString &flag,
             const std::optional<Currency> &amount)
{
    if (!data.exec(kProcedure, QStringLiteral("Insert Into [rptOrders] Select * From [rptOrders] Where rowid = ?"), {totalRow}))
        return false;
    QString sql = QStringLiteral("Update [rptOrders] Set [Orders Sequence Number] = ?, [Product] = ?, [Orders Internal Flag] = ?");
    QVariantList values{sequence, product, flag};
    if (amount) {
        sql += QStringLiteral(", [Orders Unit Total] = ?");
        values << amount->toDouble();
    }
    sql += QStringLiteral(" Where rowid = last_insert_rowid()");
    return data.exec(kProcedure, sql, values);
}

bool addPaymentLines(AppState &state)
{
    cDataAccess &data = state.data;
    struct Total
    {
        qint64 rowid;
        int customer, year, number, order, sequence;
        Currency total;
    };
    std::vector<Total> totals;
    data.setSQL(QStringLiteral("Select rowid, [Orders Customer Number], [Orders Campaign Year], [Orders Campaign Number], "
                               "[Orders Order Number], [Orders Sequence Number], [Orders Unit Total] From [rptOrders] Where "
                               "[Orders Internal Flag] = 'TOTAL'"));
    RecordSet rows = data.GetSnapShot(kProcedure);
    while (rows.next())
        totals.push_back({rows.value(0).toLongLong(), rows.value(1).toInt(), rows.value(2).toInt(), rows.value(3).toInt(),
                          rows.value(4).toInt(), rows.value(5).toInt(), Currency::fromDouble(rows.value(6).toDouble())});

    PaymentSums sums(data);
    AudienceTexts texts(data);
    std::map<int, translations::Audience> audiences;
    const QString mark = QStringLiteral("**  ");
    for (const Total &t : totals) {
        auto audience = audiences.find(t.customer);
        if (audience == audiences.end())
            audience = audiences.emplace(t.customer, translations::LoadCustomerLanguage(data, t.customer)).first;
        const translations::Translator &tr = texts(audience->second);
        const Currency paid = sums.OrderPaymentsTotal(t.customer, t.year, t.number, t.order);
        const Currency balance = t.total + paid;
        if (!paid.isZero() && !addLine(data, t.rowid, t.sequence + 9000, mark + tr.text(43, QStringLiteral("Payment")),
                                       QStringLiteral("PAYMENT"), paid))
            return false;
        const QString balanceText = balance.isZero()       ? tr.text(45, QStringLiteral("Paid In Full"))
                             : balance.isNegative() ? tr.text(46, QStringLiteral("Credit Due"))
                                                    : tr.text(44, QStringLiteral("Balance Due"));
        if (!addLine(data, t.rowid, t.sequence + 9001, mark + balanceText, QStringLiteral("PAYMENT"), balance))
            return false;
        if (state.options.ShowBalance != QLatin1String("Y"))
            continue;
        const Currency previous = sums.PreviousOrdersTotal(t.customer, t.year, t.number)
                                + sums.PreviousPaymentsTotal(t.customer, t.year, t.number);
        if (previous.isZero())
            continue;
        if (!addLine(data, t.rowid, t.sequence + 9202, QStringLiteral("-"), QStringLiteral("LINE"), std::nullopt)
            || !addLine(data, t.rowid, t.sequence + 9203, mark + tr.text(32, QStringLiteral("Previous Campaign Balance")),
                        QStringLiteral("PAYMENT"), previous)
            || !addLine(data, t.rowid, t.sequence + 9204, mark + tr.text(33, QStringLiteral("Combined Campaign Balance")),
                        QStringLiteral("PAYMENT"), balance + previous))
            return false;
    }
    return true;
}

bool setSortKeys(cDataAccess &data, InvoiceSelection::Sort sort)
{
    // Each order's lines stay together, in sequence order, whatever leads the key.
    const QString order = QStringLiteral("printf('%05d|%05d|%06d', [Customers Number], [Orders Order Number], [Orders Sequence "
                                         "Number])");
    QString lead;
    switch (sort) {
    case InvoiceSelection::Sort::CustomerName:
        lead = QStringLiteral("upper(Coalesce([Customers Last Name], '')) || '|' || upper(Coalesce([Customers First Name], '')) || '|' || ");
        break;
    case InvoiceSelection::Sort::CustomerNumber: break;
    case InvoiceSelection::Sort::Helper:
        lead = QStringLiteral("upper(Coalesce([Customers Business Helper], '')) || '|' || upper(Coalesce([Customers Last Name], '')) || '|' || ");
        break;
    case InvoiceSelection::Sort::Area:
        lead = QStringLiteral("upper(Coalesce([Customers Area], '')) || '|' || upper(Coalesce([Customers Last Name], '')) || '|' || ");
        break;
    }
    return data.exec(kProcedure, QStringLiteral("Update [rptOrders] Set [SortKey] = ") + lead + order
                         + QStringLiteral(", [ControlBreak] = printf('%05d|%04d|%02d|%05d', [Customers Number], [Orders Campaign "
                                          "Year], [Orders Campaign Number], [Orders Order Number])"));
}

} // namespace

std::optional<QString> prepareInvoices(AppState &state, const InvoiceSelection &selection)
{
    cDataAccess &data = state.data;
    const QString failed = QStringLiteral("The invoices could not be prepared.");
    Transaction transaction(state.database.handle());
    for (const char *table : {"rptTempOrdersUnSorted", "rptOrders", "rptBalance", "rptCustomers", "rptOrdersBalance"})
        if (!data.exec(kProcedure, QStringLiteral("Drop Table If Exists [%1]").arg(QLatin1String(table))))
            return failed;
    QVariantList parameters;
    if (!data.exec(kProcedure, selectInto(state, selection, parameters), parameters))
        return failed;
    if (data.number(kProcedure, QStringLiteral("Select Count(*) From [rptTempOrdersUnSorted]")) == 0) {
        transaction.commit();
        return selection.unprintedOnly ? QStringLiteral("No unprinted orders found for current criteria.")
                                       : QStringLiteral("No orders found for current criteria.");
    }
    if (data.number(kProcedure, QStringLiteral("SELECT Count(*) as Countem From rptTempOrdersUnSorted Where Upper([Orders Internal Flag]) "
                                   "= 'DETAIL' "))
        == 0) {
        transaction.commit();
        return QStringLiteral("No order details found for selected criteria.");
    }
    if (!fillComments(data) || !data.exec(kProcedure, QStringLiteral("Create Table [rptOrders] As Select * From [rptTempOrdersUnSorted]"))
        || !addPaymentLines(state) || !setSortKeys(data, selection.sort) || !transaction.commit())
        return failed;
    return std::nullopt;
}

ReportRequest invoiceRequest(const AppState &state, const InvoiceSelection &selection, bool shortLayout, bool view,
                             const QDate &orderDate)
{
    const QString layout = shortLayout ? QStringLiteral("rptOrdersShort") : QStringLiteral("rptOrdersLong");
    ReportRequest request = ReportRequest::common(state, layout, view);
    const cOption &o = state.options;
    const auto yes = [](const QString &flag) { return flag == QLatin1String("Y") ? 1 : 0; };
    request.set(QStringLiteral("Title1"), QString());
    request.set(QStringLiteral("Title2"), QString::number(selection.campaign.number));
    request.set(QStringLiteral("Title3"), QString());
    request.set(QStringLiteral("OrderBy"), QStringLiteral("Order By SortKey"));
    request.set(QStringLiteral("QuantityPrint"), o.QuantityPrint);
    request.set(QStringLiteral("PrintDateOnOrder"), o.PrintDateOnOrder);
    request.set(QStringLiteral("PrintCustomerNumberOnOrder"), yes(o.PrintInvoiceShowCustomerNumber));
    request.set(QStringLiteral("HideHelper"), 1 - yes(o.PrintInvoiceShowHelperName));
    request.set(QStringLiteral("PrintBrochureCount"), yes(o.PrintInvoiceShowBrochureCount));
    request.set(QStringLiteral("PrintItemCount"), yes(o.PrintInvoiceShowItemCount));
    request.set(QStringLiteral("PrintReportingArea"), yes(o.PrintInvoiceShowReportingArea));
    request.set(QStringLiteral("PrintDeliveryInfo"), yes(o.PrintInvoiceShowDeliveryInfo));
    request.set(QStringLiteral("ShortOrderComments"), 0);
    request.set(QStringLiteral("OrderDate"), orderDate);
    return request;
}

bool markOrdersPrinted(AppState &state, const Campaign &campaign)
{
    return state.data.exec(kProcedure,
               QStringLiteral("Update Orders Set [Orders Printed] = -1 Where [Orders Campaign Number] = ? And [Orders Campaign "
                              "Year] = ? And [Orders Customer Number] In (Select [Customers Number] From [rptOrders])"),
               {campaign.number, campaign.year});
}

} // namespace zel::reports
