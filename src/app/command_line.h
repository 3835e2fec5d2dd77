#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

namespace zel {

// The program's arguments: global options, then either a command word (run without windows)
// or the start words of the windowed program ("AUTOSTART <path>", "REPAIR").
struct CommandLine
{
    QString home;          // --home DIR
    QString database;      // --db FILE
    bool yes = false;      // --yes: answer questions Yes
    bool no = false;       // --no: answer questions No
    bool verbose = false;  // --verbose: print the status texts too
    QString command;       // the command word, empty for the windowed program
    QStringList arguments; // after the command word
    QString startText;     // the windowed program's command line
    QString error;         // set when the arguments cannot be understood
    QMap<QString, QString> options; // every other "--name value", and flags as "--name" -> ""; the last one given
    QMultiMap<QString, QString> repeated; // every "--name value" given, for options that may come more than once

    QString option(const QString &name) const { return options.value(name); }
    // Every value given for option `name`, in the order given.
    QStringList values(const QString &name) const;
    bool flag(const QString &name) const { return options.contains(name); }

    static CommandLine parse(const QStringList &args);
    bool headless() const { return !command.isEmpty(); }
};

} // namespace zel
