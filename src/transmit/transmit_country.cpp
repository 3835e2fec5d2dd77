#include "transmit/transmit_country.h"

#include <array>

namespace zel::transmit {

namespace {

const std::array<TransmitCountry, 3> &countries()
{
    static const std::array<TransmitCountry, 3> all = {{
        {QStringLiteral("US"), QStringLiteral("United States"), 6, true, 49, QStringLiteral("zel_start.iim"),
         QStringLiteral("zel_product.iim"), QStringLiteral("'my orders/Item Entry Form'"),
         QStringLiteral("Please ensure that the Web Browser has been positioned on the order entry page."),
         QStringLiteral(" is complete.  BE SURE TO CLICK 'UPDATE ORDER' in the Web Browser"), true,
         QStringLiteral("https://orders.corvessa.com")},
        {QStringLiteral("AU"), QStringLiteral("Australia"), 5, false, 10, QStringLiteral("Aus_Start.iim"),
         QStringLiteral("aus_product.iim"), QStringLiteral("'Order Products'"),
         QStringLiteral("Please ensure that the Web Browser has been positioned on the 'You are now ordering from "
                        "Campaign ?\?' page."),
         QStringLiteral(" is complete.  Be sure to click the 'NEXT' button in the Web Browser"), false,
         QStringLiteral("https://orders.corvessa.com.au")},
        {QStringLiteral("CA"), QStringLiteral("Canada"), 6, false, 25, QStringLiteral("Canada_Start.iim"),
         QStringLiteral("canada_product.iim"), QStringLiteral("'Order Products'"),
         QStringLiteral("Please ensure that the Web Browser has been positioned on the 'Select Products to Order' page."),
         QStringLiteral(" is complete.  BE SURE TO CLICK 'Save Products' in the Web Browser"), true,
         QStringLiteral("https://orders.corvessa.ca")},
    }};
    return all;
}

} // namespace

QString TransmitCountry::digitsText() const
{
    return QStringLiteral("Product # not %1 digits").arg(productDigits);
}

QString TransmitCountry::instruction() const
{
    return QStringLiteral("After the custom browser starts, logon to ") + site + QStringLiteral(" and go to the ")
         + webPageName
         + QStringLiteral(" Web Page.  Then switch back to this application(Use Alt-Tab or Task Bar) and select the "
                          "page of products to send and click the Start Submission Button.");
}

QString TransmitCountry::exitQuestion() const
{
    if (code == QLatin1String("AU"))
        return QStringLiteral("Have you submitted the current WEB page by clicking the 'Next' button?");
    if (code == QLatin1String("CA"))
        return QStringLiteral("Have you submitted the current WEB page and clicked 'Go to Next Step' at ") + site
             + QStringLiteral("?");
    return QStringLiteral("Have you submitted the current WEB page and SAVED your order at ") + site + QStringLiteral("?");
}

const TransmitCountry *TransmitCountry::find(const QString &code)
{
    for (const TransmitCountry &country : countries())
        if (country.code.compare(code.trimmed(), Qt::CaseInsensitive) == 0)
            return &country;
    return nullptr;
}

} // namespace zel::transmit
