#include "reports/catalogue/helper_summary_report.h"

#include "earnings/helper_percents.h"
#include "session/app_state.h"
#include "shell/transaction.h"

namespace zel::reports::catalogue {

namespace {

const QString kProcedure = QStringLiteral("Helper Summary");

// "Ann Adams (12)": the helper's own customer row names her.
QString helperNameSql(const QString &numberColumn)
{
    return QStringLiteral("Coalesce((Select Trim(Coalesce(h.[Customers First Name], '') || ' ' || Coalesce(h.[Customers Last Name], '')) "
                          "From Customers h Where h.[Customers Number] = %1), 'Helper') || ' (' || %1 || ')'")
        .arg(numberColumn);
}

} // namespace

std::vector<ReportChoice> HelperSummaryReport::choices() const
{
    return {helperChoice(),
            wordChoice(QStringLiteral("--type"), kType,
                {QStringLiteral("summary"), QStringLiteral("collection"), QStringLiteral("earnings")}),
            wordChoice(QStringLiteral("--basis"), kBasis,
                       {QStringLiteral("subtotal"), QStringLiteral("less-discounts"), QStringLiteral("plus-tax"), QStringLiteral("total")}),
            valueChoice(QStringLiteral("--heading1"), kHeading1, QStringLiteral("TEXT")),
            valueChoice(QStringLiteral("--heading2"), kHeading2, QStringLiteral("TEXT")),
            valueChoice(QStringLiteral("--heading3"), kHeading3, QStringLiteral("TEXT")),
            yesNoChoice(QStringLiteral("--page-break"), kPageBreak)};
}

QString HelperSummaryReport::basisName(const QString &basis)
{
    if (basis == QLatin1String("less-discounts"))
        return QStringLiteral("Order Subtotal less Discounts");
    if (basis == QLatin1String("plus-tax"))
        return QStringLiteral("Order Subtotal Less Discounts + Tax + Processing Charge");
    if (basis == QLatin1String("total"))
        return QStringLiteral("Order Total");
    return QStringLiteral("Order Subtotal");
}

QStringList HelperSummaryReport::basisFlags(const QString &basis)
{
    QStringList flags{QStringLiteral("SUBTOTAL")};
    if (basis == QLatin1String("total"))
        return {QStringLiteral("TOTAL")};
    if (basis == QLatin1String("less-discounts") || basis == QLatin1String("plus-tax"))
        flags << QStringLiteral("LDISCOUNT2") << QStringLiteral("DISCOUNT") << QStringLiteral("HELPERDISC");
    if (basis == QLatin1String("plus-tax"))
        flags << QStringLiteral("TAX") << QStringLiteral("TAX2") << QStringLiteral("CHARGE");
    return flags;
}

bool HelperSummaryReport::prepareOrders(cDataAccess &data, const ReportParameters &parameters, const HelperFilter &filter) const
{
    QStringList quoted;
    for (const QString &f : basisFlags(word(parameters, kBasis, QStringLiteral("subtotal"))))
        quoted << QLatin1Char('\'') + f + QLatin1Char('\'');
    QVariantList values{parameters.campaign.year, parameters.campaign.number};
    QString select = QStringLiteral(
        "Select o.[Orders Customer Number] As [CustomerNumber], o.[Orders Order Number] As [OrderNumber], "
        "c.[Customers Business Helper Number] As [HelperNumber], Sum(Case When o.[Orders Internal Flag] In (%1) Then "
        "o.[Orders Unit Total] Else 0 End) As [BasisAmount], (Select Coalesce(Sum([Payments Amount]), 0) From Payments Where "
        "[Payments Customer Number] = o.[Orders Customer Number] And [Payments Campaign Year] = o.[Orders Campaign Year] And "
        "[Payments Campaign Number] = o.[Orders Campaign Number] And [Payments Order Number] = o.[Orders Order Number]) As [Paid] "
        "From Orders o Inner Join Customers c On c.[Customers Number] = o.[Orders Customer Number] "
        "Where o.[Orders Campaign Year] = ? And o.[Orders Campaign Number] = ? And Coalesce(c.[Customers Business Helper Number], 0) > 0 ")
                         .arg(quoted.join(QStringLiteral(", ")));
    select += filter.clause(QStringLiteral("Customers Business Helper Number"), values);
    select += QStringLiteral(" Group By o.[Orders Customer Number], o.[Orders Order Number] "
                             "Having Sum(o.[Orders Internal Flag] = 'TOTAL') > 0");
    return rebuild(data, QStringLiteral("rptHelperSummarySub"), select, values);
}

// The earnings of each customer and type are rounded to cents once, after the multiplication;
// every total above them adds those rounded amounts, so the layouts agree to the cent.
bool HelperSummaryReport::prepareEarnings(cDataAccess &data, const ReportParameters &parameters, const HelperFilter &filter) const
{
    QVariantList values{parameters.campaign.year, parameters.campaign.number};
    QString select = QStringLiteral(
        "Select c.[Customers Business Helper Number] As [HelperNumber], o.[Orders Customer Number] As [CustomerNumber], "
        "Coalesce(Nullif(Trim(o.[Orders Earnings Flag]), ''), 'R') As [TypeCode], Sum(o.[Orders Unit Total]) As [UnitTotal], "
        "0.0 As [Percent], 0.0 As [Earnings] From Orders o Inner Join Customers c On c.[Customers Number] = o.[Orders Customer Number] "
        "Where o.[Orders Campaign Year] = ? And o.[Orders Campaign Number] = ? And o.[Orders Internal Flag] = 'DETAIL' "
        "And Coalesce(o.[Orders BackOrder Flag], '') <> 'P' And Coalesce(c.[Customers Business Helper Number], 0) > 0 ");
    select += filter.clause(QStringLiteral("Customers Business Helper Number"), values);
    select += QStringLiteral(" Group By [HelperNumber], [CustomerNumber], [TypeCode]");
    if (!rebuild(data, QStringLiteral("rptHelperSummaryDetail"), select, values)
        || !data.exec(kProcedure, QStringLiteral("Update [rptHelperSummaryDetail] Set [Percent] = Coalesce((Select "
                                                 "[HelperPercents Earnings Percent] From HelperPercents Where [HelperPercents "
                                                 "Customer Number] = [HelperNumber] And [HelperPercents Earnings Type Code] = "
                                                 "[TypeCode]), 0)")))
        return false;
    data.setSQL(QStringLiteral("Select RowId, [UnitTotal], [Percent] From [rptHelperSummaryDetail] Where [Percent] <> 0"));
    RecordSet rows = data.GetSnapShot(kProcedure);
    std::vector<std::pair<qint64, double>> earnings;
    while (rows.next()) {
        const Currency total = Currency::fromDouble(rows.value(1).toDouble());
        const Currency percent = Currency::fromDouble(rows.value(2).toDouble());
        earnings.emplace_back(rows.value(0).toLongLong(), HelperPercents::earnings(percent, total).round2().toDouble());
    }
    Transaction transaction(data.database().handle());
    for (const auto &[row, amount] : earnings)
        if (!data.exec(kProcedure, QStringLiteral("Update [rptHelperSummaryDetail] Set [Earnings] = ? Where RowId = ?"), {amount, row}))
            return false;
    return transaction.commit();
}

std::optional<QString> HelperSummaryReport::prepare(AppState &state, const ReportParameters &parameters) const
{
    const HelperFilter filter = helper(parameters).withoutSpecialEntries(state.prompter);
    cDataAccess &data = state.data;
    const QString customerName = lastFirstSql(QStringLiteral("c"));
    const QString summary = QStringLiteral(
        "Select s.[HelperNumber], %1 As [HelperName], s.[CustomerNumber], %2 As [CustomerName], c.[Customers Last Name], "
        "c.[Customers First Name], c.[Customers Phone 1], Count(*) As [Orders], Sum(s.[BasisAmount]) As [BasisAmount], "
        "Sum(s.[Paid]) As [Paid], Sum(s.[BasisAmount]) + Sum(s.[Paid]) As [Due], Coalesce((Select Sum(d.[Earnings]) From "
        "[rptHelperSummaryDetail] d Where d.[CustomerNumber] = s.[CustomerNumber]), 0) As [Earnings] "
        "From [rptHelperSummarySub] s Inner Join Customers c On c.[Customers Number] = s.[CustomerNumber] "
        "Group By s.[HelperNumber], s.[CustomerNumber]")
                                .arg(helperNameSql(QStringLiteral("s.[HelperNumber]")), customerName);
    const QString byType = QStringLiteral(
        "Select d.[HelperNumber], %1 As [HelperName], d.[TypeCode], Coalesce((Select Trim([Earnings Description]) From Earnings "
        "Where [Earnings Type Code] = d.[TypeCode]), 'Missing Description') As [TypeName], Sum(d.[UnitTotal]) As [UnitTotal], "
        "d.[Percent], Sum(d.[Earnings]) As [Earnings] From [rptHelperSummaryDetail] d Group By d.[HelperNumber], d.[TypeCode]")
                               .arg(helperNameSql(QStringLiteral("d.[HelperNumber]")));
    if (!prepareOrders(data, parameters, filter) || !prepareEarnings(data, parameters, filter)
        || !rebuild(data, QStringLiteral("rptHelperSummary"), summary)
        || !rebuild(data, QStringLiteral("rptHelperSummaryEarnings"), byType))
        return failedMessage();
    const bool earnings = word(parameters, kType, QStringLiteral("summary")) == QLatin1String("earnings");
    if (rowCount(data, earnings ? QStringLiteral("rptHelperSummaryEarnings") : QStringLiteral("rptHelperSummary")) == 0)
        return QStringLiteral("No customers found for selected criteria.");
    return std::nullopt;
}

ReportRequest HelperSummaryReport::request(const AppState &state, const ReportParameters &parameters) const
{
    const QString type = word(parameters, kType, QStringLiteral("summary"));
    const int index = type == QLatin1String("collection") ? 1 : type == QLatin1String("earnings") ? 2 : 0;
    const QStringList titles{QStringLiteral("Helper Summary"), QStringLiteral("Helper Collection Sheet"),
                             QStringLiteral("Helper Earnings by Type")};
    const QString basis = basisName(word(parameters, kBasis, QStringLiteral("subtotal")));
    ReportRequest request = titledRequest(state, layoutNames()[index], parameters,
                                          {titles[index], campaignLine(parameters.campaign),
                                           index == 2 ? QString() : QStringLiteral("Amounts: ") + basis});
    request.set(QStringLiteral("Basis"), basis);
    request.set(QStringLiteral("ColumnHeading1"), text(parameters, kHeading1, QStringLiteral("Collected")));
    request.set(QStringLiteral("ColumnHeading2"), text(parameters, kHeading2, QStringLiteral("Date")));
    request.set(QStringLiteral("ColumnHeading3"), text(parameters, kHeading3, QStringLiteral("Notes")));
    request.set(QStringLiteral("PageBreakByHelper"), flag(parameters, kPageBreak) ? QStringLiteral("Y") : QStringLiteral("N"));
    request.set(QStringLiteral("OrderBy"), index == 2 ? QStringLiteral(" Order By [HelperName], [HelperNumber], [TypeCode] ")
                                                      : QStringLiteral(" Order By [HelperName], [HelperNumber], [Customers Last Name], "
                                                                       "[Customers First Name], [CustomerNumber] "));
    return request;
}

TabularLayout HelperSummaryReport::layoutFor(AppState &state, const ReportRequest &request, const QString &where) const
{
    using Format = TabularLayout::Format;
    const QString layout = request.text(QStringLiteral("ReportName"));
    const bool collection = layout == layoutNames()[1];
    TabularLayout table = listLayout(state, request, collection);
    const QString source = layout == layoutNames()[2] ? QStringLiteral("rptHelperSummaryEarnings") : QStringLiteral("rptHelperSummary");
    // The collection sheet's three columns are left blank for writing in.
    table.source(QStringLiteral("Select *, '' As [Blank1], '' As [Blank2], '' As [Blank3] From [%1] ").arg(source) + where
                 + request.text(QStringLiteral("OrderBy")))
        .groupBy(QStringLiteral("HelperName"), QStringLiteral("Helper: %1"), QStringLiteral("Total %1"))
        .grandTotal(QStringLiteral("All helpers"));
    if (layout == layoutNames()[2]) {
        TabularLayout::Column percent = col(QStringLiteral("Percent"), QStringLiteral("Percent"), 60, Format::Money);
        percent.pattern = QStringLiteral("##0.00");
        addColumns(table, {col(QStringLiteral("TypeCode"), QStringLiteral("Type"), 40),
                           col(QStringLiteral("TypeName"), QStringLiteral("Description"), 200),
                           col(QStringLiteral("UnitTotal"), QStringLiteral("Sales"), 100, Format::Money, true),
                           percent,
                           col(QStringLiteral("Earnings"), QStringLiteral("Earnings"), 100, Format::Money, true)});
    } else if (collection) {
        addColumns(table, {col(QStringLiteral("CustomerNumber"), QStringLiteral("No."), 36, Format::Number),
                           col(QStringLiteral("CustomerName"), QStringLiteral("Customer"), 140),
                           col(QStringLiteral("Customers Phone 1"), QStringLiteral("Phone"), 90),
                           col(QStringLiteral("BasisAmount"), QStringLiteral("Amount"), 76, Format::Money, true),
                           col(QStringLiteral("Paid"), QStringLiteral("Paid"), 70, Format::Money, true),
                           col(QStringLiteral("Due"), QStringLiteral("Due"), 76, Format::Money, true),
                           col(QStringLiteral("Blank1"), request.text(QStringLiteral("ColumnHeading1")), 76),
                           col(QStringLiteral("Blank2"), request.text(QStringLiteral("ColumnHeading2")), 76),
                           col(QStringLiteral("Blank3"), request.text(QStringLiteral("ColumnHeading3")), 80)});
    } else {
        addColumns(table, {col(QStringLiteral("CustomerNumber"), QStringLiteral("No."), 36, Format::Number),
                           col(QStringLiteral("CustomerName"), QStringLiteral("Customer"), 160),
                           col(QStringLiteral("Orders"), QStringLiteral("Orders"), 50, Format::Number, true),
                           col(QStringLiteral("BasisAmount"), QStringLiteral("Amount"), 90, Format::Money, true),
                           col(QStringLiteral("Paid"), QStringLiteral("Paid"), 80, Format::Money, true),
                           col(QStringLiteral("Earnings"), QStringLiteral("Earnings"), 84, Format::Money, true)});
    }
    return table;
}

Document HelperSummaryReport::layOut(AppState &state, const ReportRequest &request) const
{
    const QString title = QStringLiteral("Helper Summary");
    if (!request.flag(QStringLiteral("PageBreakByHelper")))
        return layoutFor(state, request, QString()).layOut(state.data, title);
    // Each helper on pages of her own, numbered on their own, so each can be handed out.
    const bool earnings = request.text(QStringLiteral("ReportName")) == layoutNames()[2];
    state.data.setSQL(QStringLiteral("Select Distinct [HelperNumber] From [%1] Order By [HelperName], [HelperNumber]")
                          .arg(earnings ? QStringLiteral("rptHelperSummaryEarnings") : QStringLiteral("rptHelperSummary")));
    RecordSet helpers = state.data.GetSnapShot(kProcedure);
    std::vector<int> numbers;
    while (helpers.next())
        numbers.push_back(helpers.value(0).toInt());
    Document document;
    document.title = title;
    for (const int number : numbers) {
        const Document part = layoutFor(state, request, QStringLiteral(" Where [HelperNumber] = %1 ").arg(number))
                                  .layOut(state.data, title);
        document.pages.append(part.pages);
    }
    return document;
}

} // namespace zel::reports::catalogue
