#pragma once

#include <QLockFile>
#include <QObject>

class QLocalServer;

namespace zel {

// Only one copy of the program may run per application folder. The first copy holds a lock file
// and listens; a second copy asks the first to come to the front and then ends.
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    explicit SingleInstance(const QString &appFolder, QObject *parent = nullptr);
    ~SingleInstance() override;

    // True when this is the only copy; it then listens for later copies.
    bool acquire();
    // Asks the running copy to show itself. Returns false when it could not be reached.
    bool raiseRunningInstance() const;

signals:
    void raiseRequested();

private:
    QString m_serverName;
    QLockFile m_lock;
    QLocalServer *m_server = nullptr;
};

} // namespace zel
