#include "reports/ui/invoice_mail_screen.h"

#include "core/prompter.h"
#include "reports/ui/mail_server_dialog.h"
#include "session/app_state.h"
#include "shell/ui/buddy_label.h"
#include "transfer/mail_password.h"
#include "transfer/smtp_sender.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QEventLoop>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <thread>

namespace zel::reports {

using transfer::MailSettings;

namespace {

enum Column { Number, Name, Address, Balance, Status, ColumnCount };

QTableWidgetItem *cell(const QString &text, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto *item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

// Hands each message to the mail server on a thread of its own, while the windows go on drawing
// and Cancel can be pressed: a server may take seconds to answer. The invoice itself is made
// before, on this thread, with the database.
InvoiceMailing::Deliver whileDrawing(InvoiceMailing::Deliver deliver)
{
    return [deliver](const MailRecipient &recipient, const QByteArray &mime) {
        InvoiceMailing::Delivery delivery;
        QEventLoop wait;
        std::thread sending([&] {
            delivery = deliver(recipient, mime);
            QMetaObject::invokeMethod(&wait, &QEventLoop::quit, Qt::QueuedConnection);
        });
        wait.exec();
        sending.join();
        return delivery;
    };
}

} // namespace

InvoiceMailScreen::InvoiceMailScreen(AppState &state, const Campaign &campaign, QWidget *parent)
    : ScreenBase(state, QStringLiteral("Zel_InvoiceMail"), parent), m_year(new QSpinBox(this)), m_number(new QSpinBox(this)),
      m_all(new QRadioButton(QStringLiteral("&All customers with an order"), this)),
      m_marked(new QRadioButton(QStringLiteral("Customers mar&ked by the customer search"), this)), m_list(new QTableWidget(this)),
      m_subject(new QLineEdit(this)), m_body(new QPlainTextEdit(this)), m_summary(new QLabel(this)),
      m_send(new QPushButton(QStringLiteral("&Send..."), this))
{
    setWindowTitle(QStringLiteral("E-mail Invoices"));
    m_year->setRange(1980, 2200);
    m_year->setValue(campaign.year);
    m_number->setRange(1, 99);
    m_number->setValue(campaign.number);
    m_all->setChecked(true);
    m_list->setObjectName(QStringLiteral("grdRecipients"));
    m_list->setAccessibleName(QStringLiteral("Customers and their e-mail addresses"));
    m_list->setColumnCount(ColumnCount);
    m_list->setHorizontalHeaderLabels({QStringLiteral("No."), QStringLiteral("Customer"), QStringLiteral("E-mail address"),
                                       QStringLiteral("Balance"), QStringLiteral("Status")});
    m_list->verticalHeader()->hide();
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setTabKeyNavigation(false); // Tab leaves the list for the next field
    m_list->horizontalHeader()->setSectionResizeMode(Status, QHeaderView::Stretch);
    m_summary->setObjectName(QStringLiteral("lblSummary"));
    m_summary->setWordWrap(true);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(choiceRow());
    layout->addWidget(m_list, 1);
    layout->addWidget(m_summary);
    layout->addWidget(letterBox());
    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(m_send, QDialogButtonBox::AcceptRole);
    m_again = buttons->addButton(QStringLiteral("Send Agai&n to Selected..."), QDialogButtonBox::ActionRole);
    m_again->setToolTip(QStringLiteral("Sends the selected customers' invoices once more, as after a correction."));
    m_again->setAutoDefault(false);
    connect(m_again, &QPushButton::clicked, this, [this] { sendAgain(); });
    QPushButton *server = buttons->addButton(QStringLiteral("Mail Server Settin&gs..."), QDialogButtonBox::ActionRole);
    QPushButton *close = buttons->addButton(QStringLiteral("&Close"), QDialogButtonBox::RejectRole);
    server->setAutoDefault(false);
    close->setAutoDefault(false);
    m_send->setDefault(true);
    // Send stays open on its outcome; only Close (or Escape) leaves.
    connect(m_send, &QPushButton::clicked, this, [this] { send(); });
    connect(server, &QPushButton::clicked, this, [this] {
        MailServerDialog dialog(this->state(), this);
        dialog.exec();
    });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(buttons);

    const QList<QWidget *> order{m_year, m_number, m_all, m_marked, m_list, m_subject, m_body, m_send, m_again, server, close};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    for (QSpinBox *box : {m_year, m_number})
        connect(box, &QSpinBox::valueChanged, this, [this] { refresh(); });
    connect(m_all, &QRadioButton::toggled, this, [this] { refresh(); });
    resize(820, 620);
    setUpScreen();
    refresh();
}

QWidget *InvoiceMailScreen::choiceRow()
{
    auto *row = new QWidget(this);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    m_year->setObjectName(QStringLiteral("spnYear"));
    m_number->setObjectName(QStringLiteral("spnCampaign"));
    m_all->setObjectName(QStringLiteral("optAll"));
    m_marked->setObjectName(QStringLiteral("optMarked"));
    layout->addWidget(buddyLabel(QStringLiteral("&Year:"), m_year, row));
    layout->addWidget(m_year);
    layout->addWidget(buddyLabel(QStringLiteral("Ca&mpaign:"), m_number, row));
    layout->addWidget(m_number);
    layout->addSpacing(16);
    layout->addWidget(m_all);
    layout->addWidget(m_marked);
    layout->addStretch();
    return row;
}

QWidget *InvoiceMailScreen::letterBox()
{
    const MailSettings settings = MailSettings::read(state().settings);
    auto *box = new QGroupBox(QStringLiteral("Letter (kept for next time)"), this);
    auto *form = new QFormLayout(box);
    m_subject->setObjectName(QStringLiteral("txtSubject"));
    m_subject->setText(settings.subject);
    m_body->setObjectName(QStringLiteral("txtBody"));
    m_body->setPlainText(settings.body);
    m_body->setTabChangesFocus(true);
    m_body->setFixedHeight(m_body->fontMetrics().lineSpacing() * 7 + 14);
    form->addRow(buddyLabel(QStringLiteral("S&ubject:"), m_subject, box), m_subject);
    form->addRow(buddyLabel(QStringLiteral("&Text:"), m_body, box), m_body);
    auto *hint = new QLabel(QStringLiteral("{name}, {first}, {balance}, {campaign} and {rep} are filled in for each customer. "
                                           "Her invoice goes with it as a PDF."),
                            box);
    hint->setWordWrap(true);
    form->addRow(hint);
    return box;
}

Campaign InvoiceMailScreen::campaign() const
{
    return {m_year->value(), m_number->value()};
}

void InvoiceMailScreen::refresh()
{
    InvoiceMailing mailing(state(), campaign(), MailSettings::read(state().settings));
    m_recipients = mailing.recipients(m_all->isChecked() ? InvoiceMailing::Choice::AllWithOrder : InvoiceMailing::Choice::Marked);
    showRecipients();
}

void InvoiceMailScreen::showRecipients()
{
    m_list->setRowCount(int(m_recipients.size()));
    int ready = 0;
    for (int row = 0; row < int(m_recipients.size()); ++row) {
        const MailRecipient &r = m_recipients[size_t(row)];
        m_list->setItem(row, Number, cell(QString::number(r.customer), Qt::AlignRight | Qt::AlignVCenter));
        m_list->setItem(row, Name, cell(r.name));
        m_list->setItem(row, Address, cell(r.address));
        m_list->setItem(row, Balance, cell(r.balance.toCurrencyText(), Qt::AlignRight | Qt::AlignVCenter));
        m_list->setItem(row, Status, cell(r.stateText()));
        ready += r.state == MailRecipient::State::Ready ? 1 : 0;
    }
    m_list->resizeColumnsToContents();
    m_summary->setText(QStringLiteral("%1 of %2 listed customers will get their invoice.").arg(ready).arg(m_recipients.size()));
    m_send->setEnabled(ready > 0);
}

void InvoiceMailScreen::showOutcomes(const std::vector<MailOutcome> &outcomes)
{
    int counts[5] = {};
    for (const MailOutcome &o : outcomes) {
        ++counts[int(o.result)];
        for (int row = 0; row < m_list->rowCount(); ++row)
            if (m_list->item(row, Number)->text().toInt() == o.customer)
                m_list->setItem(row, Status, cell(o.detail.isEmpty() ? o.resultText() : o.resultText() + QStringLiteral(": ") + o.detail));
    }
    using R = MailOutcome::Result;
    m_summary->setText(QStringLiteral("Sent %1, failed %2, not sent %3, skipped %4. Send again to retry the ones not sent.")
                           .arg(counts[int(R::Sent)])
                           .arg(counts[int(R::Failed)])
                           .arg(counts[int(R::NotSent)])
                           .arg(counts[int(R::Skipped)]));
    m_send->setEnabled(counts[int(R::Failed)] + counts[int(R::NotSent)] > 0);
}

void InvoiceMailScreen::saveLetter()
{
    MailSettings settings = MailSettings::read(state().settings);
    if (settings.subject == m_subject->text() && settings.body == m_body->toPlainText())
        return;
    settings.subject = m_subject->text();
    settings.body = m_body->toPlainText();
    settings.write(state().settings);
}

std::optional<QString> InvoiceMailScreen::password(const MailSettings &settings)
{
    if (settings.user.isEmpty())
        return QString();
    QString error;
    if (std::optional<QString> stored = transfer::MailPassword::read(settings.passwordKey(), &error))
        return stored;
    state().prompter.information(error + QStringLiteral("\n\nEnter the password in the Mail Server Settings."));
    return std::nullopt;
}

bool InvoiceMailScreen::send()
{
    saveLetter();
    // The list may be stale (a send of another window, a customer changed): send to what is true now.
    refresh();
    return sendTo(m_recipients, QStringLiteral("Send %1 invoice(s) of campaign %2-%3 by e-mail?"));
}

bool InvoiceMailScreen::sendAgain()
{
    std::vector<int> chosen;
    for (const QModelIndex &row : m_list->selectionModel()->selectedRows(Number))
        chosen.push_back(m_list->item(row.row(), Number)->text().toInt());
    if (chosen.empty()) {
        state().prompter.information(QStringLiteral("Select in the list the customers whose invoice should go once more."));
        return false;
    }
    saveLetter();
    InvoiceMailing mailing(state(), campaign(), MailSettings::read(state().settings));
    const auto choice = m_all->isChecked() ? InvoiceMailing::Choice::AllWithOrder : InvoiceMailing::Choice::Marked;
    return sendTo(mailing.recipients(choice, chosen, true), QStringLiteral("Send %1 invoice(s) of campaign %2-%3 again by e-mail?"));
}

bool InvoiceMailScreen::sendTo(const std::vector<MailRecipient> &recipients, const QString &question)
{
    const MailSettings settings = MailSettings::read(state().settings);
    if (const QString problem = settings.problem(); !problem.isEmpty()) {
        state().prompter.information(problem);
        return false;
    }
    const auto ready = std::count_if(recipients.begin(), recipients.end(),
                                     [](const MailRecipient &r) { return r.state == MailRecipient::State::Ready; });
    if (ready == 0 || !state().prompter.askYesNo(question.arg(ready).arg(campaign().number).arg(campaign().year)))
        return false;
    const std::optional<QString> secret = password(settings);
    if (!secret)
        return false;

    QProgressDialog progress(QStringLiteral("Preparing..."), QStringLiteral("Cancel"), 0, int(ready), this);
    progress.setWindowTitle(QStringLiteral("Sending Invoices"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    progress.setAutoReset(false);
    InvoiceMailing mailing(state(), campaign(), settings);
    const transfer::SmtpSender sender(settings, *secret);
    const auto step = [&progress](int done, int total, const MailRecipient &r) {
        progress.setValue(done);
        progress.setLabelText(QStringLiteral("Sending %1 of %2: %3 <%4>").arg(done + 1).arg(total).arg(r.name, r.address));
        QApplication::processEvents();
        return !progress.wasCanceled();
    };
    const std::vector<MailOutcome> outcomes =
        mailing.run(recipients, whileDrawing(InvoiceMailing::smtpDelivery(sender, settings.senderAddress)), true, step);
    progress.close();
    showOutcomes(outcomes);
    return std::any_of(outcomes.begin(), outcomes.end(), [](const MailOutcome &o) { return o.result == MailOutcome::Result::Sent; });
}

void InvoiceMailScreen::finishClosing()
{
    saveLetter();
}

} // namespace zel::reports
