#include "app/exchange_commands.h"
#include "app/product_exchange_commands.h"

#include "app/command_line.h"
#include "app/command_session.h"
#include "exchange/customer_copy_import.h"
#include "exchange/customer_export.h"
#include "exchange/text_customer_import.h"

#include <QFileInfo>
#include <QTextStream>

#include <optional>

namespace zel {

namespace {

const char *const kImportUsage = "zel import customers --db FILE (--csv F | --mba F | --zeldb F | --timesaver F) "
                                 "[--delimiter D] [--qualifier Q]";
const char *const kExportUsage = "zel export customers --db FILE --selection active|closed|all --sort zip|name "
                                 "--content names|all|orders|emails [--header] [--replace] OUT";

int usage(QTextStream &err, const char *text)
{
    err << "Usage: " << text << '\n';
    return 2;
}

// The one source option given, as its name; empty (after one line) when there is not exactly one.
QString sourceOption(const CommandLine &line, QTextStream &err)
{
    QStringList given;
    for (const char *name : {"--csv", "--mba", "--zeldb", "--timesaver"})
        if (line.options.contains(QString::fromLatin1(name)))
            given << QString::fromLatin1(name);
    if (given.size() != 1) {
        err << "Give exactly one of --csv, --mba, --zeldb and --timesaver with the file to import.\n";
        return {};
    }
    return given.first();
}

// "tab" names the tab character, which is awkward to type on a command line.
QString separatorOption(const CommandLine &line, const QString &name, const QString &fallback)
{
    if (!line.options.contains(name))
        return fallback;
    const QString value = line.option(name);
    return value.compare(QLatin1String("tab"), Qt::CaseInsensitive) == 0 ? QStringLiteral("\t") : value;
}

int importText(CommandSession &session, const CommandLine &line, const QString &source, const QString &file, QTextStream &out)
{
    exchange::TextImportRequest request;
    request.layout = source == QLatin1String("--csv") ? exchange::TextLayout::Csv : exchange::TextLayout::NameAddress;
    request.delimiter = separatorOption(line, QStringLiteral("--delimiter"), QStringLiteral(","));
    request.qualifier = separatorOption(line, QStringLiteral("--qualifier"), QStringLiteral("\""));
    request.path = file;
    exchange::TextCustomerImport import(session.state());
    const std::optional<int> imported = import.run(request);
    out << "Read " << QFileInfo(file).fileName() << " as " << import.lastText().encodingName() << ".\n";
    if (!imported)
        return 1;
    out << "Imported " << *imported << " customers.\n";
    return 0;
}

template <class Choice>
std::optional<Choice> choiceOption(const CommandLine &line, const QString &name, std::initializer_list<std::pair<const char *, Choice>> words,
                                   QTextStream &err)
{
    const QString value = line.option(name).toLower();
    QStringList names;
    for (const auto &[word, choice] : words) {
        if (value == QLatin1String(word))
            return choice;
        names << QString::fromLatin1(word);
    }
    err << name << " is one of " << names.join(QLatin1Char('|')) << ".\n";
    return std::nullopt;
}

} // namespace

int runImportCommand(const CommandLine &line, QTextStream &out, QTextStream &err)
{
    if (line.arguments.value(0) == QLatin1String("products"))
        return runProductImportCommand(line, out, err);
    if (line.arguments != QStringList{QStringLiteral("customers")})
        return usage(err, kImportUsage);
    const QString source = sourceOption(line, err);
    if (source.isEmpty())
        return 2;
    const bool text = source == QLatin1String("--csv") || source == QLatin1String("--mba");
    if (!text && (line.options.contains(QStringLiteral("--delimiter")) || line.options.contains(QStringLiteral("--qualifier")))) {
        err << "--delimiter and --qualifier belong to --csv and --mba.\n";
        return 2;
    }
    const QString file = line.option(source);
    if (!QFileInfo(file).isFile()) {
        err << file << " Not Found.\n";
        return 2;
    }
    CommandSession session(line, err);
    if (!session.openDatabase(line.database))
        return 1;
    if (text)
        return importText(session, line, source, file, out);
    const auto kind = source == QLatin1String("--zeldb") ? exchange::CopySource::ZelDatabase : exchange::CopySource::Timesaver;
    const std::optional<int> imported = exchange::CustomerCopyImport(session.state()).run(kind, file);
    if (!imported)
        return 1;
    out << "Imported " << *imported << " customers.\n";
    return 0;
}

int runExportCommand(const CommandLine &line, QTextStream &out, QTextStream &err)
{
    using namespace exchange;
    if (line.arguments.size() != 2 || line.arguments.first() != QLatin1String("customers"))
        return usage(err, kExportUsage);
    ExportChoices choices;
    choices.selection = choiceOption<ExportSelection>(
        line, QStringLiteral("--selection"),
        {{"active", ExportSelection::Active}, {"closed", ExportSelection::Closed}, {"all", ExportSelection::All}}, err);
    choices.sort = choices.selection ? choiceOption<ExportSort>(line, QStringLiteral("--sort"),
                                                                {{"zip", ExportSort::ZipCode}, {"name", ExportSort::Name}}, err)
                                     : std::nullopt;
    choices.content = choices.sort ? choiceOption<ExportContent>(line, QStringLiteral("--content"),
                                                                 {{"names", ExportContent::NamesAddresses},
                                                                  {"all", ExportContent::AllCustomerData},
                                                                  {"orders", ExportContent::AllOrderData},
                                                                  {"emails", ExportContent::EmailAddresses}},
                                                                 err)
                                   : std::nullopt;
    if (!choices.content)
        return 2;
    choices.header = line.flag(QStringLiteral("--header"));
    choices.replace = line.flag(QStringLiteral("--replace"));
    CommandSession session(line, err);
    session.setAnsweringOptions(QStringLiteral("--replace to write over the file, or --no"));
    // Only the export file is written; the database is only read.
    if (!session.openDatabase(line.database, CommandSession::Access::Read))
        return 1;
    const std::optional<int> count = CustomerExport(session.state()).run(choices, line.arguments.at(1));
    if (!count)
        return 1;
    out << "Exported " << *count << " records.\n";
    return 0;
}

} // namespace zel
