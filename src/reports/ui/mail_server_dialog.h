#pragma once

#include "shell/ui/screen_base.h"
#include "transfer/mail_settings.h"

class QComboBox;
class QLineEdit;
class QSpinBox;

namespace zel::reports {

// The outgoing mail server: address, port, security, user, the representative's own address, and
// the password, which goes to the desktop's keyring and never into the settings file.
class MailServerDialog : public ScreenBase
{
    Q_OBJECT
public:
    explicit MailServerDialog(AppState &state, QWidget *parent = nullptr);

    // The settings as the fields hold them (the letter kept as it was).
    transfer::MailSettings settings() const;

    void accept() override;

private:
    void securityChanged();

    transfer::MailSettings m_settings;
    QLineEdit *m_host;
    QSpinBox *m_port;
    QComboBox *m_security;
    QLineEdit *m_user;
    QLineEdit *m_password;
    QLineEdit *m_sender;
    QLineEdit *m_caFile;
    transfer::MailSettings::Security m_shownSecurity;
};

} // namespace zel::reports
