#pragma once

class QTextStream;

namespace zel {

struct CommandLine;

// `zel pda validate|import|reset --db FILE`: the handheld orders waiting in the database.
int runPdaCommand(const CommandLine &line, QTextStream &out, QTextStream &err);
// `zel import products --db FILE --dashes use|none FILE [--year Y --campaign C]`
int runProductImportCommand(const CommandLine &line, QTextStream &out, QTextStream &err);

} // namespace zel
