#include "shell/ui/splash_screen.h"

#include "shell/ui/screen_setup.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QPixmap>
#include <QThread>
#include <QVBoxLayout>

namespace zel {

SplashScreen::SplashScreen(const QString &version, QWidget *parent)
    : QDialog(parent, Qt::SplashScreen | Qt::WindowStaysOnTopHint), m_hide(new QCheckBox(this))
{
    setObjectName(QStringLiteral("Zel_Splash"));
    setWindowTitle(QStringLiteral("Customer Management System"));

    auto *icon = new QLabel(this);
    icon->setPixmap(QPixmap(QStringLiteral(":/zel/zel.png")));
    icon->setAlignment(Qt::AlignCenter);
    auto *title = new QLabel(QStringLiteral("<h2>ZEL</h2><h3>Customer Management System</h3>"), this);
    title->setAlignment(Qt::AlignCenter);
    auto *versionLabel = new QLabel(QStringLiteral("Version ") + version, this);
    versionLabel->setAlignment(Qt::AlignCenter);
    auto *note = new QLabel(QStringLiteral("For the independent @@@@@ representative."), this);
    note->setAlignment(Qt::AlignCenter);
    m_hide->setText(QStringLiteral("&Hide this page during start up"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(32, 24, 32, 16);
    layout->addWidget(icon);
    layout->addWidget(title);
    layout->addWidget(versionLabel);
    layout->addWidget(note);
    layout->addSpacing(12);
    layout->addWidget(m_hide, 0, Qt::AlignCenter);
    Gs_Caption_Replace(this);
    setStyleSheet(QStringLiteral("SplashScreen { border: 2px solid #7a266e; }"));
}

void SplashScreen::showForTwoSeconds()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    adjustSize();
    centreOnScreen(this);
    show();
    QApplication::restoreOverrideCursor();
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() <= 2000) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(20);
    }
}

bool SplashScreen::hideRequested() const
{
    return m_hide->isChecked();
}

} // namespace zel
