#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QTextStream;

namespace zel {

struct CommandLine;

// The command words of the headless program, each with a one-line summary for `zel help`.
bool isCommandWord(const QString &word);
// The options a command word accepts besides the global ones (--home, --db, --yes, --no, --verbose).
QStringList commandOptions(const QString &word);
// The options of a sub-command ("payment clear") where they are fewer than its word's; nothing
// when the word's options all apply.
std::optional<QStringList> subcommandOptions(const QString &word, const QString &subcommand);
// Every option some command accepts, global ones included.
QStringList knownOptions();
// Runs a headless command; returns the process exit code (0 success, 1 failure, 2 bad usage).
int runCommand(const CommandLine &line, QTextStream &out, QTextStream &err);

} // namespace zel
