#pragma once

#include "core/campaign.h"
#include "core/currency.h"

#include "session/app_state.h"
#include "shell/terminal_prompter.h"

#include <QTextStream>

#include <memory>
#include <optional>

namespace zel {

struct CommandLine;

// Thrown when a headless command meets an error it cannot go on from; `runCommand` prints the line
// and ends the command with `exitCode` (2: it was used wrongly, as when a question has no answer).
struct CommandStopped
{
    QString line;
    int exitCode = 1;
};

// What a headless command works with: the application folder's settings and logs, and a prompter
// on the terminal that answers as --yes / --no say.
class CommandSession
{
public:
    enum class Access { Read, Write };

    CommandSession(const CommandLine &line, QTextStream &err);
    // A command is not a run of the program: the program's last status is left as the command found it.
    ~CommandSession();
    CommandSession(const CommandSession &) = delete;
    CommandSession &operator=(const CommandSession &) = delete;

    AppState &state() { return *m_state; }
    // The options that answer this command's questions, named when one finds no answer.
    void setAnsweringOptions(const QString &options) { m_prompter.setAnsweringOptions(options); }
    // Opens the --db database as the session's database; false (after saying why) when it cannot.
    // With Access::Read nothing is written to the file.
    bool openDatabase(const QString &path, Access access = Access::Write);
    // After the values were checked on a database opened for reading: the same file, now for writing.
    bool reopenForWriting();

    // Checks of a command's values against the open database. Each prints one line and returns
    // false when the value is not one the database has.
    bool customerExists(int number);
    bool campaignInRange(int year, int number);

private:
    QTextStream &m_err;
    QTextStream m_in;
    TerminalPrompter m_prompter;
    std::unique_ptr<AppState> m_state;
    QString m_statusAtStart;
};

// The years a command accepts.
constexpr int kFirstYear = 1980;
constexpr int kLastYear = 2200;

// "YYYY/CC" as a campaign of a year in kFirstYear..kLastYear; nothing otherwise.
std::optional<Campaign> campaignText(const QString &text);

// A whole number given as option `name`: the fallback when it is absent, nothing (after one line on
// `err`) when it is not a number or outside lowest..highest.
std::optional<int> wholeOption(const CommandLine &line, const QString &name, int lowest, int highest, QTextStream &err,
                               std::optional<int> fallback = std::nullopt);
// An amount of money given as option `name`, no larger than any price or payment can be; nothing
// (after one line on `err`) otherwise.
std::optional<Currency> amountOption(const CommandLine &line, const QString &name, QTextStream &err);

} // namespace zel
