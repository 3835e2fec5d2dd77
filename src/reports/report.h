#pragma once

#include "reports/report_page.h"
#include "reports/report_parameters.h"
#include "reports/report_request.h"

#include <QString>
#include <QStringList>

#include <functional>
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

// A choice of the report's own, given on the command line as "--option VALUE" (or as a bare flag)
// and handed to the report in ReportParameters::choices under `key`.
struct ReportChoice
{
    QString option;     // "--type"
    QString key;        // the choices key the report reads
    QStringList values; // the accepted values, lower case; empty: any text
    bool flag = false;  // stands alone and sets the key to true
    QString usage;      // "regular|returns|backorders"; empty: the values joined with '|'
    // Why a value is refused (one line), or empty when it is accepted; unset: any value of `values`.
    std::function<QString(const QString &value)> refusal;

    static ReportChoice valued(const QString &option, const QString &key, const QStringList &values, const QString &usage = {})
    {
        return {option, key, values, false, usage, {}};
    }
    static ReportChoice flagged(const QString &option, const QString &key) { return {option, key, {}, true, {}, {}}; }
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

    // The report's own command-line choices.
    virtual std::vector<ReportChoice> choices() const { return {}; }
    // False when the parameters ask for no pages (the order summary's data file).
    virtual bool producesPages(const ReportParameters &) const { return true; }
    // Whether campaign number 0 (all campaigns of the year) and year 0 (every year) are choices, as
    // the blank campaign and year are on the report's tab.
    virtual bool takesAllCampaigns() const { return false; }
    // The work after the pages went out, or instead of them: files, closing questions.
    virtual void finish(AppState &, const ReportParameters &) const {}

    bool takes(ReportInput input) const;
    bool needs(ReportInput input) const;
    // Prepares, asks and lays out. Nothing, with `message` set, when prepare found nothing to print.
    std::optional<Document> run(AppState &state, const ReportParameters &parameters, QString *message = nullptr) const;
};

} // namespace reports
} // namespace zel
