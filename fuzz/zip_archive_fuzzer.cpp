// Any bytes as a zipped product database: listed and, as the import does with an archive of one
// file, each of its first files unzipped.
#include "exchange/zip_archive.h"

#include "fuzz_input.h"

#include <QFile>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    zel::fuzz::makeApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = zel::fuzz::inputFile(QStringLiteral("Fuzz.ZIP"), data, size);
    if (path.isEmpty())
        return 0;
    zel::exchange::ZipArchive archive;
    if (!archive.open(path))
        return 0;
    const QString target = zel::fuzz::inputFolder().filePath(QStringLiteral("Unzipped.ZELPD"));
    // A small limit: a bomb is stopped as the import stops it, without filling the disk each time.
    for (const QString &name : archive.fileNames().mid(0, 4)) {
        archive.extract(name, target, 16 * 1024 * 1024);
        QFile::remove(target);
    }
    return 0;
}
