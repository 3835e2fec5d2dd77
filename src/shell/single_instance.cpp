#include "shell/single_instance.h"

#include "core/prompter.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>

namespace zel {

namespace {
// The running copy confirms each hand-over with this line, so that a copy that is hung (its
// socket still accepts connections) is told apart from one that answers.
const QByteArray kConfirmation = QByteArrayLiteral("OK\n");
} // namespace

SingleInstance::SingleInstance(const QString &appFolder, QObject *parent)
    : QObject(parent),
      m_serverName(QStringLiteral("zel-") + QString::fromLatin1(QCryptographicHash::hash(
                       QDir(appFolder).absolutePath().toUtf8(), QCryptographicHash::Sha1).toHex().left(16))),
      m_lock(QDir(appFolder).filePath(QStringLiteral("zel.lock")))
{
    m_lock.setStaleLockTime(0); // a running copy keeps its lock however long it runs
}

SingleInstance::~SingleInstance()
{
    m_lock.unlock();
}

bool SingleInstance::acquire()
{
    if (!takeLock())
        return false;
    listen();
    return true;
}

// Qt judges a lock by the process id and host name written in it, which misleads after a restart:
// the id may now belong to another copy of the program, even this one, and the host name may have
// changed. What counts is whether a process still holds the file open and locked;
// removeStaleLockFile() succeeds only when none does.
bool SingleInstance::takeLock()
{
    if (m_lock.tryLock(0))
        return true;
    return m_lock.error() == QLockFile::LockFailedError && m_lock.removeStaleLockFile() && m_lock.tryLock(0);
}

void SingleInstance::listen()
{
    QLocalServer::removeServer(m_serverName); // the socket of a copy that did not end cleanly
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] { answer(socket); });
            answer(socket); // the line may have come with the connection
        }
    });
    m_server->listen(m_serverName);
}

void SingleInstance::answer(QLocalSocket *socket)
{
    if (!socket->canReadLine())
        return;
    const QString startText = QString::fromUtf8(socket->readLine()).trimmed();
    socket->write(kConfirmation);
    socket->flush();
    socket->disconnectFromServer();
    emit raiseRequested(startText);
}

SingleInstance::Claim SingleInstance::claim(const QString &startText, int timeoutMs)
{
    if (acquire())
        return Claim::First;
    if (handOver(startText, timeoutMs))
        return Claim::HandedOver;
    // The running copy may have ended while we were asking.
    return acquire() ? Claim::First : Claim::NoAnswer;
}

bool SingleInstance::handOver(const QString &startText, int timeoutMs) const
{
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(int(deadline.remainingTime())))
        return false;
    QByteArray line = startText.toUtf8();
    line.replace('\n', ' ');
    socket.write(line + '\n');
    if (!socket.waitForBytesWritten(int(deadline.remainingTime())))
        return false;
    while (!socket.canReadLine()) {
        if (deadline.hasExpired() || !socket.waitForReadyRead(int(deadline.remainingTime())))
            return false;
    }
    return socket.readLine() == kConfirmation;
}

void SingleInstance::reportNoAnswer(Prompter &prompter)
{
    prompter.information(QStringLiteral("Another copy of ZEL is already running. If this copy can not be seen, then a "
                                        "reboot may be required to clear up the issue."),
                         QStringLiteral("... Duplicate Instance ..."), Icon::Critical);
}

} // namespace zel
