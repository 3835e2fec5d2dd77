#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>

#include <vector>

class QTcpServer;
class QTcpSocket;

namespace zel::test {

// A small order-entry site on 127.0.0.1 for the browser tests: a log-on page, an item-entry form
// of 49 cells (campaign choice, product and quantity, and a status the page's script fills in when
// it has checked the product), an "Update Order" button, and /submitted listing what was sent.
// It answers from the thread that made it, while that thread waits for the browser.
class TestSite : public QObject
{
    Q_OBJECT
public:
    struct Line
    {
        int cell = 0;
        QString campaign; // the chosen option's value: "0", "1" or "2"
        QString product;
        QString quantity;
    };

    // `refused`: product numbers the form's check rejects.
    explicit TestSite(QStringList refused = {});
    ~TestSite() override;

    QString url(const QString &path = QStringLiteral("/")) const;
    // The address that logs on at once and opens the item-entry form.
    QString directLogOn() const;
    // The lines of the last "Update Order", cell by cell.
    const std::vector<Line> &submitted() const { return m_submitted; }

private:
    void serve(QTcpSocket *socket);
    QByteArray answer(const QByteArray &method, const QString &target, const QByteArray &headers, const QByteArray &body);
    QByteArray itemForm() const;
    void storeOrder(const QByteArray &body);
    QByteArray submittedText() const;

    QTcpServer *m_server;
    QStringList m_refused;
    std::vector<Line> m_submitted;
    QHash<QTcpSocket *, QByteArray> m_buffers; // what each connection has sent so far
};

} // namespace zel::test
