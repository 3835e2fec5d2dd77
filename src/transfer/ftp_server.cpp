#include "transfer/ftp_server.h"

#include "shell/app_settings.h"

#include <QUrl>

namespace zel::transfer {

FtpServer FtpServer::read(const AppSettings &settings, const QString &section)
{
    FtpServer server;
    server.section = section;
    server.url = settings.read(settings::ftpOption(section, QStringLiteral("URL"))).trimmed();
    server.user = settings.read(settings::ftpOption(section, QStringLiteral("UID")));
    server.password = settings.read(settings::ftpOption(section, QStringLiteral("PWD")));
    return server;
}

QString FtpServer::baseUrl() const
{
    const QString address = url.trimmed();
    return address.contains(QLatin1String("://")) ? address : QStringLiteral("ftp://") + address;
}

QString FtpServer::host() const
{
    const QUrl parsed(baseUrl());
    return parsed.host().isEmpty() ? url.trimmed() : parsed.host();
}

} // namespace zel::transfer
