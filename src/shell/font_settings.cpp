#include "shell/font_settings.h"

#include "shell/app_settings.h"

#include <QFile>

namespace zel {

namespace {

// The older fonts file replaces ours once; when it is absent there is nothing to take over,
// but the take-over still counts as done so it is not tried at every read.
void takeOverOldFonts(const AppSettings &settings)
{
    if (settings.read(settings::FontsCopied).compare(QLatin1String("N"), Qt::CaseInsensitive) != 0)
        return;
    const QString oldPath = settings.filePath(settings::kOldFontsIni);
    const QString newPath = settings.filePath(settings::kFontsIni);
    if (QFile::exists(oldPath)) {
        QFile::remove(newPath);
        QFile::copy(oldPath, newPath);
        QFile(newPath).setPermissions(QFile(newPath).permissions() | QFileDevice::WriteOwner);
    }
    settings.write(settings::FontsCopied, QStringLiteral("Y"));
}

bool readFlag(const IniFile &file, const QString &section, const char *key)
{
    return file.read(section, QLatin1String(key), QStringLiteral("0")).toInt() != 0;
}

QString flag(bool on)
{
    return on ? QStringLiteral("-1") : QStringLiteral("0");
}

} // namespace

FontSettings Gs_Read_Fonts(const AppSettings &settings, const QString &section)
{
    takeOverOldFonts(settings);
    const IniFile file = settings.file(settings::kFontsIni);
    FontSettings font;
    font.name = file.read(section, QStringLiteral("FontName"), QStringLiteral("Arial"));
    bool ok = false;
    const double size = file.read(section, QStringLiteral("FontSize"), QStringLiteral("8")).toDouble(&ok);
    font.size = ok && size > 0 ? qRound(size) : 8;
    font.bold = readFlag(file, section, "FontBold");
    font.italic = readFlag(file, section, "FontItalic");
    font.underline = readFlag(file, section, "FontUnderline");
    font.strikethru = readFlag(file, section, "FontStrikethru");
    font.color = file.read(section, QStringLiteral("FontColor"), QStringLiteral("0")).toUInt();
    return font;
}

bool Gs_Write_Fonts(const AppSettings &settings, const QString &section, const FontSettings &font)
{
    const IniFile file = settings.file(settings::kFontsIni);
    return file.write(section, QStringLiteral("FontName"), font.name)
        && file.write(section, QStringLiteral("FontSize"), QString::number(font.size))
        && file.write(section, QStringLiteral("FontBold"), flag(font.bold))
        && file.write(section, QStringLiteral("FontItalic"), flag(font.italic))
        && file.write(section, QStringLiteral("FontUnderline"), flag(font.underline))
        && file.write(section, QStringLiteral("FontStrikeThru"), flag(font.strikethru))
        && file.write(section, QStringLiteral("FontColor"), QString::number(font.color));
}

bool isReportFontSection(const QString &section)
{
    return section.startsWith(QLatin1String("RPT"), Qt::CaseInsensitive);
}

} // namespace zel
