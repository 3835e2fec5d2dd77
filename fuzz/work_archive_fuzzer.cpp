// Any bytes as a downloaded archive: the check of what arrived (the names it holds) never crashes,
// and whatever it accepts can be listed again with the same result.
#include "transfer/work_archive.h"

#include "fuzz_input.h"

#include <QFile>

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    zel::fuzz::makeApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = zel::fuzz::inputFile(QStringLiteral("FUZZ.ZIP"), data, size);
    if (path.isEmpty())
        return 0;
    QString error;
    const auto names = zel::transfer::WorkArchive::entryNames(path, &error);
    if (!names && error.isEmpty())
        std::abort(); // a refusal always says why
    if (names && zel::transfer::WorkArchive::entryNames(path) != names)
        std::abort();
    return 0;
}
