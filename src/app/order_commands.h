#pragma once

class QTextStream;

namespace zel {

struct CommandLine;

// `zel sample --db FILE [--customers N] [--years Y]`
int runSampleCommand(const CommandLine &line, QTextStream &out, QTextStream &err);
// `zel balance --db FILE --customer N --year Y --campaign C`
int runBalanceCommand(const CommandLine &line, QTextStream &out, QTextStream &err);
// `zel order recompute --db FILE --customer N --year Y --campaign C --order O [...]`
int runOrderCommand(const CommandLine &line, QTextStream &out, QTextStream &err);

} // namespace zel
