#pragma once

class QTextStream;

namespace zel {

struct CommandLine;

// `zel db new|check|backup|compact ...`
int runDatabaseCommand(const CommandLine &line, QTextStream &out, QTextStream &err);

} // namespace zel
