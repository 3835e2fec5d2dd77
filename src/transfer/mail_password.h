#pragma once

#include <QString>

#include <optional>

namespace zel::transfer {

// The mail server's password in the desktop's keyring (Secret Service, KWallet, ...), under the
// user at the server. Never written to a file: where no keyring runs, the password is not kept.
// Each call waits for the keyring's answer.
class MailPassword
{
public:
    // The variable a command reads the password from where no keyring runs (a server, CI).
    static inline const char *const kEnvironmentVariable = "ZEL_SMTP_PASSWORD";

    // The stored password; nothing, with `error` set, when there is none or no keyring answers.
    static std::optional<QString> read(const QString &key, QString *error = nullptr);
    // Returns false, with `error` set, when the keyring did not take it.
    static bool write(const QString &key, const QString &password, QString *error = nullptr);
    static bool remove(const QString &key, QString *error = nullptr);
    // ZEL_SMTP_PASSWORD when it is set, else the keyring's.
    static std::optional<QString> forCommandLine(const QString &key, QString *error = nullptr);
};

} // namespace zel::transfer
