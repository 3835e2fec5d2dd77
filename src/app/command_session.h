#pragma once

#include "shell/app_state.h"
#include "shell/terminal_prompter.h"

#include <QTextStream>

#include <memory>

namespace zel {

struct CommandLine;

// What a headless command works with: the application folder's settings and logs, and a prompter
// on the terminal that answers as --yes / --no say.
class CommandSession
{
public:
    CommandSession(const CommandLine &line, QTextStream &err);

    AppState &state() { return *m_state; }
    // Opens the --db database as the session's database; false (after saying why) when it cannot.
    bool openDatabase(const QString &path);

private:
    QTextStream m_in;
    TerminalPrompter m_prompter;
    std::unique_ptr<AppState> m_state;
};

} // namespace zel
