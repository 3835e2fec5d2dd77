#pragma once

#include "shell/ui/screen_base.h"

#include <functional>
#include <vector>

class QComboBox;
class QTabWidget;

namespace zel::reports {

class OrderSummaryTab;
class ReportTab;

// The report selection screen (Zel_Reports): twenty reports on one tab each, the campaign and
// business-helper choices they share, "&View" and "&Print". Choices are kept in ZELRPTOPTSINI.600.
class ReportsScreen : public ScreenBase
{
    Q_OBJECT
public:
    static constexpr int kTabCount = 20;
    static constexpr int kOrderSummaryTab = 2;

    explicit ReportsScreen(AppState &state, QWidget *parent = nullptr);

    // What the order summary's submit buttons open, with "US", "AU" or "CA"; the buttons stay
    // hidden until it is set.
    void setTransmitOpener(std::function<void(const QString &country)> open);

    QTabWidget *tabs() const { return m_tabs; }
    // Runs the current tab's report: preview (View) or printer.
    void runReport(bool view);
    // The shared choices as set now: the campaign (0 for a blank entry) and the helper filter text.
    int selectedYear() const;
    int selectedNumber() const;
    QString helperChoice() const;
    // "Reset all Options / Check Boxes to defaults".
    void resetToDefaults();
    // Moves the selected campaign number one step, within the year.
    void stepCampaign(int step);

protected:
    void finishClosing() override;

private:
    QWidget *campaignRow();
    QWidget *buttonRow();
    void addTabs();
    void loadHelpers();
    void submit(const QString &country);
    ReportTab *currentTab() const;

    QTabWidget *m_tabs;
    QComboBox *m_year;
    QComboBox *m_number;
    QComboBox *m_helper;
    OrderSummaryTab *m_orderSummary = nullptr;
    std::vector<ReportTab *> m_reportTabs;
    std::function<void(const QString &)> m_transmitOpener;
};

} // namespace zel::reports
