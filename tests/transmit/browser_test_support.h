#pragma once

#include "transmit/macro_browser.h"

#include <QString>

#include <gtest/gtest.h>

namespace zel::test {

// Stops the test (as skipped) when the browser or its driver is not installed.
#define ZEL_SKIP_WITHOUT_BROWSER()                                                                                  \
    if (const QString package = transmit::MacroBrowser::missingPackage(); !package.isEmpty())                       \
    GTEST_SKIP() << "The Debian package " << package.toStdString()                                                  \
                 << " is not installed; the browser tests need chromium and chromium-driver."

// A headless browser with its profile in `folder`.
inline transmit::BrowserOptions headlessBrowser(const QString &folder)
{
    transmit::BrowserOptions options;
    options.profileFolder = folder;
    options.headless = true;
    options.startTimeoutSeconds = 60;
    return options;
}

// Logs on through the test site's own log-on page, as the representative would.
inline const QString kLogOnMacro = QStringLiteral(
    "CODE:URL GOTO={{Site}}\r\n"
    "TAG POS=1 TYPE=INPUT:TEXT ATTR=NAME:account CONTENT=rep\r\n"
    "TAG POS=1 TYPE=INPUT:PASSWORD ATTR=NAME:password CONTENT=secret\r\n"
    "TAG POS=1 TYPE=INPUT:SUBMIT ATTR=VALUE:Log<SP>On\r\n"
    "TAG POS=1 TYPE=H1 ATTR=TXT:Item<SP>Entry<SP>Form\r\n");

// Clicks the form's "Update Order" and waits for the site's answer.
inline const QString kUpdateOrderMacro = QStringLiteral(
    "CODE:TAG POS=1 TYPE=INPUT:SUBMIT ATTR=VALUE:Update<SP>Order\r\n"
    "TAG POS=1 TYPE=H1 ATTR=TXT:Order<SP>updated\r\n");

} // namespace zel::test
