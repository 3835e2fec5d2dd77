#include "app/command_session.h"

#include "app/command_line.h"
#include "desktop/main_menu_operations.h"
#include "migration/database_seams_install.h"
#include "shell/settings_keys.h"

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
    : m_err(err),
      m_in(stdin),
      m_prompter(m_in, err, policyOf(line), isatty(fileno(stdin)) != 0),
      m_state(std::make_unique<AppState>(AppPaths::resolve(line.home), m_prompter))
{
    db::installDatabaseSeams(*m_state);
    m_prompter.setVerbose(line.verbose);
    m_prompter.setNoAnswer([](const QString &text) { throw CommandStopped{text, 2}; });
    m_state->errors.setStopInsteadOfAsking([](const QString &text) { throw CommandStopped{text}; });
    m_statusAtStart = m_state->settings.read(settings::LastStatus);
}

CommandSession::~CommandSession()
{
    // Opening a database checks its version, which marks the program as running (so that a crash
    // part-way through an upgrade is noticed at the next start); a command that ends is no crash.
    if (m_state->settings.read(settings::LastStatus) != m_statusAtStart)
        m_state->settings.write(settings::LastStatus, m_statusAtStart);
}

bool CommandSession::openDatabase(const QString &path, Access access)
{
    // A usage mistake like any other: exit 2.
    if (path.isEmpty())
        throw CommandStopped{QStringLiteral("Give the database with --db FILE."), 2};
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (QFileInfo(absolute).isDir()) {
        m_err << absolute << " is a folder, not a database.\n";
        return false;
    }
    if (!QFileInfo(absolute).isFile()) {
        m_err << absolute << " Not Found.\n";
        return false;
    }
    // Errors from here on name the database they happened in.
    m_state->databasePath = absolute;
    MainMenuOperations operations(*m_state);
    if (access == Access::Read)
        return operations.openForReading(absolute);
    return operations.openDatabase(absolute, QStringLiteral("Command Line:") + absolute, QStringLiteral("zel"));
}

bool CommandSession::reopenForWriting()
{
    const QString path = m_state->databasePath;
    m_state->database.close();
    return openDatabase(path, Access::Write);
}

bool CommandSession::customerExists(int number)
{
    m_state->data.setSQL(QStringLiteral("Select Count(*) From Customers Where [Customers Number] = ?"), {number});
    RecordSet count = m_state->data.GetSnapShot(QStringLiteral("zel"));
    if (count.next() && count.value(0).toInt() > 0)
        return true;
    m_err << "Customer " << number << " does not exist.\n";
    return false;
}

bool CommandSession::campaignInRange(int year, int number)
{
    const int last = m_state->options.LastCampaignNumberOfYear;
    if (number >= 1 && number <= last)
        return true;
    m_err << "Campaign " << number << " of " << year << " does not exist: campaigns are numbered 1 to " << last << ".\n";
    return false;
}

std::optional<Campaign> campaignText(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('/'));
    bool yearOk = false;
    bool numberOk = false;
    const int year = parts.size() == 2 ? parts[0].toInt(&yearOk) : 0;
    const int number = parts.size() == 2 ? parts[1].toInt(&numberOk) : 0;
    if (!yearOk || !numberOk || year < kFirstYear || year > kLastYear || number < 1 || number > 99)
        return std::nullopt;
    return Campaign{year, number};
}

std::optional<int> wholeOption(const CommandLine &line, const QString &name, int lowest, int highest, QTextStream &err,
                               std::optional<int> fallback)
{
    const QString text = line.option(name);
    if (text.isEmpty() && !line.options.contains(name) && fallback)
        return fallback;
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok) {
        err << name << " needs a whole number.\n";
        return std::nullopt;
    }
    if (value < lowest || value > highest) {
        err << name << " must be from " << lowest << " to " << highest << ", not " << value << ".\n";
        return std::nullopt;
    }
    return value;
}

std::optional<Currency> amountOption(const CommandLine &line, const QString &name, QTextStream &err)
{
    const auto amount = Currency::fromString(line.option(name));
    if (amount && amount->isPlausible())
        return amount;
    err << name << " needs an amount of money up to 1,000,000.00, such as 25.00.\n";
    return std::nullopt;
}

} // namespace zel
