#include "app/command_session.h"

#include "app/command_line.h"
#include "shell/main_menu_operations.h"

#include <QFileInfo>

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

bool CommandSession::openDatabase(const QString &path)
{
    if (path.isEmpty()) {
        m_prompter.information(QStringLiteral("Give the database with --db FILE."), QStringLiteral("zel"), Icon::Critical);
        return false;
    }
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (!QFileInfo(absolute).isFile()) {
        m_prompter.information(absolute + QStringLiteral(" Not Found."), QStringLiteral("zel"), Icon::Critical);
        return false;
    }
    return MainMenuOperations(*m_state).openDatabase(absolute, QStringLiteral("Command Line:") + absolute,
                                                     QStringLiteral("zel"));
}

} // namespace zel
