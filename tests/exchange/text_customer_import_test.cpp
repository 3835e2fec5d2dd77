#include "exchange/text_customer_import.h"

#include "test_support.h"

using namespace zel;
using namespace zel::exchange;
using Kind = ScriptedPrompter::Kind;

namespace {

const char *const kTenFields = "Ann,Abbot,123 Main St,Springfield,IL,62701,555-1000,555-2000,,ann@example.com\n";

class TextImportTest : public test::OpenDatabaseTest
{
protected:
    void SetUp() override { open(); }

    std::optional<int> importFile(const QByteArray &content, TextLayout layout = TextLayout::Csv)
    {
        app.writeFile(QStringLiteral("customers.csv"), content);
        TextImportRequest request{layout, QStringLiteral(","), QStringLiteral("\""), app.path(QStringLiteral("customers.csv"))};
        return TextCustomerImport(*app.state).run(request);
    }
    QStringList customers(const char *column = "[Customers First Name] || '|' || [Customers Last Name]")
    {
        return app.column(QStringLiteral("Select %1 From Customers Order By [Customers Number]").arg(QLatin1String(column)));
    }
};

} // namespace

TEST_F(TextImportTest, ACsvLineFillsTheFieldTableAndTheFirstFiveAreShown)
{
    QByteArray content;
    for (int i = 0; i < 6; ++i)
        content += kTenFields;
    content += R"("Smith, Jr.",Bob,Main St,"Ottawa, East",ON,K1A 0B1,,,,)";
    ASSERT_EQ(importFile(content), 7);
    EXPECT_EQ(customers().last(), "Smith, Jr.|Bob");
    EXPECT_EQ(customers("[Customers City]").last(), "Ottawa, East");
    const QStringList first = app.column(
        "Select [Customers Number] || '|' || [Customers House Number] || '|' || [Customers Address] || '|' || "
        "[Customers Phone 2] || '|' || [Customers Email] || '|' || [Customers Label Flag] || '|' || [Customers Status] || '|' || "
        "IfNull([Customers Since Date], 'null') || '|' || [Customers Number Of Books] From Customers Order By 1 Limit 1");
    EXPECT_EQ(first, QStringList({"1|123|Main St|555-2000|ann@example.com|N|Active|null|1"}));
    EXPECT_EQ(app.column("Select Count(*) From HelperPercents Where [HelperPercents Customer Number] = 7"),
              app.column("Select Count(*) From Earnings"));

    const auto shown = app.prompter.messages();
    int verification = 0;
    for (const auto &entry : shown)
        verification += entry.title == "Customer Import Verification" && entry.kind == Kind::Information;
    EXPECT_EQ(verification, 5);
    EXPECT_TRUE(app.prompter.messageTexts().contains(
        "Name:Ann Abbot\nAddress:123 Main St Springfield IL 62701\nPhones: 555-1000 555-2000 \nEmail:ann@example.com"));
    EXPECT_EQ(app.prompter.messageTexts().last(), "Imported 7 customers!");
}

TEST_F(TextImportTest, ALineWithTheWrongFieldCountStopsTheRunBeforeAnythingIsWritten)
{
    const QByteArray content = QByteArray(kTenFields) + kTenFields + "Ann,Abbot,1 Elm,Town,IL,62701,,,\n" + kTenFields;
    EXPECT_FALSE(importFile(content));
    EXPECT_TRUE(customers().isEmpty());
    const QString error = app.prompter.messageTexts().last();
    EXPECT_TRUE(error.startsWith("Error Importing CSV at Record 3\nData=Ann,Abbot,1 Elm,Town,IL,62701,,,\n"
                                 "There should be exactly 10 entries separated by a ( , ) delimiter.\nFound 9 entries.\n"))
        << qPrintable(error);
    EXPECT_TRUE(error.endsWith("No data has been imported!"));
    EXPECT_EQ(app.prompter.count(Kind::Question), 0);
}

// A stray quote swallows the delimiters after it, and a blank line inside the file is no record:
// the message names the line and says what was found. Blank lines at the end are no records at all.
TEST_F(TextImportTest, TheMessageSaysWhatTheRefusedLineHolds)
{
    EXPECT_FALSE(importFile(QByteArray(kTenFields) + "\"Ann,Abbot,1 Elm,Town,IL,62701,,,,ann@example.com\n"));
    QString error = app.prompter.messageTexts().last();
    EXPECT_TRUE(error.contains("Record 2\n")) << qPrintable(error);
    EXPECT_TRUE(error.contains("\nFound 1 entry. A ( \" ) is opened and never closed, so the delimiters after it were read "
                               "as text.\n"))
        << qPrintable(error);

    EXPECT_FALSE(importFile(QByteArray(kTenFields) + "\n" + kTenFields));
    error = app.prompter.messageTexts().last();
    EXPECT_TRUE(error.contains("Record 2\nData=\n")) << qPrintable(error);
    EXPECT_TRUE(error.contains("\nFound a blank line.\n")) << qPrintable(error);

    EXPECT_EQ(importFile(QByteArray(kTenFields) + "\r\n  \r\n\r\n"), 1) << "blank lines after the last record";
}

TEST_F(TextImportTest, TheNameAndAddressLayoutLeavesTheSecondAddressOut)
{
    ASSERT_EQ(importFile("Mary Major,12 Oak 12,Suite 5,Lyon,QC,H0H 0H0\n", TextLayout::NameAddress), 1);
    EXPECT_EQ(customers("[Customers First Name] || '|' || [Customers Last Name] || '|' || [Customers House Number] || '|' || "
                        "[Customers Address] || '|' || [Customers Address 2] || '|' || [Customers Zip Code]"),
              QStringList({"Mary Major||12|Oak||H0H 0H0"}));
    EXPECT_TRUE(app.prompter.messageTexts().contains(
        "Name:Mary Major\nAddress 1:12 Oak 12\nAddress 2:Suite 5 (Add2 Not Imported)\nCity:Lyon\nState: QC\nPostal Code:H0H 0H0"));
}

TEST_F(TextImportTest, AWindows1252FileImportsItsAccentedNames)
{
    ASSERT_EQ(importFile("Ren\xE9,M\xFCller,1 Rue,Qu\xE9" "bec,QC,G1A,,,,\n"), 1);
    EXPECT_EQ(customers(), QStringList({QString::fromUtf8("Ren\xC3\xA9|M\xC3\xBCller")}));
    const auto &entries = app.prompter.entries();
    EXPECT_TRUE(std::any_of(entries.begin(), entries.end(), [](const auto &e) {
        return e.kind == Kind::Status && e.text == "Reading customers.csv as Windows-1252";
    }));
}

TEST_F(TextImportTest, NumbersFillTheGapsAndTextsAreCutToTheirColumns)
{
    app.state->data.exec("t", "Insert Into Customers ([Customers Number], [Customers First Name]) Values (1, 'One'), (3, 'Three')");
    const QString longName = QString(40, QLatin1Char('x'));
    ASSERT_EQ(importFile((longName + ",B,,,,,,,,\nC,D,,,,,,,,\n").toUtf8()), 2);
    EXPECT_EQ(customers("[Customers Number] || [Customers First Name]"),
              QStringList({"1One", "2" + longName.left(30), "3Three", "4C"}));
}

TEST_F(TextImportTest, AFileWithMoreCustomersThanTheDatabaseHasRoomForIsRefusedSayingSo)
{
    app.state->data.exec("t", "With Recursive c(n) As (Select 1 Union All Select n + 1 From c Where n < 32760) Insert Into "
                              "Customers ([Customers Number]) Select n From c");
    QByteArray file;
    for (int i = 0; i < 10; ++i)
        file += kTenFields;
    EXPECT_FALSE(importFile(file));
    EXPECT_EQ(app.prompter.messageTexts().last(), "The file holds 10 customers and this database 32,760: together more than "
                                                  "the 32,767 customers a database can hold.  Nothing has been imported.");
    EXPECT_EQ(app.column("Select Count(*) From Customers"), QStringList{"32760"});
}

TEST_F(TextImportTest, AFailedImportLeavesTheDatabaseAsItWas)
{
    app.state->data.exec("t", "Create Trigger refuse Before Insert On Customers When New.[Customers First Name] = 'Bad' "
                              "Begin Select Raise(Abort, 'refused'); End");
    EXPECT_FALSE(importFile(QByteArray(kTenFields) + "Bad,Row,,,,,,,,\n" + kTenFields));
    EXPECT_TRUE(customers().isEmpty());
    EXPECT_TRUE(app.column("Select Count(*) From HelperPercents") == QStringList({"0"}));
    EXPECT_EQ(app.prompter.messageTexts().last(), "No data has been imported!");
}

TEST_F(TextImportTest, MissingChoicesAndAnswersStopWithTheirMessages)
{
    TextCustomerImport import(*app.state);
    EXPECT_FALSE(import.run({TextLayout::Csv, "", "\"", "x"}));
    EXPECT_EQ(app.prompter.messageTexts().last(), "Enter a delimiter such as a comma.");
    EXPECT_FALSE(import.run({TextLayout::Csv, ",", "", "x"}));
    EXPECT_EQ(app.prompter.messageTexts().last(), "Enter a qualifer such as double quotes.");
    EXPECT_FALSE(import.run({TextLayout::Csv, ",", "\"", app.path("none.csv")}));
    EXPECT_EQ(app.prompter.messageTexts().last(), app.path("none.csv") + " Not Found.");
    app.prompter.queueFile(QString());
    EXPECT_FALSE(import.run({TextLayout::Csv, ",", "\"", {}}));
    EXPECT_EQ(app.prompter.messageTexts().last(), "No File Name Selected.");
    app.prompter.queueAnswer(Answer::No);
    EXPECT_FALSE(importFile(kTenFields));
    EXPECT_EQ(app.prompter.messageTexts().last(), "Import Cancelled, No data has been imported!");
    EXPECT_TRUE(customers().isEmpty());
}
