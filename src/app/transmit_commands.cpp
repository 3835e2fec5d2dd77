#include "app/transmit_commands.h"

#include "app/command_line.h"
#include "app/command_session.h"
#include "reports/order_summary_table.h"
#include "reports/report_renderer.h"
#include "session/app_state.h"
#include "transmit/macro_browser.h"
#include "transmit/transmit_country.h"
#include "transmit/transmit_list.h"
#include "transmit/transmit_print.h"
#include "transmit/transmit_submission.h"
#include "transmit/valid_campaigns.h"

#include <QDir>
#include <QTextStream>

#include <optional>

namespace zel {

namespace {

using namespace transmit;

const char *const kUsage =
    "Usage: zel transmit prepare --db FILE --year Y --campaign C --country us|au|ca [--add-on] [--pdf FILE]\n"
    "       zel transmit send --db FILE --year Y --campaign C --country us|au|ca --page N [--add-on] "
    "[--site URL] [--headless]\n";

struct TransmitRequest
{
    bool send = false;
    const TransmitCountry *country = nullptr;
    int year = 0;
    int campaign = 0;
    int page = 0;
    bool addOn = false;
    QString pdf;
};

// The command's words and values, checked before the database is opened; nothing after one line.
std::optional<TransmitRequest> readRequest(const CommandLine &line, QTextStream &err)
{
    const QString action = line.arguments.value(0);
    if (line.arguments.size() != 1 || (action != QLatin1String("prepare") && action != QLatin1String("send"))) {
        err << kUsage;
        return std::nullopt;
    }
    TransmitRequest request;
    request.send = action == QLatin1String("send");
    request.country = TransmitCountry::find(line.option(QStringLiteral("--country")));
    if (!request.country) {
        err << "--country must be us, au or ca.\n";
        return std::nullopt;
    }
    request.addOn = line.flag(QStringLiteral("--add-on"));
    if (request.addOn && !request.country->addOn) {
        err << "The " << request.country->name << " site takes no add-on orders.\n";
        return std::nullopt;
    }
    const auto year = wholeOption(line, QStringLiteral("--year"), 1980, 2200, err, 0);
    const auto campaign = wholeOption(line, QStringLiteral("--campaign"), 1, 99, err, 0);
    const auto page = wholeOption(line, QStringLiteral("--page"), 1, 32767, err, 0);
    if (!year || !campaign || !page)
        return std::nullopt;
    if (!request.send && (line.options.contains(QStringLiteral("--page")) || line.flag(QStringLiteral("--site"))
                          || line.flag(QStringLiteral("--headless")))) {
        err << "--page, --site and --headless belong to 'zel transmit send'.\n";
        return std::nullopt;
    }
    request.pdf = line.option(QStringLiteral("--pdf"));
    if (request.send && !request.pdf.isEmpty()) {
        err << "--pdf belongs to 'zel transmit prepare'.\n";
        return std::nullopt;
    }
    if (request.send && *page == 0) {
        err << "Which web page? Give --page N.\n";
        return std::nullopt;
    }
    request.year = *year;
    request.campaign = *campaign;
    request.page = *page;
    return request;
}

QString rowLine(const TransmitRow &row, const ValidCampaigns &valid, bool addOn)
{
    const int index = row.transmit ? valid.indexOf(row.fromCampaign, addOn) : -1;
    return QStringLiteral("%1 %2 %3 %4 %5 %6  %7")
        .arg(row.webPageNo, 4)
        .arg(row.webSeq, 4)
        .arg(row.fromCampaign, 8)
        .arg(index < 0 ? QStringLiteral("-") : QString::number(index), 5)
        .arg(row.catalogNumber.trimmed(), -10)
        .arg(row.quantity, 5)
        .arg(row.productStatus.trimmed());
}

void printRows(const std::vector<TransmitRow> &rows, const ValidCampaigns &valid, bool addOn, QTextStream &out)
{
    // "Index": the place of the line's campaign in the order page's campaign box, as it is sent.
    out << "Page  Seq Campaign Index Product      Qty  Status\n";
    for (const TransmitRow &row : rows)
        out << rowLine(row, valid, addOn) << '\n';
}

// Exceptions first, then every page in order.
void printList(const TransmitList &list, const ValidCampaigns &valid, bool addOn, QTextStream &out)
{
    std::vector<TransmitRow> rows = list.rows(true);
    for (const TransmitRow &row : list.rows(false))
        if (row.transmit)
            rows.push_back(row);
    printRows(rows, valid, addOn, out);
}

QString pageList(const QList<int> &pages)
{
    QStringList numbers;
    for (const int page : pages)
        numbers << QString::number(page);
    return numbers.isEmpty() ? QStringLiteral("none") : numbers.join(QStringLiteral(", "));
}

int sendPage(CommandSession &session, const CommandLine &line, const TransmitRequest &request,
             const ValidCampaigns &valid, QTextStream &out)
{
    AppState &state = session.state();
    const bool headless = line.flag(QStringLiteral("--headless"));
    const QString site = line.option(QStringLiteral("--site")).isEmpty() ? request.country->site
                                                                         : line.option(QStringLiteral("--site"));
    BrowserOptions options;
    options.profileFolder = QDir(state.paths.appFolder).filePath(QStringLiteral("Browser"));
    options.headless = headless;
    MacroBrowser browser(options);
    TransmitSubmission submission(state, *request.country, valid, browser);
    if (!submission.startBrowser(site))
        return 1;
    if (!headless
        && !state.prompter.askYesNo(QStringLiteral("Log on in the browser and go to the ") + request.country->webPageName
                                    + QStringLiteral(" page. Is the browser there now?"))) {
        out << "Nothing was sent.\n";
        return 1;
    }
    const PageResult result = submission.submitPage(request.page, request.addOn);
    printRows(TransmitList(state.data).pageRows(request.page), valid, request.addOn, out);
    out << result.entered << (result.entered == 1 ? " product" : " products") << " entered on web page " << request.page
        << (result.stopped ? "; the page stopped.\n" : ".\n");
    if (!headless)
        state.prompter.askYesNo(request.country->exitQuestion());
    return result.stopped ? 1 : 0;
}

// The printed list of the screen's Print button, written as a PDF file.
int writeListPdf(AppState &state, const TransmitRequest &request, QTextStream &err)
{
    QString error;
    if (!reports::writePdf(layOutTransmitList(state, request.year, request.campaign), request.pdf, &error)) {
        err << error << '\n';
        return 1;
    }
    return 0;
}

} // namespace

int runTransmitCommand(const CommandLine &line, QTextStream &out, QTextStream &err)
{
    std::optional<TransmitRequest> request = readRequest(line, err);
    if (!request)
        return 2;
    CommandSession session(line, err);
    if (!session.openDatabase(line.database))
        return 1;
    AppState &state = session.state();
    if (request->year == 0)
        request->year = state.options.CurrentCampaignYear;
    if (request->campaign == 0)
        request->campaign = state.options.CurrentCampaignNumber;
    if (!session.campaignInRange(request->year, request->campaign))
        return 2;

    const int lines = OrderSummaryTable::fillRegular(state.data, {request->year, request->campaign});
    if (lines <= 0) {
        err << "No order details found for Campaign " << request->campaign << " / " << request->year << ".\n";
        return 1;
    }
    const ValidCampaigns valid(request->campaign, state.options.LastCampaignNumberOfYear);
    TransmitList list(state.data);
    const std::optional<QList<int>> pages = list.prepare(*request->country, valid);
    if (!pages)
        return 1;
    if (!request->send) {
        out << QString(valid.label(request->country->addOn)).replace(QLatin1Char('\n'), QLatin1Char(' ')).simplified()
            << "\nWeb pages: " << pageList(*pages) << '\n';
        printList(list, valid, request->addOn, out);
        return request->pdf.isEmpty() ? 0 : writeListPdf(state, *request, err);
    }
    if (!pages->contains(request->page)) {
        err << "There is no web page " << request->page << "; the pages are " << pageList(*pages) << ".\n";
        return 2;
    }
    return sendPage(session, line, *request, valid, out);
}

} // namespace zel
