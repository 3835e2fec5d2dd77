#pragma once

#include "transmit/transmit_list.h"
#include "transmit/valid_campaigns.h"

#include <QString>

namespace zel {

class AppState;

namespace transmit {

class MacroBrowser;
struct TransmitCountry;

// What sending one web page came to.
struct PageResult
{
    int entered = 0;      // products the site took
    bool stopped = false; // a product failed, or the page could not start
};

// Sending the prepared list of one country: start the browser on the company's site, then type
// one web page of products at a time through the country's macros. Every message goes through
// the prompter; failures to start are also written to the error log.
class TransmitSubmission
{
public:
    TransmitSubmission(AppState &state, const TransmitCountry &country, const ValidCampaigns &valid,
                       MacroBrowser &browser);

    // The instruction, then the browser with the start macro on `site` ({{Site}} in the macro).
    // False after telling why (missing macro, browser or driver, failed macro).
    bool startBrowser(const QString &site);
    // Plays the product macro for each row of `page`; the first failure stops the page.
    // `exceptionsShown`: the screen shows only the exceptions, and refuses to send.
    PageResult submitPage(int page, bool addOn, bool exceptionsShown = false);

private:
    bool refuse(const QString &logText, const QString &message);
    bool sendRow(const TransmitRow &row, const QString &productMacro, bool addOn);
    void reportFailure(const TransmitRow &row);

    AppState &m_state;
    const TransmitCountry &m_country;
    ValidCampaigns m_valid;
    MacroBrowser &m_browser;
    TransmitList m_list;
};

} // namespace transmit
} // namespace zel
