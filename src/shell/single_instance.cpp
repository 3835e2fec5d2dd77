#include "shell/single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>

namespace zel {

SingleInstance::SingleInstance(const QString &appFolder, QObject *parent)
    : QObject(parent),
      m_serverName(QStringLiteral("zel-") + QString::fromLatin1(QCryptographicHash::hash(
                       QDir(appFolder).absolutePath().toUtf8(), QCryptographicHash::Sha1).toHex().left(16))),
      m_lock(QDir(appFolder).filePath(QStringLiteral("zel.lock")))
{
    m_lock.setStaleLockTime(0); // a lock left by a crashed copy is detected by its process id
}

SingleInstance::~SingleInstance()
{
    m_lock.unlock();
}

bool SingleInstance::acquire()
{
    if (!m_lock.tryLock(100))
        return false;
    QLocalServer::removeServer(m_serverName);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server->nextPendingConnection()) {
            socket->deleteLater();
            emit raiseRequested();
        }
    });
    m_server->listen(m_serverName);
    return true;
}

bool SingleInstance::raiseRunningInstance() const
{
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    const bool reached = socket.waitForConnected(1000);
    socket.disconnectFromServer();
    return reached;
}

} // namespace zel
