#include "transfer/mail_password.h"

#include <QEventLoop>

#include <qt6keychain/keychain.h>

namespace zel::transfer {

namespace {

const QString kService = QStringLiteral("zel-mail");

// Runs a keyring job to its end; the keyring answers through the event loop.
bool runJob(QKeychain::Job &job, QString *error)
{
    job.setAutoDelete(false);
    // A plain file in place of a missing keyring is just what the password must never be.
    job.setInsecureFallback(false);
    QEventLoop loop;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, &QEventLoop::quit);
    job.start();
    loop.exec();
    if (job.error() == QKeychain::NoError)
        return true;
    if (error)
        *error = job.error() == QKeychain::EntryNotFound ? QStringLiteral("No mail password is stored in the keyring.")
                                                         : QStringLiteral("The keyring could not be used: ") + job.errorString();
    return false;
}

} // namespace

std::optional<QString> MailPassword::read(const QString &key, QString *error)
{
    QKeychain::ReadPasswordJob job(kService);
    job.setKey(key);
    if (!runJob(job, error))
        return std::nullopt;
    return job.textData();
}

bool MailPassword::write(const QString &key, const QString &password, QString *error)
{
    QKeychain::WritePasswordJob job(kService);
    job.setKey(key);
    job.setTextData(password);
    return runJob(job, error);
}

bool MailPassword::remove(const QString &key, QString *error)
{
    QKeychain::DeletePasswordJob job(kService);
    job.setKey(key);
    return runJob(job, error);
}

std::optional<QString> MailPassword::forCommandLine(const QString &key, QString *error)
{
    if (qEnvironmentVariableIsSet(kEnvironmentVariable))
        return qEnvironmentVariable(kEnvironmentVariable);
    return read(key, error);
}

} // namespace zel::transfer
