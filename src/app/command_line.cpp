#include "app/command_line.h"

#include "app/commands.h"
#include "app/report_command.h"

#include <algorithm>

namespace zel {

namespace {

// Options that stand alone; every other "--name" takes the next argument as its value.
bool isFlag(const QString &name)
{
    static const QStringList flags = {QStringLiteral("--process-backorders"), QStringLiteral("--keep-charge"),
                                      QStringLiteral("--short"), QStringLiteral("--current"), QStringLiteral("--deposited"), QStringLiteral("--extra"),
                                      QStringLiteral("--refund"), QStringLiteral("--all"), QStringLiteral("--unavailable"),
                                      QStringLiteral("--add-on"), QStringLiteral("--headless"),
                                      QStringLiteral("--external"), QStringLiteral("--in-stock"), QStringLiteral("--sold"),
                                      QStringLiteral("--header"), QStringLiteral("--logs"), QStringLiteral("--replace"),
                                      QStringLiteral("--marked"), QStringLiteral("--dry-run"), QStringLiteral("--password-stdin"),
                                      QStringLiteral("--again")};
    // --yes and --no are read above.
    return flags.contains(name) || isReportFlag(name);
}

} // namespace

QStringList CommandLine::values(const QString &name) const
{
    QStringList all = repeated.values(name); // newest first
    std::reverse(all.begin(), all.end());
    return all;
}

CommandLine CommandLine::parse(const QStringList &args)
{
    CommandLine line;
    QStringList rest;
    QString unknown;
    const QStringList known = knownOptions();
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        const auto value = [&](QString &target) {
            if (i + 1 >= args.size() || known.contains(args.at(i + 1)))
                line.error = arg + QStringLiteral(" needs a value.");
            else
                target = args.at(++i);
        };
        if (arg == QLatin1String("--home"))
            value(line.home);
        else if (arg == QLatin1String("--db"))
            value(line.database);
        else if (arg == QLatin1String("--yes"))
            line.yes = true;
        else if (arg == QLatin1String("--no"))
            line.no = true;
        else if (arg.startsWith(QLatin1String("--home=")))
            line.home = arg.mid(7);
        else if (arg.startsWith(QLatin1String("--db=")))
            line.database = arg.mid(5);
        else if (arg == QLatin1String("--verbose"))
            line.verbose = true;
        else if (arg.startsWith(QLatin1String("--")) && !known.contains(arg.section(QLatin1Char('='), 0, 0)))
            unknown = unknown.isEmpty() ? arg.section(QLatin1Char('='), 0, 0) : unknown;
        else if (arg.startsWith(QLatin1String("--")) && arg.contains(QLatin1Char('='))) {
            line.options.insert(arg.section(QLatin1Char('='), 0, 0), arg.section(QLatin1Char('='), 1));
            line.repeated.insert(arg.section(QLatin1Char('='), 0, 0), arg.section(QLatin1Char('='), 1));
        }
        else if (arg.startsWith(QLatin1String("--")) && isFlag(arg))
            line.options.insert(arg, QString());
        else if (arg.startsWith(QLatin1String("--"))) {
            value(line.options[arg]);
            line.repeated.insert(arg, line.options[arg]);
        }
        else
            rest << arg;
    }
    if (!unknown.isEmpty() && line.error.isEmpty())
        line.error = QStringLiteral("Unknown option %1. Run 'zel help' to see the options.").arg(unknown);
    if (line.yes && line.no)
        line.error = QStringLiteral("--yes and --no cannot be used together.");
    if (rest.isEmpty() && line.error.isEmpty() && !line.options.isEmpty())
        line.error = QStringLiteral("The option %1 belongs to a command. Run 'zel help' to see the commands.")
                         .arg(line.options.firstKey());
    if (rest.isEmpty())
        return line;

    const QString first = rest.constFirst();
    if (isCommandWord(first)) {
        line.command = first;
        line.arguments = rest.mid(1);
        const QStringList accepted = commandOptions(first);
        for (auto it = line.options.cbegin(); it != line.options.cend() && line.error.isEmpty(); ++it)
            if (!accepted.contains(it.key()))
                line.error = QStringLiteral("The option %1 does not belong to 'zel %2'. Run 'zel help' to see its options.")
                                 .arg(it.key(), first);
        const QString subcommand = line.arguments.value(0);
        const std::optional<QStringList> narrower = subcommandOptions(first, subcommand);
        for (auto it = line.options.cbegin(); narrower && it != line.options.cend() && line.error.isEmpty(); ++it)
            if (!narrower->contains(it.key()))
                line.error = QStringLiteral("The option %1 does not belong to 'zel %2 %3'. Run 'zel help' to see its options.")
                                 .arg(it.key(), first, subcommand);
    } else if (first.toUpper() == QLatin1String("AUTOSTART") || first.toUpper() == QLatin1String("REPAIR")) {
        line.startText = rest.join(QLatin1Char(' '));
        if (line.error.isEmpty() && !line.options.isEmpty())
            line.error = QStringLiteral("The option %1 belongs to a command. Run 'zel help' to see the commands.")
                             .arg(line.options.firstKey());
    } else if (line.error.isEmpty()) {
        line.error = QStringLiteral("Unknown command '%1'. Run 'zel help' to see the commands.").arg(first);
    }
    return line;
}

} // namespace zel
