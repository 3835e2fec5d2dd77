#pragma once

#include "reports/ui/report_tab.h"

#include <functional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QPushButton;

namespace zel::reports {

// Tab 2: the campaign's combined order, its layouts and data file, and the web submission buttons.
class OrderSummaryTab : public ReportTab
{
    Q_OBJECT
public:
    explicit OrderSummaryTab(QWidget *parent = nullptr);
    QString reportName() const override { return QStringLiteral("order-summary"); }
    void fill(ReportParameters &parameters) const override;
    void resetDefaults() override;

    // The submit buttons show once something can open the submission screens; clicking one asks
    // the screen to build the summary and calls `submit` with "US", "AU" or "CA".
    void setSubmitHandler(std::function<void(const QString &country)> submit);
    // Puts the keyboard on the Submit button of `country` ("US", "AU", "CA"; another: the first).
    void focusSubmit(const QString &country);

private:
    QButtonGroup *m_kind;
    QButtonGroup *m_summary;
    QButtonGroup *m_sort;
    QCheckBox *m_noPages;
    QComboBox *m_output;
    std::vector<QPushButton *> m_submit;
    std::function<void(const QString &)> m_submitHandler;
};

} // namespace zel::reports
