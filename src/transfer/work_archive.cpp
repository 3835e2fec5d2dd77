#include "transfer/work_archive.h"

#include <QFile>

#include <zip.h>

namespace zel::transfer {

namespace {

QString archiveError(zip_t *archive)
{
    return QString::fromLocal8Bit(zip_strerror(archive));
}

QString openError(int code)
{
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    const QString text = QString::fromLocal8Bit(zip_error_strerror(&error));
    zip_error_fini(&error);
    return text;
}

// Adds one file; libzip reads it only when the archive is closed.
QString addEntry(zip_t *archive, const ArchiveEntry &entry)
{
    zip_source_t *source = zip_source_file(archive, QFile::encodeName(entry.sourcePath).constData(), 0, -1);
    if (!source)
        return entry.sourcePath + QStringLiteral(": ") + archiveError(archive);
    const zip_int64_t index = zip_file_add(archive, entry.name.toUtf8().constData(), source, ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8);
    if (index < 0) {
        zip_source_free(source);
        return entry.name + QStringLiteral(": ") + archiveError(archive);
    }
    zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_DEFLATE, 0);
    return {};
}

} // namespace

QString WorkArchive::write(const QString &path, const QList<ArchiveEntry> &entries)
{
    QFile::remove(path);
    int code = 0;
    zip_t *archive = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (!archive)
        return openError(code);
    for (const ArchiveEntry &entry : entries) {
        const QString error = addEntry(archive, entry);
        if (!error.isEmpty()) {
            zip_discard(archive);
            QFile::remove(path);
            return error;
        }
    }
    if (zip_close(archive) != 0) {
        const QString error = archiveError(archive);
        zip_discard(archive);
        QFile::remove(path);
        return error;
    }
    return {};
}

std::optional<QStringList> WorkArchive::entryNames(const QString &path, QString *error)
{
    int code = 0;
    zip_t *archive = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
    if (!archive) {
        if (error)
            *error = openError(code);
        return std::nullopt;
    }
    QStringList names;
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        const char *name = zip_get_name(archive, static_cast<zip_uint64_t>(i), ZIP_FL_ENC_GUESS);
        if (name)
            names << QString::fromUtf8(name);
    }
    zip_discard(archive);
    return names;
}

} // namespace zel::transfer
