#pragma once

class QTextStream;

namespace zel {

struct CommandLine;

// `zel product lookup ...`
int runProductCommand(const CommandLine &line, QTextStream &out, QTextStream &err);

} // namespace zel
