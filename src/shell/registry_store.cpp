#include "shell/registry_store.h"

#include <QSettings>

#include <memory>

namespace zel {

namespace {

const QString kLastDbName = QStringLiteral("Software/TolvaneLtd/ZEL/Locations/LastDBName");

std::unique_ptr<QSettings> openStore(const QString &filePath)
{
    if (filePath.isEmpty())
        return std::make_unique<QSettings>(QStringLiteral("TolvaneLtd"), QStringLiteral("ZEL"));
    return std::make_unique<QSettings>(filePath, QSettings::IniFormat);
}

} // namespace

RegistryStore::RegistryStore(const QString &filePath) : m_filePath(filePath) {}

QString RegistryStore::lastDbName() const
{
    return openStore(m_filePath)->value(kLastDbName).toString().left(300);
}

void RegistryStore::setLastDbName(const QString &path) const
{
    openStore(m_filePath)->setValue(kLastDbName, path);
}

} // namespace zel
