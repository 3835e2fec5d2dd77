#pragma once

class QTextStream;

namespace zel {

struct CommandLine;

// Whether a command word opens a screen, so main() starts the widget toolkit for it.
bool commandOpensWindow(const CommandLine &line);
// `zel order edit --db FILE --customer N [--order O] [--year Y --campaign C]`: the order entry
// screen on its own; prints the number the order was saved under.
int runOrderEditCommand(const CommandLine &line, QTextStream &out, QTextStream &err);

} // namespace zel
