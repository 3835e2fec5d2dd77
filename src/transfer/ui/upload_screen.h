#pragma once

#include "shell/ui/screen_base.h"

class QLineEdit;
class QPushButton;
class QRadioButton;
class QVBoxLayout;

namespace zel {

class TransferProgress;

namespace transfer {
class FileUpload;
}

// File / Upload File or Database: sends the current database, a chosen file or all logs to support.
class UploadScreen : public ScreenBase
{
    Q_OBJECT
public:
    explicit UploadScreen(AppState &state, QWidget *parent = nullptr);
    ~UploadScreen() override;

    // The support address the reminder names.
    static inline const QString kSupportAddress = QStringLiteral("support@tolvaneltd.example");

    void upload();
    void cancelUpload();
    void chooseFile();
    void showReminder();

protected:
    bool confirmClose() override;

private:
    void buildSource(QVBoxLayout *layout);
    void setRunning(bool running);

    QLineEdit *m_firstName;
    QLineEdit *m_lastName;
    QRadioButton *m_database;
    QRadioButton *m_allLogs;
    QRadioButton *m_file;
    QLineEdit *m_filePath;
    QPushButton *m_browse;
    TransferProgress *m_progress;
    QPushButton *m_upload;
    QPushButton *m_cancel;
    QPushButton *m_close;
    transfer::FileUpload *m_running = nullptr;
};

} // namespace zel
