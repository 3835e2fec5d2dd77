#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

namespace zel {

struct CommandLine;

namespace reports {
class Report;
}

// `zel report NAME --db FILE [the report's options] (--pdf OUT.pdf | --preview)`: any registered report as
// a PDF file, or its pages' text on the terminal.
int runReportCommand(const CommandLine &line, QTextStream &out, QTextStream &err);

// "zel report invoice --db FILE --customer N [--year Y --campaign C] [--order O] [--short] --pdf OUT.pdf"
QString reportUsage(const reports::Report &report);
// Two lines per registered report for `zel help`: its usage and what it prints, then its own
// choices.
QStringList reportHelpLines();
// Every option of the reports' own choices, and --preview: what `zel report` accepts besides the
// common options.
QStringList reportChoiceOptions();
// True for a report option that stands alone (takes no value).
bool isReportFlag(const QString &option);

} // namespace zel
