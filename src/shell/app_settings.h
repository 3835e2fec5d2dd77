#pragma once

#include "shell/ini_file.h"
#include "shell/settings_keys.h"

namespace zel {

// The settings files of the application folder, read and written key by key.
class AppSettings
{
public:
    explicit AppSettings(const QString &folder);

    QString read(const IniKey &key) const;
    bool write(const IniKey &key, const QString &value) const;

    IniFile file(const QString &fileName) const;
    QString filePath(const QString &fileName) const;
    const QString &folder() const { return m_folder; }

    // "Reset All Screens": forget every saved screen position.
    bool resetAllScreens() const;
    // "Reset All Grids": forget every grid choice and column layout.
    bool resetAllGrids() const;

private:
    void removeStaleTemporaries() const;

    QString m_folder;
};

} // namespace zel
