#include "app/cli_runner.h"
#include "desktop/main_menu_operations.h"
#include "reports/campaign_summary_report.h"
#include "reports/order_summary.h"
#include "reports/report.h"
#include "reports/report_registry.h"
#include "reports/server/standard_reports.h"
#include "session/app_state.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetricsF>
#include <QImage>

using namespace zel;
using namespace zel::reports;

namespace {

// Text laid out at the reports' 72 dpi, as the pages are measured.
QFontMetricsF metricsOf(const ReportFont &font)
{
    static QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        image.setDotsPerMeterX(2835);
        image.setDotsPerMeterY(2835);
        return image;
    }();
    QFont qfont(font.family);
    qfont.setPointSizeF(font.pointSize);
    qfont.setBold(font.bold);
    qfont.setItalic(font.italic);
    return QFontMetricsF(qfont, &device);
}

// The texts of a document that do not fit their rectangles: a word wider than its column, or lines
// that wrap below the cell.
QStringList cutCells(const Document &document)
{
    QStringList cut;
    for (size_t p = 0; p < document.pages.size(); ++p)
        for (const PageItem &item : document.pages[p].items) {
            const auto *text = std::get_if<TextItem>(&item);
            if (!text || text->rotation != 0)
                continue;
            const QFontMetricsF metrics = metricsOf(text->font);
            const QRectF need = metrics.boundingRect(QRectF(0, 0, text->rect.width(), 1e6), Qt::TextWordWrap, text->text);
            if (need.width() > text->rect.width() + 0.5 || need.height() > text->rect.height() + 0.5)
                cut << QStringLiteral("page %1: \"%2\" needs %3 x %4, has %5 x %6")
                           .arg(p + 1)
                           .arg(text->text.left(40))
                           .arg(need.width(), 0, 'f', 1)
                           .arg(need.height(), 0, 'f', 1)
                           .arg(text->rect.width(), 0, 'f', 1)
                           .arg(text->rect.height(), 0, 'f', 1);
        }
    return cut;
}

} // namespace

// Every report of the catalogue, on a sample shop, with every cell's text inside its cell.
TEST(ReportCells, EveryReportOnTheSampleFitsItsCells)
{
    test::TempApp app;
    const QString file = app.path("Sample.ZELDB");
    ASSERT_EQ(test::runCli(app, {"sample", "--db", file, "--customers", "30", "--years", "1"}).code, 0);
    ASSERT_TRUE(MainMenuOperations(*app.state).openDatabase(file, "test", "test"));
    AppState &state = *app.state;
    std::vector<std::pair<QString, ReportParameters>> runs;
    for (const Report *report : standardReports().reports()) {
        ReportParameters p;
        p.campaign = {state.options.CurrentCampaignYear, state.options.CurrentCampaignNumber};
        if (report->takes(ReportInput::Customer))
            p.customer = 1;
        runs.emplace_back(report->name(), p);
    }
    // The campaign summary with every print switch, in both layouts.
    ReportParameters everything = runs.front().second;
    everything.customer.reset();
    for (const QString &name : CampaignSummaryReport::switchNames())
        everything.choices.insert(name, true);
    runs.emplace_back(QStringLiteral("campaign-summary"), everything);
    everything.shortLayout = true;
    runs.emplace_back(QStringLiteral("campaign-summary"), everything);

    // The order summary's other layouts.
    for (const char *output : {"verify", "fax"}) {
        ReportParameters summary = runs.front().second;
        summary.customer.reset();
        summary.choices.insert(OrderSummarySelection::kOutput, QString::fromLatin1(output));
        summary.choices.insert(OrderSummarySelection::kSummary, QStringLiteral("all"));
        runs.emplace_back(QStringLiteral("order-summary"), summary);
    }
    for (const auto &[name, parameters] : runs) {
        const Report *report = standardReports().find(name);
        if (report->prepare(state, parameters) || !report->producesPages(parameters))
            continue; // a report that needs choices of its own is checked by its own tests
        const QStringList cut = cutCells(report->layOut(state, report->request(state, parameters)));
        EXPECT_TRUE(cut.isEmpty()) << name.toStdString() << ":\n  " << cut.mid(0, 8).join("\n  ").toStdString()
                                   << (cut.size() > 8 ? "\n  ..." : "");
    }
}
