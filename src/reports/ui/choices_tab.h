#pragma once

#include "reports/report.h"
#include "reports/ui/report_tab.h"

#include <QSet>

#include <vector>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLineEdit;

namespace zel::customers {
struct CustomerChoice;
}

namespace zel::reports {

// The page of a report whose choices are the ones it declares for the command line: a list for a
// choice of words, a check box for yes/no and for a flag, a text box for a free value. The screen
// and `zel report NAME` thus offer the same choices with the same defaults (the first word).
class ChoicesTab : public ReportTab
{
    Q_OBJECT
public:
    // `taken`: the letters the screen already uses as mnemonics, kept clear on this page.
    ChoicesTab(const Report &report, const QString &note, const QSet<QChar> &taken, QWidget *parent = nullptr);
    QString reportName() const override { return m_name; }
    void fill(ReportParameters &parameters) const override;
    void resetDefaults() override;
    QString problem() const override;
    // Fills the customer list of a report printed for one customer or all: chosen by name or typed
    // by number.
    void offerCustomers(const std::vector<customers::CustomerChoice> &customers);
    // The customer chosen: 0 for every customer, -1 for a text that names none.
    int chosenCustomer() const;

    // "--order-by" → "Order By"; "not-deposited" → "Not Deposited".
    static QString captionOf(const QString &word);

private:
    struct Field
    {
        ReportChoice choice;
        QComboBox *list = nullptr;
        QCheckBox *box = nullptr;
        QLineEdit *text = nullptr;
    };
    QString withMnemonic(const QString &caption);
    QString objectNameOf(const ReportChoice &choice) const;
    static bool isYesNo(const ReportChoice &choice);

    void addReportInputs(const Report &report, QFormLayout *form);

    QString m_name;
    QComboBox *m_customer = nullptr; // blank: every customer
    QCheckBox *m_short = nullptr;
    std::vector<Field> m_fields;
    QSet<QChar> m_taken;
};

} // namespace zel::reports
