#include "transmit/web_driver.h"

#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace zel::transmit {

namespace {

DriverReply answerOf(QNetworkReply &reply)
{
    const QByteArray body = reply.readAll();
    const QJsonDocument document = QJsonDocument::fromJson(body);
    DriverReply answer;
    const QJsonValue value = document.object().value(QStringLiteral("value"));
    if (document.isObject() && reply.error() == QNetworkReply::NoError) {
        answer.ok = true;
        answer.value = value;
        return answer;
    }
    // A driver error carries "error" and "message" inside "value".
    const QJsonObject failure = value.toObject();
    const QString message = failure.value(QStringLiteral("message")).toString();
    answer.error = message.isEmpty() ? reply.errorString() : message.section(QLatin1Char('\n'), 0, 0);
    return answer;
}

} // namespace

const QString WebDriver::kElementKey = QStringLiteral("element-6066-11e4-a52e-4f735466cecf");

WebDriver::WebDriver(const QUrl &driverUrl) : m_base(driverUrl), m_network(std::make_unique<QNetworkAccessManager>())
{
}

WebDriver::~WebDriver() = default;

DriverReply WebDriver::call(const QByteArray &verb, const QString &path, const QJsonObject &body)
{
    QUrl url = m_base;
    url.setPath(path);
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json; charset=utf-8"));
    const QByteArray payload = verb == "POST" ? QJsonDocument(body).toJson(QJsonDocument::Compact) : QByteArray();
    std::unique_ptr<QNetworkReply> reply(m_network->sendCustomRequest(request, verb, payload));

    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(m_timeout);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (!reply->isFinished()) {
        reply->abort();
        DriverReply late;
        late.error = QStringLiteral("The browser did not answer within %1 seconds.").arg(m_timeout / 1000);
        return late;
    }
    return answerOf(*reply);
}

DriverReply WebDriver::sessionCall(const QByteArray &verb, const QString &path, const QJsonObject &body)
{
    if (m_session.isEmpty()) {
        DriverReply none;
        none.error = QStringLiteral("The browser is not started.");
        return none;
    }
    return call(verb, QStringLiteral("/session/") + m_session + path, body);
}

bool WebDriver::ready()
{
    const int timeout = m_timeout;
    m_timeout = 2000;
    const DriverReply reply = call("GET", QStringLiteral("/status"));
    m_timeout = timeout;
    return reply.ok && reply.value.toObject().value(QStringLiteral("ready")).toBool();
}

bool WebDriver::startSession(const QJsonObject &capabilities, QString *error)
{
    const QJsonObject body{{QStringLiteral("capabilities"), QJsonObject{{QStringLiteral("alwaysMatch"), capabilities}}}};
    const DriverReply reply = call("POST", QStringLiteral("/session"), body);
    m_session = reply.value.toObject().value(QStringLiteral("sessionId")).toString();
    if (reply.ok && !m_session.isEmpty())
        return true;
    if (error)
        *error = reply.error.isEmpty() ? QStringLiteral("The browser driver gave no session.") : reply.error;
    return false;
}

void WebDriver::endSession()
{
    if (m_session.isEmpty())
        return;
    call("DELETE", QStringLiteral("/session/") + m_session);
    m_session.clear();
}

DriverReply WebDriver::navigate(const QString &url)
{
    return sessionCall("POST", QStringLiteral("/url"), {{QStringLiteral("url"), url}});
}

DriverReply WebDriver::execute(const QString &script, const QJsonArray &arguments)
{
    return sessionCall("POST", QStringLiteral("/execute/sync"),
                       {{QStringLiteral("script"), script}, {QStringLiteral("args"), arguments}});
}

DriverReply WebDriver::clear(const QString &element)
{
    return sessionCall("POST", QStringLiteral("/element/") + element + QStringLiteral("/clear"));
}

DriverReply WebDriver::type(const QString &element, const QString &text)
{
    return sessionCall("POST", QStringLiteral("/element/") + element + QStringLiteral("/value"),
                       {{QStringLiteral("text"), text}});
}

DriverReply WebDriver::click(const QString &element)
{
    return sessionCall("POST", QStringLiteral("/element/") + element + QStringLiteral("/click"));
}

DriverReply WebDriver::windowHandles()
{
    return sessionCall("GET", QStringLiteral("/window/handles"));
}

DriverReply WebDriver::switchToWindow(const QString &handle)
{
    return sessionCall("POST", QStringLiteral("/window"), {{QStringLiteral("handle"), handle}});
}

DriverReply WebDriver::currentWindow()
{
    return sessionCall("GET", QStringLiteral("/window"));
}

DriverReply WebDriver::screenshot()
{
    return sessionCall("GET", QStringLiteral("/screenshot"));
}

} // namespace zel::transmit
