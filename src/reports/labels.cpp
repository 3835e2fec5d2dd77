#include "reports/labels.h"

#include "reports/report_parameters.h"
#include "shell/data_access.h"

#include <QHash>
#include <QRegularExpression>

#include <algorithm>

namespace zel::reports {

namespace {

const QString kProcedure = QStringLiteral("Labels");
const QString kNotApplicable = QStringLiteral("N/A");

QString field(const char *name)
{
    return QStringLiteral("Trim(Coalesce([%1], ''))").arg(QLatin1String(name));
}

// Pieces joined by `glue`, blanks dropped so a missing piece leaves no stray separator.
QString joined(const QStringList &parts, const QString &glue)
{
    QStringList cased;
    for (const QString &p : parts)
        cased << QStringLiteral("Case When %1 = '' Then '' Else '%2' || %1 End").arg(p, glue);
    return QStringLiteral("Trim(Substr(%1, %2))").arg(cased.join(QStringLiteral(" || ")), QString::number(glue.size() + 1));
}

QString street(bool second)
{
    return second ? joined({field("Customers House Number 2"), field("Customers Address 2")}, QStringLiteral(" "))
                  : joined({field("Customers House Number"), field("Customers Address")}, QStringLiteral(" "));
}

QString cityStateZip(bool second)
{
    const QString city = second ? field("Customers City 2") : field("Customers City");
    const QString state = second ? field("Customers State 2") : field("Customers State");
    const QString zip = second ? field("Customers Zip Code 2") : field("Customers Zip Code");
    return QStringLiteral("Trim(%1 || Case When %1 <> '' And (%2 || %3) <> '' Then ', ' Else '' End || %4)")
        .arg(city, state, zip, joined({state, zip}, QStringLiteral(" ")));
}

struct LineSql
{
    QString line;
    QString first = QStringLiteral("''");  // the first address of a "- 2" line
    QString second = QStringLiteral("''"); // the second address of a "- 2" line
};

LineSql lineSql(const QString &choice, const QString &customMessage, QVariantList &values)
{
    if (choice == QLatin1String("Street Address - 2"))
        return {QStringLiteral("'USE2'"), street(false), street(true)};
    if (choice == QLatin1String("City, State, Postal Code - 2"))
        return {QStringLiteral("'USE2'"), cityStateZip(false), cityStateZip(true)};
    if (choice == QLatin1String("Custom Message")) {
        values << customMessage;
        return {QStringLiteral("Cast(? As Text)")};
    }
    const QHash<QString, QString> simple = {
        {QStringLiteral("First - Last Name"), joined({field("Customers First Name"), field("Customers Last Name")}, QStringLiteral(" "))},
        {QStringLiteral("Last - First Name"), joined({field("Customers Last Name"), field("Customers First Name")}, QStringLiteral(", "))},
        {QStringLiteral("Street Address"), street(false)},
        {QStringLiteral("City - State - Postal Code"), cityStateZip(false)},
        {QStringLiteral("Postal Code - City - State"),
         joined({field("Customers Zip Code"), field("Customers City"), field("Customers State")}, QStringLiteral(" "))},
        {QStringLiteral("Phone 1"), field("Customers Phone 1")},
        {QStringLiteral("Phone 2"), field("Customers Phone 2")},
        {QStringLiteral("Phone 3"), field("Customers Phone 3")},
        {QStringLiteral("Email"), field("Customers Email")},
        {QStringLiteral("Business Helper First - Last Name"), joined({field("HelperFirstName"), field("HelperLastName")}, QStringLiteral(" "))},
        {QStringLiteral("Business Helper Last - First Name"), joined({field("HelperLastName"), field("HelperFirstName")}, QStringLiteral(", "))},
        {QStringLiteral("Reporting Area"), field("Customers Area")},
        {QStringLiteral("Referred By"), field("Customers Referred By")},
        {QStringLiteral("Country"), field("Customers Country 1")},
        {QStringLiteral("Country 2"), field("Customers Country 2")},
        {QStringLiteral("Current Balance"), field("CurrentBalanceDisplay")},
        {QStringLiteral("Order Total"), field("OrderTotalDisplay")}};
    return {simple.value(choice, QStringLiteral("''"))};
}

QString sortColumn(const QString &sort)
{
    const QHash<QString, QString> columns = {
        {QStringLiteral("Customer Number"), QStringLiteral("[Customers Number]")},
        {QStringLiteral("Status"), QStringLiteral("[Customers Status]")},
        {QStringLiteral("Last Name"), QStringLiteral("[Customers Last Name]")},
        {QStringLiteral("First Name"), QStringLiteral("[Customers First Name]")},
        {QStringLiteral("Last and First Name"), QStringLiteral("[Customers Last Name], [Customers First Name]")},
        {QStringLiteral("Postal Code"), QStringLiteral("[Customers Zip Code]")},
        {QStringLiteral("Street Name"), QStringLiteral("[Customers Address]")},
        {QStringLiteral("Street Number"), QStringLiteral("[NumericStreetNumber]")},
        {QStringLiteral("Reporting Area"), QStringLiteral("[Customers Areafix]")},
        {QStringLiteral("Helper Last and First Name"), QStringLiteral("[HelperLastName], [HelperFirstName]")}};
    return columns.value(sort);
}

QString orderSubselect(const char *what, const char *condition, bool withCampaign)
{
    return QStringLiteral("(Select %1 From Orders O Where O.[Orders Customer Number] = Customers.[Customers Number] %2 And %3)")
        .arg(QLatin1String(what),
             withCampaign ? QStringLiteral("And O.[Orders Campaign Year] = ? And O.[Orders Campaign Number] = ?") : QString(),
             QLatin1String(condition));
}

QString anyOf(const char *column, const QStringList &choices, QVariantList &values)
{
    if (choices.isEmpty())
        return {};
    QStringList tests;
    for (const QString &choice : choices) {
        tests << QStringLiteral("[%1] = ?").arg(QLatin1String(column));
        values << choice;
    }
    return QStringLiteral(" And ( ") + tests.join(QStringLiteral(" Or ")) + QStringLiteral(" ) ");
}

bool buildFull(cDataAccess &data, const LabelsSelection &s)
{
    const bool campaign = s.campaign.year != 0;
    QVariantList values;
    const auto campaignValues = [&] {
        if (campaign)
            values << s.campaign.year << s.campaign.number;
    };
    QString sql = QStringLiteral("Create Table rptLabelsFull As SELECT Customers.*, ' ' as OrderTotalDisplay, ' ' as "
                                 "CurrentBalanceDisplay, '' as NumericStreetNumber, ");
    sql += orderSubselect("Sum(O.[Orders Unit Total])", "O.[Orders Internal Flag] = 'TOTAL'", campaign) + QStringLiteral(" As OrderTotal, ");
    campaignValues();
    sql += orderSubselect("Count(*)", "O.[Orders Internal Flag] = 'TOTAL'", campaign) + QStringLiteral(" As OrderCount, ");
    campaignValues();
    sql += orderSubselect("Count(*)", "O.[Orders Internal Flag] = 'DETAIL' And O.[Orders BackOrder Flag] <> 'P'", campaign)
         + QStringLiteral(" As OrderDetailCount, ");
    campaignValues();
    sql += QStringLiteral("(Select H.[Customers First Name] From Customers H Where H.[Customers Number] = Customers.[Customers "
                          "Business Helper Number] Limit 1) As HelperFirstName, (Select H.[Customers Last Name] From Customers H "
                          "Where H.[Customers Number] = Customers.[Customers Business Helper Number] Limit 1) As HelperLastName, "
                          "[Customers Discount Percent] as CurrentBalance From Customers Where 1 = 1 ");
    if (s.printLabelOnly)
        sql += QStringLiteral(" And [Customers Label Flag] = 'Y' ");
    if (s.searchLabelOnly)
        sql += QStringLiteral(" And [Customers Label Flag 2] = 'Y' ");
    if (!s.status.isEmpty() && s.status.compare(QLatin1String("All"), Qt::CaseInsensitive) != 0) {
        sql += QStringLiteral(" And [Customers Status] = ? ");
        values << s.status;
    }
    if (s.books == LabelsSelection::Books::NotZero)
        sql += QStringLiteral(" And [Customers Number Of Books] <> 0 ");
    else if (s.books == LabelsSelection::Books::Zero)
        sql += QStringLiteral(" And [Customers Number Of Books] = 0 ");
    sql += anyOf("Customers Brochure Status", s.brochureStatuses, values);
    sql += anyOf("Customers Brochure Type", s.brochureTypes, values);
    sql += s.helper.clause(QStringLiteral("Customers Business Helper Number"), values);
    return data.exec(kProcedure, sql, values);
}

// Each customer's balance before the campaign, in one statement over the grouped sums.
bool fillBalances(cDataAccess &data, const LabelsSelection &s)
{
    const int before = s.campaign.year != 0 ? s.campaign.key() : 999999;
    return data.exec(kProcedure, QStringLiteral("Update rptLabelsFull Set CurrentBalance = 0"))
        && data.exec(kProcedure,
                     QStringLiteral("Update rptLabelsFull Set CurrentBalance = Round(B.Amount, 2) From (Select Cust, Sum(Amount) As "
                                    "Amount From (Select [Orders Customer Number] As Cust, [Orders Unit Total] As Amount From Orders "
                                    "Where [Orders Internal Flag] = 'TOTAL' And [Orders Campaign Year] * 100 + [Orders Campaign "
                                    "Number] < ? Union All Select [Payments Customer Number], [Payments Amount] From Payments Where "
                                    "[Payments Campaign Year] * 100 + [Payments Campaign Number] < ?) Group By Cust) B Where B.Cust "
                                    "= rptLabelsFull.[Customers Number]"),
                     {before, before})
        && data.exec(kProcedure, QStringLiteral("Update rptLabelsFull Set OrderTotalDisplay = Case When OrderCount > 0 Then OrderCount "
                                                "|| ' Orders:' || ' Total: ' || printf('%.2f', Coalesce(OrderTotal, 0)) Else '' End, "
                                                "CurrentBalanceDisplay = 'Balance: ' || printf('%.2f', CurrentBalance), "
                                                "NumericStreetNumber = Cast([Customers House Number] As Integer)"));
}

bool buildLabels(cDataAccess &data, const LabelsSelection &s)
{
    QVariantList values;
    QStringList columns{QStringLiteral("*"), QStringLiteral("[Customers Area] as [Customers Areafix]")};
    for (int i = 0; i < 4; ++i) {
        const LineSql line = lineSql(s.lines[size_t(i)], s.customMessage, values);
        columns << QStringLiteral("%1 As Line%2").arg(line.line).arg(i + 1) << QStringLiteral("%1 As Line%2a").arg(line.first).arg(i + 1)
                << QStringLiteral("%1 As Line%2b").arg(line.second).arg(i + 1);
    }
    QStringList order;
    for (const QString &sort : s.sorts.mid(0, 3))
        if (!sortColumn(sort).isEmpty())
            order << sortColumn(sort);
    if (order.isEmpty())
        order << QStringLiteral("[Customers Last Name], [Customers First Name]");
    // The helper names of the line choices come from rptLabelsFull, so the lines are read from it.
    return data.exec(kProcedure, QStringLiteral("Create Table rptLabels As Select %1 From rptLabelsFull Order By %2, [Customers Number]")
                                     .arg(columns.join(QStringLiteral(", ")), order.join(QStringLiteral(", "))),
                     values);
}

// The screen gives a list; the command line gives "one, two".
QStringList listChoice(const ReportParameters &p, const QString &key)
{
    const QVariant value = p.choices.value(key);
    QStringList list = value.typeId() == QMetaType::QString ? value.toString().split(QLatin1Char(',')) : value.toStringList();
    for (QString &entry : list)
        entry = entry.trimmed();
    list.removeAll(QString());
    return list;
}

} // namespace

const QStringList &LabelsSelection::lineChoices()
{
    static const QStringList choices = {
        QStringLiteral("First - Last Name"), QStringLiteral("Last - First Name"), QStringLiteral("Street Address"),
        QStringLiteral("City - State - Postal Code"), QStringLiteral("Street Address - 2"),
        QStringLiteral("City, State, Postal Code - 2"), QStringLiteral("Postal Code - City - State"), QStringLiteral("Phone 1"),
        QStringLiteral("Phone 2"), QStringLiteral("Phone 3"), QStringLiteral("Email"),
        QStringLiteral("Business Helper First - Last Name"), QStringLiteral("Business Helper Last - First Name"),
        QStringLiteral("Reporting Area"), QStringLiteral("Referred By"), QStringLiteral("Country"), QStringLiteral("Country 2"),
        QStringLiteral("Current Balance"), QStringLiteral("Order Total"), QStringLiteral("Custom Message"), kNotApplicable};
    return choices;
}

int LabelsSelection::labelsPerSheet(const QString &size)
{
    // A 3 x 10, B 2 x 10, C 2 x 7, D 2 x 5, E 4 x 10.
    static const QHash<QString, int> perSheet = {{QStringLiteral("A"), 30}, {QStringLiteral("B"), 20}, {QStringLiteral("C"), 14},
                                                 {QStringLiteral("D"), 10}, {QStringLiteral("E"), 40}};
    return perSheet.value(size.toUpper(), 30);
}

const QStringList &LabelsSelection::sortChoices()
{
    static const QStringList choices = {
        QStringLiteral("Customer Number"), QStringLiteral("Status"), QStringLiteral("Last Name"), QStringLiteral("First Name"),
        QStringLiteral("Last and First Name"), QStringLiteral("Postal Code"), QStringLiteral("Street Name"),
        QStringLiteral("Street Number"), QStringLiteral("Reporting Area"), QStringLiteral("Helper Last and First Name")};
    return choices;
}

LabelsSelection LabelsSelection::of(const ReportParameters &p)
{
    LabelsSelection s;
    s.size = p.choices.value(kSize).toString().trimmed().toUpper();
    for (int i = 0; i < 4; ++i) {
        const QString line = p.choices.value(kLine.arg(i + 1)).toString().trimmed();
        // The command line gives choices in any case; the screen gives them as listed.
        for (const QString &choice : lineChoices())
            if (choice.compare(line, Qt::CaseInsensitive) == 0)
                s.lines[size_t(i)] = choice;
        s.returnLines[size_t(i)] = p.choices.value(kReturnLine.arg(i + 1)).toString();
    }
    s.campaign = p.campaign;
    const QString ordered = p.choices.value(kOrdered).toString().toLower();
    s.ordered = ordered == QLatin1String("ordered") ? Ordered::Ordered
              : ordered == QLatin1String("not-ordered") ? Ordered::NotOrdered : Ordered::All;
    s.printLabelOnly = p.choices.value(kPrintLabel).toBool();
    s.searchLabelOnly = p.choices.value(kSearchLabel).toBool();
    s.status = p.choices.value(kStatus).toString();
    const QString books = p.choices.value(kBooks).toString().toLower();
    s.books = books == QLatin1String("not-zero") ? Books::NotZero : books == QLatin1String("zero") ? Books::Zero : Books::All;
    s.brochureStatuses = listChoice(p, kBrochureStatuses);
    s.brochureTypes = listChoice(p, kBrochureTypes);
    s.helper = HelperFilter::of(p);
    for (const QString &sort : listChoice(p, kSorts)) {
        const qsizetype known = sortChoices().indexOf(QRegularExpression(QStringLiteral("^%1$").arg(QRegularExpression::escape(sort)),
                                                                         QRegularExpression::CaseInsensitiveOption));
        s.sorts << (known >= 0 ? sortChoices().at(known) : sort);
    }
    s.firstLabel = p.choices.contains(kFirstLabel) ? p.choices.value(kFirstLabel).toInt() : 1;
    s.suppressEmpty = p.choices.value(kSuppressEmpty).toBool();
    s.customMessage = p.choices.value(kCustomMessage).toString();
    return s;
}

std::optional<QString> LabelsSelection::check() const
{
    if (size.size() != 1 || !QStringLiteral("ABCDE").contains(size))
        return QStringLiteral("Please select label type.");
    const bool anyLine = std::any_of(lines.begin(), lines.end(), [](const QString &line) {
        return !line.isEmpty() && line != kNotApplicable && lineChoices().contains(line);
    });
    if (!anyLine)
        return QStringLiteral("Please use the Format tab to select data for each label line.");
    if (campaign.year != 0 && campaign.number == 0)
        return QStringLiteral("Must select a Campaign number if year has been selected.");
    if (campaign.year == 0 && campaign.number != 0)
        return QStringLiteral("Must select a Campaign year if campaign number has been selected.");
    for (const QString &sort : sorts)
        if (!sortChoices().contains(sort))
            return QStringLiteral("'%1' is not a sort of the labels; they sort by %2.").arg(sort, sortChoices().join(QStringLiteral(", ")));
    if (const int perSheet = labelsPerSheet(size); firstLabel < 1 || firstLabel > perSheet)
        return QStringLiteral("The first label must be from 1 to %1 on a sheet of label type %2.").arg(perSheet).arg(size);
    const bool showsTotal = std::find(lines.begin(), lines.end(), QStringLiteral("Order Total")) != lines.end();
    if (showsTotal && (ordered != Ordered::Ordered || campaign.year == 0))
        return QStringLiteral("To use the Print Order Total, the 'Selection Criteria - Ordered' must be selected along with Year/C#.");
    return std::nullopt;
}

std::optional<QString> prepareLabels(cDataAccess &data, const LabelsSelection &selection)
{
    if (const std::optional<QString> problem = selection.check())
        return problem;
    const QString failed = QStringLiteral("The labels could not be prepared.");
    if (!data.exec(kProcedure, QStringLiteral("Drop Table If Exists [rptLabelsFull]"))
        || !data.exec(kProcedure, QStringLiteral("Drop Table If Exists [rptLabels]")) || !buildFull(data, selection))
        return failed;
    if (selection.ordered == LabelsSelection::Ordered::Ordered
        && !data.exec(kProcedure, QStringLiteral("Delete From rptLabelsFull Where OrderDetailCount = 0 ")))
        return failed;
    if (selection.ordered == LabelsSelection::Ordered::NotOrdered
        && !data.exec(kProcedure, QStringLiteral("Delete From rptLabelsFull Where OrderDetailCount <> 0 ")))
        return failed;
    if (!fillBalances(data, selection) || !buildLabels(data, selection))
        return failed;
    if (selection.suppressEmpty) {
        if (!data.exec(kProcedure, QStringLiteral("Delete From rptLabels Where Line2 = '' And Line3 = '' And Line4 = '' ")))
            return failed;
        if (data.number(kProcedure, QStringLiteral("Select Count(*) From rptLabels")) == 0)
            return QStringLiteral("The 'Suppress label when Lines 2-4 are missing.' option has been selected.  After removing "
                                  "affected labels, there were no labels remaining to print.");
    }
    if (data.number(kProcedure, QStringLiteral("Select Count(*) From rptLabels")) == 0)
        return QStringLiteral("No customers found for current criteria.");
    return std::nullopt;
}

} // namespace zel::reports
