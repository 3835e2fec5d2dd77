#pragma once

#include "transfer/transfer_observer.h"

#include <QString>

namespace zel {

class AppState;

namespace transfer {

class FtpTransfer;

// What an upload or a download tells the user while it runs: its status texts, passed on only when
// they change (progress comes many times a second), the bytes moved, and its failure, which is
// logged under the procedure's name and shown.
class TransferStatus
{
public:
    TransferStatus(AppState &state, TransferObserver observer, QString procedure);

    void show(const QString &text);
    void fail(const QString &text);
    // Follows `transfer`: "VERB n of mK" as it moves, and the observer's progress.
    void follow(FtpTransfer &transfer, const QString &verb);

private:
    AppState &m_state;
    TransferObserver m_observer;
    QString m_procedure;
    QString m_last;
};

} // namespace transfer
} // namespace zel
