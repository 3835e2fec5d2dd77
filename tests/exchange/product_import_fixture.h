#pragma once

#include "test_support.h"

#include <QFile>
#include <QFileInfo>

#include <zip.h>

namespace zel::test {

// A plain SQLite product database as suppliers send them: a Products table with some of our
// columns and some of their own.
inline QStringList supplierProducts(const QStringList &rows, bool withCampaigns = true)
{
    const QString campaignColumns = withCampaigns ? QStringLiteral("[Products Campaign Year] INTEGER, [Products Campaign Number] "
                                                                   "INTEGER, ")
                                                  : QString();
    QStringList statements{QStringLiteral("Create Table Products (") + campaignColumns
                           + QStringLiteral("[Products Catalog Number] TEXT, [Products Description] TEXT, [products last price] "
                                            "REAL, [Products Quanity On Hand] INTEGER, [Supplier Code] TEXT)")};
    for (const QString &row : rows)
        statements << QStringLiteral("Insert Into Products Values (") + row + QLatin1Char(')');
    return statements;
}

// Zips each file (a path) into `zipPath` under the name paired with it.
inline bool zipFilesAs(const QString &zipPath, const QList<QPair<QString, QString>> &entries)
{
    int code = 0;
    zip_t *archive = zip_open(QFile::encodeName(zipPath).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (!archive)
        return false;
    for (const auto &[file, name] : entries) {
        zip_source_t *source = zip_source_file(archive, QFile::encodeName(file).constData(), 0, -1);
        if (!source || zip_file_add(archive, name.toUtf8().constData(), source, ZIP_FL_OVERWRITE) < 0) {
            zip_source_free(source);
            zip_discard(archive);
            return false;
        }
    }
    return zip_close(archive) == 0;
}

// Zips `files` (paths) into `zipPath` under their own names.
inline bool zipFiles(const QString &zipPath, const QStringList &files)
{
    QList<QPair<QString, QString>> entries;
    for (const QString &file : files)
        entries.append({file, QFileInfo(file).fileName()});
    return zipFilesAs(zipPath, entries);
}

} // namespace zel::test
