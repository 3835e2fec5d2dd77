#include "app/product_exchange_commands.h"

#include "app/command_line.h"
#include "app/command_session.h"
#include "exchange/handheld_orders.h"
#include "exchange/product_database_import.h"

#include <QTextStream>

namespace zel {

namespace {

int usage(QTextStream &err, const char *text)
{
    err << "Usage: " << text << '\n';
    return 2;
}

std::optional<bool> dashOption(const CommandLine &line, QTextStream &err)
{
    const QString dashes = line.option(QStringLiteral("--dashes"));
    if (dashes == QLatin1String("use"))
        return true;
    if (dashes == QLatin1String("none"))
        return false;
    err << "--dashes is use or none.\n";
    return std::nullopt;
}

// Both or neither of --year and --campaign.
bool assignedCampaign(const CommandLine &line, QTextStream &err, std::optional<Campaign> &assigned)
{
    const bool year = line.flag(QStringLiteral("--year"));
    const bool number = line.flag(QStringLiteral("--campaign"));
    if (!year && !number)
        return true;
    if (year != number) {
        err << "--year and --campaign go together.\n";
        return false;
    }
    const auto y = wholeOption(line, QStringLiteral("--year"), 1900, 2099, err);
    const auto n = y ? wholeOption(line, QStringLiteral("--campaign"), 1, 30, err) : std::nullopt;
    if (!n)
        return false;
    assigned = Campaign{*y, *n};
    return true;
}

} // namespace

int runPdaCommand(const CommandLine &line, QTextStream &out, QTextStream &err)
{
    const QString word = line.arguments.value(0);
    if (line.arguments.size() != 1
        || (word != QLatin1String("validate") && word != QLatin1String("import") && word != QLatin1String("reset")))
        return usage(err, "zel pda validate|import|reset --db FILE");
    CommandSession session(line, err);
    const bool readOnly = word == QLatin1String("validate");
    if (!session.openDatabase(line.database, readOnly ? CommandSession::Access::Read : CommandSession::Access::Write))
        return 1;
    exchange::HandheldOrders orders(session.state());
    if (word == QLatin1String("validate")) {
        const exchange::HandheldValidation found = orders.validate();
        for (const QString &text : found.lines)
            out << text << '\n';
        return found.failed ? 1 : 0;
    }
    if (word == QLatin1String("reset")) {
        const bool reset = orders.resetProcessed();
        if (reset)
            out << "Every handheld order is waiting to be imported again.\n";
        return reset ? 0 : 1;
    }
    const std::optional<exchange::HandheldImportCounts> counts = orders.import();
    if (!counts)
        return 1;
    out << "Details: " << counts->lines << "\nOrders: " << counts->orders << "\nDollars: "
        << counts->dollars.format(u"###,###,##0.00") << '\n';
    return 0;
}

int runProductImportCommand(const CommandLine &line, QTextStream &out, QTextStream &err)
{
    if (line.arguments.size() != 2 || line.arguments.value(0) != QLatin1String("products"))
        return usage(err, "zel import products --db FILE --dashes use|none FILE [--year Y --campaign C]");
    exchange::ProductImportChoices choices;
    choices.file = line.arguments.value(1);
    choices.useDashes = dashOption(line, err);
    if (!choices.useDashes || !assignedCampaign(line, err, choices.assigned))
        return 2;
    CommandSession session(line, err);
    if (!session.openDatabase(line.database))
        return 1;
    // Its questions: whether to import (yes or no), and the campaign of a file without one.
    session.setAnsweringOptions(QStringLiteral("--yes or --no, and --year Y --campaign C for a file without campaigns"));
    const std::optional<exchange::ProductImportCounts> counts = exchange::ProductDatabaseImport(session.state()).run(choices);
    if (!counts)
        return 1;
    out << "Products read: " << counts->read << "\nAdded: " << counts->added << "\nUpdated: " << counts->updated << '\n';
    return 0;
}

} // namespace zel
