#pragma once

#include <QString>

namespace zel::transmit {

// What differs between the three countries' order-entry web sites.
struct TransmitCountry
{
    QString code;            // "US", "AU", "CA"
    QString name;            // "United States"
    int productDigits = 6;   // the length of a product number
    bool checkDigit = false; // the sixth digit is a check digit
    int pageLimit = 49;      // rows per web page
    QString startMacro;      // file names inside the IMacros folder
    QString productMacro;
    QString webPageName;     // the site's page named in the instruction
    QString errorPageText;   // the last line of "Web Page Error"
    QString pageCompleteText;
    bool addOn = false;      // the "Add On Order" box exists
    QString site;            // the company's order-entry web site

    // "Product # not 6 digits"
    QString digitsText() const;
    // The instruction shown before the browser starts.
    QString instruction() const;
    // The question asked before the screen closes.
    QString exitQuestion() const;

    // The country of "US", "AU" or "CA" (any case), or null.
    static const TransmitCountry *find(const QString &code);
};

} // namespace zel::transmit
