#pragma once

#include "reports/report_page.h"

#include <QFont>

namespace zel {

class AppSettings;

namespace reports {

QFont toQFont(const ReportFont &font);
// A report section's font from the report font settings; sections without one use the layout's
// own default.
ReportFont reportFont(const AppSettings &settings, const QString &section, const ReportFont &fallback);

} // namespace reports
} // namespace zel
