#pragma once

#include <QString>

namespace zel {

class AppSettings;

namespace transfer {

// Where and as whom one direction of the file transfer logs in: a section of ZELFTPINI.600.
// Nothing is built in; a key the file lacks reads "NONE".
struct FtpServer
{
    static inline const QString kUploadSection = QStringLiteral("UploadOptions");
    static inline const QString kDownloadSection = QStringLiteral("DownloadOptions");
    static inline const QString kNone = QStringLiteral("NONE");

    QString section;
    QString url;
    QString user;
    QString password;

    static FtpServer read(const AppSettings &settings, const QString &section);

    bool hasUrl() const { return !url.trimmed().isEmpty() && url.trimmed().toUpper() != kNone; }
    bool hasUser() const { return !user.isEmpty() && user.toUpper() != kNone; }
    // The server's address as a URL: "ftp://" is put before an address that names no scheme.
    QString baseUrl() const;
    // The server's address without scheme, user or path, for the status texts.
    QString host() const;
};

} // namespace transfer
} // namespace zel
