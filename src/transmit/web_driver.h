#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QUrl>

#include <memory>

class QNetworkAccessManager;

namespace zel::transmit {

// The answer of one WebDriver call: its "value", or the driver's error text.
struct DriverReply
{
    bool ok = false;
    QJsonValue value;
    QString error; // "no such element: ..." or the network failure

    explicit operator bool() const { return ok; }
};

// A W3C WebDriver client over HTTP: one session of one browser driver. Each call waits for its
// answer with user input held back, so a screen cannot be clicked again while the browser works.
class WebDriver
{
public:
    // The key under which an element reference travels.
    static const QString kElementKey;

    explicit WebDriver(const QUrl &driverUrl);
    ~WebDriver();
    WebDriver(const WebDriver &) = delete;
    WebDriver &operator=(const WebDriver &) = delete;

    // True when the driver answers /status as ready.
    bool ready();
    // Opens a session with these capabilities; false (with `error`) when the driver refused.
    bool startSession(const QJsonObject &capabilities, QString *error);
    bool hasSession() const { return !m_session.isEmpty(); }
    // Ends the session (the browser closes). Harmless without one.
    void endSession();

    DriverReply navigate(const QString &url);
    // Runs `script` in the page; `arguments` may hold element references.
    DriverReply execute(const QString &script, const QJsonArray &arguments);
    DriverReply clear(const QString &element);
    DriverReply type(const QString &element, const QString &text);
    DriverReply click(const QString &element);
    DriverReply windowHandles();
    // Makes the window of `handle` the current one and brings it to the front.
    DriverReply switchToWindow(const QString &handle);
    DriverReply currentWindow();
    // The page as a PNG picture.
    DriverReply screenshot();

    // Milliseconds one call may take before it counts as failed.
    void setCallTimeout(int milliseconds) { m_timeout = milliseconds; }

private:
    DriverReply call(const QByteArray &verb, const QString &path, const QJsonObject &body = {});
    DriverReply sessionCall(const QByteArray &verb, const QString &path, const QJsonObject &body = {});

    QUrl m_base;
    QString m_session;
    int m_timeout = 60000;
    std::unique_ptr<QNetworkAccessManager> m_network;
};

} // namespace zel::transmit
