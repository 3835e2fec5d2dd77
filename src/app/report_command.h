#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

namespace zel {

struct CommandLine;

namespace reports {
class Report;
}

// `zel report NAME --db FILE [the report's options] --pdf OUT.pdf`: any registered report as a PDF file.
int runReportCommand(const CommandLine &line, QTextStream &out, QTextStream &err);

// "zel report invoice --db FILE --customer N [--year Y --campaign C] [--order O] [--short] --pdf OUT.pdf"
QString reportUsage(const reports::Report &report);
// Two lines per registered report for `zel help`: its usage and what it prints.
QStringList reportHelpLines();

} // namespace zel
