// Any bytes as an Access file: read the way the conversion reads one (tables, columns, every row),
// then converted into a database file, as opening an older database does.
#include "db/jet_conversion.h"
#include "db/jet_reader.h"

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
    // The SQLite driver is a plugin, and plugins need an application object.
    new QCoreApplication(*argc, *argv);
    folder = new QTemporaryDir;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = folder->filePath(QStringLiteral("Fuzz.MDB"));
    if (!writeFile(path, data, size))
        return 0;
    {
        zel::db::JetReader reader;
        if (reader.open(path)) {
            for (const QString &table : reader.tableNames()) {
                reader.columns(table);
                int rows = 0;
                reader.readRows(table, [&rows](const QVariantList &) { return ++rows < 1000; });
            }
        }
    }
    const QString target = folder->filePath(QStringLiteral("Fuzz.ZELDB"));
    QFile::remove(target);
    zel::db::JetConversion::convert(path, target, true);
    return 0;
}
