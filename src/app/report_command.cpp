#include "app/report_command.h"

#include "app/command_line.h"
#include "app/command_session.h"
#include "reports/helper_filter.h"
#include "reports/report.h"
#include "reports/report_registry.h"
#include "reports/report_renderer.h"
#include "reports/server/standard_reports.h"

#include <QFileInfo>
#include <QTextStream>

#include <algorithm>

namespace zel {

namespace {

using reports::Report;
using reports::ReportInput;

// The command-line options that carry each input.
QStringList optionsOf(ReportInput input)
{
    switch (input) {
    case ReportInput::Customer: return {QStringLiteral("--customer")};
    case ReportInput::Campaign: return {QStringLiteral("--year"), QStringLiteral("--campaign")};
    case ReportInput::Order: return {QStringLiteral("--order")};
    case ReportInput::ShortLayout: return {QStringLiteral("--short")};
    }
    return {};
}

QString usageOf(ReportInput input)
{
    switch (input) {
    case ReportInput::Customer: return QStringLiteral("--customer N");
    case ReportInput::Campaign: return QStringLiteral("--year Y --campaign C");
    case ReportInput::Order: return QStringLiteral("--order O");
    case ReportInput::ShortLayout: return QStringLiteral("--short");
    }
    return {};
}

QString generalUsage()
{
    return QStringLiteral("Usage: zel report NAME --db FILE [options] (--pdf OUT.pdf | --preview), where NAME is one of: ")
         + reports::standardReports().names().join(QStringLiteral(", "));
}

QString choiceUsage(const reports::ReportChoice &choice)
{
    if (choice.flag)
        return choice.option;
    return choice.option + QLatin1Char(' ') + (choice.usage.isEmpty() ? choice.values.join(QLatin1Char('|')) : choice.usage);
}

bool takesChoice(const Report &report, const QString &option)
{
    const std::vector<reports::ReportChoice> choices = report.choices();
    return std::any_of(choices.begin(), choices.end(), [&](const reports::ReportChoice &c) { return c.option == option; });
}

// The first option given that the report does not take, or nothing.
QString foreignOption(const CommandLine &line, const Report &report)
{
    for (const ReportInput input : {ReportInput::Customer, ReportInput::Campaign, ReportInput::Order, ReportInput::ShortLayout})
        if (!report.takes(input))
            for (const QString &option : optionsOf(input))
                if (line.options.contains(option))
                    return option;
    for (auto it = line.options.cbegin(); it != line.options.cend(); ++it)
        if (reportChoiceOptions().contains(it.key()) && it.key() != QLatin1String("--preview") && !takesChoice(report, it.key()))
            return it.key();
    return {};
}

// The report's own choices from the command line into `parameters`; false (after one line) for a
// value the choice does not accept.
bool readChoices(const CommandLine &line, const Report &report, reports::ReportParameters &parameters, QTextStream &err)
{
    for (const reports::ReportChoice &choice : report.choices()) {
        if (!line.options.contains(choice.option))
            continue;
        if (choice.flag) {
            parameters.choices.insert(choice.key, true);
            continue;
        }
        const QString value = line.option(choice.option).trimmed();
        if (!choice.values.isEmpty() && !choice.values.contains(value.toLower())) {
            err << "The value '" << value << "' of " << choice.option << " is not one of: " << choice.values.join(QStringLiteral(", "))
                << ".\n";
            return false;
        }
        if (const QString refusal = choice.refusal ? choice.refusal(value) : QString(); !refusal.isEmpty()) {
            err << refusal << '\n';
            return false;
        }
        if (choice.key == reports::HelperFilter::kChoice && !reports::HelperFilter::fromText(value)) {
            err << "The value '" << value << "' of " << choice.option << " is not all, with, without or a customer number.\n";
            return false;
        }
        parameters.choices.insert(choice.key, value);
    }
    return true;
}

bool hasRequiredOptions(const CommandLine &line, const Report &report)
{
    for (const reports::ReportOption &option : report.options())
        if (option.required)
            for (const QString &name : optionsOf(option.input))
                if (!line.options.contains(name))
                    return false;
    return true;
}

// Year and campaign not given on the command line: the current campaign.
constexpr int kNotGiven = -1;

// The values of the command line, checked for range; nothing (after one line) when one is wrong.
std::optional<reports::ReportParameters> readParameters(const CommandLine &line, const Report &report, QTextStream &err)
{
    const auto customer = wholeOption(line, QStringLiteral("--customer"), 1, 32767, err, 0);
    const auto year = wholeOption(line, QStringLiteral("--year"), 0, 2200, err, kNotGiven);
    const auto campaign = wholeOption(line, QStringLiteral("--campaign"), 0, 99, err, kNotGiven);
    const auto order = wholeOption(line, QStringLiteral("--order"), 1, 32767, err, 0);
    if (!customer || !year || !campaign || !order)
        return std::nullopt;
    if (*year != kNotGiven && *year != 0 && *year < 1980) {
        err << "--year must be from 1980 to 2200 (or 0 for every year), not " << *year << ".\n";
        return std::nullopt;
    }
    if ((*year == 0 || *campaign == 0) && !report.takesAllCampaigns()) {
        err << "--year 0 and --campaign 0 (every year, all campaigns) are for the earnings report; the " << report.name()
            << " report needs a campaign from 1 up.\n";
        return std::nullopt;
    }
    reports::ReportParameters parameters;
    if (*customer != 0)
        parameters.customer = *customer;
    if (*order != 0)
        parameters.order = *order;
    parameters.campaign = {*year, *campaign};
    parameters.shortLayout = line.flag(QStringLiteral("--short"));
    return parameters;
}

// Fills in the current campaign and checks the customer and campaign against the database.
bool checkAgainstDatabase(CommandSession &session, const Report &report, reports::ReportParameters &parameters)
{
    AppState &state = session.state();
    if (parameters.campaign.year == kNotGiven)
        parameters.campaign.year = state.options.CurrentCampaignYear;
    if (parameters.campaign.number == kNotGiven)
        parameters.campaign.number = state.options.CurrentCampaignNumber;
    if (parameters.customer && !session.customerExists(*parameters.customer))
        return false;
    const bool allCampaigns = parameters.campaign.number == 0 || parameters.campaign.year == 0;
    if (report.takes(ReportInput::Campaign) && !allCampaigns
        && !session.campaignInRange(parameters.campaign.year, parameters.campaign.number))
        return false;
    if (parameters.customer)
        state.currentCustomer = *parameters.customer;
    return true;
}

// Prepares, then writes the pages to `pdf` ("-": their text to `out`; empty: no pages), then the
// report's closing work.
int produce(AppState &state, const Report &report, const reports::ReportParameters &parameters, const QString &pdf,
            QTextStream &out, QTextStream &err)
{
    if (const std::optional<QString> problem = report.prepare(state, parameters)) {
        err << *problem << '\n';
        return 1;
    }
    if (!pdf.isEmpty()) {
        const reports::Document document = report.layOut(state, report.request(state, parameters));
        QString error;
        if (pdf == QLatin1String("-")) {
            out << document.plainText() << '\n';
        } else if (!reports::writePdf(document, pdf, &error)) {
            err << "The " << report.title().toLower() << " could not be written: " << error << '\n';
            return 1;
        } else {
            out << report.title() << " written to " << QFileInfo(pdf).absoluteFilePath() << " (" << document.pages.size()
                << (document.pages.size() == 1 ? " page)\n" : " pages)\n");
        }
    }
    report.finish(state, parameters);
    return 0;
}

} // namespace

QString reportUsage(const Report &report)
{
    QStringList words{QStringLiteral("zel report"), report.name(), QStringLiteral("--db FILE")};
    for (const reports::ReportOption &option : report.options())
        words << (option.required ? usageOf(option.input) : QStringLiteral("[%1]").arg(usageOf(option.input)));
    if (!report.choices().empty())
        words << QStringLiteral("[choices]");
    words << QStringLiteral("(--pdf OUT.pdf | --preview)");
    return words.join(QLatin1Char(' '));
}

QStringList reportHelpLines()
{
    QStringList lines;
    for (const Report *report : reports::standardReports().reports()) {
        lines << reportUsage(*report) << QStringLiteral("    ") + report->description();
        QStringList choices;
        for (const reports::ReportChoice &choice : report->choices())
            choices << QLatin1Char('[') + choiceUsage(choice) + QLatin1Char(']');
        if (!choices.isEmpty())
            lines << QStringLiteral("    choices: ") + choices.join(QLatin1Char(' '));
    }
    return lines;
}

QStringList reportChoiceOptions()
{
    QStringList options{QStringLiteral("--preview")};
    for (const Report *report : reports::standardReports().reports())
        for (const reports::ReportChoice &choice : report->choices())
            if (!options.contains(choice.option))
                options << choice.option;
    return options;
}

bool isReportFlag(const QString &option)
{
    if (option == QLatin1String("--preview"))
        return true;
    for (const Report *report : reports::standardReports().reports())
        for (const reports::ReportChoice &choice : report->choices())
            if (choice.option == option)
                return choice.flag;
    return false;
}

int runReportCommand(const CommandLine &line, QTextStream &out, QTextStream &err)
{
    if (line.arguments.size() != 1) {
        err << generalUsage() << '\n';
        return 2;
    }
    const Report *report = reports::standardReports().find(line.arguments.front());
    if (!report) {
        err << "There is no report '" << line.arguments.front() << "'; the reports are "
            << reports::standardReports().names().join(QStringLiteral(", ")) << ".\n";
        return 2;
    }
    const QString pdf = line.option(QStringLiteral("--pdf"));
    const bool preview = line.flag(QStringLiteral("--preview"));
    if (!hasRequiredOptions(line, *report)) {
        err << "Usage: " << reportUsage(*report) << '\n';
        return 2;
    }
    if (const QString foreign = foreignOption(line, *report); !foreign.isEmpty()) {
        err << "The option " << foreign << " does not belong to 'zel report " << report->name() << "'.\n";
        return 2;
    }
    std::optional<reports::ReportParameters> parameters = readParameters(line, *report, err);
    if (!parameters || !readChoices(line, *report, *parameters, err))
        return 2;
    const bool pages = report->producesPages(*parameters);
    if (pages && pdf.isEmpty() == !preview) {
        err << "Usage: " << reportUsage(*report) << '\n';
        return 2;
    }
    CommandSession session(line, err);
    if (!session.openDatabase(line.database))
        return 1;
    // The order summary asks whether to mark its orders summarized; its own choice answers that.
    // Set after the open, whose questions (an upgrade) are answered by --yes or --no.
    for (const reports::ReportChoice &choice : report->choices())
        if (choice.option == QLatin1String("--mark-summarized"))
            session.setAnsweringOptions(QStringLiteral("--mark-summarized yes or --mark-summarized no"));
    if (!checkAgainstDatabase(session, *report, *parameters))
        return 2;
    return produce(session.state(), *report, *parameters, pages ? (preview ? QStringLiteral("-") : pdf) : QString(), out, err);
}

} // namespace zel
