#include "reports/ui/invoice_mail_screen.h"
#include "reports/ui/mail_server_dialog.h"

#include "mnemonic_check.h"
#include "reports/report_rows.h"
#include "test_support.h"
#include "transfer/smtp_test_server.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

#include <gtest/gtest.h>

using namespace zel;
using namespace zel::test;
using zel::reports::InvoiceMailScreen;
using zel::reports::MailServerDialog;

namespace {

class InvoiceMailScreenTest : public OpenDatabaseTest
{
protected:
    void SetUp() override
    {
        QStringList rows{customer(1, "Ann", "Adams"), customer(2, "Bea", "Brown"),
                         "Update Customers Set [Customers Email] = 'ann@example.com' Where [Customers Number] = 1"};
        rows << order(1, 2008, 5, 25) << order(2, 2008, 5, 30)
             << "Update Orders Set [Orders Include On Order] = -1";
        open(rows);
    }
    QString status(const InvoiceMailScreen &screen, int row) const
    {
        return screen.findChild<QTableWidget *>("grdRecipients")->item(row, 4)->text();
    }
};

// Every field can be reached by its label's letter or is named for a screen reader.
void expectNamedInputs(const QWidget &window)
{
    QSet<const QWidget *> buddies;
    for (const QLabel *label : window.findChildren<QLabel *>())
        if (label->buddy())
            buddies.insert(label->buddy());
    for (const QWidget *w : window.findChildren<QWidget *>()) {
        const bool input = qobject_cast<const QLineEdit *>(w) || qobject_cast<const QAbstractSpinBox *>(w)
                        || qobject_cast<const QComboBox *>(w) || qobject_cast<const QPlainTextEdit *>(w)
                        || qobject_cast<const QTableWidget *>(w);
        if (input && !w->parentWidget()->inherits("QAbstractSpinBox") && !w->parentWidget()->inherits("QComboBox")) {
            EXPECT_TRUE(buddies.contains(w) || !w->accessibleName().isEmpty()) << qPrintable(w->objectName());
        }
    }
}

} // namespace

TEST_F(InvoiceMailScreenTest, TheListShowsAddressesFirstAndTheScreenFitsTheKeyboardAndASmallDisplay)
{
    InvoiceMailScreen screen(*app.state, {2008, 5});
    ASSERT_EQ(screen.recipients().size(), 2u);
    EXPECT_EQ(status(screen, 0), QStringLiteral("To send"));
    EXPECT_EQ(status(screen, 1), QStringLiteral("No e-mail address"));
    screen.show();
    EXPECT_EQ(repeatedMnemonics(&screen), QStringList());
    expectNamedInputs(screen);
    EXPECT_LE(screen.minimumSizeHint().width(), 1024);
    EXPECT_LE(screen.minimumSizeHint().height(), 740);

    screen.findChild<QSpinBox *>("spnCampaign")->setValue(4);
    EXPECT_TRUE(screen.recipients().empty());

    MailServerDialog dialog(*app.state);
    dialog.show();
    EXPECT_EQ(repeatedMnemonics(&dialog), QStringList());
    expectNamedInputs(dialog);
    auto *security = dialog.findChild<QComboBox *>("cboSecurity");
    security->setCurrentIndex(1);
    EXPECT_EQ(dialog.findChild<QSpinBox *>("spnPort")->value(), 465) << "the port follows the security it was usual for";
    dialog.accept(); // no server yet: it stays open and says why
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(app.prompter.messages().empty());
}

TEST_F(InvoiceMailScreenTest, SendingShowsEachOutcomeAndOffersOnlyTheUnsentAgain)
{
    SmtpTestServer server(SmtpTestServer::Behaviour{SmtpTestServer::Mode::Plain, {}, {}, false});
    if (!server.unavailable().isEmpty())
        GTEST_SKIP() << qPrintable(server.unavailable());
    ASSERT_TRUE(server.settings().write(app.state->settings));
    InvoiceMailScreen screen(*app.state, {2008, 5});
    screen.findChild<QLineEdit *>("txtSubject")->setText("Invoice {campaign}");
    app.prompter.queueAnswer(Answer::Yes);
    ASSERT_TRUE(screen.send());
    EXPECT_EQ(status(screen, 0), QStringLiteral("sent"));
    EXPECT_EQ(server.messages().size(), 1);
    EXPECT_EQ(parseMessage(server.messages()[0], app.path("a.pdf")).value("subject"), QStringLiteral("Invoice 5-2008"));
    EXPECT_EQ(transfer::MailSettings::read(app.state->settings).subject, QStringLiteral("Invoice {campaign}")) << "the letter is kept";

    screen.refresh();
    EXPECT_EQ(status(screen, 0), QStringLiteral("Already sent"));
    EXPECT_FALSE(screen.send());
    EXPECT_EQ(server.messages().size(), 1);

    // Sending again needs a chosen row, and then goes to that customer only.
    auto *list = screen.findChild<QTableWidget *>("grdRecipients");
    list->clearSelection();
    EXPECT_FALSE(screen.sendAgain());
    EXPECT_EQ(server.messages().size(), 1);
    list->selectRow(0);
    app.prompter.queueAnswer(Answer::Yes);
    ASSERT_TRUE(screen.sendAgain());
    EXPECT_EQ(server.messages().size(), 2);
    EXPECT_EQ(status(screen, 0), QStringLiteral("sent"));
}
