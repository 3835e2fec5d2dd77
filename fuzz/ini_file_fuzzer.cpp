// Any bytes as an INI file: reading never crashes, and a key written is the key read back,
// with every other key of the file left as it was.
#include "shell/ini_file.h"

#include "fuzz_input.h"

#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

namespace {

using zel::IniFile;

// (section, key) pairs the program really reads, plus whatever the file itself names.
std::vector<std::pair<QString, QString>> keysToRead(const QByteArray &bytes)
{
    std::vector<std::pair<QString, QString>> keys = {
        {"Locations", "LastDBName"}, {"Locations", "Last1"}, {"ProgramStatus", "LastStatus"},
        {"ScreenSizes", "Zel_Main-Left"}, {"INITIAL", "COPIED"}, {"RPTInvoice", "FontName"}};
    QString section;
    for (const QByteArray &raw : bytes.split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith('[') && line.contains(']'))
            section = line.mid(1, line.indexOf(']') - 1).trimmed();
        else if (line.contains('=') && keys.size() < 24)
            keys.emplace_back(section, line.left(line.indexOf('=')).trimmed());
    }
    return keys;
}

void fail(const char *what, const QString &section, const QString &key, const QString &got)
{
    std::fprintf(stderr, "%s: [%s] %s read back as \"%s\"\n", what, qPrintable(section), qPrintable(key),
                 qPrintable(got));
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = zel::fuzz::inputFile(QStringLiteral("fuzz.ini"), data, size);
    if (path.isEmpty())
        return 0;
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const IniFile ini(path);
    const auto keys = keysToRead(bytes);
    std::vector<QString> before;
    for (const auto &[section, key] : keys)
        before.push_back(ini.read(section, key, QStringLiteral("<default>"), IniFile::kUnlimited));

    const QString section = QStringLiteral("Locations"), key = QStringLiteral("LastDBName");
    const QString value = QStringLiteral("/home/rep/Business 2008.ZELDB");
    if (!ini.write(section, key, value))
        return 0;
    const QString written = ini.read(section, key, QString(), IniFile::kPathChars);
    if (written != value)
        fail("written value lost", section, key, written);
    for (size_t i = 0; i < keys.size(); ++i) {
        const auto &[otherSection, otherKey] = keys[i];
        if (otherSection.compare(section, Qt::CaseInsensitive) == 0 && otherKey.compare(key, Qt::CaseInsensitive) == 0)
            continue;
        const QString after = ini.read(otherSection, otherKey, QStringLiteral("<default>"), IniFile::kUnlimited);
        if (after != before[i])
            fail("another key changed", otherSection, otherKey, after);
    }
    ini.removeKey(section, QStringLiteral("Last1"));
    return 0;
}
