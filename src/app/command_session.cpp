#include "app/command_session.h"

#include "app/command_line.h"

#include <cstdio>
#include <unistd.h>

namespace zel {

namespace {

TerminalPrompter::Policy policyOf(const CommandLine &line)
{
    if (line.yes)
        return TerminalPrompter::Policy::Yes;
    if (line.no)
        return TerminalPrompter::Policy::No;
    return TerminalPrompter::Policy::Ask;
}

} // namespace

CommandSession::CommandSession(const CommandLine &line, QTextStream &err)
    : m_in(stdin),
      m_prompter(m_in, err, policyOf(line), isatty(fileno(stdin)) != 0),
      m_state(std::make_unique<AppState>(AppPaths::resolve(line.home), m_prompter))
{
}

} // namespace zel
