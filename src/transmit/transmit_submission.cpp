#include "transmit/transmit_submission.h"

#include "core/prompter.h"
#include "session/app_state.h"
#include "transmit/browser_trouble.h"
#include "transmit/macro_browser.h"
#include "transmit/macro_files.h"
#include "transmit/transmit_country.h"

namespace zel::transmit {

namespace {

const QString kPageErrorTitle = QStringLiteral("Web Page Error");

// The browser's last message as a status: line breaks and extract marks become blanks.
QString statusOf(QString message)
{
    message.replace(QLatin1String("\n"), QLatin1String(" "));
    message.replace(QLatin1String("[EXTRACT]"), QLatin1String(" "));
    return message;
}

} // namespace

TransmitSubmission::TransmitSubmission(AppState &state, const TransmitCountry &country, const ValidCampaigns &valid,
                                       MacroBrowser &browser)
    : m_state(state), m_country(country), m_valid(valid), m_browser(browser), m_list(state.data)
{
}

bool TransmitSubmission::refuse(const QString &logText, const QString &message)
{
    m_state.LogWrite(QStringLiteral("ERROR"), QStringLiteral("Web submission (%1): %2").arg(m_country.code, logText));
    m_state.prompter.information(message, kMessageTitle, Icon::Exclamation);
    return false;
}

bool TransmitSubmission::startBrowser(const QString &site)
{
    m_state.prompter.information(m_country.instruction());
    const MacroFiles files(m_state.paths.appFolder);
    files.installMissing();
    const std::optional<QString> start = files.code(m_country.startMacro);
    if (!start)
        return refuse(QStringLiteral("missing macro ") + files.path(m_country.startMacro),
                      QStringLiteral("The start macro %1 could not be read.").arg(files.path(m_country.startMacro)));
    if (!m_browser.initialise())
        return refuse(m_browser.lastMessage(), m_browser.lastMessage());
    m_browser.setVariable(QStringLiteral("-var_Site"), site);
    if (!m_browser.play(*start, 600))
        return refuse(QStringLiteral("start macro: ") + m_browser.lastMessage(), inPlainWords(m_browser.lastMessage()));
    return true;
}

PageResult TransmitSubmission::submitPage(int page, bool addOn, bool exceptionsShown)
{
    PageResult result;
    if (exceptionsShown) {
        m_state.prompter.information(QStringLiteral("Please click the 'Show All' button before submitting."));
        result.stopped = true;
        return result;
    }
    const MacroFiles files(m_state.paths.appFolder);
    const std::optional<QString> product = files.code(m_country.productMacro);
    if (!product) {
        refuse(QStringLiteral("missing macro ") + files.path(m_country.productMacro),
               QStringLiteral("The product macro %1 could not be read.").arg(files.path(m_country.productMacro)));
        result.stopped = true;
        return result;
    }
    m_browser.bringToFront();
    int cell = 0;
    const std::vector<TransmitRow> rows = m_list.pageRows(page);
    Prompter &prompter = m_state.prompter;
    for (const TransmitRow &row : rows) {
        // Each product takes the page a few seconds: the window says which, and Cancel stops
        // before the next one.
        prompter.workingCancellable(QStringLiteral("Sending product %1 of %2 on page %3: %4")
                                        .arg(cell + 1)
                                        .arg(rows.size())
                                        .arg(page)
                                        .arg(row.catalogNumber.trimmed()));
        if (prompter.cancelRequested()) {
            prompter.working(QString());
            prompter.information(QStringLiteral("Sending stopped: %1 of the %2 products of page %3 were entered.")
                                     .arg(result.entered)
                                     .arg(rows.size())
                                     .arg(page));
            result.stopped = true;
            return result;
        }
        m_browser.setVariable(QStringLiteral("-var_Cell"), QString::number(cell++));
        if (!sendRow(row, *product, addOn)) {
            prompter.working(QString());
            reportFailure(row);
            result.stopped = true;
            return result;
        }
        ++result.entered;
    }
    prompter.working(QString());
    if (result.entered > 0)
        m_state.prompter.information(QStringLiteral("Current Web Page ") + QString::number(page) + m_country.pageCompleteText,
                                     QStringLiteral("Page Complete"));
    else
        m_state.prompter.information(QStringLiteral("No products entered on the current page."));
    return result;
}

bool TransmitSubmission::sendRow(const TransmitRow &row, const QString &productMacro, bool addOn)
{
    m_browser.setVariable(QStringLiteral("-var_Campaign"), QString::number(m_valid.indexOf(row.fromCampaign, addOn)));
    m_browser.setVariable(QStringLiteral("-var_Product"), row.catalogNumber.trimmed());
    m_browser.setVariable(QStringLiteral("-var_Quantity"), QString::number(row.quantity));
    const bool ok = m_browser.play(productMacro, 600);
    if (!ok)
        m_state.LogWrite(QStringLiteral("ERROR"), QStringLiteral("Web submission (%1), product %2: %3")
                                                      .arg(m_country.code, row.catalogNumber.trimmed(), m_browser.lastMessage()));
    m_list.setStatus(row.rowId, statusOf(ok ? m_browser.lastMessage() : inPlainWords(m_browser.lastMessage())));
    return ok;
}

void TransmitSubmission::reportFailure(const TransmitRow &row)
{
    m_state.prompter.information(QStringLiteral("Last Product Processed:\n") + row.catalogNumber.trimmed()
                                     + QStringLiteral(" Quantity:") + QString::number(row.quantity) + QLatin1Char('\n')
                                     + (isTechnical(m_browser.lastMessage()) ? inPlainWords(m_browser.lastMessage()) + QLatin1Char('\n')
                                                                             : QString())
                                     + m_country.errorPageText,
                                 kPageErrorTitle, Icon::Exclamation);
    m_browser.bringToFront();
}

} // namespace zel::transmit
