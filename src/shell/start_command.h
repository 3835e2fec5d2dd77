#pragma once

#include <QString>

namespace zel {

// The two words the program's command line may carry when it starts with windows:
// "AUTOSTART <database path>" (a database file was double-clicked) and "REPAIR".
struct StartCommand
{
    bool autostart = false;
    QString autostartPath;
    bool repair = false;

    // The words are found anywhere, without regard to case. The path keeps its own case, since
    // file names here are case-sensitive.
    static StartCommand parse(const QString &commandLine);
};

} // namespace zel
