#pragma once

#include <QHash>
#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

namespace zel::transmit {

// One command line of a macro after its variables were written in: the command word, the words
// that follow it, and its KEY=VALUE parameters (keys in capitals, values unquoted).
struct MacroCommand
{
    int line = 0;      // 1 for the first line of the macro
    QString name;      // "URL", "TAG", "SET", "WAIT", "TAB", ...
    QStringList words; // every word after the name, as written (quotes removed)
    QMap<QString, QString> parameters;

    QString parameter(const QString &key) const { return parameters.value(key); }
    bool has(const QString &key) const { return parameters.contains(key); }
};

// The text of a macro in the browser macro language: one command per line, "'" starts a comment
// line, {{name}} is replaced by a variable's value when the line runs.
class MacroScript
{
public:
    // Reads "CODE:" text (the prefix may be missing), lines ending in CR LF or LF.
    static MacroScript fromCode(const QString &code);
    // "CODE:" followed by the lines, each ending in CR LF: how a macro file is handed to the player.
    static QString codeOf(const QString &fileText);

    // The command lines with their line numbers (comments and blank lines left out).
    const QList<QPair<int, QString>> &lines() const { return m_lines; }

    // Writes the variables into a line; the first unknown name is put in `missing`.
    static QString substitute(const QString &line, const QHash<QString, QString> &variables, QString *missing);
    // Splits a line into a command. Nothing (with `error`) when a quote is not closed.
    static std::optional<MacroCommand> parse(const QString &line, int lineNumber, QString *error);
    // <SP> as a blank, <BR> as a line break, <TAB> as a tab, as parameter values write them.
    static QString unescape(const QString &value);
    // The script of EVAL("...") with its escapes undone, or nothing when `value` is not one.
    static std::optional<QString> evalScript(const QString &value);

private:
    QList<QPair<int, QString>> m_lines;
};

} // namespace zel::transmit
