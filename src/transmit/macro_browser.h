#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QProcess;

namespace zel::transmit {

class MacroPlayer;
class WebDriver;

// How the browser is started.
struct BrowserOptions
{
    QString profileFolder;      // the browser's own profile, so the site's login is remembered
    bool headless = false;      // no window (tests and unattended runs)
    QStringList extraArguments; // more browser switches
    int startTimeoutSeconds = 300;
};

// The browser the web order is typed into: Chromium driven by chromedriver, with the calls the
// submission needs — initialise, play a macro, set a variable, read the last message, bring the
// window to the front, close.
class MacroBrowser
{
public:
    explicit MacroBrowser(BrowserOptions options);
    ~MacroBrowser();
    MacroBrowser(const MacroBrowser &) = delete;
    MacroBrowser &operator=(const MacroBrowser &) = delete;

    // The Debian package to install when the browser or its driver is missing, else empty.
    static QString missingPackage();

    // Starts the driver and a browser window. False, with lastMessage() saying why, when it cannot.
    bool initialise();
    bool isRunning() const;
    // Plays "CODE:" text; true when it succeeded.
    bool play(const QString &code, int timeoutSeconds = 600);
    // "-var_Cell" (or "Cell") becomes {{Cell}} in the macros played after it.
    void setVariable(const QString &name, const QString &value);
    const QString &lastMessage() const { return m_lastMessage; }
    void bringToFront();
    // Ends the browser and its driver. Safe to call more than once.
    void close();

    // The driver of the running browser (screenshots), or null.
    WebDriver *driver() const { return m_driver.get(); }

private:
    bool startDriver(int port);
    bool fail(const QString &message);

    BrowserOptions m_options;
    std::unique_ptr<QProcess> m_process;
    std::unique_ptr<WebDriver> m_driver;
    std::unique_ptr<MacroPlayer> m_player;
    QString m_lastMessage;
    QString m_driverOutput; // the end of what the driver printed
};

} // namespace zel::transmit
