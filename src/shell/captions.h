#pragma once

#include <QString>

namespace zel {

// Designed captions carry "####" for the word Campaign and "@@@@@" for the company's name.
QString Gs_Caption_Replace(const QString &caption);
// Tooltips carry only the campaign placeholder.
QString Gs_Tooltip_Replace(const QString &tooltip);

// "ZEL  (Campaign 5 For 2008) - Version 5.11.5"; empty when the campaign number is 0.
QString Gs_Window_Title(int campaignNumber, int campaignYear, const QString &version);

} // namespace zel
