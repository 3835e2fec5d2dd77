#include "shell/ui/help_window.h"

#include "core/prompter.h"
#include "session/app_state.h"
#include "shell/ui/screen_setup.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QHash>
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

bool HelpWindow::openManual(const QString &path, const QString &section)
{
    const QFileInfo file(path);
    if (!file.isFile() || !file.isReadable() || file.size() == 0)
        return false;
    QUrl url = QUrl::fromLocalFile(file.absoluteFilePath());
    if (!section.isEmpty())
        url.setFragment(section);
    m_browser->setSource(url, QTextDocument::HtmlResource);
    return !m_browser->document()->isEmpty();
}

QString HelpWindow::sectionOf(const QString &formName)
{
    static const QHash<QString, QString> sections = {
        {QStringLiteral("Zel_Search"), QStringLiteral("customers")},
        {QStringLiteral("Zel_Customer"), QStringLiteral("customer-screen")},
        {QStringLiteral("Zel_CustomerSummary"), QStringLiteral("customer-screen")},
        {QStringLiteral("Zel_History"), QStringLiteral("histories")},
        {QStringLiteral("Zel_Order"), QStringLiteral("order-entry")},
        {QStringLiteral("Zel_Products"), QStringLiteral("products")},
        {QStringLiteral("Zel_Options"), QStringLiteral("options")},
        {QStringLiteral("Zel_Reports"), QStringLiteral("reports")},
        {QStringLiteral("Zel_ReportPreview"), QStringLiteral("reports")},
        {QStringLiteral("ZEL_Glance"), QStringLiteral("glance")},
        {QStringLiteral("Zel_InvoiceMail"), QStringLiteral("invoice-mail")},
        {QStringLiteral("Zel_MailServer"), QStringLiteral("invoice-mail")},
        {QStringLiteral("Zel_Transmit"), QStringLiteral("web-submission")},
        {QStringLiteral("Zel_Totals"), QStringLiteral("expenses")},
        {QStringLiteral("Zel_Inventory"), QStringLiteral("inventory")},
        {QStringLiteral("Zel_Utilities"), QStringLiteral("utilities")},
        {QStringLiteral("Zel_FTPUpload"), QStringLiteral("utilities")},
        {QStringLiteral("Zel_FTPDownload"), QStringLiteral("utilities")}};
    return sections.value(formName);
}

HelpWindow *HelpWindow::showFor(QWidget *owner, AppState &state, HelpWindow *existing, const QString &formName)
{
    const QString manual = QDir(state.paths.appFolder).filePath(QStringLiteral("ZEL User Manual.htm"));
    HelpWindow *help = existing ? existing : new HelpWindow(state.settings, owner);
    if (!help->openManual(manual, sectionOf(formName))) {
        state.prompter.information(lines({QStringLiteral("The user manual could not be opened."), QString(),
                                          QStringLiteral("It is kept in the file:"), QDir::toNativeSeparators(manual)}));
        return help;
    }
    help->show();
    help->raise();
    help->activateWindow();
    return help;
}

void HelpWindow::done(int result)
{
    Gs_Screen_Save(this, m_settings);
    QDialog::done(result);
}

} // namespace zel
