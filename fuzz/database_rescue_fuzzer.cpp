// Any bytes as a damaged database, read page by page as a rescue reads it: the schema, every
// table's rows, every index's entries and the rows of pages no table reaches.
#include "db/page_salvage.h"

#include "fuzz_input.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    zel::fuzz::makeApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = zel::fuzz::inputFile(QStringLiteral("Damaged.ZELDB"), data, size);
    if (path.isEmpty())
        return 0;
    zel::db::PageSalvage salvage;
    if (!salvage.open(path))
        return 0;
    qint64 values = 0;
    const auto take = [&](const zel::db::PageSalvage::Row &row) { values += qint64(row.values.size()); };
    for (const zel::db::PageSalvage::Table &table : salvage.tables())
        salvage.walk(table, take);
    for (const zel::db::PageSalvage::Index &index : salvage.indexes())
        salvage.walkIndex(index, [&](const std::vector<QVariant> &key) { values += qint64(key.size()); });
    salvage.looseRows(take);
    return values < 0; // never: keeps the reading from being optimised away
}
