#include "transmit/test_site.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>
#include <QUrlQuery>

namespace zel::test {

namespace {

constexpr int kCells = 49;

QByteArray response(const QByteArray &status, const QByteArray &body, const QByteArray &extraHeaders = {},
                    const QByteArray &type = "text/html; charset=utf-8")
{
    return "HTTP/1.1 " + status + "\r\nContent-Type: " + type + "\r\nContent-Length: " + QByteArray::number(body.size())
         + "\r\nConnection: close\r\n" + extraHeaders + "\r\n" + body;
}

QByteArray redirect(const QByteArray &to, const QByteArray &extraHeaders = {})
{
    return response("303 See Other", QByteArray(), "Location: " + to + "\r\n" + extraHeaders);
}

const QByteArray kLogOnCookie = "Set-Cookie: session=rep; Path=/\r\n";

const char *const kLogOnPage = R"HTML(<!DOCTYPE html>
<html><head><title>Representative Log On</title></head><body>
<h1>Representative Log On</h1>
<form method="post" action="/login">
<label>Account <input type="text" name="account"></label>
<label>Password <input type="password" name="password"></label>
<input type="submit" value="Log On">
</form></body></html>)HTML";

// The form checks each product number as it changes: six digits, and not one of the refused.
const char *const kCheckScript = R"JS(
var refused = REFUSED;
function check(cell) {
  var product = document.getElementsByName('product' + cell)[0].value.trim();
  var status = document.getElementById('status' + cell);
  status.className = '';
  if (!/^[0-9-]{6,7}$/.test(product) || refused.indexOf(product) >= 0) {
    status.innerText = 'Error: product ' + product + ' is not available';
    status.className = 'checked refused';
  } else {
    status.innerText = 'Accepted ' + product;
    status.className = 'checked accepted';
  }
}
)JS";

} // namespace

TestSite::TestSite(QStringList refused) : m_server(new QTcpServer(this)), m_refused(std::move(refused))
{
    m_server->listen(QHostAddress::LocalHost, 0);
    connect(m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *socket = m_server->nextPendingConnection())
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
    });
}

TestSite::~TestSite() = default;

QString TestSite::url(const QString &path) const
{
    return QStringLiteral("http://127.0.0.1:%1%2").arg(m_server->serverPort()).arg(path);
}

QString TestSite::directLogOn() const
{
    return url(QStringLiteral("/login?account=rep&password=secret"));
}

void TestSite::serve(QTcpSocket *socket)
{
    QByteArray &buffer = m_buffers[socket];
    buffer += socket->readAll();
    const qsizetype headerEnd = buffer.indexOf("\r\n\r\n");
    if (headerEnd < 0)
        return;
    const QByteArray head = buffer.left(headerEnd);
    qsizetype length = 0;
    for (const QByteArray &line : head.split('\n'))
        if (line.toLower().startsWith("content-length:"))
            length = line.mid(15).trimmed().toLongLong();
    if (buffer.size() < headerEnd + 4 + length)
        return;
    const QList<QByteArray> request = head.left(head.indexOf("\r\n")).split(' ');
    const QByteArray reply = answer(request.value(0), QString::fromUtf8(request.value(1)), head,
                                    buffer.mid(headerEnd + 4, length));
    m_buffers.remove(socket);
    socket->write(reply);
    socket->disconnectFromHost();
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
}

QByteArray TestSite::itemForm() const
{
    QByteArray refused = "[";
    for (const QString &product : m_refused)
        refused += (refused.size() > 1 ? ",'" : "'") + product.toUtf8() + "'";
    refused += "]";
    QByteArray page = "<!DOCTYPE html><html><head><title>Item Entry Form</title><script>"
                    + QByteArray(kCheckScript).replace("REFUSED", refused)
                    + "</script></head><body><h1>Item Entry Form</h1><form method=\"post\" action=\"/items\"><table>";
    for (int cell = 0; cell < kCells; ++cell) {
        const QByteArray n = QByteArray::number(cell);
        page += "<tr><td>" + QByteArray::number(cell + 1) + "</td><td><select name=\"campaign" + n
              + "\"><option value=\"0\">C05</option><option value=\"1\">C04</option><option value=\"2\">C03</option>"
                "</select></td><td><input type=\"text\" name=\"product" + n + "\" onchange=\"check(" + n
              + ")\"></td><td><input type=\"text\" name=\"quantity" + n + "\"></td><td><span id=\"status" + n
              + "\"></span></td></tr>";
    }
    return page + "</table><input type=\"submit\" value=\"Update Order\"></form></body></html>";
}

void TestSite::storeOrder(const QByteArray &body)
{
    const QUrlQuery form(QString::fromUtf8(body).replace(QLatin1Char('+'), QLatin1Char(' ')));
    m_submitted.clear();
    for (int cell = 0; cell < kCells; ++cell) {
        const QString product = form.queryItemValue(QStringLiteral("product%1").arg(cell), QUrl::FullyDecoded);
        if (product.isEmpty())
            continue;
        m_submitted.push_back({cell, form.queryItemValue(QStringLiteral("campaign%1").arg(cell)), product,
                               form.queryItemValue(QStringLiteral("quantity%1").arg(cell), QUrl::FullyDecoded)});
    }
}

QByteArray TestSite::submittedText() const
{
    QByteArray text;
    for (const Line &line : m_submitted)
        text += QByteArray::number(line.cell) + ',' + line.campaign.toUtf8() + ',' + line.product.toUtf8() + ','
              + line.quantity.toUtf8() + '\n';
    return text;
}

QByteArray TestSite::answer(const QByteArray &method, const QString &target, const QByteArray &headers,
                            const QByteArray &body)
{
    const QUrl url(target);
    const QString path = url.path();
    const bool loggedOn = headers.contains("session=rep");
    if (path == QLatin1String("/login")) {
        // A log-on by the form (POST) or by the address (GET) opens the form.
        return redirect("/items", kLogOnCookie);
    }
    if (path == QLatin1String("/items") && method == "POST") {
        storeOrder(body);
        return response("200 OK", "<!DOCTYPE html><html><body><h1>Order updated</h1></body></html>");
    }
    if (path == QLatin1String("/items"))
        return loggedOn ? response("200 OK", itemForm()) : redirect("/");
    if (path == QLatin1String("/submitted"))
        return response("200 OK", submittedText(), {}, "text/plain; charset=utf-8");
    if (path == QLatin1String("/"))
        return response("200 OK", kLogOnPage);
    return response("404 Not Found", "<html><body>Not found</body></html>");
}

} // namespace zel::test
