#include "exchange/zip_archive.h"

#include <QFile>

#include <zip.h>

#include <memory>

namespace zel::exchange {

namespace {

struct ZipFileCloser
{
    void operator()(zip_file_t *file) const { zip_fclose(file); }
};

} // namespace

ZipArchive::~ZipArchive()
{
    close();
}

bool ZipArchive::fail(const QString &text)
{
    m_error = text;
    return false;
}

bool ZipArchive::open(const QString &path)
{
    close();
    int code = 0;
    m_archive = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
    if (!m_archive) {
        zip_error_t error;
        zip_error_init_with_code(&error, code);
        const QString reason = QString::fromLocal8Bit(zip_error_strerror(&error));
        zip_error_fini(&error);
        return fail(path + QStringLiteral(" is not a readable zip file: ") + reason);
    }
    const zip_int64_t count = zip_get_num_entries(m_archive, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        const char *name = zip_get_name(m_archive, zip_uint64_t(i), ZIP_FL_ENC_GUESS);
        if (!name)
            continue;
        const QString text = QString::fromUtf8(name);
        if (!text.endsWith(QLatin1Char('/')))
            m_files << text;
    }
    return true;
}

void ZipArchive::close()
{
    if (m_archive)
        zip_discard(m_archive);
    m_archive = nullptr;
    m_files.clear();
}

bool ZipArchive::extract(const QString &name, const QString &target, qint64 maxBytes)
{
    m_tooLarge = false;
    if (!m_archive)
        return fail(QStringLiteral("No zip file is open."));
    std::unique_ptr<zip_file_t, ZipFileCloser> source(zip_fopen(m_archive, name.toUtf8().constData(), ZIP_FL_ENC_GUESS));
    if (!source)
        return fail(name + QStringLiteral(": ") + QString::fromLocal8Bit(zip_strerror(m_archive)));
    // NewOnly creates the file exclusively, so a planted file or link at the path is never written through.
    QFile out(target);
    if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return fail(target + QStringLiteral(": ") + out.errorString());
    char buffer[64 * 1024];
    qint64 written = 0;
    for (;;) {
        const zip_int64_t read = zip_fread(source.get(), buffer, sizeof buffer);
        if (read == 0)
            return true;
        // The sizes an archive declares can lie, so what is actually unpacked is counted.
        written += read > 0 ? read : 0;
        m_tooLarge = written > maxBytes;
        if (read < 0 || m_tooLarge || out.write(buffer, read) != read) {
            const QString reason = m_tooLarge ? QStringLiteral("larger than %1 MB when unzipped").arg(maxBytes / (1024 * 1024))
                                 : read < 0   ? QString::fromLocal8Bit(zip_file_strerror(source.get()))
                                              : out.errorString();
            out.remove();
            return fail(name + QStringLiteral(": ") + reason);
        }
    }
}

} // namespace zel::exchange
