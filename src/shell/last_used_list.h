#pragma once

#include <QString>

#include <array>

namespace zel {

class AppSettings;
class RegistryStore;

// The ten databases last used, most recent first, as the File menu lists them.
// An empty entry is a free place ("Missing" in ZEL.INI).
std::array<QString, 10> mShowLastUsed(const AppSettings &settings);

// Puts the current path first: the others keep their order, a duplicate of it is dropped and the
// eleventh falls off. Also records it as the database to open next time.
void Gs_Save_Last_Used(const AppSettings &settings, const RegistryStore &registry, const QString &currentPath);

} // namespace zel
