#include "reports/report_fonts.h"

#include "shell/app_settings.h"
#include "shell/font_settings.h"

namespace zel::reports {

QFont toQFont(const ReportFont &font)
{
    QFont q(font.family);
    q.setPointSizeF(font.pointSize);
    q.setBold(font.bold);
    q.setItalic(font.italic);
    q.setUnderline(font.underline);
    q.setStrikeOut(font.strikeOut);
    q.setHintingPreference(QFont::PreferNoHinting);
    return q;
}

ReportFont reportFont(const AppSettings &settings, const QString &section, const ReportFont &fallback)
{
    if (settings.file(settings::kFontsIni).read(section, QStringLiteral("FontName"), QString()).isEmpty())
        return fallback;
    const FontSettings stored = Gs_Read_Fonts(settings, section);
    ReportFont font;
    font.family = stored.name;
    font.pointSize = stored.size;
    font.bold = stored.bold;
    font.italic = stored.italic;
    font.underline = stored.underline;
    font.strikeOut = stored.strikethru;
    font.color = stored.qColor();
    return font;
}

} // namespace zel::reports
