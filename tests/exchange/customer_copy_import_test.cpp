#include "exchange/customer_copy_import.h"
#include "exchange/timesaver_source.h"
#include "exchange/zel_customer_source.h"

#include "test_support.h"

#include <QDir>

using namespace zel;
using namespace zel::exchange;

namespace {

QVariantMap row(std::initializer_list<std::pair<const char *, QVariant>> values)
{
    QVariantMap map;
    for (const auto &[name, value] : values)
        map.insert(QString::fromLatin1(name), value);
    return map;
}

// The tables as the Jet reader hands them over: ids as whole numbers, texts as text, Null as invalid.
TimesaverTables timesaverShop()
{
    TimesaverTables t;
    t.customers = {row({{"customer_id", qint64(1)}, {"customer_firstname", "Default"}, {"customer_lastname", "Zed"}}),
                   row({{"customer_id", qint64(4)}, {"customer_firstname", "DEFAULT "}, {"customer_lastname", "Zed"}}),
                   row({{"customer_id", qint64(5)}, {"customer_firstname", "Cy"}, {"customer_lastname", "adams"}}),
                   row({{"customer_id", qint64(2)}, {"customer_firstname", "Ann"}, {"customer_lastname", "Young"},
                        {"customer_email", "ann@example.com"}, {"customer_notes", "Likes red"}, {"customer_territory", "North"}}),
                   row({{"customer_id", qint64(3)}, {"customer_firstname", "Bea"}, {"customer_lastname", "Adams"},
                        {"customer_email", QVariant()}})};
    t.addresses = {row({{"customer_id", qint64(2)}, {"address_type_id", qint64(0)}, {"address_street", "12 Oak 12"},
                        {"address_city", "Regina"}, {"address_postal_zip", "S4P 3Y2"}, {"prov_state_id", qint64(7)}}),
                   row({{"customer_id", qint64(2)}, {"address_type_id", qint64(1)}, {"address_street", "Box 5"},
                        {"address_city", "Moose Jaw"}, {"address_postal_zip", "S6H"}, {"prov_state_id", qint64(8)}}),
                   row({{"customer_id", qint64(1)}, {"address_type_id", qint64(0)}, {"address_street", "1 Default Rd"}})};
    t.provinces = {row({{"prov_state_id", qint64(7)}, {"prov_state_desc", "Saskatchewan"}}),
                   row({{"prov_state_id", qint64(8)}, {"prov_state_desc", "Alberta"}})};
    const auto phone = [](qint64 id, const char *area, const char *number, QVariant extension) {
        return row({{"customer_id", id}, {"phone_area_code", area}, {"phone_number", number}, {"phone_extension", extension}});
    };
    t.telephones = {phone(2, "306", "555-0101", QVariant()), phone(2, "306", "555-0101", QVariant()),
                    phone(2, "", "555-0202", "12"), phone(2, "306", "555-0303", ""), phone(2, "306", "555-0404", "")};
    return t;
}

} // namespace

TEST(TimesaverSource, TheDefaultCustomerIsNeverImportedAndTheRestAreSortedByName)
{
    const SourceCustomers customers = timesaverCustomers(timesaverShop());
    ASSERT_EQ(customers.size(), 3u);
    EXPECT_EQ(customers[0].name, "Bea Adams");
    EXPECT_EQ(customers[1].name, "Cy adams");
    EXPECT_EQ(customers[2].name, "Ann Young");
    for (const SourceCustomer &c : customers)
        EXPECT_NE(c.fields.value("Customers First Name").toString(), "Default");
}

TEST(TimesaverSource, AddressesProvincesAndPhonesFillTheirFields)
{
    const QVariantMap ann = timesaverCustomers(timesaverShop())[2].fields;
    EXPECT_EQ(ann.value("Customers House Number").toString(), "12");
    EXPECT_EQ(ann.value("Customers Address").toString(), "Oak");
    EXPECT_EQ(ann.value("Customers City").toString(), "Regina");
    EXPECT_EQ(ann.value("Customers State").toString(), "Saskatchewan");
    EXPECT_EQ(ann.value("Customers Zip Code").toString(), "S4P 3Y2");
    EXPECT_EQ(ann.value("Customers Address 2").toString(), "Box 5");
    EXPECT_EQ(ann.value("Customers State 2").toString(), "Alberta");
    EXPECT_EQ(ann.value("Customers Comments0").toString(), "Likes red");
    EXPECT_EQ(ann.value("Customers Area").toString(), "North");
    // The repeated row counts once; the fourth number finds no empty phone left.
    EXPECT_EQ(ann.value("Customers Phone 1").toString(), "306 555-0101");
    EXPECT_EQ(ann.value("Customers Phone 2").toString(), "555-0202 12");
    EXPECT_EQ(ann.value("Customers Phone 3").toString(), "306 555-0303");
    EXPECT_EQ(ann.value("Customers Label Flag").toString(), "N");
}

TEST(TimesaverSource, AFileWithoutTheTimesaverTablesIsRefused)
{
    const QString fixture = QDir(QStringLiteral(ZEL_FIXTURES_DIR "/jet")).filePath("nwind-jet3.mdb");
    if (!QFile::exists(fixture))
        GTEST_SKIP() << "no shared Jet fixtures at " << qPrintable(fixture);
    QString error;
    EXPECT_FALSE(readTimesaverTables(fixture, &error));
    EXPECT_TRUE(error.startsWith("Customer")) << qPrintable(error);
}

TEST(ZelCustomerSource, AnAccessFileIsReadThroughTheJetReader)
{
    const QString fixture = QDir(QStringLiteral(ZEL_FIXTURES_DIR "/jet")).filePath("nwind-jet3.mdb");
    if (!QFile::exists(fixture))
        GTEST_SKIP() << "no shared Jet fixtures at " << qPrintable(fixture);
    // Its Customers table is another program's: every row arrives, none of its columns is one of ours.
    QString error;
    const auto customers = zelDatabaseCustomers(fixture, &error);
    ASSERT_TRUE(customers) << qPrintable(error);
    ASSERT_FALSE(customers->empty());
    EXPECT_TRUE(customers->front().fields.isEmpty());
    EXPECT_EQ(customers->front().name, "");
}

namespace {

class CopyImportTest : public test::OpenDatabaseTest
{
protected:
    void SetUp() override { open(); }
    QStringList names()
    {
        return app.column("Select [Customers Number] || ' ' || [Customers First Name] From Customers Order By 1");
    }
    static SourceCustomers named(std::initializer_list<const char *> firstNames)
    {
        SourceCustomers customers;
        for (const char *name : firstNames)
            customers.push_back({QString::fromLatin1(name), {{"Customers First Name", QString::fromLatin1(name)}}});
        return customers;
    }
};

} // namespace

TEST_F(CopyImportTest, TheFirstFiveAreAskedAboutAndNoSkipsOne)
{
    app.prompter.queueAnswer(Answer::Yes);
    app.prompter.queueAnswer(Answer::No);
    EXPECT_EQ(CustomerCopyImport(*app.state).import(named({"A", "B", "C", "D", "E", "F", "G"})), 6);
    EXPECT_EQ(names(), QStringList({"1 A", "2 C", "3 D", "4 E", "5 F", "6 G"}));
    EXPECT_EQ(app.prompter.count(ScriptedPrompter::Kind::Question), 5);
    EXPECT_EQ(app.prompter.messages()[1].text, "Import: B");
    EXPECT_EQ(app.prompter.messageTexts().last(), "Import Complete!\nImported 6");
}

TEST_F(CopyImportTest, CancelStopsAndKeepsWhatWasImported)
{
    app.prompter.queueAnswer(Answer::Yes);
    app.prompter.queueAnswer(Answer::Cancel);
    EXPECT_EQ(CustomerCopyImport(*app.state).import(named({"A", "B", "C"})), 1);
    EXPECT_EQ(names(), QStringList({"1 A"}));
}

TEST_F(CopyImportTest, AnotherDatabaseGivesEveryCustomerFieldButItsNumber)
{
    const QString other = app.makeZelDatabase(
        "Other.ZELDB",
        {"Insert Into Customers ([Customers Number], [Customers First Name], [Customers Last Name], [Customers City 2], "
         "[Customers Discount Percent], [Customers Since Date], [Customers Points3], [Customers Gender]) "
         "Values (40, 'Zoe', 'Zimmer', 'Leeds', 12.5, '2001-02-03 00:00:00', 7, 'M'), (41, 'Al', 'Abel', '', 0, Null, 0, 'F')"});
    EXPECT_EQ(CustomerCopyImport(*app.state).run(CopySource::ZelDatabase, other), 2);
    EXPECT_EQ(app.column("Select [Customers Number] || '|' || [Customers First Name] || '|' || [Customers City 2] || '|' || "
                         "[Customers Discount Percent] || '|' || [Customers Since Date] || '|' || [Customers Points3] || '|' "
                         "|| [Customers Gender] From Customers Where [Customers Last Name] = 'Zimmer'"),
              QStringList({"2|Zoe|Leeds|12.5|2001-02-03 00:00:00|7|F"}));
    EXPECT_EQ(app.prompter.messages()[1].text, "Import: Al Abel");
}

TEST_F(CopyImportTest, AFileThatIsNoDatabaseOfThisProgramImportsNothing)
{
    app.writeFile("notes.zeldb", "just some text");
    EXPECT_FALSE(CustomerCopyImport(*app.state).run(CopySource::ZelDatabase, app.path("notes.zeldb")));
    EXPECT_TRUE(app.prompter.messageTexts().last().contains("could not be read"));
    EXPECT_FALSE(CustomerCopyImport(*app.state).run(CopySource::Timesaver, app.path("ams.mdb")));
    EXPECT_EQ(app.prompter.messageTexts().last(), app.path("ams.mdb") + " Not Found.");
    EXPECT_TRUE(names().isEmpty());
}
