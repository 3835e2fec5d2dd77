#pragma once

#include "reports/report_page.h"
#include "reports/report_parameters.h"
#include "reports/report_request.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace zel {

class AppState;

namespace reports {

// A value a report can be run with from the command line.
enum class ReportInput { Customer, Campaign, Order, ShortLayout };

struct ReportOption
{
    ReportInput input;
    bool required = false;
};

// One report of the program: the rpt tables it prepares, the layouts it names, and how it lays
// them out. The report screen's tabs and `zel report NAME` both run reports through this.
class Report
{
public:
    virtual ~Report() = default;

    // The name `zel report NAME` takes ("invoice").
    virtual QString name() const = 0;
    // What the report is called in messages ("Invoice").
    virtual QString title() const = 0;
    // One line for `zel help`.
    virtual QString description() const = 0;
    // The layouts passed as "ReportName" ("rptOrdersLong", "rptOrdersShort").
    virtual QStringList layoutNames() const = 0;
    // The values the report takes from the command line.
    virtual std::vector<ReportOption> options() const = 0;

    // Builds the report's rpt tables. Returns the message to show when there is nothing to print
    // (or a statement failed), or nothing when the tables are ready.
    virtual std::optional<QString> prepare(AppState &state, const ReportParameters &parameters) const = 0;
    // The parameter list of the request for the prepared tables, naming the layout.
    virtual ReportRequest request(const AppState &state, const ReportParameters &parameters) const = 0;
    // Lays the prepared tables out as the request's layout.
    virtual Document layOut(AppState &state, const ReportRequest &request) const = 0;

    bool takes(ReportInput input) const;
    bool needs(ReportInput input) const;
    // Prepares, asks and lays out. Nothing, with `message` set, when prepare found nothing to print.
    std::optional<Document> run(AppState &state, const ReportParameters &parameters, QString *message = nullptr) const;
};

} // namespace reports
} // namespace zel
