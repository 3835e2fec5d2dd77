#include "shell/grid_layout_store.h"

#include "shell/app_settings.h"

namespace zel {

namespace {
const QString kSection = QStringLiteral("Layouts");
}

GridLayoutStore::GridLayoutStore(const AppSettings &settings) : m_settings(settings) {}

QByteArray GridLayoutStore::load(const QString &gridName) const
{
    const QString text = m_settings.file(settings::kGridLayoutsFile)
                             .read(kSection, gridName, QString(), IniFile::kUnlimited);
    return QByteArray::fromBase64(text.toLatin1());
}

bool GridLayoutStore::save(const QString &gridName, const QByteArray &layout) const
{
    return m_settings.file(settings::kGridLayoutsFile)
        .write(kSection, gridName, QString::fromLatin1(layout.toBase64()));
}

bool GridLayoutStore::reset(const QString &gridName) const
{
    return m_settings.file(settings::kGridLayoutsFile).removeKey(kSection, gridName);
}

} // namespace zel
