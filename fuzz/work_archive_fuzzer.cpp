// Any bytes as a downloaded archive: the check of what arrived (the names it holds) never crashes,
// and whatever it accepts can be listed again with the same result.
#include "transfer/work_archive.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

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
    const QString path = folder->filePath(QStringLiteral("FUZZ.ZIP"));
    if (!writeFile(path, data, size))
        return 0;
    QString error;
    const auto names = zel::transfer::WorkArchive::entryNames(path, &error);
    if (!names && error.isEmpty())
        std::abort(); // a refusal always says why
    if (names && zel::transfer::WorkArchive::entryNames(path) != names)
        std::abort();
    return 0;
}
