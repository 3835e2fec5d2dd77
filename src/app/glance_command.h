#pragma once

#include <QTextStream>

namespace zel {

struct CommandLine;

// zel glance --db FILE [--year Y --campaign C]: the campaign at a glance as text.
int runGlanceCommand(const CommandLine &line, QTextStream &out, QTextStream &err);

} // namespace zel
