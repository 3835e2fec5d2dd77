#include "shell/app_settings.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace zel {

AppSettings::AppSettings(const QString &folder) : m_folder(folder)
{
    removeStaleTemporaries();
}

// A settings file is written to NAME.XXXXXX and renamed over NAME; a run killed between the two
// leaves the temporary behind. One older than a minute belongs to no write still going on.
void AppSettings::removeStaleTemporaries() const
{
    // Only settings files' temporaries: nothing else of the folder is ever touched.
    static const QRegularExpression temporary(QStringLiteral("^(.+\\.(ini|600|grx))\\.[A-Za-z0-9]{6}$"),
                                              QRegularExpression::CaseInsensitiveOption);
    const QDateTime stale = QDateTime::currentDateTime().addSecs(-60);
    const QDir dir(m_folder);
    for (const QFileInfo &file : dir.entryInfoList(QDir::Files | QDir::Hidden)) {
        const QRegularExpressionMatch match = temporary.match(file.fileName());
        if (match.hasMatch() && dir.exists(match.captured(1)) && file.lastModified() < stale
            && QFileInfo(dir.filePath(match.captured(1))).isFile())
            QFile::remove(file.absoluteFilePath());
    }
}

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
