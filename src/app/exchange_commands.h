#pragma once

class QTextStream;

namespace zel {

struct CommandLine;

// `zel import customers --db FILE (--csv F | --mba F | --zeldb F | --timesaver F) [--delimiter D] [--qualifier Q]`
int runImportCommand(const CommandLine &line, QTextStream &out, QTextStream &err);
// `zel export customers --db FILE --selection S --sort S --content C [--header] OUT`
int runExportCommand(const CommandLine &line, QTextStream &out, QTextStream &err);

} // namespace zel
