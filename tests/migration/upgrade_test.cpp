#include "db/old_database.h"
#include "db/schema.h"
#include "migration/upgrade.h"
#include "migration/upgrade_check.h"
#include "payments/payment_sums.h"
#include "test_support.h"

#include <QCryptographicHash>
#include <QFile>
#include <QSqlRecord>

#include <sys/wait.h>
#include <unistd.h>

namespace zel::test {
namespace {

using Outcome = db::DatabaseUpgrade::Outcome;

QByteArray fileHash(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

class UpgradeTest : public OpenDatabaseTest
{
protected:
    void openAt(const QStringList &layout, const QStringList &rows = {}) { open(QStringList(rows) << layout); }

    Outcome upgrade()
    {
        db::DatabaseUpgrade upgrade(*app.state);
        upgrade.setBackup([this] { return db::backupBeside(*app.state); });
        const Outcome outcome = upgrade.Gs_Upgrade_Db();
        backup = upgrade.backupPath();
        return outcome;
    }
    int version() { return db::DatabaseUpgrade::storedVersion(app.state->data); }
    QString one(const QString &sql) { return app.column(sql).value(0); }
    bool told(const QString &start)
    {
        for (const QString &text : app.prompter.messageTexts())
            if (text.startsWith(start))
                return true;
        return false;
    }

    QString backup;
};

TEST_F(UpgradeTest, CurrentVersionAsksNothingAndChangesNothing)
{
    open();
    EXPECT_EQ(upgrade(), Outcome::Current);
    EXPECT_TRUE(app.prompter.messageTexts().isEmpty());
    EXPECT_TRUE(backup.isEmpty());
}

TEST_F(UpgradeTest, LaterVersionIsRefusedBeforeTheFileIsTouched)
{
    open({QStringLiteral("Update Database_Version Set [DBVersion Number] = 18")});
    app.state->database.close();
    const QByteArray before = fileHash(path);
    EXPECT_FALSE(db::Gs_CheckDBVersion(*app.state, path));
    EXPECT_EQ(app.prompter.messageTexts().value(0), db::laterVersionMessage());
    EXPECT_EQ(fileHash(path), before);

    ASSERT_TRUE(app.state->database.open(path));
    EXPECT_EQ(upgrade(), Outcome::Refused);
    EXPECT_EQ(version(), 18);
}

TEST_F(UpgradeTest, CancelOrNoBackupLeavesTheOldVersion)
{
    openAt(layoutOfVersion12());
    app.prompter.queueAnswer(Answer::Cancel);
    EXPECT_EQ(upgrade(), Outcome::Declined);
    EXPECT_EQ(version(), 12);

    db::DatabaseUpgrade noCopy(*app.state);
    noCopy.setBackup([] { return QString(); });
    EXPECT_EQ(noCopy.Gs_Upgrade_Db(), Outcome::NoBackup);
    EXPECT_TRUE(told(QStringLiteral("Cannot upgrade database without creating a backup.")));
    EXPECT_EQ(version(), 12);
}

TEST_F(UpgradeTest, VersionZeroRebuildsOldLayoutsAndRunsEveryFix)
{
    openAt(layoutOfVersion0(),
           {QStringLiteral("Insert Into Customers ([Customers Number], [Customers Address], [Customers House Number], "
                           "[Customers Delivery Date]) Values (1, '12 Main St', '', '2005-03-04 00:00:00')"),
            QStringLiteral("Insert Into Orders ([Orders Customer Number], [Orders Campaign Year], [Orders Campaign Number], "
                           "[Orders Order Number], [Orders Sequence Number], [Orders Internal Flag], [Orders Quanity], "
                           "[Orders Unit Total]) Values (1, 2005, 3, 1, 1, 'DETAIL', 4, 20), (1, 2005, 3, 1, 2, 'TOTAL', 0, 20)"),
            QStringLiteral("Insert Into Payments ([Payments Customer Number], [Payments Campaign Year], [Payments Campaign Number], "
                           "[Payments Order Number], [Payments Sequence], [Payments Amount]) Values (1, 2005, 3, 1, 1, -15)"),
            QStringLiteral("Update Options Set [Options Tax Rate 1] = 8.25"),
            QStringLiteral("Update Products Set [Products Quanity On Hand] = 0"),
            QStringLiteral("Insert Into Products ([Products Campaign Year], [Products Campaign Number], [Products Catalog Number], "
                           "[Products Description], [Products Last Price], [Products Quanity On Hand]) Values (2004, 1, '12345', "
                           "'Lipstick', 4.5, 5)")});
    ASSERT_TRUE(app.state->data.exec("t", "Update Orders Set [Orders Taxable] = 'Y', [Orders Number For Dollar] = 'N'"));
    ASSERT_EQ(version(), 0);

    EXPECT_EQ(upgrade(), Outcome::Upgraded);
    EXPECT_EQ(version(), 17);
    EXPECT_TRUE(QFile::exists(backup));
    EXPECT_EQ(one("Select [Customers Delivery Date] From Customers"), "2005-03-04 00:00:00");
    EXPECT_EQ(one("Select [Customers House Number] || '|' || [Customers Address] From Customers"), "12|Main St");
    EXPECT_EQ(one("Select [Customers Gender] || [Customers Language] From Customers"), "FEnglish");
    EXPECT_EQ(one("Select [Options Tax Rate 1] From Options"), "8.25");
    EXPECT_EQ(one("Select [Orders Tax1] || ',' || [Orders Price Quantity] From Orders Where [Orders Internal Flag] = 'DETAIL'"), "-1,4");
    EXPECT_EQ(one("Select [Earnings Percent 1] From Earnings Where [Earnings Type Code] = 'F'"), "20");
    // Products of the layouts without campaigns keep their rows under 2000/1; their stock moves to Inventory.
    EXPECT_EQ(one("Select [Products Campaign Year] || '/' || [Products Campaign Number] From Products Where [Products Catalog "
                  "Number] = '12345'"),
              "2000/1");
    EXPECT_EQ(one("Select [Inventory Catalog Number] || ':' || [Inventory Qty] || ':' || [Inventory Price] From Inventory"), "12345:5:4.5");
    EXPECT_EQ(one("Select Count(*) From HelperPercents"), "2");
    // The payment went through the old payment rows and came back: the balance is what it was.
    EXPECT_EQ(one("Select Sum([Payments Amount]) From Payments"), "-15");
    EXPECT_EQ(one("Select Count(*) From Orders Where [Orders Internal Flag] In ('BALANCE', 'BALANCENET', 'PAYMENT', 'PAYMENTNET')"), "0");
    EXPECT_TRUE(told(QStringLiteral("Your existing products will be assigned to Campaign Year 2000 Campaign Number 1.")));
    EXPECT_TRUE(told(QStringLiteral("When upgrade completes, go to Main Menu/Options")));
    EXPECT_TRUE(told(QStringLiteral("The baseline products prices has been set to the price currently on file.")));
    EXPECT_TRUE(told(QStringLiteral("Due to upgrade requirements some or all delivery flags have been set to DELIVERED.")));
}

TEST_F(UpgradeTest, VersionTwelveGetsOnlyTheLaterFixes)
{
    openAt(layoutOfVersion12(),
           {QStringLiteral("Update Customers Set [Customers Country 1] = 'Norway'"),
            QStringLiteral("Insert Into Customers ([Customers Number], [Customers Country 1]) Values (1, 'Norway')"),
            QStringLiteral("Insert Into Orders ([Orders Customer Number], [Orders Campaign Year], [Orders Campaign Number], "
                           "[Orders Order Number], [Orders Sequence Number], [Orders Internal Flag], [Orders Unit Price], "
                           "[Orders Reg Price], [Orders Notes], [Orders Payment Delivered]) Values (1, 2007, 5, 1, 1, 'DETAIL', 3, "
                           "4, 'keep?', 0)")});
    EXPECT_EQ(upgrade(), Outcome::Upgraded);
    // Below 6: not run.
    EXPECT_EQ(one("Select [Customers Country 1] From Customers"), "Norway");
    EXPECT_EQ(one("Select [Orders Reg Price] From Orders"), "4");
    // 13 to 16: run.
    EXPECT_EQ(one("Select [Orders Delivered] From Orders"), "N");
    EXPECT_EQ(one("Select [Orders Notes] From Orders"), "");
    EXPECT_EQ(one("Select [Customers Language] From Customers"), "English");
    EXPECT_FALSE(told(QStringLiteral("When upgrade completes")));
    EXPECT_TRUE(told(QStringLiteral("Due to upgrade requirements")));
}

TEST_F(UpgradeTest, FailedStepUndoesTheWholeUpgradeAndSaysWhereTheBackupIs)
{
    // Two rows with one key: the Orders index cannot be made again.
    openAt(layoutOfVersion12(), {QStringLiteral("Drop Index [Orders Index]"),
                                 QStringLiteral("Insert Into Orders ([Orders Customer Number], [Orders Campaign Year], [Orders "
                                                "Campaign Number], [Orders Order Number], [Orders Sequence Number]) Values (1, "
                                                "2007, 5, 1, 1), (1, 2007, 5, 1, 1)")});
    app.prompter.queueAnswer(Answer::Ok);
    app.prompter.queueAnswer(Answer::Ignore);
    EXPECT_EQ(upgrade(), Outcome::Failed);
    EXPECT_EQ(version(), 12);
    EXPECT_TRUE(told(QStringLiteral("The upgrade of ") + path + QStringLiteral(" stopped at: Upgrading Order Data... (Orders)")));
    EXPECT_TRUE(app.prompter.messageTexts().join("\n").contains(QStringLiteral("Your backup is ") + backup));
    // Tables rebuilt before the failure are back in their old layout.
    EXPECT_FALSE(app.column("Select name From pragma_table_info('Customers')").contains("Customers Gender"));
}

QStringList dump(TempApp &app)
{
    QStringList rows;
    for (const char *sql : {"Select * From Payments Order By 1, 2, 3, 4, 5", "Select * From Customers Order By 1",
                            "Select [Orders Customer Number], [Orders Sequence Number], [Orders Internal Flag], [Orders Delivered] "
                            "From Orders Order By 1, 2"}) {
        QSqlQuery query(app.state->database.handle());
        query.exec(QString::fromLatin1(sql));
        while (query.next()) {
            QStringList values;
            for (int i = 0; i < query.record().count(); ++i)
                values << query.value(i).toString();
            rows << values.join('|');
        }
    }
    return rows;
}

TEST_F(UpgradeTest, KilledBetweenRebuildsUpgradesAgainToTheSameResult)
{
    openAt(layoutOfVersion12(), tenYearsAtVersion12(6, 2, 5));
    app.state->database.close();
    const QString clean = app.path("Clean.ZELDB");
    ASSERT_TRUE(QFile::copy(path, clean));

    // The child has the file to itself, as the one program that has it open.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (!app.state->database.open(path))
            _exit(1);
        db::DatabaseUpgrade upgrade(*app.state);
        upgrade.setBackup([this] { return db::backupBeside(*app.state); });
        upgrade.setAfterStep([](const QString &step) {
            if (step == QLatin1String("Payments"))
                _exit(7);
        });
        upgrade.Gs_Upgrade_Db();
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 7) << "child ended with status " << status;

    ASSERT_TRUE(app.state->database.open(path));
    EXPECT_EQ(version(), 12);
    EXPECT_EQ(upgrade(), Outcome::Upgraded);
    const QStringList resumed = dump(app);

    app.state->database.close();
    ASSERT_TRUE(app.state->database.open(clean));
    app.state->databasePath = clean;
    EXPECT_EQ(upgrade(), Outcome::Upgraded);
    EXPECT_EQ(dump(app), resumed);
}

TEST_F(UpgradeTest, EveryBalanceOfTenYearsAtVersion12IsKept)
{
    openAt(layoutOfVersion12(), tenYearsAtVersion12(12, 10, 8));
    // Before: the order totals and the payments kept on the 'PAYMENT' rows.
    std::map<int, QString> before;
    QSqlQuery query(app.state->database.handle());
    query.exec("Select [Orders Customer Number], Sum(Case [Orders Internal Flag] When 'TOTAL' Then [Orders Unit Total] Else "
               "[Orders Payment Amount] End) From Orders Where [Orders Internal Flag] In ('TOTAL', 'PAYMENT') Group By 1");
    while (query.next())
        before[query.value(0).toInt()] = Currency::fromDouble(query.value(1).toDouble()).toPlainText();
    query.finish();
    ASSERT_EQ(before.size(), 12u);

    EXPECT_EQ(upgrade(), Outcome::Upgraded);
    PaymentSums sums(app.state->data);
    for (const auto &[customer, balance] : sums.campaignBalances(2009, 8))
        EXPECT_EQ(balance.toPlainText(), before[customer]) << "customer " << customer;
    EXPECT_EQ(sums.campaignBalances(2009, 8).size(), 12u);
}

} // namespace
} // namespace zel::test
