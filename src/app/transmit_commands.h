#pragma once

class QTextStream;

namespace zel {

struct CommandLine;

// `zel transmit prepare|send --db FILE --year Y --campaign C --country us|au|ca [--add-on]
// [--page N] [--site URL] [--headless]`: the campaign's combined order checked and paged for the
// company's web site, and one page of it typed into the site through the country's macros.
int runTransmitCommand(const CommandLine &line, QTextStream &out, QTextStream &err);

} // namespace zel
