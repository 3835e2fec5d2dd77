#include "transfer/ui/download_screen.h"

#include "session/app_state.h"
#include "transfer/file_download.h"
#include "transfer/ui/transfer_progress.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace zel {

using transfer::FileDownload;

DownloadScreen::DownloadScreen(AppState &state, QWidget *parent)
    : ScreenBase(state, QStringLiteral("Zel_FTPDownload"), parent), m_identifier(new QLineEdit(this)),
      m_open(new QCheckBox(QStringLiteral("&Open the file when it has arrived"), this)), m_progress(new TransferProgress(380, this)),
      m_download(new QPushButton(QStringLiteral("&Download"), this)),
      m_cancel(new QPushButton(QStringLiteral("&Cancel Download"), this)), m_close(new QPushButton(QStringLiteral("Close"), this)),
      m_opener([](const QString &path) { QDesktopServices::openUrl(QUrl::fromLocalFile(path)); })
{
    setWindowTitle(QStringLiteral("Download File"));
    auto *layout = new QVBoxLayout(this);
    auto *intro = new QLabel(QStringLiteral("Fetches the file support has prepared for you. Type the File ID they gave you."), this);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    auto *form = new QFormLayout;
    m_identifier->setObjectName(QStringLiteral("txtFileID"));
    m_identifier->setMaxLength(50);
    auto *label = new QLabel(QStringLiteral("File &ID"), this);
    label->setBuddy(m_identifier);
    form->addRow(label, m_identifier);
    layout->addLayout(form);
    m_open->setObjectName(QStringLiteral("chkStart"));
    layout->addWidget(m_open);
    layout->addWidget(m_progress);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_download);
    buttons->addWidget(m_cancel);
    buttons->addStretch(1);
    buttons->addWidget(m_close);
    layout->addLayout(buttons);
    m_download->setDefault(true);
    m_cancel->setEnabled(false);
    connect(m_download, &QPushButton::clicked, this, &DownloadScreen::download);
    connect(m_cancel, &QPushButton::clicked, this, &DownloadScreen::cancelDownload);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    resize(440, 220);
    setUpScreen();
}

DownloadScreen::~DownloadScreen() = default;

void DownloadScreen::download()
{
    if (m_running)
        return;
    FileDownload fetching(state(), m_progress->observer());
    m_running = &fetching;
    setRunning(true);
    const bool open = m_open->isChecked();
    const FileDownload::Outcome outcome = fetching.download(m_identifier->text(), open);
    m_running = nullptr;
    setRunning(false);
    if (outcome == FileDownload::Outcome::Downloaded && open && m_opener)
        m_opener(fetching.savedPath());
    if (outcome == FileDownload::Outcome::Refused)
        m_identifier->setFocus();
}

void DownloadScreen::cancelDownload()
{
    if (m_running)
        m_running->cancel();
}

bool DownloadScreen::confirmClose()
{
    if (!m_running)
        return true;
    m_running->cancel();
    return false;
}

void DownloadScreen::setRunning(bool running)
{
    for (QWidget *input : std::initializer_list<QWidget *>{m_identifier, m_open, m_download, m_close})
        input->setEnabled(!running);
    m_cancel->setEnabled(running);
    if (running) {
        m_progress->restart();
        m_cancel->setFocus();
    } else {
        m_download->setFocus();
    }
}

} // namespace zel
