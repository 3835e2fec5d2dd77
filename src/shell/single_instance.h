#pragma once

#include <QLockFile>
#include <QObject>

class QLocalServer;
class QLocalSocket;

namespace zel {

class Prompter;

// Only one copy of the program may run per application folder. The first copy holds a lock file
// and listens; a second copy hands its start words to the first, which comes to the front.
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    enum class Claim {
        First,      // this is the only copy; it now listens for later ones
        HandedOver, // a running copy took the start words and comes to the front
        NoAnswer    // a running copy holds the lock but did not answer in time
    };

    explicit SingleInstance(const QString &appFolder, QObject *parent = nullptr);
    ~SingleInstance() override;

    // True when this is the only copy; it then listens for later copies. A lock left behind by a
    // copy that ended without releasing it (killed, crashed, machine restarted) is taken over.
    bool acquire();
    // acquire(), or else hands `startText` to the running copy, waiting at most `timeoutMs` for it.
    Claim claim(const QString &startText, int timeoutMs = 3000);
    // Sends `startText` to the running copy. Returns false when it did not confirm within `timeoutMs`.
    bool handOver(const QString &startText, int timeoutMs = 3000) const;

    // Tells the user that a copy is running but cannot be reached.
    static void reportNoAnswer(Prompter &prompter);

signals:
    // A later copy was started; `startText` is its command line ("AUTOSTART <path>", or empty).
    void raiseRequested(const QString &startText);

private:
    bool takeLock();
    void listen();
    void answer(QLocalSocket *socket);

    QString m_serverName;
    QLockFile m_lock;
    QLocalServer *m_server = nullptr;
};

} // namespace zel
