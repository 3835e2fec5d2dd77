// Any bytes as a product database (.ZELPD): opened as the import opens one (an SQLite file, or an
// Access file through the Jet reader), its columns looked at and every row read, each catalogue
// number brought to both forms.
#include "exchange/product_source.h"
#include "orders/catalog_number.h"

#include "fuzz_input.h"

#include <QFile>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    zel::fuzz::makeApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = zel::fuzz::inputFile(QStringLiteral("Fuzz.ZELPD"), data, size);
    if (path.isEmpty())
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
