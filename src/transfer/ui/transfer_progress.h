#pragma once

#include "transfer/transfer_observer.h"

#include <QWidget>

class QLabel;
class QProgressBar;

namespace zel {

// The progress bar and status line of the upload and download screens, and what a transfer
// reports to them.
class TransferProgress : public QWidget
{
    Q_OBJECT
public:
    TransferProgress(int statusWidth, QWidget *parent);

    // The status texts go to the line and the bytes to the bar; pending window events run on each
    // report, which is how the screen's Cancel button is heard.
    transfer::TransferObserver observer();
    // An empty bar, as a new transfer starts.
    void restart();

private:
    void showProgress(qint64 done, qint64 total);

    QProgressBar *m_bar;
    QLabel *m_status;
};

} // namespace zel
