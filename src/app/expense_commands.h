#pragma once

class QTextStream;

namespace zel {

struct CommandLine;

// `zel expense list --db FILE --year Y [--campaign C]` and
// `zel expense add --db FILE --year Y --campaign C --amount A [--description D] [--payee P] [--category K] [--external]`
int runExpenseCommand(const CommandLine &line, QTextStream &out, QTextStream &err);
// `zel mileage add --db FILE --date YYYY-MM-DD --start R --end R [--reason ...]`
int runMileageCommand(const CommandLine &line, QTextStream &out, QTextStream &err);
// `zel inventory list --db FILE [--in-stock|--sold]`, `zel inventory add --db FILE --catalog C --qty Q [--price P]`
// and `zel inventory sell --db FILE --catalog C --qty Q --customer N`
int runInventoryCommand(const CommandLine &line, QTextStream &out, QTextStream &err);

} // namespace zel
