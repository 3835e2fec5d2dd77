#pragma once

#include <QStringList>

class QTextStream;

namespace zel {

struct CommandLine;

// `zel db upgrade FILE`, `zel db convert ACCESS_FILE OUT` and `zel db repair FILE`.
// Returns the exit code, or -1 when `verb` with these arguments is none of them.
int runUpgradeVerb(const CommandLine &line, const QString &verb, const QStringList &files, QTextStream &out, QTextStream &err);

} // namespace zel
