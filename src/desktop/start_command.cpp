#include "desktop/start_command.h"

#include <QFileInfo>

namespace zel {

StartCommand StartCommand::parse(const QString &commandLine)
{
    StartCommand command;
    const auto autostartWord = QLatin1String("AUTOSTART");
    const qsizetype at = commandLine.indexOf(autostartWord, 0, Qt::CaseInsensitive);
    // The path runs to the end of the line, so words after AUTOSTART belong to it: a database in
    // a folder called "Repairs" is opened, not repaired.
    const QString words = at >= 0 ? commandLine.left(at) : commandLine;
    command.repair = words.contains(QLatin1String("REPAIR"), Qt::CaseInsensitive);
    if (at >= 0) {
        // "AUTOSTART", one blank, then the path to the end of the line.
        QString path = commandLine.mid(at + autostartWord.size() + 1).trimmed();
        if (path.size() >= 2 && path.startsWith(QLatin1Char('"')) && path.endsWith(QLatin1Char('"')))
            path = path.mid(1, path.size() - 2);
        // The desktop entry's "zel AUTOSTART %f" run from the menu carries no file: a plain start.
        command.autostart = !path.isEmpty();
        command.autostartPath = path;
    }
    return command;
}

QString StartCommand::handOverText() const
{
    if (!autostart)
        return {};
    return QStringLiteral("AUTOSTART ") + QFileInfo(autostartPath).absoluteFilePath();
}

} // namespace zel
