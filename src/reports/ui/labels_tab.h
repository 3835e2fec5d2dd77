#pragma once

#include "reports/ui/report_tab.h"

#include <array>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QSpinBox;
class QLineEdit;

namespace zel::reports {

// Tab 6: mailing labels. "Selection" chooses the customers and the sheet, "Format" what each of
// the four lines shows, the sort, the custom message and the return address of type D.
class LabelsTab : public ReportTab
{
    Q_OBJECT
public:
    explicit LabelsTab(QWidget *parent = nullptr);
    QString reportName() const override { return QStringLiteral("labels"); }
    void fill(ReportParameters &parameters) const override;
    void resetDefaults() override;

private:
    QWidget *selectionPage();
    QWidget *formatPage();

    QButtonGroup *m_size;
    QButtonGroup *m_ordered;
    QCheckBox *m_printLabel, *m_searchLabel, *m_suppressEmpty;
    QSpinBox *m_firstLabel = nullptr; // where on a partly used sheet printing starts
    QComboBox *m_books;
    QLineEdit *m_status, *m_brochureStatuses, *m_brochureTypes, *m_message;
    std::array<QComboBox *, 4> m_lines{};
    std::array<QComboBox *, 3> m_sorts{};
    std::array<QLineEdit *, 4> m_returnLines{};
};

} // namespace zel::reports
