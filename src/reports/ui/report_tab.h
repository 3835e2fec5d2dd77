#pragma once

#include <QWidget>

namespace zel {

class AppState;

namespace reports {

struct ReportParameters;

// One report's page of the report screen: its own choices. The screen adds the campaign and the
// helper filter and runs the report the page names; a new report is a new page class.
class ReportTab : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;

    // The registered report the page runs ("order-summary").
    virtual QString reportName() const = 0;
    // Puts the page's choices into the parameters.
    virtual void fill(ReportParameters &parameters) const = 0;
    // Puts every choice back to its default.
    virtual void resetDefaults() = 0;
    // Why the page's choices cannot be run as they stand; empty when they can.
    virtual QString problem() const { return {}; }
};

} // namespace reports
} // namespace zel
