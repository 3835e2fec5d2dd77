#include "shell/start_command.h"

namespace zel {

StartCommand StartCommand::parse(const QString &commandLine)
{
    StartCommand command;
    const QString upper = commandLine.toUpper();
    command.repair = upper.contains(QLatin1String("REPAIR"));
    const qsizetype at = upper.indexOf(QLatin1String("AUTOSTART"));
    if (at >= 0) {
        command.autostart = true;
        // "AUTOSTART", one blank, then the path to the end of the line.
        QString path = commandLine.mid(at + 10).trimmed();
        if (path.size() >= 2 && path.startsWith(QLatin1Char('"')) && path.endsWith(QLatin1Char('"')))
            path = path.mid(1, path.size() - 2);
        command.autostartPath = path;
    }
    return command;
}

} // namespace zel
