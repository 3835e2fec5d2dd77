#include "transfer/ui/upload_screen.h"

#include "core/prompter.h"
#include "session/app_state.h"
#include "transfer/file_upload.h"
#include "transfer/ui/transfer_progress.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zel {

using transfer::FileUpload;
using transfer::UploadChoice;

namespace {

constexpr int kNameLength = 50;

} // namespace

UploadScreen::UploadScreen(AppState &state, QWidget *parent)
    : ScreenBase(state, QStringLiteral("Zel_FTPUpload"), parent), m_firstName(new QLineEdit(this)),
      m_lastName(new QLineEdit(this)), m_database(new QRadioButton(this)),
      m_allLogs(new QRadioButton(QStringLiteral("&All Logs"), this)),
      m_file(new QRadioButton(QStringLiteral("&Select File to Upload"), this)), m_filePath(new QLineEdit(this)),
      m_browse(new QPushButton(QStringLiteral("&Browse..."), this)), m_progress(new TransferProgress(420, this)),
      m_upload(new QPushButton(QStringLiteral("&Upload"), this)),
      m_cancel(new QPushButton(QStringLiteral("&Cancel Upload"), this)), m_close(new QPushButton(QStringLiteral("Close"), this))
{
    setWindowTitle(QStringLiteral("Upload File or Database"));
    auto *layout = new QVBoxLayout(this);
    auto *intro = new QLabel(QStringLiteral("Sends a zipped copy to support, so that they can look into a problem."), this);
    intro->setWordWrap(true);
    layout->addWidget(intro);

    auto *names = new QFormLayout;
    const auto [first, last] = FileUpload::lastNames(state);
    for (auto [edit, caption, text, name] : {std::tuple{m_firstName, "&First Name", first, "txtFirstName"},
                                             std::tuple{m_lastName, "&Last Name", last, "txtLastName"}}) {
        edit->setObjectName(QString::fromLatin1(name));
        edit->setMaxLength(kNameLength);
        edit->setText(text);
        auto *label = new QLabel(QString::fromLatin1(caption), this);
        label->setBuddy(edit);
        names->addRow(label, edit);
    }
    layout->addLayout(names);
    buildSource(layout);

    layout->addWidget(m_progress);

    auto *buttons = new QHBoxLayout;
    auto *reminder = new QPushButton(QStringLiteral("&Reminder"), this);
    reminder->setToolTip(QStringLiteral("How to tell support that a file is waiting for them."));
    for (QPushButton *button : {m_upload, m_cancel, reminder})
        buttons->addWidget(button);
    buttons->addStretch(1);
    buttons->addWidget(m_close);
    layout->addLayout(buttons);
    m_upload->setDefault(true);
    m_cancel->setEnabled(false);
    connect(m_upload, &QPushButton::clicked, this, &UploadScreen::upload);
    connect(m_cancel, &QPushButton::clicked, this, &UploadScreen::cancelUpload);
    connect(reminder, &QPushButton::clicked, this, &UploadScreen::showReminder);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    resize(520, 360);
    setUpScreen();
}

UploadScreen::~UploadScreen() = default;

void UploadScreen::buildSource(QVBoxLayout *layout)
{
    auto *box = new QGroupBox(QStringLiteral("What to send"), this);
    auto *inner = new QVBoxLayout(box);
    const bool open = state().isDatabaseOpen();
    m_database->setText(QStringLiteral("Current &Database") + (open ? QStringLiteral(": ") + state().databasePath : QString()));
    m_database->setEnabled(open);
    (open ? m_database : m_allLogs)->setChecked(true);
    inner->addWidget(m_database);
    inner->addWidget(m_allLogs);
    auto *fileRow = new QHBoxLayout;
    fileRow->addWidget(m_file);
    m_filePath->setObjectName(QStringLiteral("txtFile"));
    m_filePath->setAccessibleName(QStringLiteral("File to upload"));
    fileRow->addWidget(m_filePath, 1);
    fileRow->addWidget(m_browse);
    inner->addLayout(fileRow);
    layout->addWidget(box);
    connect(m_browse, &QPushButton::clicked, this, &UploadScreen::chooseFile);
    connect(m_filePath, &QLineEdit::textEdited, this, [this] { m_file->setChecked(true); });
}

void UploadScreen::chooseFile()
{
    FileChoice choice;
    choice.title = QStringLiteral("Select File to Upload");
    choice.filter = QStringLiteral("All Files (*.*)|*.*");
    choice.startFolder = state().paths.appFolder;
    const QString path = state().prompter.chooseFile(choice);
    if (path.isEmpty())
        return;
    m_filePath->setText(path);
    m_file->setChecked(true);
}

void UploadScreen::upload()
{
    if (m_running)
        return;
    UploadChoice choice;
    choice.firstName = m_firstName->text();
    choice.lastName = m_lastName->text();
    if (m_database->isChecked()) {
        choice.source = UploadChoice::Source::Database;
        choice.path = state().isDatabaseOpen() ? state().databasePath : QString();
    } else if (m_file->isChecked()) {
        choice.path = m_filePath->text().trimmed();
    } else {
        choice.source = UploadChoice::Source::AllLogs;
    }
    FileUpload sending(state(), m_progress->observer());
    m_running = &sending;
    setRunning(true);
    const FileUpload::Outcome outcome = sending.upload(choice);
    m_running = nullptr;
    setRunning(false);
    if (outcome == FileUpload::Outcome::Refused)
        (choice.firstName.trimmed().isEmpty() ? m_firstName : m_lastName)->setFocus();
}

void UploadScreen::cancelUpload()
{
    if (m_running)
        m_running->askCancel();
}

void UploadScreen::showReminder()
{
    state().prompter.information(lines({QStringLiteral("Once your file has been uploaded, please send an e-mail to ")
                                            + kSupportAddress + QLatin1Char('.'),
                                        QStringLiteral("Tell support your name, that a file has been uploaded, and what "
                                                       "they should look at.")}));
}

bool UploadScreen::confirmClose()
{
    if (!m_running)
        return true;
    m_running->askCancel();
    return false;
}

void UploadScreen::setRunning(bool running)
{
    for (QWidget *input : std::initializer_list<QWidget *>{m_firstName, m_lastName, m_database, m_allLogs, m_file, m_filePath,
                                                           m_browse, m_upload, m_close})
        input->setEnabled(!running && (input != m_database || state().isDatabaseOpen()));
    m_cancel->setEnabled(running);
    if (running) {
        m_progress->restart();
        m_cancel->setFocus();
    } else {
        m_upload->setFocus();
    }
}

} // namespace zel
