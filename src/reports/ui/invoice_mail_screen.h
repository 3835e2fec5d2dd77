#pragma once

#include "core/campaign.h"
#include "reports/invoice_mailing.h"
#include "shell/ui/screen_base.h"

#include <vector>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableWidget;

namespace zel::reports {

// Mails a campaign's invoices: choose the campaign and the customers, look at the list with the
// addresses, edit the letter once, send. The list then shows what became of each message. The
// work is InvoiceMailing's; this screen only reads its fields and shows the outcome.
class InvoiceMailScreen : public ScreenBase
{
    Q_OBJECT
public:
    InvoiceMailScreen(AppState &state, const Campaign &campaign, QWidget *parent = nullptr);

    // Sends to the listed customers that are to be sent (after asking); false when nothing was sent.
    bool send();
    // The selected customers' invoices once more, already sent or not (a corrected invoice).
    bool sendAgain();
    void refresh();
    const std::vector<MailRecipient> &recipients() const { return m_recipients; }

protected:
    void finishClosing() override;

private:
    QWidget *choiceRow();
    QWidget *letterBox();
    Campaign campaign() const;
    void showRecipients();
    void showOutcomes(const std::vector<MailOutcome> &outcomes);
    void saveLetter();
    std::optional<QString> password(const transfer::MailSettings &settings);
    bool sendTo(const std::vector<MailRecipient> &recipients, const QString &question);

    QSpinBox *m_year;
    QSpinBox *m_number;
    QRadioButton *m_all;
    QRadioButton *m_marked;
    QTableWidget *m_list;
    QLineEdit *m_subject;
    QPlainTextEdit *m_body;
    QLabel *m_summary;
    QPushButton *m_send;
    QPushButton *m_again = nullptr;
    std::vector<MailRecipient> m_recipients;
};

} // namespace zel::reports
