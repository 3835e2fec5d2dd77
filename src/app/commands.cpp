#include "app/commands.h"

#include "app/command_line.h"
#include "app/command_session.h"
#include "app/customer_commands.h"
#include "app/database_command.h"
#include "app/exchange_commands.h"
#include "app/product_exchange_commands.h"
#include "app/expense_commands.h"
#include "app/ftp_commands.h"
#include "app/glance_command.h"
#include "app/invoice_mail_command.h"
#include "app/order_commands.h"
#include "app/record_commands.h"
#include "app/report_command.h"
#include "app/utility_commands.h"
#include "app/transmit_commands.h"
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
        {QStringLiteral("product"),
         {QStringLiteral("--year"), QStringLiteral("--campaign"), QStringLiteral("--catalog"), QStringLiteral("--customers"),
          QStringLiteral("--all"), QStringLiteral("--page"), QStringLiteral("--description"), QStringLiteral("--shade"),
          QStringLiteral("--size"), QStringLiteral("--qty"), QStringLiteral("--price-qty"), QStringLiteral("--price"),
          QStringLiteral("--unavailable"), QStringLiteral("--arrival")}},
        {QStringLiteral("payment"),
         {QStringLiteral("--year"), QStringLiteral("--campaign"), QStringLiteral("--type"), QStringLiteral("--date"),
          QStringLiteral("--deposited"), QStringLiteral("--helper"), QStringLiteral("--customer"), QStringLiteral("--order"),
          QStringLiteral("--amount"), QStringLiteral("--extra"), QStringLiteral("--refund")}},
        {QStringLiteral("cleanup"),
         {QStringLiteral("--year"), QStringLiteral("--campaign"), QStringLiteral("--status"), QStringLiteral("--backup")}},
        {QStringLiteral("flags"), {QStringLiteral("--year"), QStringLiteral("--campaign")}},
        {QStringLiteral("order"),
         {QStringLiteral("--customer"), QStringLiteral("--year"), QStringLiteral("--campaign"), QStringLiteral("--order"),
          QStringLiteral("--mode"), QStringLiteral("--switches"), QStringLiteral("--discount"), QStringLiteral("--special-charge"),
          QStringLiteral("--backorder-campaign"), QStringLiteral("--process-backorders"), QStringLiteral("--keep-charge")}},
        {QStringLiteral("balance"), {QStringLiteral("--customer"), QStringLiteral("--year"), QStringLiteral("--campaign")}},
        {QStringLiteral("report"),
         QStringList{QStringLiteral("--customer"), QStringLiteral("--year"), QStringLiteral("--campaign"), QStringLiteral("--order"),
                     QStringLiteral("--short"), QStringLiteral("--pdf")}
             + reportChoiceOptions()},
        {QStringLiteral("sample"), {QStringLiteral("--customers"), QStringLiteral("--years")}},
        {QStringLiteral("glance"), {QStringLiteral("--year"), QStringLiteral("--campaign")}},
        {QStringLiteral("expense"),
         {QStringLiteral("--year"), QStringLiteral("--campaign"), QStringLiteral("--amount"), QStringLiteral("--description"),
          QStringLiteral("--payee"), QStringLiteral("--category"), QStringLiteral("--external")}},
        {QStringLiteral("mileage"),
         {QStringLiteral("--date"), QStringLiteral("--start"), QStringLiteral("--end"), QStringLiteral("--reason")}},
        {QStringLiteral("inventory"),
         {QStringLiteral("--in-stock"), QStringLiteral("--sold"), QStringLiteral("--catalog"), QStringLiteral("--qty"),
          QStringLiteral("--price"), QStringLiteral("--customer")}},
        {QStringLiteral("customer"),
         {QStringLiteral("--last"), QStringLiteral("--first"), QStringLiteral("--status"), QStringLiteral("--ordered-in"),
          QStringLiteral("--not-ordered-in"), QStringLiteral("--balance"), QStringLiteral("--product"), QStringLiteral("--order"),
          QStringLiteral("--house"), QStringLiteral("--address"), QStringLiteral("--city"), QStringLiteral("--state"),
          QStringLiteral("--zip"), QStringLiteral("--phone"), QStringLiteral("--email")}},
        {QStringLiteral("history"),
         {QStringLiteral("--catalog"), QStringLiteral("--product"), QStringLiteral("--shade"), QStringLiteral("--size"),
          QStringLiteral("--quick"), QStringLiteral("--current")}},
        {QStringLiteral("pda"), {}},
        {QStringLiteral("transmit"),
         {QStringLiteral("--year"), QStringLiteral("--campaign"), QStringLiteral("--country"), QStringLiteral("--add-on"),
          QStringLiteral("--page"), QStringLiteral("--site"), QStringLiteral("--headless"), QStringLiteral("--pdf")}},
        {QStringLiteral("import"),
         {QStringLiteral("--csv"), QStringLiteral("--mba"), QStringLiteral("--zeldb"), QStringLiteral("--timesaver"),
          QStringLiteral("--delimiter"), QStringLiteral("--qualifier"), QStringLiteral("--dashes"), QStringLiteral("--year"),
          QStringLiteral("--campaign")}},
        {QStringLiteral("export"),
         {QStringLiteral("--selection"), QStringLiteral("--sort"), QStringLiteral("--content"), QStringLiteral("--header"),
          QStringLiteral("--replace")}},
        {QStringLiteral("ftp"), {QStringLiteral("--file"), QStringLiteral("--logs"), QStringLiteral("--first"), QStringLiteral("--last")}},
        {QStringLiteral("invoice"),
         {QStringLiteral("--year"), QStringLiteral("--campaign"), QStringLiteral("--customers"), QStringLiteral("--marked"),
          QStringLiteral("--dry-run"), QStringLiteral("--eml-folder"), QStringLiteral("--again"), QStringLiteral("--server"), QStringLiteral("--port"),
          QStringLiteral("--security"), QStringLiteral("--user"), QStringLiteral("--sender"), QStringLiteral("--ca-file"),
          QStringLiteral("--subject"), QStringLiteral("--text"), QStringLiteral("--password-stdin")}},
    };
    return options;
}

// What each sub-command accepts where it differs from its word's: `zel payment clear` must not
// quietly take the --customer of `zel payment add` and clear every customer's payments.
const QMap<QString, QStringList> &optionsOfSubcommands()
{
    const auto list = [](std::initializer_list<const char *> names) {
        QStringList out;
        for (const char *name : names)
            out << QString::fromLatin1(name);
        return out;
    };
    static const QMap<QString, QStringList> options = {
        {QStringLiteral("product lookup"), list({"--year", "--campaign"})},
        {QStringLiteral("product update"), list({"--year", "--campaign", "--catalog", "--customers", "--all", "--page",
                                                 "--description", "--shade", "--size", "--qty", "--price-qty", "--price",
                                                 "--unavailable"})},
        {QStringLiteral("product short"), list({"--year", "--campaign", "--catalog", "--customers", "--all", "--page",
                                                "--description", "--shade", "--size", "--price", "--arrival"})},
        {QStringLiteral("payment pay-in-full"), list({"--year", "--campaign", "--type", "--date", "--deposited", "--helper"})},
        {QStringLiteral("payment clear"), list({"--year", "--campaign", "--helper", "--customer"})},
        {QStringLiteral("payment add"), list({"--customer", "--year", "--campaign", "--order", "--amount", "--extra", "--type",
                                              "--refund"})},
        {QStringLiteral("payment delivered"), list({"--year", "--campaign"})},
        {QStringLiteral("cleanup orders"), list({"--year", "--campaign", "--backup"})},
        {QStringLiteral("cleanup customers"), list({"--status", "--backup"})},
        {QStringLiteral("cleanup products"), list({"--year", "--campaign", "--backup"})},
        {QStringLiteral("cleanup inventory"), list({"--backup"})},
        {QStringLiteral("flags label"), {}},
        {QStringLiteral("flags counter"), {}},
        {QStringLiteral("customer new"), list({"--first", "--last", "--house", "--address", "--city", "--state", "--zip",
                                               "--phone", "--email"})},
        {QStringLiteral("customer delete"), {}},
        {QStringLiteral("customer find"), list({"--last", "--first", "--status", "--ordered-in", "--not-ordered-in", "--balance",
                                                "--product", "--order"})},
        {QStringLiteral("expense list"), list({"--year", "--campaign"})},
        {QStringLiteral("inventory list"), list({"--in-stock", "--sold"})},
        {QStringLiteral("inventory add"), list({"--catalog", "--qty", "--price"})},
        {QStringLiteral("inventory sell"), list({"--catalog", "--qty", "--customer"})},
        {QStringLiteral("transmit prepare"), list({"--year", "--campaign", "--country", "--add-on", "--pdf"})},
        {QStringLiteral("transmit send"), list({"--year", "--campaign", "--country", "--add-on", "--page", "--site", "--headless"})},
        {QStringLiteral("import customers"), list({"--csv", "--mba", "--zeldb", "--timesaver", "--delimiter", "--qualifier"})},
        {QStringLiteral("import products"), list({"--dashes", "--year", "--campaign"})},
        {QStringLiteral("ftp download"), {}},
        {QStringLiteral("order edit"), list({"--customer", "--order", "--year", "--campaign"})},
        {QStringLiteral("invoice mail"), list({"--year", "--campaign", "--customers", "--marked", "--dry-run", "--eml-folder", "--again"})},
        {QStringLiteral("invoice settings"), list({"--server", "--port", "--security", "--user", "--sender", "--ca-file", "--subject",
                                                   "--text", "--password-stdin"})},
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
        {"db", "zel db upgrade FILE [--yes]",
         "Upgrade a database of an earlier version (an Access file is converted first); a backup is written beside it.", nullptr},
        {"db", "zel db convert ACCESS_FILE OUT", "Convert an Access (Jet 3 / Jet 4) database into a new database OUT, no upgrade.",
         nullptr},
        {"db", "zel db repair FILE [--yes]",
         "Compact a database and fill its empty values (File/Repair); a damaged one is first rescued into a new file.", nullptr},
        {"customer",
         "zel customer new --db FILE [--first F] [--last L] [--house H] [--address A] [--city C] [--state S] [--zip Z] "
         "[--phone P] [--email E]",
         "Add a customer with what is given of her; prints its number.", runCustomerCommand},
        {"customer", "zel customer delete --db FILE NUMBER", "Delete a customer and everything that belongs to it.", nullptr},
        {"customer",
         "zel customer find --db FILE [--last NAME] [--first NAME] [--status S] [--ordered-in YYYY/CC] [--not-ordered-in "
         "YYYY/CC] [--balance nonzero|debit|credit] [--product CAT (up to 3 times)] [--order name|number]",
         "Search customers as the search screen does (marks them for the search labels); prints one number a line. "
         "--balance and --product look at the --ordered-in (else --not-ordered-in, else the current) campaign.",
         nullptr},
        {"history", "zel history --db FILE [--catalog C] [--product P] [--shade S] [--size Z] [--quick TEXT] [--current]",
         "Order lines of the purchase history as CSV: customer, name, campaign, catalog number, product, quantity, total.",
         runHistoryCommand},
        {"product", "zel product lookup --db FILE [--year Y --campaign C] CATALOG",
         "Find a product as order entry does (current campaign, then baseline).", runProductUtilityCommand},
        {"product", "zel product update --db FILE --year Y --campaign C --catalog X [--customers N,N,...|--all] [changes]",
         "Change a product on the chosen customers' orders and compute them again (changes: --page --description --shade "
         "--size --qty --price-qty --price --unavailable).", nullptr},
        {"product", "zel product short --db FILE --year Y --campaign C --catalog X [--customers N,...|--all] --arrival YYYY/CC",
         "Back-order a shorted product into the arrival campaign on the chosen customers' orders.", nullptr},
        {"payment", "zel payment pay-in-full --db FILE --year Y --campaign C [--type T] [--date YYYY-MM-DD] [--deposited] [--helper N]",
         "Pay every order of the campaign that has no payment yet.", runPaymentCommand},
        {"payment", "zel payment clear --db FILE --year Y --campaign C [--helper N] [--customer N]",
         "Delete the campaign's payments (of one helper's customers with --helper, of one customer with --customer).", nullptr},
        {"payment", "zel payment add --db FILE --customer N --year Y --campaign C --order O --amount A [--extra] [--type T] [--refund]",
         "Add a payment to an order (--extra: to the campaign, not the order; --refund: stored positive).", nullptr},
        {"payment", "zel payment delivered --db FILE --year Y --campaign C yes|no",
         "Set every order of the campaign delivered or not delivered.", nullptr},
        {"cleanup", "zel cleanup orders --db FILE --year Y [--campaign C] [--backup COPY]",
         "Delete the orders, payments and comments of a year or campaign where they balance to zero (--backup: a copy of "
         "the database first).",
         runCleanupCommand},
        {"cleanup", "zel cleanup customers --db FILE --status Deleted|Closed [--backup COPY]",
         "Delete every customer of that status with everything attached.", nullptr},
        {"cleanup", "zel cleanup products --db FILE --year Y|baseline [--campaign C] [--backup COPY]", "Delete a year's or campaign's products.",
         nullptr},
        {"cleanup", "zel cleanup inventory --db FILE [--backup COPY]", "Delete all inventory.", nullptr},
        {"flags", "zel flags label|printed|summarized set|reset --db FILE [--year Y --campaign C]",
         "Set or reset the customers' label flag, or the printed or summarized flag of a campaign's orders.", runFlagsCommand},
        {"flags", "zel flags counter K reset --db FILE", "Reset customer counter K (1 to 9) to zero for every customer.", nullptr},
        {"order", "zel order recompute --db FILE --customer N --year Y --campaign C --order O [...]",
         "Compute a stored order again (zel order for all its options).", runOrderCommand},
        {"order", "zel order edit --db FILE --customer N [--order O] [--year Y --campaign C]",
         "Open the order entry screen on a customer's order (a new one without --order).", nullptr},
        {"balance", "zel balance --db FILE --customer N --year Y --campaign C",
         "Print a customer's balance as of a campaign and the sums it is made of.", runBalanceCommand},
        {"glance", "zel glance --db FILE [--year Y --campaign C]",
         "The campaign at a glance (the current one without --year): sales beside the six campaigns before and a year ago "
         "with her earnings, open orders, balances, coming dates, customers to call back and short products.",
         runGlanceCommand},
        {"report", "zel report NAME --db FILE [options] (--pdf OUT.pdf | --preview)",
         "Print a report to a PDF file; the reports and their options are listed below.", runReportCommand},
        {"expense", "zel expense list --db FILE --year Y [--campaign C]",
         "The expenses of a year (or one campaign) as CSV.", runExpenseCommand},
        {"expense", "zel expense add --db FILE --year Y --campaign C --amount A [--description D] [--payee P] [--category K] [--external]",
         "Add an expense (--external: on the campaign totals report); prints its counter.", nullptr},
        {"mileage", "zel mileage add --db FILE --date YYYY-MM-DD --start R --end R [--reason TEXT]",
         "Add a business trip to the mileage log; prints its trip total.", runMileageCommand},
        {"inventory", "zel inventory list --db FILE [--in-stock|--sold]", "The inventory rows as CSV.", runInventoryCommand},
        {"inventory", "zel inventory add --db FILE --catalog C --qty Q [--price P]",
         "Add a stock row, described from the baseline product.", nullptr},
        {"inventory", "zel inventory sell --db FILE --catalog C --qty Q --customer N",
         "Sell from stock to a customer in the current campaign, as order entry does.", nullptr},
        {"sample", "zel sample --db FILE [--customers N] [--years Y]",
         "Fill a database with realistic sample business.", runSampleCommand},
        {"pda", "zel pda validate|import|reset --db FILE",
         "The handheld orders: list and check the waiting ones, import them as orders, or make every one wait again.",
         runPdaCommand},
        {"transmit", "zel transmit prepare --db FILE --year Y --campaign C --country us|au|ca [--add-on] [--pdf FILE]",
         "Check the campaign's combined order for the company's web site; prints every row with its page and status "
         "(--pdf: the printed list, as the screen's Print gives it).",
         runTransmitCommand},
        {"transmit", "zel transmit send --db FILE --year Y --campaign C --country us|au|ca --page N [--site URL] [--headless]",
         "Type one web page of the combined order into the company's site in the browser.", nullptr},
        {"import", "zel import customers --db FILE (--csv F | --mba F | --zeldb F | --timesaver F) [--delimiter D] [--qualifier Q]",
         "Import customers from a text file (10 fields a line, or the 6 of --mba; --delimiter tab for tabs), another "
         "database or a Timesaver database; the first five are shown first.", runImportCommand},
        {"import", "zel import products --db FILE --dashes use|none FILE [--year Y --campaign C]",
         "Import a product database (.ZELPD, or a .ZIP holding one); --year and --campaign for one without campaigns.",
         nullptr},
        {"export", "zel export customers --db FILE --selection active|closed|all --sort zip|name --content names|all|orders|emails "
                   "[--header] [--replace] OUT",
         "Write customers, orders or e-mail addresses to a comma-separated text file (--replace: over an existing one).",
         runExportCommand},
        {"ftp", "zel ftp upload (--db FILE | --file F | --logs) --first NAME --last NAME",
         "Send a zipped copy of a database, of one file, or of the logs and settings files to support's server "
         "([UploadOptions] of ZELFTPINI.600); prints the name it got there.",
         runFtpCommand},
        {"ftp", "zel ftp download ID", "Fetch ID.ZIP from support's server ([DownloadOptions] of ZELFTPINI.600) into the "
         "application folder; prints where it was saved.", nullptr},
        {"invoice",
         "zel invoice mail --db FILE --year Y --campaign C [--customers N,N,... [--again]|--marked] [--dry-run [--eml-folder DIR]] [--yes]",
         "E-mail each customer with an order in the campaign (or those given, or those the customer search marked) her "
         "invoice as a PDF through the mail server of the mail settings (ZELMAILINI.600); invoices already sent are not "
         "sent again. Sending needs --yes. The password comes from the desktop's keyring, or from the environment variable "
         "ZEL_SMTP_PASSWORD where no keyring runs. --dry-run writes the messages as .eml files into DIR instead (default: "
         "'Invoice Mail C-Y' in the current folder) and prints their paths. --again sends the given customers' invoices once "
         "more (a corrected invoice).",
         runInvoiceCommand},
        {"invoice",
         "zel invoice settings [--server HOST] [--port N] [--security starttls|tls|none] [--user NAME] [--sender ADDRESS] "
         "[--ca-file FILE] [--subject TEXT] [--text TEXT] [--password-stdin]",
         "Print the mail server and letter settings of the invoice mailing and change those given (as the screen's Mail "
         "Server Settings do); in --text, \\n starts a new line. --password-stdin stores the password read from the "
         "standard input in the desktop's keyring.",
         nullptr},
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

std::optional<QStringList> subcommandOptions(const QString &word, const QString &subcommand)
{
    const auto found = optionsOfSubcommands().constFind(word + QLatin1Char(' ') + subcommand);
    if (found == optionsOfSubcommands().cend())
        return std::nullopt;
    return *found;
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
            return stopped.exitCode;
        }
    }
    err << "Unknown command '" << line.command << "'. Run 'zel help' to see the commands.\n";
    return 2;
}

} // namespace zel
