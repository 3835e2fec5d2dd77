#include "transmit/macro_browser.h"

#include "transmit/macro_player.h"
#include "transmit/web_driver.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTimer>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace zel::transmit {

namespace {

QString driverProgram()
{
    return QStandardPaths::findExecutable(QStringLiteral("chromedriver"));
}

QString browserProgram()
{
    for (const char *name : {"chromium", "chromium-browser"}) {
        const QString found = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!found.isEmpty())
            return found;
    }
    return {};
}

int freePort()
{
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost, 0))
        return 0;
    return probe.serverPort();
}

void pause(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

QJsonObject capabilities(const BrowserOptions &options)
{
    QJsonArray arguments{QStringLiteral("--user-data-dir=") + QDir::toNativeSeparators(options.profileFolder),
                         QStringLiteral("--no-first-run"), QStringLiteral("--no-default-browser-check"),
                         QStringLiteral("--window-size=1200,900"), QStringLiteral("--disable-dev-shm-usage")};
    if (options.headless)
        arguments.append(QStringLiteral("--headless=new"));
#ifdef Q_OS_UNIX
    // The browser's sandbox refuses to run as root (containers, live systems).
    if (geteuid() == 0)
        arguments.append(QStringLiteral("--no-sandbox"));
#endif
    for (const QString &extra : options.extraArguments)
        arguments.append(extra);
    const QJsonObject chrome{{QStringLiteral("binary"), browserProgram()},
                             {QStringLiteral("args"), arguments},
                             {QStringLiteral("excludeSwitches"), QJsonArray{QStringLiteral("enable-automation")}}};
    return {{QStringLiteral("browserName"), QStringLiteral("chrome")}, {QStringLiteral("goog:chromeOptions"), chrome}};
}

} // namespace

MacroBrowser::MacroBrowser(BrowserOptions options) : m_options(std::move(options)) {}

MacroBrowser::~MacroBrowser()
{
    close();
}

QString MacroBrowser::missingPackage()
{
    if (browserProgram().isEmpty())
        return QStringLiteral("chromium");
    if (driverProgram().isEmpty())
        return QStringLiteral("chromium-driver");
    return {};
}

bool MacroBrowser::fail(const QString &message)
{
    m_lastMessage = message;
    close();
    return false;
}

bool MacroBrowser::initialise()
{
    close();
    if (const QString package = missingPackage(); !package.isEmpty())
        return fail(QStringLiteral("The web browser cannot start: the Debian package %1 is not installed "
                                   "(sudo apt install chromium chromium-driver).")
                        .arg(package));
    const int port = freePort();
    if (port == 0 || !startDriver(port))
        return false;
    QDir().mkpath(m_options.profileFolder);
    QString error;
    if (!m_driver->startSession(capabilities(m_options), &error))
        return fail(QStringLiteral("The web browser did not start: ") + error);
    m_driver->setCallTimeout(120000);
    m_player = std::make_unique<MacroPlayer>(*m_driver);
    m_lastMessage = QStringLiteral("OK");
    return true;
}

bool MacroBrowser::startDriver(int port)
{
    m_process = std::make_unique<QProcess>();
    m_process->setProcessChannelMode(QProcess::MergedChannels);
    // The driver's talk is read as it comes, so its pipe never fills; the end of it explains a failure.
    QObject::connect(m_process.get(), &QProcess::readyReadStandardOutput, m_process.get(), [this] {
        m_driverOutput = (m_driverOutput + QString::fromLocal8Bit(m_process->readAllStandardOutput())).right(2000);
    });
    m_process->start(driverProgram(), {QStringLiteral("--port=%1").arg(port)});
    if (!m_process->waitForStarted(10000))
        return fail(QStringLiteral("The browser driver did not start: ") + m_process->errorString());
    m_driver = std::make_unique<WebDriver>(QUrl(QStringLiteral("http://127.0.0.1:%1").arg(port)));
    m_driver->setCallTimeout(qMax(1, m_options.startTimeoutSeconds) * 1000);
    QElapsedTimer waited;
    waited.start();
    while (!m_driver->ready()) {
        if (m_process->state() != QProcess::Running)
            return fail(QStringLiteral("The browser driver stopped: ") + m_driverOutput.trimmed());
        if (waited.elapsed() > qint64(m_options.startTimeoutSeconds) * 1000)
            return fail(QStringLiteral("The browser driver did not answer within %1 seconds.").arg(m_options.startTimeoutSeconds));
        pause(100);
    }
    return true;
}

bool MacroBrowser::isRunning() const
{
    return m_player && m_driver && m_driver->hasSession();
}

bool MacroBrowser::play(const QString &code, int timeoutSeconds)
{
    if (!isRunning()) {
        m_lastMessage = QStringLiteral("The web browser is not started.");
        return false;
    }
    const bool ok = m_player->play(code, timeoutSeconds);
    m_lastMessage = m_player->lastMessage();
    return ok;
}

void MacroBrowser::setVariable(const QString &name, const QString &value)
{
    QString plain = name.trimmed();
    if (plain.startsWith(QLatin1String("-var_"), Qt::CaseInsensitive))
        plain = plain.mid(5);
    if (m_player)
        m_player->setVariable(plain, value);
}

void MacroBrowser::bringToFront()
{
    if (!isRunning())
        return;
    const QString handle = m_driver->currentWindow().value.toString();
    if (!handle.isEmpty())
        m_driver->switchToWindow(handle);
}

void MacroBrowser::close()
{
    m_player.reset();
    if (m_driver) {
        m_driver->setCallTimeout(10000);
        m_driver->endSession();
    }
    m_driver.reset();
    if (m_process) {
        m_process->terminate();
        if (!m_process->waitForFinished(3000))
            m_process->kill();
        m_process->waitForFinished(1000);
    }
    m_process.reset();
}

} // namespace zel::transmit
