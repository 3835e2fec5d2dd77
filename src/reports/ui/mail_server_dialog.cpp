#include "reports/ui/mail_server_dialog.h"

#include "core/prompter.h"
#include "session/app_state.h"
#include "shell/ui/buddy_label.h"
#include "transfer/mail_password.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace zel::reports {

using transfer::MailPassword;
using transfer::MailSettings;

MailServerDialog::MailServerDialog(AppState &state, QWidget *parent)
    : ScreenBase(state, QStringLiteral("Zel_MailServer"), parent), m_settings(MailSettings::read(state.settings)),
      m_host(new QLineEdit(this)), m_port(new QSpinBox(this)), m_security(new QComboBox(this)), m_user(new QLineEdit(this)),
      m_password(new QLineEdit(this)), m_sender(new QLineEdit(this)), m_caFile(new QLineEdit(this)),
      m_shownSecurity(m_settings.security)
{
    setWindowTitle(QStringLiteral("Mail Server Settings"));
    m_host->setObjectName(QStringLiteral("txtHost"));
    m_host->setText(m_settings.host);
    m_host->setPlaceholderText(QStringLiteral("e.g. smtp.example.com"));
    m_port->setObjectName(QStringLiteral("spnPort"));
    m_port->setRange(1, 65535);
    m_port->setValue(m_settings.port);
    m_security->setObjectName(QStringLiteral("cboSecurity"));
    m_security->addItem(QStringLiteral("STARTTLS (usually port 587)"), int(MailSettings::Security::StartTls));
    m_security->addItem(QStringLiteral("TLS (usually port 465)"), int(MailSettings::Security::Tls));
    m_security->addItem(QStringLiteral("None (only a server on this computer)"), int(MailSettings::Security::None));
    m_security->setCurrentIndex(m_security->findData(int(m_settings.security)));
    connect(m_security, &QComboBox::currentIndexChanged, this, [this] { securityChanged(); });
    m_user->setObjectName(QStringLiteral("txtUser"));
    m_user->setText(m_settings.user);
    m_password->setObjectName(QStringLiteral("txtPassword"));
    m_password->setEchoMode(QLineEdit::Password);
    m_password->setPlaceholderText(QStringLiteral("leave empty to keep the stored password"));
    m_sender->setObjectName(QStringLiteral("txtSender"));
    m_sender->setText(m_settings.senderAddress);
    m_caFile->setObjectName(QStringLiteral("txtCaFile"));
    m_caFile->setText(m_settings.caFile);
    m_caFile->setPlaceholderText(QStringLiteral("only for a server with its own certificate"));

    auto *form = new QFormLayout;
    form->addRow(buddyLabel(QStringLiteral("Ser&ver:"), m_host, this), m_host);
    form->addRow(buddyLabel(QStringLiteral("Securit&y:"), m_security, this), m_security);
    form->addRow(buddyLabel(QStringLiteral("&Port:"), m_port, this), m_port);
    form->addRow(buddyLabel(QStringLiteral("&User name:"), m_user, this), m_user);
    form->addRow(buddyLabel(QStringLiteral("Pass&word:"), m_password, this), m_password);
    form->addRow(buddyLabel(QStringLiteral("Your &e-mail address:"), m_sender, this), m_sender);
    form->addRow(buddyLabel(QStringLiteral("&Certificate file:"), m_caFile, this), m_caFile);
    auto *note = new QLabel(QStringLiteral("The password is kept in the desktop's keyring, never in a file."), this);
    note->setWordWrap(true);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &MailServerDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &MailServerDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addStretch();
    layout->addWidget(buttons);
    const QList<QWidget *> order{m_host, m_security, m_port, m_user, m_password, m_sender, m_caFile};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    resize(520, 320);
    setUpScreen();
}

void MailServerDialog::securityChanged()
{
    const auto chosen = MailSettings::Security(m_security->currentData().toInt());
    // A port left at the old choice's usual one follows the new choice; a typed one stays.
    if (m_port->value() == MailSettings::usualPort(m_shownSecurity))
        m_port->setValue(MailSettings::usualPort(chosen));
    m_shownSecurity = chosen;
}

MailSettings MailServerDialog::settings() const
{
    MailSettings s = m_settings;
    s.host = m_host->text().trimmed();
    s.port = m_port->value();
    s.security = MailSettings::Security(m_security->currentData().toInt());
    s.user = m_user->text().trimmed();
    s.senderAddress = m_sender->text().trimmed();
    s.caFile = m_caFile->text().trimmed();
    return s;
}

void MailServerDialog::accept()
{
    const MailSettings s = settings();
    if (const QString problem = s.problem(); !problem.isEmpty()) {
        state().prompter.information(problem);
        return;
    }
    if (!s.write(state().settings)) {
        state().prompter.information(QStringLiteral("The mail settings could not be saved in ") + MailSettings::kFile + QLatin1Char('.'));
        return;
    }
    QString error;
    if (!m_password->text().isEmpty() && !MailPassword::write(s.passwordKey(), m_password->text(), &error))
        state().prompter.information(QStringLiteral("The password could not be stored: ") + error
                                     + QStringLiteral("\n\nIt is not kept anywhere else. Without a keyring, the command line "
                                                      "can take it from the variable ")
                                     + QString::fromLatin1(MailPassword::kEnvironmentVariable) + QLatin1Char('.'));
    ScreenBase::accept();
}

} // namespace zel::reports
