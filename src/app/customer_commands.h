#pragma once

class QTextStream;

namespace zel {

struct CommandLine;

// `zel customer new|delete|find ...`
int runCustomerCommand(const CommandLine &line, QTextStream &out, QTextStream &err);
// `zel history ...`: order lines matching the purchase-history criteria, as CSV.
int runHistoryCommand(const CommandLine &line, QTextStream &out, QTextStream &err);

} // namespace zel
