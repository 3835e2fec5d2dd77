#include "shell/last_used_list.h"

#include "shell/app_settings.h"
#include "shell/registry_store.h"

#include <vector>

namespace zel {

std::array<QString, 10> mShowLastUsed(const AppSettings &settings)
{
    std::array<QString, 10> paths;
    for (int n = 1; n <= 10; ++n) {
        const QString value = settings.read(settings::lastUsed(n));
        if (value != settings::kMissing)
            paths[n - 1] = value;
    }
    return paths;
}

void Gs_Save_Last_Used(const AppSettings &settings, const RegistryStore &registry, const QString &currentPath)
{
    settings.write(settings::LastDBName, currentPath);
    registry.setLastDbName(currentPath);

    std::vector<QString> entries{currentPath};
    bool duplicateDropped = false;
    for (int n = 1; n <= 10; ++n) {
        const QString value = settings.read(settings::lastUsed(n));
        if (!duplicateDropped && value.toUpper() == currentPath.toUpper()) {
            duplicateDropped = true;
            continue;
        }
        if (value != settings::kMissing)
            entries.push_back(value);
    }
    // Keys past the last one written keep their old values, as they always have.
    for (int n = 1; n <= 10 && n <= int(entries.size()); ++n)
        settings.write(settings::lastUsed(n), entries[n - 1]);
}

} // namespace zel
