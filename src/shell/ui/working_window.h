#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class QTimer;

namespace zel {

// Zel_Working: a small window whose bar keeps moving while long work runs on the one thread.
class WorkingWindow : public QDialog
{
    Q_OBJECT
public:
    explicit WorkingWindow(QWidget *parent = nullptr);

    void setMessage(const QString &message);
    QString message() const;
    int barValue() const;
    // One step of the bar: after 100 it starts again at 3.
    void advance();
    // Shows a Cancel button; pressing it (or Escape) marks the work to stop at its next step.
    void setCancellable(bool on);
    bool cancelPressed() const { return m_cancelled; }

private:
    QLabel *m_label;
    QProgressBar *m_bar;
    QTimer *m_timer;
    class QPushButton *m_cancel;
    bool m_cancelled = false;
};

} // namespace zel
