#include "shell/app_settings.h"

#include <QDir>

namespace zel {

AppSettings::AppSettings(const QString &folder) : m_folder(folder) {}

QString AppSettings::read(const IniKey &key) const
{
    return file(key.file).read(key.section, key.key, key.defaultValue, key.maxChars);
}

bool AppSettings::write(const IniKey &key, const QString &value) const
{
    return file(key.file).write(key.section, key.key, value);
}

IniFile AppSettings::file(const QString &fileName) const
{
    return IniFile(filePath(fileName));
}

QString AppSettings::filePath(const QString &fileName) const
{
    return QDir(m_folder).filePath(fileName);
}

bool AppSettings::resetAllScreens() const
{
    return file(settings::kScreenSizesIni).remove();
}

bool AppSettings::resetAllGrids() const
{
    const bool choices = file(settings::kGridLayoutIni).remove();
    const bool layouts = file(settings::kGridLayoutsFile).remove();
    return choices && layouts;
}

} // namespace zel
