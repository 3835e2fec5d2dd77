#pragma once

#include "reports/report_page.h"

#include <QFont>

class QRawFont;

namespace zel {

class AppSettings;

namespace reports {

// The font with Qt's per-character fall-back left on: a character the face lacks (an emoji, Greek,
// Cyrillic or CJK in a customer's name) is drawn with an installed font that has it.
QFont toQFont(const ReportFont &font);
// True for a font whose glyphs are only coloured bitmaps (emoji fonts): a PDF cannot embed them,
// so text set in one disappears from a PDF page unless it is drawn as a picture.
bool hasOnlyBitmapGlyphs(const QRawFont &font);
// True when some character of `text` would be drawn, in `font`, from such a bitmap-only font.
bool needsBitmapGlyphs(const QString &text, const QFont &font);
// A report section's font from the report font settings; sections without one use the layout's
// own default.
ReportFont reportFont(const AppSettings &settings, const QString &section, const ReportFont &fallback);

} // namespace reports
} // namespace zel
