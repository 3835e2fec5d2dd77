#pragma once

#include "shell/ui/screen_base.h"

#include <functional>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace zel {

class TransferProgress;

namespace transfer {
class FileDownload;
}

// File / Download File: fetches the archive support prepared and, when asked, opens it with the
// desktop's program for such files.
class DownloadScreen : public ScreenBase
{
    Q_OBJECT
public:
    explicit DownloadScreen(AppState &state, QWidget *parent = nullptr);
    ~DownloadScreen() override;

    void download();
    void cancelDownload();
    // How a saved file is opened; the desktop's default handler unless a test puts in its own.
    void setOpener(std::function<void(const QString &path)> opener) { m_opener = std::move(opener); }

protected:
    bool confirmClose() override;

private:
    void setRunning(bool running);

    QLineEdit *m_identifier;
    QCheckBox *m_open;
    TransferProgress *m_progress;
    QPushButton *m_download;
    QPushButton *m_cancel;
    QPushButton *m_close;
    transfer::FileDownload *m_running = nullptr;
    std::function<void(const QString &)> m_opener;
};

} // namespace zel
