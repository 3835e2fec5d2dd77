#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

namespace zel::transmit {

class WebDriver;
struct MacroCommand;

// Plays macros of the browser macro language through a WebDriver session: URL GOTO, TAG (find an
// element by type, attributes and position, then type CONTENT, pick an option, click or EXTRACT),
// SET (built-in settings, variables, EVAL run in the page where MacroError("text") fails the
// macro), WAIT SECONDS and TAB T=n.
class MacroPlayer
{
public:
    explicit MacroPlayer(WebDriver &driver);

    // A variable for {{name}} (case does not matter), kept for every later play.
    void setVariable(const QString &name, const QString &value);
    // Plays "CODE:" text. True when every command succeeded; lastMessage() says what happened.
    bool play(const QString &code, int timeoutSeconds);
    // The error of the failed command, or on success the extracted texts joined by "[EXTRACT]"
    // ("OK" when nothing was extracted).
    const QString &lastMessage() const { return m_lastMessage; }

private:
    // Each returns the error text, or nothing when the command worked.
    std::optional<QString> run(const MacroCommand &command);
    std::optional<QString> runUrl(const MacroCommand &command);
    std::optional<QString> runTag(const MacroCommand &command);
    std::optional<QString> runSet(const MacroCommand &command);
    std::optional<QString> runWait(const MacroCommand &command);
    std::optional<QString> runTab(const MacroCommand &command);
    std::optional<QString> fill(const QString &element, const QString &content);
    std::optional<QString> extract(const QString &element, const QString &kind);
    // Finds the element a TAG names, waiting up to !TIMEOUT_STEP seconds; nothing when absent.
    std::optional<QString> findElement(const MacroCommand &command, QString *error);
    std::optional<QString> evaluate(const QString &script, QString *value);

    WebDriver &m_driver;
    QHash<QString, QString> m_variables; // names in capitals
    QStringList m_extracts;
    QString m_lastMessage;
    int m_stepTimeout = 6;
    bool m_ignoreErrors = false;
};

} // namespace zel::transmit
