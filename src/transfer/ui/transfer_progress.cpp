#include "transfer/ui/transfer_progress.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace zel {

TransferProgress::TransferProgress(int statusWidth, QWidget *parent)
    : QWidget(parent), m_bar(new QProgressBar(this)), m_status(new QLabel(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_bar->setTextVisible(false);
    m_bar->setAccessibleName(QStringLiteral("Progress"));
    layout->addWidget(m_bar);
    m_status->setObjectName(QStringLiteral("lblStatus"));
    m_status->setMinimumWidth(statusWidth);
    layout->addWidget(m_status);
    restart();
}

transfer::TransferObserver TransferProgress::observer()
{
    return {[this](const QString &text) { m_status->setText(text); },
            [this](qint64 done, qint64 total) { showProgress(done, total); }};
}

void TransferProgress::restart()
{
    m_bar->setRange(0, 1);
    m_bar->setValue(0);
}

// Kilobytes keep the bar's range within an int for any file.
void TransferProgress::showProgress(qint64 done, qint64 total)
{
    if (total > 0) {
        m_bar->setRange(0, int(total / 1024) + 1);
        m_bar->setValue(int(done / 1024));
    }
    QApplication::processEvents();
}

} // namespace zel
