// Any bytes as a zipped product database: listed and, as the import does with an archive of one
// file, each of its first files unzipped.
#include "exchange/zip_archive.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

namespace {

QTemporaryDir *folder = nullptr;

bool writeFile(const QString &path, const uint8_t *data, size_t size)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(reinterpret_cast<const char *>(data), qint64(size)) == qint64(size);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    new QCoreApplication(*argc, *argv);
    folder = new QTemporaryDir;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = folder->filePath(QStringLiteral("Fuzz.ZIP"));
    if (!writeFile(path, data, size))
        return 0;
    zel::exchange::ZipArchive archive;
    if (!archive.open(path))
        return 0;
    const QString target = folder->filePath(QStringLiteral("Unzipped.ZELPD"));
    for (const QString &name : archive.fileNames().mid(0, 4))
        archive.extract(name, target);
    QFile::remove(target);
    return 0;
}
