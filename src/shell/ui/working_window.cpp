#include "shell/ui/working_window.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace zel {

WorkingWindow::WorkingWindow(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_label(new QLabel(this)),
      m_bar(new QProgressBar(this)),
      m_timer(new QTimer(this)),
      m_cancel(new QPushButton(QStringLiteral("Cancel"), this))
{
    setObjectName(QStringLiteral("Zel_Working"));
    setWindowTitle(QStringLiteral("Customer Management System"));
    setModal(false);
    m_label->setAlignment(Qt::AlignCenter);
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
    m_bar->setTextVisible(false);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
    layout->addWidget(m_bar);
    layout->addWidget(m_cancel, 0, Qt::AlignHCenter);
    m_cancel->setVisible(false);
    connect(m_cancel, &QPushButton::clicked, this, [this] {
        m_cancelled = true;
        m_cancel->setEnabled(false);
        m_cancel->setText(QStringLiteral("Stopping..."));
    });
    setMinimumWidth(320);
    m_timer->setInterval(100);
    connect(m_timer, &QTimer::timeout, this, &WorkingWindow::advance);
    m_timer->start();
}

void WorkingWindow::setMessage(const QString &message)
{
    m_label->setText(message);
}

QString WorkingWindow::message() const
{
    return m_label->text();
}

int WorkingWindow::barValue() const
{
    return m_bar->value();
}

void WorkingWindow::setCancellable(bool on)
{
    m_cancel->setVisible(on);
}

void WorkingWindow::advance()
{
    const int next = m_bar->value() + 1;
    m_bar->setValue(next > 100 ? 3 : next);
}

} // namespace zel
