#pragma once

#include <QString>

class QWidget;

namespace zel {
class AppState;
}

namespace zel::reports {

struct ReportParameters;

// Runs the registered report `name` as a screen does: the hourglass while it prepares, its message
// when there is nothing to print, else the preview (parameters.view) or the printer, then its
// closing work. False when nothing was shown.
bool runRegisteredReport(AppState &state, const QString &name, const ReportParameters &parameters, QWidget *parent);

} // namespace zel::reports
