#pragma once

class QTextStream;

namespace zel {

struct CommandLine;

// `zel report invoice --db FILE --customer N [--year Y --campaign C] [--order O] [--short] --pdf OUT.pdf`
int runReportCommand(const CommandLine &line, QTextStream &out, QTextStream &err);

} // namespace zel
