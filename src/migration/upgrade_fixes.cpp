#include "migration/upgrade_fixes.h"

#include "core/prompter.h"
#include "core/text.h"
#include "db/schema.h"
#include "session/app_state.h"
#include "session/database_creation.h"
#include "shell/ini_file.h"

#include <QDir>

namespace zel::db {

namespace {

const QString kProcedure = QStringLiteral("Gs_Upgrade_Db");

QString literal(const char *text)
{
    return sqlQuote(QString::fromUtf8(text));
}

} // namespace

UpgradeFixes::UpgradeFixes(AppState &state, int oldVersion) : m_state(state), m_oldVersion(oldVersion) {}

bool UpgradeFixes::run(const QString &sql, const QVariantList &parameters)
{
    return m_state.data.exec(kProcedure, sql, parameters);
}

bool UpgradeFixes::setWhereNull(const QString &table, const QString &column, const QString &value)
{
    return run(QStringLiteral("UPDATE ") + table + QStringLiteral(" SET ") + bracket(column) + QStringLiteral(" = ") + value
               + QStringLiteral(" Where ") + bracket(column) + QStringLiteral(" Is Null "));
}

bool UpgradeFixes::customers()
{
    const QString table = QStringLiteral("Customers");
    if (below(2)) {
        const std::pair<const char *, const char *> whereNull[] = {
            {"Customers Processing Charge", "'Y'"}, {"Customers Tax Rate 1", "0"}, {"Customers Tax Rate 2", "0"},
            {"Customers Discount As Line", "'N'"}, {"Customers Supplies", "0"}, {"Customers CC Number", "''"},
            {"Customers CC Date", "''"}, {"Customers CC Name", "''"}, {"Customers House Number", "''"},
            {"Customers Email", "''"}, {"Customers Business Helper Flag", "'N'"}, {"Customers Business Helper Number", "0"},
            {"Customers Business Helper Percent", "0"}};
        for (const auto &[column, value] : whereNull)
            if (!setWhereNull(table, QString::fromUtf8(column), QString::fromUtf8(value)))
                return false;
        if (!run(QStringLiteral("UPDATE Customers SET [Customers Processing Charge] = 'Y' Where [Customers Processing Charge] Not in ('N', 'Y') "))
            || !run(QStringLiteral("UPDATE Customers SET [Customers Delivery Time] = [Customers Delivery Date] Where [Customers Delivery "
                                   "Time] Is Null And Not [Customers Delivery Date] Is Null "))
            || !splitHouseNumbers()
            || !run(QStringLiteral("UPDATE Customers SET [Customers Business Helper Number] = 0, [Customers Business Helper] = '' Where "
                                   "[Customers Business Helper Number] <> 0 And [Customers Business Helper Number] Not In (Select "
                                   "[Customers Number] From Customers Where [Customers Business Helper Flag] = 'Y')")))
            return false;
    }
    if (below(6) && (!setWhereNull(table, QStringLiteral("Customers Label Flag 2"), QStringLiteral("'Y'"))
                     || !run(QStringLiteral("UPDATE Customers SET [Customers Country 1] = '', [Customers Country 2] = ''"))))
        return false;
    if (below(7) && !setWhereNull(table, QStringLiteral("Customers Delivery Pickup Message"), QStringLiteral("''")))
        return false;
    if (below(10) && (!run(QStringLiteral("UPDATE Customers SET [Customers Business Helper Invoice Detail] = 'N'"))
                      || !run(QStringLiteral("UPDATE Customers SET [Customers Business Helper Invoice Detail] = 'Y' Where [Customers "
                                             "Business Helper Flag] = 'Y' "))))
        return false;
    if (below(11) && !run(QStringLiteral("UPDATE Customers SET [Customers Business Helper Use Discounted Total] = 'N'")))
        return false;
    if (below(13) && !run(QStringLiteral("UPDATE Customers SET [Customers Delivered] = 'Y'")))
        return false;
    return !below(17) || run(QStringLiteral("UPDATE Customers SET [Customers Gender] = 'F', [Customers Language] = 'English'"));
}

// Old layouts kept the house number at the start of the address.
bool UpgradeFixes::splitHouseNumbers()
{
    m_state.data.setSQL(QStringLiteral("Select [Customers Number], [Customers Address] From Customers Where [Customers House Number] = '' "
                                       "And [Customers Address] Glob '[0-9]*'"));
    RecordSet rows = m_state.data.GetRecordSet(kProcedure);
    std::vector<std::tuple<QVariant, QString, QString>> splits;
    while (rows.next()) {
        const QString address = rows.value(1).toString();
        qsizetype digits = 0;
        while (digits < address.size() && address.at(digits).isDigit() && address.at(digits).unicode() < 128)
            ++digits;
        splits.emplace_back(rows.value(0), address.left(digits), address.mid(digits).trimmed());
    }
    rows = RecordSet();
    for (const auto &[number, house, rest] : splits)
        if (!run(QStringLiteral("UPDATE Customers SET [Customers House Number] = ?, [Customers Address] = ? Where [Customers Number] = ?"),
                 {house, rest, number}))
            return false;
    return true;
}

bool UpgradeFixes::earnings()
{
    if (!below(2))
        return true;
    if (!run(QStringLiteral("UPDATE Earnings SET [Earnings Include In Sales Total] = 'Y' Where [Earnings Include In Sales Total] Is Null ")))
        return false;
    if (m_state.data.number(kProcedure, QStringLiteral("Select Count(*) From Earnings Where [Earnings Type Code] = 'R' ")) > 0)
        return true;
    return insertDefaultEarnings(m_state.data, kProcedure);
}

bool UpgradeFixes::expenses()
{
    if (!below(2))
        return true;
    return setWhereNull(QStringLiteral("Expenses"), QStringLiteral("Expenses Include Flag"), QStringLiteral("-1"))
        && run(QStringLiteral("UPDATE Expenses SET [Expenses Date] = ? Where [Expenses Date] Is Null "), {toDbDateTime(m_state.now())});
}

bool UpgradeFixes::options()
{
    const QString table = QStringLiteral("Options");
    if (below(2)) {
        // The "Zero" flags follow their charge flag while that one is still empty, so they go first.
        if (!run(QStringLiteral("UPDATE Options SET [Options Tax Processing Charge 1 Zero] = 'N' Where [Options Tax Processing Charge 1] Is Null "))
            || !run(QStringLiteral("UPDATE Options SET [Options Tax Processing Charge 2 Zero] = 'N' Where [Options Tax Processing Charge 2] Is Null "))
            || !run(QStringLiteral("UPDATE Options SET [Options Override Product Price] = 'N' Where [Options Override Product Price] Not In ('N', 'Y') "))
            || !run(QStringLiteral("UPDATE Options SET [Options Quantity Print] = 'O' Where [Options Quantity Print] Is Null Or [Options Quantity Print] Not In ('O', 'P', 'B') "))
            || !run(QStringLiteral("UPDATE Options SET [Options Orders Title1] = ") + literal("* * *   C u s t o m e r   O r d e r   * * *")
                    + QStringLiteral(" Where [Options Orders Title1] Is Null Or [Options Orders Title1] = '' ")))
            return false;
        const std::pair<const char *, const char *> whereNull[] = {
            {"Options Number Past Campaigns For Product Lookup", "2"}, {"Options Prompt For Lower Price", "'Y'"},
            {"Options Print Date On Order", "'Y'"}, {"Options Print Tax Calcs On Order", "'N'"}, {"Options Rep Address", "''"},
            {"Options Rep CSZ", "''"}, {"Options Tax Processing Charge 1", "'N'"}, {"Options Tax Processing Charge 2", "'N'"},
            {"Options Orders Print Sequence", "'PAGECAT'"}, {"Options Tax Rate 2", "0.0"}, {"Options Tax Desc 1", "'Tax'"},
            {"Options Tax Desc 2", "'Tax 2'"}, {"Options Special Charge Description", "'Shipping & Handling'"},
            {"Options Tax After Discounts", "'N'"}, {"Options Thank You Message", "'Thank You'"},
            {"Options BackOrder Message", "'** Back Ordered **'"}, {"Options Unavailable Message", "'** Unavailable **'"},
            {"Options Substitution Message", "'** Substitution **'"}, {"Options Show Balance", "'N'"},
            {"Options Tax Include Tax 1", "'N'"}};
        for (const auto &[column, value] : whereNull)
            if (!setWhereNull(table, QString::fromUtf8(column), QString::fromUtf8(value)))
                return false;
    }
    if (below(3)) {
        if (!setWhereNull(table, QStringLiteral("Options Last Campaign Number Of Year"), QStringLiteral("30")))
            return false;
        m_state.prompter.information(QStringLiteral("When upgrade completes, go to Main Menu/Options and set the 'Last C# of Year' on TAB 2.  "));
    }
    if (below(4) && !optionsFromPrintSettings())
        return false;
    const std::tuple<int, const char *, const char *> later[] = {
        {5, "Options Use Baseline Price", "'N'"}, {7, "Options Print Invoice Show Delivery Info", "'N'"},
        {8, "Options Print Invoice Show Savings", "'N'"}, {9, "Options Paper Type", "'U'"}};
    for (const auto &[version, column, value] : later)
        if (below(version) && !setWhereNull(table, QString::fromUtf8(column), QString::fromUtf8(value)))
            return false;
    return !below(13) || run(QStringLiteral("UPDATE Options SET [Options Baseline Price Update Flag] = 'N'"));
}

// The invoice choices lived in their own settings file before version 4.
bool UpgradeFixes::optionsFromPrintSettings()
{
    const IniFile ini(QDir(m_state.paths.appFolder).filePath(QStringLiteral("ZELORDERPRINTOPTIONSINI.600")));
    const QString section = QStringLiteral("OrderPrintOptions");
    const auto flag = [&](const char *key) {
        return ini.read(section, QString::fromLatin1(key), QString()).trimmed() == QLatin1String("1") ? QStringLiteral("Y")
                                                                                                        : QStringLiteral("N");
    };
    const auto margin = [&](const char *key) { return ini.read(section, QString::fromLatin1(key), QStringLiteral(".75 Inches")); };
    return run(QStringLiteral("UPDATE Options SET [Options Print Invoice Show Customer Number] = ?, [Options Print Invoice Show "
                              "Reporting Area] = ?, [Options Print Invoice Use Second Address] = ?, [Options Print Invoice Show "
                              "Brochure Count] = ?, [Options Print Invoice Show Helper Name] = ?, [Options Print Invoice Top Margin] "
                              "= ?, [Options Print Invoice Bottom Margin] = ?"),
               {flag("CustomerNumber"), flag("ReportingArea"), flag("Address2"), flag("BrochureCount"), flag("HelperName"),
                margin("TopMargin"), margin("BottomMargin")})
        && run(QStringLiteral("UPDATE Options SET [Options Order Entry Dash] = 'N', [Options Print Invoice Show Item Count] = 'Y', "
                              "[Options Email Subject] = ")
               + literal("Customize Your Default Subject at Main Menu/Options") + QStringLiteral(", [Options Email Body] = ")
               + literal("Customize Your Default Message Body at Main Menu/Options"));
}

bool UpgradeFixes::orders()
{
    if (below(2) && !ordersBelowTwo())
        return false;
    const std::pair<int, const char *> allRows[] = {
        {4, "UPDATE Orders SET [Orders Entered Date] = printf('%04d-01-01 00:00:00', [Orders Campaign Year]), [Orders Modified Date] = "
            "printf('%04d-01-01 00:00:00', [Orders Campaign Year])"},
        {6, "UPDATE Orders SET [Orders Reg Price] = [Orders Unit Price]"},
        {8, "UPDATE Orders SET [Orders Savings Message] = ''"},
        {12, "UPDATE Orders SET [Orders Discount Applied] = 0"},
        {13, "UPDATE Orders SET [Orders Delivered] = 'Y' Where [Orders Payment Delivered] = 1"},
        {13, "UPDATE Orders SET [Orders Delivered] = 'N' Where [Orders Payment Delivered] = 0"},
        {14, "UPDATE Orders SET [Orders Delivered] = 'Y' Where [Orders Delivered] Is Null Or [Orders Delivered] Not In ('Y', 'N')"}};
    for (const auto &[version, sql] : allRows)
        if (below(version) && !run(QString::fromUtf8(sql)))
            return false;
    if (below(14))
        m_state.prompter.information(QStringLiteral("Due to upgrade requirements some or all delivery flags have been set to DELIVERED."));
    if (below(15) && !summaryPrintedFlags())
        return false;
    return !below(16) || run(QStringLiteral("UPDATE Orders SET [Orders Notes] = '' Where [Orders Special Price] = 0.00"));
}

bool UpgradeFixes::ordersBelowTwo()
{
    const QString table = QStringLiteral("Orders");
    const std::pair<const char *, const char *> whereNull[] = {
        {"Orders Include On Order", "-1"}, {"Orders Supplies", "0"}, {"Orders Tax1", "-1"}, {"Orders Tax2", "-1"},
        {"Orders Payment Check Number", "''"}, {"Orders Business Helper Number", "0"}};
    for (const auto &[column, value] : whereNull)
        if (!setWhereNull(table, QString::fromUtf8(column), QString::fromUtf8(value)))
            return false;
    return run(QStringLiteral("UPDATE Orders SET [Orders Unit Total] = [Orders Unit Total] * -1 Where [Orders Internal Flag] = 'LDISCOUNT' "))
        && run(QStringLiteral("UPDATE Orders SET [Orders Earnings Flag] = 'R' Where [Orders Earnings Flag] Is Null Or [Orders Earnings Flag] = '' "))
        && setWhereNull(table, QStringLiteral("Orders Baseline Price Used Flag"), QStringLiteral("'N'"))
        && setWhereNull(table, QStringLiteral("Orders Tax Message"), QStringLiteral("''"))
        && setWhereNull(table, QStringLiteral("Orders From Campaign"), QStringLiteral("[Orders Campaign Number]"))
        && run(QStringLiteral("UPDATE Orders SET [Orders Business Helper] = Customers.[Customers Business Helper] From Customers Where "
                              "Orders.[Orders Customer Number] = Customers.[Customers Number]"))
        && run(QStringLiteral("UPDATE Orders SET [Orders Payment Amount] = [Orders Unit Total] Where [Orders Internal Flag] = 'PAYMENT'"))
        && run(QStringLiteral("UPDATE Orders SET [Orders Payment Amount] = P.[Orders Unit Total] From (Select [Orders Customer Number], "
                              "[Orders Campaign Year], [Orders Campaign Number], [Orders Order Number], [Orders Unit Total] From Orders "
                              "Where [Orders Internal Flag] = 'PAYMENT') As P Where Orders.[Orders Internal Flag] = 'PAYMENTNET' And "
                              "Orders.[Orders Customer Number] = P.[Orders Customer Number] And Orders.[Orders Campaign Year] = "
                              "P.[Orders Campaign Year] And Orders.[Orders Campaign Number] = P.[Orders Campaign Number] And "
                              "Orders.[Orders Order Number] = P.[Orders Order Number]"));
}

// Summary-printed marks were kept on single lines; an order is now marked on all its rows.
bool UpgradeFixes::summaryPrintedFlags()
{
    return run(QStringLiteral("Drop Table If Exists [rptOrderSummaryFlag]"))
        && run(QStringLiteral("Create Table [rptOrderSummaryFlag] As Select Distinct [Orders Customer Number], [Orders Campaign Year], "
                              "[Orders Campaign Number], [Orders Order Number] From [Orders] Where [Orders Summary Printed] <> 0 and "
                              "[Orders Internal Flag] = 'DETAIL'"))
        && run(QStringLiteral("Update Orders Set [Orders Summary Printed] = 0"))
        && run(QStringLiteral("Update Orders Set [Orders Summary Printed] = -1 From [rptOrderSummaryFlag] F Where Orders.[Orders "
                              "Customer Number] = F.[Orders Customer Number] And Orders.[Orders Campaign Year] = F.[Orders Campaign "
                              "Year] And Orders.[Orders Campaign Number] = F.[Orders Campaign Number] And Orders.[Orders Order Number] "
                              "= F.[Orders Order Number]"));
}

bool UpgradeFixes::products()
{
    const QString table = QStringLiteral("Products");
    // Both this and the orders fix of version 1 turn line discounts round, as the old program did.
    if (below(2) && (!setWhereNull(table, QStringLiteral("Products Tax1"), QStringLiteral("-1"))
                     || !setWhereNull(table, QStringLiteral("Products Tax2"), QStringLiteral("-1"))
                     || !setWhereNull(table, QStringLiteral("Products Earnings Flag"), QStringLiteral("'R'"))
                     || !run(QStringLiteral("UPDATE Orders SET [Orders Unit Total] = [Orders Unit Total] * -1 Where [Orders Internal Flag] "
                                            "= 'LDISCOUNT' "))))
        return false;
    if (below(4) && !run(QStringLiteral("UPDATE Products SET [Products Baseline Update] = 'N'")))
        return false;
    if (below(6) && !baselinePrices())
        return false;
    return !below(16) || run(QStringLiteral("UPDATE Products SET [Products Notes] = '', [Products Special Price] = 0.00"));
}

bool UpgradeFixes::baselinePrices()
{
    const bool zero = m_state.prompter.ask(
        {lines({QStringLiteral("This upgrade has a new feature that stores the Regular Product Price with the products."),
                QStringLiteral("These regular prices will come from 3 places."), QStringLiteral("1. Entered when using order entry"),
                QStringLiteral("2. Updated manually on the products screen"), QStringLiteral("3. Imported via the product import process"),
                QStringLiteral("You have the option of updating the regular price with the current price stored with the products. "),
                QStringLiteral("Or"), QStringLiteral("You have the option to set the regular price to ZERO. "),
                QStringLiteral("The regular prices will be updated with acutal prices as the program is used."),
                QStringLiteral("DO YOU WISH TO UPDATE ALL BASELINE PRICES TO ZERO !")}),
         QStringLiteral("Update New Regular Product Price"), Buttons::YesNo, Answer::No, Icon::Question})
        == Answer::Yes;
    const QString baseline = QStringLiteral(" Where [Products Campaign Year] = 0 and [Products Campaign Number] = 0");
    if (zero) {
        if (!run(QStringLiteral("UPDATE Products SET [Products Reg Price] = 0, [Products Last Price] = 0") + baseline))
            return false;
        m_state.prompter.information(QStringLiteral("The baseline products prices have been set to zero."));
        return true;
    }
    if (!run(QStringLiteral("UPDATE Products SET [Products Reg Price] = [Products Last Price]") + baseline))
        return false;
    m_state.prompter.information(QStringLiteral("The baseline products prices has been set to the price currently on file."));
    return true;
}

bool UpgradeFixes::helperPercents()
{
    if (!below(9))
        return true;
    return run(QStringLiteral("Insert Or Ignore Into HelperPercents ([HelperPercents Customer Number], [HelperPercents Earnings Type "
                              "Code], [HelperPercents Earnings Percent]) Select C.[Customers Number], E.[Earnings Type Code], "
                              "COALESCE(C.[Customers Business Helper Percent], 0) From Customers C, Earnings E"));
}

// Stock was once counted on the products; it now lives in Inventory.
bool UpgradeFixes::inventory()
{
    if (!below(16))
        return true;
    return run(QStringLiteral("Insert Into Inventory ([Inventory Catalog Number], [Inventory Description], [Inventory Shade Color "
                              "Fragrance], [Inventory Size], [Inventory Notes], [Inventory Category], [Inventory Price], [Inventory "
                              "Qty], [Inventory Storage Location], [Inventory Sold To Name], [Inventory Sold To Qty], [Inventory Sold "
                              "To Campaign Year], [Inventory Sold to Campaign Number], [Inventory Delete Flag]) Select [Products "
                              "Catalog Number], [Products Description], [Products Shade Color Fragrance], [Products Size], '', '', "
                              "[Products Last Price], [Products Quanity On Hand], '', '', 0, 0, 0, 0 From Products Where [Products "
                              "Quanity On Hand] > 0 "))
        && run(QStringLiteral("UPDATE Products Set  [Products Quanity On Hand]  = 0 "));
}

} // namespace zel::db
