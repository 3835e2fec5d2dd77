#include "options/c_option.h"

#include "core/prompter.h"
#include "db/record_map.h"
#include "shell/data_access.h"

#include <QDate>

namespace zel {

namespace {

constexpr int kHighestCampaignNumber = 30;

// Every property and the column it lives in, in the order of the table.
const RecordMap<cOption> &optionsMap()
{
    static const RecordMap<cOption> map(QStringLiteral("Options"), {
        field("Options Rep Name", &cOption::RepName),
        field("Options Rep Address", &cOption::RepAddress),
        field("Options Rep CSZ", &cOption::RepCSZ),
        field("Options Rep Phone", &cOption::RepPhone),
        field("Options Tax Rate 1", &cOption::TaxRate1),
        field("Options Tax Rate 2", &cOption::TaxRate2),
        field("Options Tax Desc 1", &cOption::TaxDesc1),
        field("Options Tax Desc 2", &cOption::TaxDesc2),
        field("Options Current Campaign Year", &cOption::CurrentCampaignYear),
        field("Options Current Campaign Number", &cOption::CurrentCampaignNumber),
        field("Options Processing Charge", &cOption::ProcessingCharge),
        field("Options Quantity Print", &cOption::QuantityPrint),
        field("Options Print Date On Order", &cOption::PrintDateOnOrder),
        field("Options Print Tax Calcs On Order", &cOption::PrintTaxCalcsOnOrder),
        field("Options Misc1", &cOption::Misc1),
        field("Options Misc2", &cOption::Misc2),
        field("Options Misc3", &cOption::Misc3),
        field("Options Message0", &cOption::Message0),
        field("Options Message1", &cOption::Message1),
        field("Options Message2", &cOption::Message2),
        field("Options Message3", &cOption::Message3),
        field("Options Message4", &cOption::Message4),
        field("Options Tax Processing Charge 1", &cOption::TaxProcessingCharge1),
        field("Options Tax Processing Charge 2", &cOption::TaxProcessingCharge2),
        field("Options Tax Processing Charge 1 Zero", &cOption::TaxProcessingCharge1Zero),
        field("Options Tax Processing Charge 2 Zero", &cOption::TaxProcessingCharge2Zero),
        field("Options Orders Title1", &cOption::OrdersTitle1),
        field("Options Orders Title2", &cOption::OrdersTitle2),
        field("Options Orders Print Sequence", &cOption::OrdersPrintSequence),
        field("Options Special Charge Description", &cOption::SpecialChargeDescription),
        field("Options Tax After Discounts", &cOption::TaxAfterDiscounts),
        field("Options Thank You Message", &cOption::ThankYouMessage),
        field("Options BackOrder Message", &cOption::BackOrderMessage),
        field("Options Unavailable Message", &cOption::UnavailableMessage),
        field("Options Substitution Message", &cOption::SubstitutionMessage),
        field("Options Points Message1", &cOption::PointsMessage1),
        field("Options Points Message2", &cOption::PointsMessage2),
        field("Options Points Message3", &cOption::PointsMessage3),
        field("Options Points Message4", &cOption::PointsMessage4),
        field("Options Points Message5", &cOption::PointsMessage5),
        field("Options Points Message6", &cOption::PointsMessage6),
        field("Options Points Message7", &cOption::PointsMessage7),
        field("Options Points Message8", &cOption::PointsMessage8),
        field("Options Points Message9", &cOption::PointsMessage9),
        field("Options Number Past Campaigns For Product Lookup", &cOption::NumberPastCampaignForProductLookup),
        field("Options Prompt For Lower Price", &cOption::PromptForLowerPrice),
        field("Options Override Product Price", &cOption::OverrideProductPrice),
        field("Options Baseline Price Update Flag", &cOption::OverrideBaselinePrice),
        field("Options Flat Amount", &cOption::FlatAmount),
        field("Options Flat Percent", &cOption::FlatPercent),
        field("Options Flat Amount Desc", &cOption::FlatAmountDesc),
        field("Options Flat Percent Desc", &cOption::FlatPercentDesc),
        field("Options Show Balance", &cOption::ShowBalance),
        field("Options Fax District", &cOption::FaxDistrict),
        field("Options Fax Account", &cOption::FaxAccount),
        field("Options Tax Include Tax 1", &cOption::TaxIncludeTax1),
        field("Options Last Campaign Number Of Year", &cOption::LastCampaignNumberOfYear),
        field("Options Use Baseline Price", &cOption::UseBaselinePrice),
        field("Options Print Invoice Show Customer Number", &cOption::PrintInvoiceShowCustomerNumber),
        field("Options Print Invoice Show Reporting Area", &cOption::PrintInvoiceShowReportingArea),
        field("Options Print Invoice Use Second Address", &cOption::PrintInvoiceUseSecondAddress),
        field("Options Print Invoice Show Helper Name", &cOption::PrintInvoiceShowHelperName),
        field("Options Print Invoice Show Brochure Count", &cOption::PrintInvoiceShowBrochureCount),
        field("Options Print Invoice Top Margin", &cOption::PrintInvoiceTopMargin),
        field("Options Print Invoice Bottom Margin", &cOption::PrintInvoiceBottomMargin),
        field("Options Order Entry Dash", &cOption::OrderEntryDash),
        field("Options Print Invoice Show Item Count", &cOption::PrintInvoiceShowItemCount),
        field("Options Print Invoice Show Delivery Info", &cOption::PrintInvoiceShowDeliveryInfo),
        field("Options Email Subject", &cOption::EmailSubject),
        field("Options Email Body", &cOption::EmailBody),
        field("Options Print Invoice Show Savings", &cOption::PrintInvoiceShowSavings),
        field("Options Paper Type", &cOption::PaperType),
    });
    return map;
}

const QString kSelect = QStringLiteral("Select * From Options ");
const QString kProcedure = QStringLiteral("cOption");

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
    data.setSQL(optionsMap().insertSql(QStringLiteral("Options")), optionsMap().values(cOption()));
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
    optionsMap().readInto(*this, rows);
    return true;
}

bool cOption::OptionSave(cDataAccess &data)
{
    if (!OptionNew(data))
        return false;
    // The program keeps exactly one row; the first one is the one that counts.
    data.setSQL(optionsMap().updateSql(QStringLiteral("Options"), {})
                    + QStringLiteral(" Where rowid = (Select Min(rowid) From Options)"),
                optionsMap().values(*this));
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
