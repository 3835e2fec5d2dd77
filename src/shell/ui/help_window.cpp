#include "shell/ui/help_window.h"

#include "shell/ui/screen_setup.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace zel {

HelpWindow::HelpWindow(const AppSettings &settings, QWidget *parent)
    : QDialog(parent, Qt::Window), m_settings(settings), m_browser(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("Zel_Help"));
    setWindowTitle(QStringLiteral("ZEL User Manual"));
    m_browser->setAccessibleName(QStringLiteral("User Manual"));
    // Links that leave the manual go to the desktop's own handler; links inside it stay here.
    m_browser->setOpenExternalLinks(true);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *back = buttons->addButton(QStringLiteral("&Back"), QDialogButtonBox::ActionRole);
    QPushButton *close = buttons->addButton(QStringLiteral("&Close"), QDialogButtonBox::RejectRole);
    back->setEnabled(false);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QWidget::setEnabled);
    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_browser, 1);
    layout->addWidget(buttons);
    resize(760, 640);
    Gs_Screen_Setup(this, m_settings);
    m_browser->setFocus();
}

bool HelpWindow::openManual(const QString &path)
{
    const QFileInfo file(path);
    if (!file.isFile() || !file.isReadable() || file.size() == 0)
        return false;
    m_browser->setSource(QUrl::fromLocalFile(file.absoluteFilePath()), QTextDocument::HtmlResource);
    return !m_browser->document()->isEmpty();
}

void HelpWindow::done(int result)
{
    Gs_Screen_Save(this, m_settings);
    QDialog::done(result);
}

} // namespace zel
