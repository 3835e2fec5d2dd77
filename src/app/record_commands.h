#pragma once

class QTextStream;

namespace zel {

struct CommandLine;

// `zel customer new|delete ...`
int runCustomerCommand(const CommandLine &line, QTextStream &out, QTextStream &err);
// `zel product lookup ...`
int runProductCommand(const CommandLine &line, QTextStream &out, QTextStream &err);

} // namespace zel
