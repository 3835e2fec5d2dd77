#pragma once

class QTextStream;

namespace zel {

struct CommandLine;

// `zel payment pay-in-full|clear|add|delivered ...`: posting a campaign's payments.
int runPaymentCommand(const CommandLine &line, QTextStream &out, QTextStream &err);
// `zel product update|short ...`; any other `zel product` word goes on to the catalogue commands.
int runProductUtilityCommand(const CommandLine &line, QTextStream &out, QTextStream &err);
// `zel cleanup orders|customers|products|inventory ...`
int runCleanupCommand(const CommandLine &line, QTextStream &out, QTextStream &err);
// `zel flags label|printed|summarized set|reset`, `zel flags counter K reset`
int runFlagsCommand(const CommandLine &line, QTextStream &out, QTextStream &err);

} // namespace zel
