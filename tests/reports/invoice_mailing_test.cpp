#include "db/database_check.h"
#include "db/schema.h"
#include "reports/invoice_mail_record.h"
#include "reports/invoice_mailing.h"
#include "transfer/smtp_sender.h"

#include "report_rows.h"
#include "test_support.h"
#include "transfer/smtp_test_server.h"

#include <gtest/gtest.h>

using namespace zel;
using namespace zel::reports;
using zel::test::SmtpTestServer;
using zel::test::TempApp;

namespace {

using Result = MailOutcome::Result;

// Ann and Zoë have an address and an order in campaign 5 of 2008, Cora an order but no address,
// Dina an address but her order is in campaign 4; Erin orders too.
class InvoiceMailingTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QStringList rows{test::customer(1, "Ann", "Adams"), test::customer(2, "Zoë", "Brown"), test::customer(3, "Cora", "Cole"),
                         test::customer(4, "Dina", "Diaz"), test::customer(5, "Erin", "Eve"),
                         "Update Customers Set [Customers Email] = Lower([Customers First Name]) || '@example.com' Where "
                         "[Customers Number] <> 3",
                         "Update Customers Set [Customers Email] = 'zoe@example.com' Where [Customers Number] = 2",
                         "Update Customers Set [Customers Label Flag 2] = 'Y' Where [Customers Number] In (3, 4)"};
        rows << test::order(1, 2008, 5, 25) << test::order(2, 2008, 5, 30) << test::order(3, 2008, 5, 12)
             << test::order(4, 2008, 4, 40) << test::order(5, 2008, 5, 18) << test::payment(1, 2008, 5, -5)
             << "Update Orders Set [Orders Include On Order] = -1";
        path = app.makeZelDatabase("Shop.ZELDB", rows);
        ASSERT_TRUE(app.state->database.open(path));
        app.state->databasePath = path;
        app.state->databaseState = AppState::DatabaseState::Open;
        app.state->options.RepName = "Ruth Rep";
        app.state->options.CurrentCampaignYear = 2008;
        app.state->options.CurrentCampaignNumber = 5;
    }

    InvoiceMailing mailing(transfer::MailSettings settings)
    {
        settings.subject = "Invoice for {name}";
        settings.body = "Dear {first},\nyour balance is {balance}.\n{rep}";
        return InvoiceMailing(*app.state, kCampaign, settings);
    }
    // Sends to every customer with an order; the outcomes by customer number.
    std::map<int, MailOutcome> send(const SmtpTestServer &server, const QString &password = SmtpTestServer::kPassword,
                                    const InvoiceMailing::Progress &progress = {})
    {
        InvoiceMailing run = mailing(server.settings());
        const transfer::SmtpSender sender(server.settings(), password);
        std::map<int, MailOutcome> byCustomer;
        for (const MailOutcome &o : run.run(run.recipients(InvoiceMailing::Choice::AllWithOrder),
                                            InvoiceMailing::smtpDelivery(sender, server.settings().senderAddress), true, progress))
            byCustomer[o.customer] = o;
        return byCustomer;
    }
    QStringList recipientsOf(const SmtpTestServer &server) const
    {
        QStringList to;
        for (const QString &file : server.messages())
            to << SmtpTestServer::envelopeRecipient(file);
        return to;
    }

    static constexpr Campaign kCampaign{2008, 5};
    TempApp app;
    QString path;
};

#define SKIP_WITHOUT(server)                                                                                                   \
    if (!(server).unavailable().isEmpty())                                                                                     \
    GTEST_SKIP() << qPrintable((server).unavailable())

} // namespace

TEST_F(InvoiceMailingTest, TheChoiceListsEveryCustomerWithWhySheIsOrIsNotSent)
{
    InvoiceMailing run = mailing({});
    std::vector<MailRecipient> all = run.recipients(InvoiceMailing::Choice::AllWithOrder);
    ASSERT_EQ(all.size(), 4u); // by last name; Dina ordered in another campaign
    EXPECT_EQ(all[0].name, QStringLiteral("Ann Adams"));
    EXPECT_EQ(all[0].balance.toCurrencyText(), QStringLiteral("$20.00"));
    EXPECT_EQ(all[1].name, QStringLiteral("Zoë Brown"));
    EXPECT_EQ(all[2].state, MailRecipient::State::NoAddress);
    EXPECT_EQ(all[3].state, MailRecipient::State::Ready);

    const std::vector<MailRecipient> marked = run.recipients(InvoiceMailing::Choice::Marked);
    ASSERT_EQ(marked.size(), 2u);
    EXPECT_EQ(marked[0].state, MailRecipient::State::NoAddress);
    EXPECT_EQ(marked[1].state, MailRecipient::State::NoOrder);
    const std::vector<MailRecipient> given = run.recipients(InvoiceMailing::Choice::AllWithOrder, {5, 1});
    ASSERT_EQ(given.size(), 2u);
    EXPECT_EQ(given[0].customer, 1);

    EXPECT_EQ(run.fillText("{name}/{first}/{balance}/{campaign}/{rep}", all[0]), QStringLiteral("Ann Adams/Ann/$20.00/5-2008/Ruth Rep"));
    EXPECT_EQ(run.attachmentName("A/B: \"C\""), QStringLiteral("Invoice AB C Campaign 5-2008.pdf"));
}

TEST_F(InvoiceMailingTest, EachCustomerGetsHerOwnInvoiceOverStartTlsAndNothingTwice)
{
    SmtpTestServer server;
    SKIP_WITHOUT(server);
    std::map<int, MailOutcome> outcomes = send(server);
    EXPECT_EQ(outcomes[1].result, Result::Sent) << qPrintable(outcomes[1].line());
    EXPECT_EQ(outcomes[2].result, Result::Sent) << qPrintable(outcomes[2].line());
    EXPECT_EQ(outcomes[5].result, Result::Sent) << qPrintable(outcomes[5].line());
    EXPECT_EQ(outcomes[3].result, Result::Skipped);
    EXPECT_EQ(outcomes[3].line(), QStringLiteral("3 Cora Cole: skipped: No e-mail address"));
    ASSERT_EQ(recipientsOf(server), QStringList({"ann@example.com", "zoe@example.com", "erin@example.com"}));

    const QString pdf = app.path("zoe.pdf");
    const QMap<QString, QString> zoe = test::parseMessage(server.messages()[1], pdf);
    EXPECT_EQ(zoe.value("subject"), QStringLiteral("Invoice for Zoë Brown")) << qPrintable(zoe.value("error"));
    EXPECT_EQ(zoe.value("to"), QStringLiteral("Zoë Brown <zoe@example.com>"));
    EXPECT_EQ(zoe.value("from"), QStringLiteral("Ruth Rep <ruth@rep.example>"));
    EXPECT_EQ(zoe.value("reply-to"), QStringLiteral("Ruth Rep <ruth@rep.example>"));
    EXPECT_EQ(zoe.value("text"), QStringLiteral("Dear Zoë,|your balance is $30.00.|Ruth Rep"));
    EXPECT_EQ(zoe.value("filename"), QStringLiteral("Invoice Zoë Brown Campaign 5-2008.pdf"));
    EXPECT_EQ(zoe.value("date"), QStringLiteral("True"));
    EXPECT_EQ(zoe.value("defects"), QStringLiteral("0"));
    const QString text = test::pdfText(pdf);
    if (!text.isEmpty()) {
        EXPECT_TRUE(text.contains("Zoë Brown")) << qPrintable(text);
        EXPECT_TRUE(text.contains("30.00")) << qPrintable(text);
        EXPECT_FALSE(text.contains("Ann Adams"));
    }

    // Sent again, as after a restart: nobody is offered twice.
    outcomes = send(server);
    EXPECT_EQ(outcomes[1].result, Result::Skipped);
    EXPECT_EQ(outcomes[1].detail, QStringLiteral("Already sent"));
    EXPECT_EQ(server.messages().size(), 3);
}

TEST_F(InvoiceMailingTest, ARefusedRecipientAndADroppedConnectionFailAloneAndAreOfferedAgain)
{
    SmtpTestServer::Behaviour behaviour;
    behaviour.mode = SmtpTestServer::Mode::Plain;
    behaviour.refused = QStringList{"ann@example.com"};
    behaviour.dropped = QStringList{"zoe@example.com"};
    std::map<int, MailOutcome> outcomes;
    {
        SmtpTestServer server(behaviour);
        SKIP_WITHOUT(server);
        outcomes = send(server);
        EXPECT_EQ(recipientsOf(server), QStringList{"erin@example.com"});
    }
    EXPECT_EQ(outcomes[1].result, Result::Failed);
    EXPECT_TRUE(outcomes[1].detail.contains("550 5.1.1")) << qPrintable(outcomes[1].line());
    EXPECT_EQ(outcomes[2].result, Result::Failed);
    EXPECT_TRUE(outcomes[2].detail.startsWith("The connection to the mail server broke off")) << qPrintable(outcomes[2].line());
    EXPECT_EQ(outcomes[5].result, Result::Sent) << qPrintable(outcomes[5].line());

    SmtpTestServer again(SmtpTestServer::Behaviour{SmtpTestServer::Mode::Plain, {}, {}});
    outcomes = send(again);
    EXPECT_EQ(recipientsOf(again), QStringList({"ann@example.com", "zoe@example.com"}));
    EXPECT_EQ(outcomes[5].result, Result::Skipped);
}

TEST_F(InvoiceMailingTest, AWrongPasswordStopsTheRunAndRecordsNothing)
{
    SmtpTestServer server(SmtpTestServer::Behaviour{SmtpTestServer::Mode::Tls, {}, {}});
    SKIP_WITHOUT(server);
    std::map<int, MailOutcome> outcomes = send(server, "wrong");
    EXPECT_EQ(outcomes[1].result, Result::Failed);
    EXPECT_TRUE(outcomes[1].detail.contains("user name or password")) << qPrintable(outcomes[1].line());
    EXPECT_EQ(outcomes[2].result, Result::NotSent);
    EXPECT_TRUE(outcomes[5].detail.startsWith("not tried after")) << qPrintable(outcomes[5].line());
    EXPECT_TRUE(server.messages().isEmpty());
    EXPECT_TRUE(InvoiceMailRecord(app.state->data).sentCustomers(kCampaign).empty());

    // The right password over implicit TLS then sends them all.
    outcomes = send(server);
    EXPECT_EQ(server.messages().size(), 3);
}

TEST_F(InvoiceMailingTest, CancelStopsBetweenMessagesAndTheRecordStaysWithTheDatabase)
{
    SmtpTestServer server;
    SKIP_WITHOUT(server);
    const std::map<int, MailOutcome> outcomes = send(server, SmtpTestServer::kPassword, [](int done, int, const MailRecipient &) {
        return done < 1;
    });
    EXPECT_EQ(outcomes.at(1).result, Result::Sent);
    EXPECT_EQ(outcomes.at(2).result, Result::NotSent);
    EXPECT_EQ(outcomes.at(2).detail, QStringLiteral("cancelled"));
    EXPECT_EQ(server.messages().size(), 1);

    // The record is an ordinary table of the file, which no clean-up of work tables deletes and
    // which leaves the database whole.
    EXPECT_FALSE(db::isTemporaryTableName(InvoiceMailRecord::kTable));
    app.state->database.close();
    EXPECT_EQ(TempApp::queryColumn(path, "Select [Mail Customer Number] From [Invoice Mail Log]"), QStringList{"1"});
    EXPECT_TRUE(db::checkDatabase(path).healthy());
}
