#pragma once

#include "core/currency.h"

#include <QString>

namespace zel {

class cDataAccess;
class Prompter;

// The representative's settings, held from the single row of the Options table. Yes/no settings
// are "Y"/"N" texts, as stored.
class cOption
{
public:
    cOption(); // the values a new row starts with

    QString RepName, RepPhone, RepAddress, RepCSZ;
    Currency TaxRate1, TaxRate2; // percent: 7.5 means 7.5 %
    QString TaxDesc1, TaxDesc2;
    int CurrentCampaignNumber = 1;
    int CurrentCampaignYear = 0;
    Currency ProcessingCharge;
    QString Misc1, Misc2, Misc3;
    QString Message0, Message1, Message2, Message3, Message4;
    QString TaxProcessingCharge1, TaxProcessingCharge2;
    QString TaxProcessingCharge1Zero, TaxProcessingCharge2Zero;
    QString OrdersTitle1, OrdersTitle2;
    QString OrdersPrintSequence; // "PAGECAT" or "ENTERED"
    QString SpecialChargeDescription;
    QString TaxAfterDiscounts;
    QString ThankYouMessage, BackOrderMessage, UnavailableMessage, SubstitutionMessage;
    QString PointsMessage1, PointsMessage2, PointsMessage3, PointsMessage4, PointsMessage5, PointsMessage6,
        PointsMessage7, PointsMessage8, PointsMessage9;
    QString QuantityPrint;     // "O", "P" or "B"
    QString PrintDateOnOrder;  // "E", "C" or "N" (a new row holds "Y")
    QString PrintTaxCalcsOnOrder;
    int NumberPastCampaignForProductLookup = 2;
    QString PromptForLowerPrice, OverrideProductPrice, OverrideBaselinePrice;
    Currency FlatAmount, FlatPercent;
    QString FlatAmountDesc, FlatPercentDesc;
    QString ShowBalance;
    QString FaxDistrict, FaxAccount;
    QString TaxIncludeTax1;
    int LastCampaignNumberOfYear = 30;
    QString PrintInvoiceShowCustomerNumber, PrintInvoiceShowReportingArea, PrintInvoiceShowDeliveryInfo,
        PrintInvoiceUseSecondAddress, PrintInvoiceShowHelperName, PrintInvoiceShowBrochureCount;
    QString PrintInvoiceTopMargin, PrintInvoiceBottomMargin; // ".75 Inches", "20 MM"
    QString OrderEntryDash;
    QString PrintInvoiceShowItemCount;
    QString EmailSubject, EmailBody;
    QString UseBaselinePrice;
    QString PrintInvoiceShowSavings;
    QString PaperType; // "U" letter, "I" A4

    // Adds the row of new-row values when the table has none. Returns false when it could not.
    bool OptionNew(cDataAccess &data);
    // Loads the row, first adding one (and saying so) when the table is empty.
    bool OptionGet(cDataAccess &data, Prompter &prompter);
    // Writes every property back to the row (adding the row first when there is none).
    bool OptionSave(cDataAccess &data);

    // Moves the current campaign within 1 to 30, never changing the year. Returns false and changes
    // nothing at either end, where the caller sounds a beep; the caller saves a change.
    bool CampaignIncrement();
    bool CampaignDecrement();

    bool operator==(const cOption &) const = default;
};

} // namespace zel
