#pragma once

class QTextStream;

namespace zel {

struct CommandLine;

// `zel invoice mail --db FILE --year Y --campaign C [--customers N,...|--marked] [--dry-run
// [--eml-folder DIR]] [--yes]`: each chosen customer's invoice of the campaign by e-mail, as the
// invoice mail screen sends them.
int runInvoiceCommand(const CommandLine &line, QTextStream &out, QTextStream &err);

} // namespace zel
