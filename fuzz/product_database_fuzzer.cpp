// Any bytes as a product database (.ZELPD): opened as the import opens one (an SQLite file, or an
// Access file through the Jet reader), its columns looked at and every row read, each catalogue
// number brought to both forms.
#include "exchange/product_source.h"
#include "orders/catalog_number.h"

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
    const QString path = folder->filePath(QStringLiteral("Fuzz.ZELPD"));
    if (!writeFile(path, data, size))
        return 0;
    zel::exchange::ProductSource source;
    if (!source.open(path))
        return 0;
    source.hasCampaignColumns();
    const int catalog = source.columnIndex(QStringLiteral("Products Catalog Number"));
    int rows = 0;
    source.readRows([&](const QVariantList &row) {
        const QString number = row.value(catalog).toString();
        zel::normalCatalogNumber(number, true);
        zel::normalCatalogNumber(number, false);
        return ++rows < 1000;
    });
    return 0;
}
