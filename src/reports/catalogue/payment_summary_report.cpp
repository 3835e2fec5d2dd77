#include "reports/catalogue/payment_summary_report.h"

#include "payments/payment_sums.h"
#include "session/app_state.h"
#include "shell/transaction.h"

namespace zel::reports::catalogue {

namespace {

const QString kProcedure = QStringLiteral("Payment Summary");

QString groupSql(const QString &group)
{
    if (group == QLatin1String("customer"))
        return QStringLiteral("[CustomerName] || ' (' || [Payments Customer Number] || ')'");
    if (group == QLatin1String("helper"))
        return QStringLiteral("Case When [HelperNumber] = 0 Then 'No helper' Else [HelperName] || ' (' || [HelperNumber] || ')' End");
    return QStringLiteral("Coalesce(Nullif(Trim([Payments Type]), ''), '(no type)')");
}

// The helper is found by her number, as the other summaries find her; the name kept on the
// customer's row is only a copy (and may be empty), used when the helper is no longer on file.
QString helperNameSql()
{
    return QStringLiteral("Coalesce(Nullif(Trim(Trim(Coalesce(H.HFirst, '')) || ' ' || Trim(Coalesce(H.HLast, ''))), ''), "
                          "Nullif(Trim(Customers.[Customers Business Helper]), ''), Case When Coalesce(Customers.[Customers "
                          "Business Helper Number], 0) = 0 Then '' Else 'Helper ' || Customers.[Customers Business Helper "
                          "Number] End)");
}

// The balance choice as a condition on `balance`, an SQL expression.
QString balanceCondition(const QString &choice, const QString &balance)
{
    if (choice == QLatin1String("zero"))
        return balance + QStringLiteral(" = 0");
    if (choice == QLatin1String("non-zero"))
        return balance + QStringLiteral(" <> 0");
    if (choice == QLatin1String("debit"))
        return balance + QStringLiteral(" > 0");
    if (choice == QLatin1String("credit"))
        return balance + QStringLiteral(" < 0");
    return QStringLiteral("1 = 1");
}

} // namespace

std::vector<ReportChoice> PaymentSummaryReport::choices() const
{
    return {helperChoice(),
            wordChoice(QStringLiteral("--group"), kGroup,
                       {QStringLiteral("type"), QStringLiteral("customer"), QStringLiteral("helper"), QStringLiteral("balances")}),
            wordChoice(QStringLiteral("--deposits"), kDeposited,
                       {QStringLiteral("both"), QStringLiteral("deposited"), QStringLiteral("not-deposited")}),
            wordChoice(QStringLiteral("--balance"), kBalance,
                       {QStringLiteral("all"), QStringLiteral("zero"), QStringLiteral("non-zero"), QStringLiteral("debit"),
                        QStringLiteral("credit")}),
            valueChoice(QStringLiteral("--from-date"), kFrom, QStringLiteral("YYYY-MM-DD")),
            valueChoice(QStringLiteral("--to-date"), kTo, QStringLiteral("YYYY-MM-DD")),
            yesNoChoice(QStringLiteral("--phones"), kPhones),
            yesNoChoice(QStringLiteral("--address"), kAddress),
            yesNoChoice(QStringLiteral("--helper-column"), kHelper)};
}

// Every customer's balance as of the campaign, in two grouped statements (PaymentSums), kept with
// the customers whose balance fits the choice; a customer with nothing yet owes 0.
bool PaymentSummaryReport::fillBalances(AppState &state, const ReportParameters &parameters) const
{
    cDataAccess &data = state.data;
    if (!rebuild(data, QStringLiteral("rptPaymentSummary2Temp"),
                 QStringLiteral("Select [Customers Number] As [Customer], 0.0 As [Balance] From Customers Where 0")))
        return false;
    const std::map<int, Currency> balances = PaymentSums(data).campaignBalances(parameters.campaign.year, parameters.campaign.number);
    Transaction transaction(data.database().handle());
    for (const auto &[customer, balance] : balances)
        if (!data.exec(kProcedure, QStringLiteral("Insert Into [rptPaymentSummary2Temp] Values (?, ?)"),
                       {customer, balance.toDouble()}))
            return false;
    if (!transaction.commit())
        return false;
    QVariantList values;
    QString select = QStringLiteral("Select Customers.*, %1 As [CustomerName], %2 As [CustomerAddress], "
                                    "Coalesce(Customers.[Customers Business Helper Number], 0) As [HelperNumber], %4 As "
                                    "[HelperName], Coalesce(b.[Balance], 0) As [Balance] From Customers Left Join "
                                    "[rptPaymentSummary2Temp] b On b.[Customer] = Customers.[Customers Number] Left Join "
                                    "(Select [Customers Number] As HNumber, [Customers First Name] As HFirst, [Customers Last Name] As HLast "
                                    "From Customers) H On H.HNumber = Customers.[Customers Business Helper Number] Where %3 ")
                         .arg(lastFirstSql(QStringLiteral("Customers")), addressSql(QStringLiteral("Customers")),
                              balanceCondition(word(parameters, kBalance, QStringLiteral("all")), QStringLiteral("Coalesce(b.[Balance], 0)")),
                              helperNameSql());
    select += helper(parameters).clause(QStringLiteral("Customers Business Helper Number"), values);
    return rebuild(data, QStringLiteral("rptPaymentSummary2"), select, values);
}

std::optional<QString> PaymentSummaryReport::prepare(AppState &state, const ReportParameters &parameters) const
{
    for (const QString &key : {kFrom, kTo})
        if (!text(parameters, key).isEmpty() && !date(parameters, key).isValid())
            return QStringLiteral("'%1' is not a date like 2024-03-31.").arg(text(parameters, key));
    if (date(parameters, kFrom).isValid() && date(parameters, kTo).isValid() && date(parameters, kFrom) > date(parameters, kTo))
        return QStringLiteral("The payment dates run from %1 to %2: the first date must not be after the last.")
            .arg(date(parameters, kFrom).toString(QStringLiteral("MM/dd/yyyy")),
                 date(parameters, kTo).toString(QStringLiteral("MM/dd/yyyy")));
    cDataAccess &data = state.data;
    // The balances are as of the campaign, so the payments beside them are those up to it too.
    QVariantList values{parameters.campaign.year, parameters.campaign.number};
    QString dates = QStringLiteral("Select * From Payments Where ([Payments Campaign Year], [Payments Campaign Number]) <= (?, ?) ");
    if (const QDate from = date(parameters, kFrom); from.isValid()) {
        dates += QStringLiteral(" And Date([Payments Date]) >= ? ");
        values << from.toString(Qt::ISODate);
    }
    if (const QDate to = date(parameters, kTo); to.isValid()) {
        dates += QStringLiteral(" And Date([Payments Date]) <= ? ");
        values << to.toString(Qt::ISODate);
    }
    const QString deposited = word(parameters, kDeposited, QStringLiteral("both"));
    if (deposited == QLatin1String("deposited"))
        dates += QStringLiteral(" And [Payments Deposited] = 'Y' ");
    else if (deposited == QLatin1String("not-deposited"))
        dates += QStringLiteral(" And Coalesce([Payments Deposited], '') <> 'Y' ");
    if (!rebuild(data, QStringLiteral("rptPaymentDates"), dates, values) || !fillBalances(state, parameters))
        return failedMessage();
    // The payments with their customers' names and balances and the group each is listed under,
    // written once: the table is as long as the payments of the whole history.
    const QString listed = QStringLiteral(
        "Select p.*, s.[CustomerName], s.[CustomerAddress], s.[HelperNumber], s.[HelperName], s.[Balance], s.[Customers Last Name], "
        "s.[Customers First Name], Trim(Coalesce(s.[Customers Phone 1], '') || ' ' || Coalesce(s.[Customers Phone 2], '')) "
        "As [Phones], %1 As [GroupName], 'C' || p.[Payments Campaign Number] || '/' || p.[Payments Campaign Year] As "
        "[CampaignName] From [rptPaymentDates] p Inner Join [rptPaymentSummary2] s On s.[Customers Number] = p.[Payments "
        "Customer Number]")
                               .arg(groupSql(word(parameters, kGroup, QStringLiteral("type"))));
    if (!drop(data, QStringLiteral("rptPaymentSummaryTemp")) || !rebuild(data, QStringLiteral("rptPaymentSummary"), listed))
        return failedMessage();
    const bool balances = word(parameters, kGroup, QStringLiteral("type")) == QLatin1String("balances");
    if (rowCount(data, balances ? QStringLiteral("rptPaymentSummary2") : QStringLiteral("rptPaymentSummary")) == 0)
        return QStringLiteral("No Details found for selected criteria.");
    return std::nullopt;
}

ReportRequest PaymentSummaryReport::request(const AppState &state, const ReportParameters &parameters) const
{
    const QString group = word(parameters, kGroup, QStringLiteral("type"));
    const qsizetype index = qMax<qsizetype>(0, QStringList{QStringLiteral("type"), QStringLiteral("customer"), QStringLiteral("helper"),
                                                           QStringLiteral("balances")}
                                                   .indexOf(group));
    const QDate from = date(parameters, kFrom);
    const QDate to = date(parameters, kTo);
    QString range = QStringLiteral("All payment dates");
    if (from.isValid() || to.isValid())
        range = QStringLiteral("Payments from %1 to %2")
                    .arg(from.isValid() ? from.toString(QStringLiteral("MM/dd/yyyy")) : QStringLiteral("the first"),
                         to.isValid() ? to.toString(QStringLiteral("MM/dd/yyyy")) : QStringLiteral("the last"));
    const QStringList titles{QStringLiteral("Payment Summary by Type"), QStringLiteral("Payment Summary by Customer"),
                             QStringLiteral("Payment Summary by Helper"), QStringLiteral("Customer Balances")};
    ReportRequest request = titledRequest(state, layoutNames()[index], parameters,
                                          {titles[index], range,
                                           QStringLiteral("Balances as of ") + campaignLine(parameters.campaign)});
    request.set(QStringLiteral("IncludePhones"), flag(parameters, kPhones) ? QStringLiteral("Y") : QStringLiteral("N"));
    request.set(QStringLiteral("IncludeAddress"), flag(parameters, kAddress) ? QStringLiteral("Y") : QStringLiteral("N"));
    request.set(QStringLiteral("IncludeHelper"), flag(parameters, kHelper) ? QStringLiteral("Y") : QStringLiteral("N"));
    request.set(QStringLiteral("OrderBy"), index == 3 ? QStringLiteral(" Order By [Customers Last Name], [Customers First Name], "
                                                                       "[Customers Number] ")
                                                      : QStringLiteral(" Order By [GroupName], [Payments Date], [Customers Last Name], "
                                                                       "[Customers First Name], [Payments Customer Number] "));
    return request;
}

Document PaymentSummaryReport::layOut(AppState &state, const ReportRequest &request) const
{
    return request.text(QStringLiteral("ReportName")) == layoutNames()[3] ? layOutBalances(state, request)
                                                                          : layOutPayments(state, request);
}

Document PaymentSummaryReport::layOutPayments(AppState &state, const ReportRequest &request) const
{
    using Format = TabularLayout::Format;
    const bool byCustomer = request.text(QStringLiteral("ReportName")) == layoutNames()[1];
    const bool wide = request.flag(QStringLiteral("IncludePhones")) || request.flag(QStringLiteral("IncludeAddress"))
                   || request.flag(QStringLiteral("IncludeHelper"));
    TabularLayout table = listLayout(state, request, wide);
    table.source(QStringLiteral("Select * From [rptPaymentSummary] ") + request.text(QStringLiteral("OrderBy")))
        .groupBy(QStringLiteral("GroupName"), QStringLiteral("%1"), QStringLiteral("Total %1"))
        .grandTotal(QStringLiteral("Total of all payments"));
    std::vector<TabularLayout::Column> columns{col(QStringLiteral("Payments Date"), QStringLiteral("Date"), 62, Format::Date)};
    if (!byCustomer)
        columns.push_back(col(QStringLiteral("CustomerName"), QStringLiteral("Customer"), 130));
    if (request.flag(QStringLiteral("IncludePhones")))
        columns.push_back(col(QStringLiteral("Phones"), QStringLiteral("Phones"), 100));
    if (request.flag(QStringLiteral("IncludeAddress")))
        columns.push_back(col(QStringLiteral("CustomerAddress"), QStringLiteral("Address"), 140));
    if (request.flag(QStringLiteral("IncludeHelper")))
        columns.push_back(col(QStringLiteral("HelperName"), QStringLiteral("Helper"), 96));
    columns.push_back(col(QStringLiteral("CampaignName"), QStringLiteral("Campaign"), 58));
    columns.push_back(col(QStringLiteral("Payments Type"), QStringLiteral("Type"), 72));
    columns.push_back(col(QStringLiteral("Payments Check Number"), QStringLiteral("Check No."), 64));
    columns.push_back(col(QStringLiteral("Payments Deposited"), QStringLiteral("Dep."), 30));
    columns.push_back(col(QStringLiteral("Payments Amount"), QStringLiteral("Amount"), 76, Format::Money, true));
    addColumns(table, columns);
    return table.layOut(state.data, QStringLiteral("Payment Summary"));
}

Document PaymentSummaryReport::layOutBalances(AppState &state, const ReportRequest &request) const
{
    using Format = TabularLayout::Format;
    const bool wide = request.flag(QStringLiteral("IncludePhones")) || request.flag(QStringLiteral("IncludeAddress"));
    TabularLayout table = listLayout(state, request, wide);
    table.source(QStringLiteral("Select s.*, (Select Sum(p.[Payments Amount]) From [rptPaymentDates] p Where p.[Payments Customer "
                                "Number] = s.[Customers Number]) As [PaidInRange], Trim(Coalesce(s.[Customers Phone 1], '') || ' ' "
                                "|| Coalesce(s.[Customers Phone 2], '')) As [Phones] From [rptPaymentSummary2] s ")
                 + request.text(QStringLiteral("OrderBy")))
        .grandTotal(QStringLiteral("All customers"));
    std::vector<TabularLayout::Column> columns{col(QStringLiteral("Customers Number"), QStringLiteral("No."), 36, Format::Number),
                                              col(QStringLiteral("CustomerName"), QStringLiteral("Customer"), 150)};
    if (request.flag(QStringLiteral("IncludePhones")))
        columns.push_back(col(QStringLiteral("Phones"), QStringLiteral("Phones"), 110));
    if (request.flag(QStringLiteral("IncludeAddress")))
        columns.push_back(col(QStringLiteral("CustomerAddress"), QStringLiteral("Address"), 150));
    if (request.flag(QStringLiteral("IncludeHelper")))
        columns.push_back(col(QStringLiteral("HelperName"), QStringLiteral("Helper"), 100));
    columns.push_back(col(QStringLiteral("PaidInRange"), QStringLiteral("Payments"), 90, Format::Money, true));
    columns.push_back(col(QStringLiteral("Balance"), QStringLiteral("Balance"), 90, Format::Money, true));
    addColumns(table, columns);
    return table.layOut(state.data, QStringLiteral("Customer Balances"));
}

} // namespace zel::reports::catalogue
