#include "app/commands.h"

#include "app/command_line.h"
#include "app/command_session.h"
#include "app/database_command.h"
#include "app/order_commands.h"
#include "app/record_commands.h"
#include "app/report_command.h"
#include "core/text.h"

#include <QMap>
#include <QTextStream>

#include <functional>

namespace zel {

namespace {

struct CommandWord
{
    const char *word;
    const char *usage;
    const char *summary;
    std::function<int(const CommandLine &, QTextStream &, QTextStream &)> run;
};

// What each command word accepts, so a mistyped option stops the command before it touches anything.
const QMap<QString, QStringList> &optionsOfWords()
{
    static const QMap<QString, QStringList> options = {
        {QStringLiteral("product"), {QStringLiteral("--year"), QStringLiteral("--campaign")}},
        {QStringLiteral("order"),
         {QStringLiteral("--customer"), QStringLiteral("--year"), QStringLiteral("--campaign"), QStringLiteral("--order"),
          QStringLiteral("--mode"), QStringLiteral("--switches"), QStringLiteral("--discount"), QStringLiteral("--special-charge"),
          QStringLiteral("--backorder-campaign"), QStringLiteral("--process-backorders"), QStringLiteral("--keep-charge")}},
        {QStringLiteral("balance"), {QStringLiteral("--customer"), QStringLiteral("--year"), QStringLiteral("--campaign")}},
        {QStringLiteral("report"),
         {QStringLiteral("--customer"), QStringLiteral("--year"), QStringLiteral("--campaign"), QStringLiteral("--order"),
          QStringLiteral("--short"), QStringLiteral("--pdf")}},
        {QStringLiteral("sample"), {QStringLiteral("--customers"), QStringLiteral("--years")}},
    };
    return options;
}

int printHelp(const CommandLine &, QTextStream &out, QTextStream &);

int printVersion(const CommandLine &, QTextStream &out, QTextStream &)
{
    out << "ZEL Customer Management System " << programVersion() << '\n';
    return 0;
}

const std::vector<CommandWord> &commandWords()
{
    static const std::vector<CommandWord> words = {
        {"help", "zel help", "List the commands.", printHelp},
        {"version", "zel version", "Print the program's version.", printVersion},
        {"db", "zel db new FILE", "Create a new, empty database.", runDatabaseCommand},
        {"db", "zel db check FILE", "Report a database's version, missing tables and integrity.", nullptr},
        {"db", "zel db backup FILE TARGET", "Write a compacted copy of a database to TARGET.", nullptr},
        {"db", "zel db restore BACKUP TARGET", "Restore a backup into a new database TARGET.", nullptr},
        {"db", "zel db compact FILE", "Compact a database in place (keeps the old file as a .ZELWK copy).", nullptr},
        {"customer", "zel customer new --db FILE", "Add a customer; prints its number.", runCustomerCommand},
        {"customer", "zel customer delete --db FILE NUMBER", "Delete a customer and everything that belongs to it.", nullptr},
        {"product", "zel product lookup --db FILE [--year Y --campaign C] CATALOG",
         "Find a product as order entry does (current campaign, then baseline).", runProductCommand},
        {"order", "zel order recompute --db FILE --customer N --year Y --campaign C --order O [...]",
         "Compute a stored order again (zel order for all its options).", runOrderCommand},
        {"balance", "zel balance --db FILE --customer N --year Y --campaign C",
         "Print a customer's balance as of a campaign and the sums it is made of.", runBalanceCommand},
        {"report", "zel report NAME --db FILE [options] --pdf OUT.pdf",
         "Print a report to a PDF file; the reports and their options are listed below.", runReportCommand},
        {"sample", "zel sample --db FILE [--customers N] [--years Y]",
         "Fill a database with realistic sample business.", runSampleCommand},
    };
    return words;
}

int printHelp(const CommandLine &, QTextStream &out, QTextStream &)
{
    out << "ZEL Customer Management System " << programVersion() << "\n\n"
        << "Without a command, zel opens the main menu. The windowed program also accepts\n"
        << "  AUTOSTART <database>   open this database (asks first)\n"
        << "  REPAIR                 start with no database open, ready for File/Repair\n\n"
        << "Commands:\n";
    for (const CommandWord &word : commandWords())
        out << "  " << word.usage << "\n      " << word.summary << '\n';
    out << "\nReports (zel report NAME):\n";
    for (const QString &line : reportHelpLines())
        out << "  " << line << '\n';
    out << "\nOptions for every command:\n"
        << "  --home DIR   the folder for settings and logs (default: ZEL_HOME, or the per-user data folder)\n"
        << "  --db FILE    the database to work on\n"
        << "  --yes, --no  answer every question Yes or No instead of asking\n"
        << "  --verbose    also print what the program reports along the way\n";
    return 0;
}

} // namespace

bool isCommandWord(const QString &word)
{
    for (const CommandWord &c : commandWords())
        if (word == QLatin1String(c.word))
            return true;
    return false;
}

QStringList commandOptions(const QString &word)
{
    return optionsOfWords().value(word);
}

QStringList knownOptions()
{
    QStringList all{QStringLiteral("--home"), QStringLiteral("--db"), QStringLiteral("--yes"), QStringLiteral("--no"),
                    QStringLiteral("--verbose")};
    for (const QStringList &options : optionsOfWords())
        all += options;
    all.removeDuplicates();
    return all;
}

int runCommand(const CommandLine &line, QTextStream &out, QTextStream &err)
{
    if (!line.error.isEmpty()) {
        err << line.error << '\n';
        return 2;
    }
    for (const CommandWord &c : commandWords()) {
        if (line.command != QLatin1String(c.word) || !c.run)
            continue;
        try {
            return c.run(line, out, err);
        } catch (const CommandStopped &stopped) {
            // An error the program cannot go on from: one line, and nothing more is done.
            err << stopped.line << '\n';
            return 1;
        }
    }
    err << "Unknown command '" << line.command << "'. Run 'zel help' to see the commands.\n";
    return 2;
}

} // namespace zel
