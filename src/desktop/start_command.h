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

    // The words are found without regard to case; REPAIR counts only before AUTOSTART, whose path
    // runs to the end of the line. The path keeps its own case, since file names here are
    // case-sensitive.
    static StartCommand parse(const QString &commandLine);

    // What a second copy passes to the running one: "AUTOSTART" and the path made absolute, since
    // the running copy works in another folder; empty when there is no database to pass on.
    QString handOverText() const;
};

} // namespace zel
