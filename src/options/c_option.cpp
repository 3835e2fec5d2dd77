#include "options/c_option.h"

#include "core/prompter.h"
#include "db/schema.h"
#include "shell/data_access.h"

#include <QDate>

#include <variant>

namespace zel {

namespace {

constexpr int kHighestCampaignNumber = 30;

using Member = std::variant<QString cOption::*, int cOption::*, Currency cOption::*>;

struct Column
{
    const char *name;
    Member member;
};

// Every property and the column it lives in, in the order of the table.
const Column kColumns[] = {
    {"Options Rep Name", &cOption::RepName},
    {"Options Rep Address", &cOption::RepAddress},
    {"Options Rep CSZ", &cOption::RepCSZ},
    {"Options Rep Phone", &cOption::RepPhone},
    {"Options Tax Rate 1", &cOption::TaxRate1},
    {"Options Tax Rate 2", &cOption::TaxRate2},
    {"Options Tax Desc 1", &cOption::TaxDesc1},
    {"Options Tax Desc 2", &cOption::TaxDesc2},
    {"Options Current Campaign Year", &cOption::CurrentCampaignYear},
    {"Options Current Campaign Number", &cOption::CurrentCampaignNumber},
    {"Options Processing Charge", &cOption::ProcessingCharge},
    {"Options Quantity Print", &cOption::QuantityPrint},
    {"Options Print Date On Order", &cOption::PrintDateOnOrder},
    {"Options Print Tax Calcs On Order", &cOption::PrintTaxCalcsOnOrder},
    {"Options Misc1", &cOption::Misc1},
    {"Options Misc2", &cOption::Misc2},
    {"Options Misc3", &cOption::Misc3},
    {"Options Message0", &cOption::Message0},
    {"Options Message1", &cOption::Message1},
    {"Options Message2", &cOption::Message2},
    {"Options Message3", &cOption::Message3},
    {"Options Message4", &cOption::Message4},
    {"Options Tax Processing Charge 1", &cOption::TaxProcessingCharge1},
    {"Options Tax Processing Charge 2", &cOption::TaxProcessingCharge2},
    {"Options Tax Processing Charge 1 Zero", &cOption::TaxProcessingCharge1Zero},
    {"Options Tax Processing Charge 2 Zero", &cOption::TaxProcessingCharge2Zero},
    {"Options Orders Title1", &cOption::OrdersTitle1},
    {"Options Orders Title2", &cOption::OrdersTitle2},
    {"Options Orders Print Sequence", &cOption::OrdersPrintSequence},
    {"Options Special Charge Description", &cOption::SpecialChargeDescription},
    {"Options Tax After Discounts", &cOption::TaxAfterDiscounts},
    {"Options Thank You Message", &cOption::ThankYouMessage},
    {"Options BackOrder Message", &cOption::BackOrderMessage},
    {"Options Unavailable Message", &cOption::UnavailableMessage},
    {"Options Substitution Message", &cOption::SubstitutionMessage},
    {"Options Points Message1", &cOption::PointsMessage1},
    {"Options Points Message2", &cOption::PointsMessage2},
    {"Options Points Message3", &cOption::PointsMessage3},
    {"Options Points Message4", &cOption::PointsMessage4},
    {"Options Points Message5", &cOption::PointsMessage5},
    {"Options Points Message6", &cOption::PointsMessage6},
    {"Options Points Message7", &cOption::PointsMessage7},
    {"Options Points Message8", &cOption::PointsMessage8},
    {"Options Points Message9", &cOption::PointsMessage9},
    {"Options Number Past Campaigns For Product Lookup", &cOption::NumberPastCampaignForProductLookup},
    {"Options Prompt For Lower Price", &cOption::PromptForLowerPrice},
    {"Options Override Product Price", &cOption::OverrideProductPrice},
    {"Options Baseline Price Update Flag", &cOption::OverrideBaselinePrice},
    {"Options Flat Amount", &cOption::FlatAmount},
    {"Options Flat Percent", &cOption::FlatPercent},
    {"Options Flat Amount Desc", &cOption::FlatAmountDesc},
    {"Options Flat Percent Desc", &cOption::FlatPercentDesc},
    {"Options Show Balance", &cOption::ShowBalance},
    {"Options Fax District", &cOption::FaxDistrict},
    {"Options Fax Account", &cOption::FaxAccount},
    {"Options Tax Include Tax 1", &cOption::TaxIncludeTax1},
    {"Options Last Campaign Number Of Year", &cOption::LastCampaignNumberOfYear},
    {"Options Use Baseline Price", &cOption::UseBaselinePrice},
    {"Options Print Invoice Show Customer Number", &cOption::PrintInvoiceShowCustomerNumber},
    {"Options Print Invoice Show Reporting Area", &cOption::PrintInvoiceShowReportingArea},
    {"Options Print Invoice Use Second Address", &cOption::PrintInvoiceUseSecondAddress},
    {"Options Print Invoice Show Helper Name", &cOption::PrintInvoiceShowHelperName},
    {"Options Print Invoice Show Brochure Count", &cOption::PrintInvoiceShowBrochureCount},
    {"Options Print Invoice Top Margin", &cOption::PrintInvoiceTopMargin},
    {"Options Print Invoice Bottom Margin", &cOption::PrintInvoiceBottomMargin},
    {"Options Order Entry Dash", &cOption::OrderEntryDash},
    {"Options Print Invoice Show Item Count", &cOption::PrintInvoiceShowItemCount},
    {"Options Print Invoice Show Delivery Info", &cOption::PrintInvoiceShowDeliveryInfo},
    {"Options Email Subject", &cOption::EmailSubject},
    {"Options Email Body", &cOption::EmailBody},
    {"Options Print Invoice Show Savings", &cOption::PrintInvoiceShowSavings},
    {"Options Paper Type", &cOption::PaperType},
};

const QString kSelect = QStringLiteral("Select * From Options ");
const QString kProcedure = QStringLiteral("cOption");

QVariant valueOf(const cOption &options, const Column &column)
{
    return std::visit(
        [&](auto member) -> QVariant {
            using T = std::remove_cvref_t<decltype(options.*member)>;
            if constexpr (std::is_same_v<T, QString>) {
                const db::FieldDef *field = db::findTable(QStringLiteral("Options"))->field(QString::fromUtf8(column.name));
                return db::fitToField(*field, options.*member);
            } else if constexpr (std::is_same_v<T, Currency>) {
                return (options.*member).toDouble();
            } else {
                return options.*member;
            }
        },
        column.member);
}

void read(cOption &options, const Column &column, const QVariant &value)
{
    std::visit(
        [&](auto member) {
            using T = std::remove_cvref_t<decltype(options.*member)>;
            // A Null reads as empty or zero.
            if constexpr (std::is_same_v<T, QString>)
                options.*member = value.isNull() ? QString() : value.toString();
            else if constexpr (std::is_same_v<T, Currency>)
                options.*member = Currency::fromDouble(value.toDouble());
            else
                options.*member = value.toInt();
        },
        column.member);
}

bool hasRow(cDataAccess &data)
{
    data.setSQL(kSelect);
    RecordSet rows = data.GetRecordSet(kProcedure);
    return rows.count() > 0;
}

} // namespace

cOption::cOption()
    : RepName(QStringLiteral("My Name")),
      RepPhone(QStringLiteral("(555)555-5555")),
      RepAddress(QStringLiteral("1600 Main St")),
      RepCSZ(QStringLiteral("Any Town, NV 88888")),
      TaxDesc1(QStringLiteral("TAX1")),
      TaxDesc2(QStringLiteral("TAX2")),
      CurrentCampaignYear(QDate::currentDate().year()),
      ProcessingCharge(Currency::fromCents(75)),
      Misc1(QStringLiteral("E-mail: myname@example.com")),
      Misc2(QStringLiteral("Home (555) 555-5555")),
      Misc3(QStringLiteral("Cellular (555) 555-5555")),
      TaxProcessingCharge1(QStringLiteral("N")),
      TaxProcessingCharge2(QStringLiteral("N")),
      TaxProcessingCharge1Zero(QStringLiteral("N")),
      TaxProcessingCharge2Zero(QStringLiteral("N")),
      OrdersTitle1(QStringLiteral("* * *   C u s t o m e r   O r d e r   * * *")),
      OrdersPrintSequence(QStringLiteral("PAGECAT")),
      SpecialChargeDescription(QStringLiteral("Special Charge")),
      TaxAfterDiscounts(QStringLiteral("N")),
      ThankYouMessage(QStringLiteral("Thank You")),
      BackOrderMessage(QStringLiteral("** Back Ordered **")),
      UnavailableMessage(QStringLiteral("** Unavailable **")),
      SubstitutionMessage(QStringLiteral("** Substitution **")),
      QuantityPrint(QStringLiteral("O")),
      PrintDateOnOrder(QStringLiteral("Y")),
      PrintTaxCalcsOnOrder(QStringLiteral("N")),
      PromptForLowerPrice(QStringLiteral("Y")),
      OverrideProductPrice(QStringLiteral("N")),
      OverrideBaselinePrice(QStringLiteral("N")),
      FlatAmountDesc(QStringLiteral("Surcharge Amount")),
      FlatPercentDesc(QStringLiteral("Surcharge Percent")),
      ShowBalance(QStringLiteral("N")),
      TaxIncludeTax1(QStringLiteral("N")),
      PrintInvoiceShowCustomerNumber(QStringLiteral("N")),
      PrintInvoiceShowReportingArea(QStringLiteral("N")),
      PrintInvoiceShowDeliveryInfo(QStringLiteral("N")),
      PrintInvoiceUseSecondAddress(QStringLiteral("N")),
      PrintInvoiceShowHelperName(QStringLiteral("N")),
      PrintInvoiceShowBrochureCount(QStringLiteral("N")),
      PrintInvoiceTopMargin(QStringLiteral(".75 Inches")),
      PrintInvoiceBottomMargin(QStringLiteral(".75 Inches")),
      OrderEntryDash(QStringLiteral("N")),
      PrintInvoiceShowItemCount(QStringLiteral("N")),
      EmailSubject(QStringLiteral("Customize Your Email Subject Line - Main Menu Options")),
      EmailBody(QStringLiteral("Customize Your Email Body - Main Menu Options")),
      UseBaselinePrice(QStringLiteral("N")),
      PrintInvoiceShowSavings(QStringLiteral("N")),
      PaperType(QStringLiteral("U"))
{
}

bool cOption::OptionNew(cDataAccess &data)
{
    if (hasRow(data))
        return true;
    const cOption fresh;
    QStringList columns;
    QStringList marks;
    QVariantList values;
    for (const Column &column : kColumns) {
        columns << db::bracket(QString::fromUtf8(column.name));
        marks << QStringLiteral("?");
        values << valueOf(fresh, column);
    }
    data.setSQL(QStringLiteral("Insert Into Options (") + columns.join(QStringLiteral(", ")) + QStringLiteral(") Values (")
                    + marks.join(QStringLiteral(", ")) + QLatin1Char(')'),
                values);
    return data.ExecSql(QStringLiteral("OptionNew"));
}

bool cOption::OptionGet(cDataAccess &data, Prompter &prompter)
{
    if (!hasRow(data)) {
        prompter.information(QStringLiteral("Options Record not found - Will insert default values.  Please update with "
                                            "your demographic data."));
        if (!OptionNew(data))
            return false;
    }
    data.setSQL(kSelect);
    RecordSet rows = data.GetSnapShot(QStringLiteral("OptionGet"));
    if (!rows.next())
        return false;
    for (const Column &column : kColumns)
        read(*this, column, rows.value(QString::fromUtf8(column.name)));
    return true;
}

bool cOption::OptionSave(cDataAccess &data)
{
    if (!OptionNew(data))
        return false;
    QStringList assignments;
    QVariantList values;
    for (const Column &column : kColumns) {
        assignments << db::bracket(QString::fromUtf8(column.name)) + QStringLiteral(" = ?");
        values << valueOf(*this, column);
    }
    // The program keeps exactly one row; the first one is the one that counts.
    data.setSQL(QStringLiteral("Update Options Set ") + assignments.join(QStringLiteral(", "))
                    + QStringLiteral(" Where rowid = (Select Min(rowid) From Options)"),
                values);
    return data.ExecSql(QStringLiteral("OptionSave"));
}

bool cOption::CampaignIncrement()
{
    if (CurrentCampaignNumber + 1 > kHighestCampaignNumber)
        return false;
    ++CurrentCampaignNumber;
    return true;
}

bool cOption::CampaignDecrement()
{
    if (CurrentCampaignNumber - 1 < 1)
        return false;
    --CurrentCampaignNumber;
    return true;
}

} // namespace zel
