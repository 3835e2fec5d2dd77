#include "reports/report_fonts.h"

#include "shell/app_settings.h"
#include "shell/font_settings.h"

#include <QGlyphRun>
#include <QHash>
#include <QRawFont>
#include <QTextLayout>

#include <algorithm>

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
    // Never NoFontMerging: a report prints every character it is given.
    q.setStyleStrategy(QFont::PreferDefault);
    return q;
}

bool hasOnlyBitmapGlyphs(const QRawFont &font)
{
    // Asked once per face: reading font tables is not free, and a page asks for every text.
    static QHash<QString, bool> known;
    const QString face = font.familyName() + QLatin1Char('/') + font.styleName();
    const auto found = known.constFind(face);
    if (found != known.constEnd())
        return *found;
    const bool bitmapOnly = font.isValid() && font.fontTable("glyf").isEmpty() && font.fontTable("CFF ").isEmpty()
                         && font.fontTable("CFF2").isEmpty()
                         && !(font.fontTable("CBDT").isEmpty() && font.fontTable("sbix").isEmpty());
    known.insert(face, bitmapOnly);
    return bitmapOnly;
}

bool needsBitmapGlyphs(const QString &text, const QFont &font)
{
    // Letters of every alphabet lie below the symbols and never come from an emoji font; most of
    // a report is such text and needs no layout here.
    const bool lettersOnly = std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x2000; });
    if (lettersOnly)
        return false;
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    return std::any_of(runs.cbegin(), runs.cend(), [](const QGlyphRun &run) { return hasOnlyBitmapGlyphs(run.rawFont()); });
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
