#pragma once

#include <QString>

namespace zel {

// The few values mirrored outside the settings files (a per-machine store in the original program).
// With a file path the values live in that INI file; without one in the desktop's native store.
class RegistryStore
{
public:
    explicit RegistryStore(const QString &filePath = {});

    QString lastDbName() const;
    void setLastDbName(const QString &path) const;

private:
    QString m_filePath;
};

} // namespace zel
