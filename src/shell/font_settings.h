#pragma once

#include <QColor>
#include <QString>
#include <QtGlobal>

namespace zel {

class AppSettings;

// The seven font keys of one screen or report section of ZELFONTSINI.600.
struct FontSettings
{
    QString name = QStringLiteral("Arial");
    int size = 8;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethru = false;
    quint32 color = 0; // red in the lowest byte

    QColor qColor() const { return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF)); }

    bool operator==(const FontSettings &) const = default;
};

// Reads a section's font, after taking over the previous generation's fonts file once.
FontSettings Gs_Read_Fonts(const AppSettings &settings, const QString &section);
// Writes all seven keys of a section.
bool Gs_Write_Fonts(const AppSettings &settings, const QString &section, const FontSettings &font);
// Report sections start with "RPT" and default to a serif face in the font chooser.
bool isReportFontSection(const QString &section);

} // namespace zel
