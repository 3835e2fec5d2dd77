// Any bytes as an Access file: read the way the conversion reads one (tables, columns, every row),
// then, when it opened, converted into a database file, as opening an older database does (here in
// this process, so that the sanitizers see the copying as well).
#include "db/jet_conversion.h"
#include "db/jet_reader.h"

#include "fuzz_input.h"

#include <QFile>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    zel::fuzz::makeApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = zel::fuzz::inputFile(QStringLiteral("Fuzz.MDB"), data, size);
    if (path.isEmpty())
        return 0;
    {
        zel::db::JetReader reader;
        // The conversion would stop at the same failed open; most inputs end here.
        if (!reader.open(path))
            return 0;
        for (const QString &table : reader.tableNames()) {
            reader.columns(table);
            int rows = 0;
            reader.readRows(table, [&rows](const QVariantList &) { return ++rows < 1000; });
        }
    }
    const QString target = zel::fuzz::inputFolder().filePath(QStringLiteral("Fuzz.ZELDB"));
    QFile::remove(target);
    zel::db::JetConversion::convert(path, target, true, {}, zel::db::JetConversion::Isolation::SameProcess);
    return 0;
}
