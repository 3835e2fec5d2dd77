#include "exchange/delimited_line.h"
#include "exchange/house_number.h"
#include "exchange/text_decoding.h"

#include "test_support.h"

using namespace zel::exchange;

TEST(DelimitedLine, AQualifiedFieldKeepsItsDelimiterAndLosesItsQualifiers)
{
    EXPECT_EQ(splitDelimitedLine(R"("Smith, Jr.",Ann,"12 Elm, Apt 3")", ",", "\""),
              QStringList({"Smith, Jr.", "Ann", "12 Elm, Apt 3"}));
    // Qualifiers may sit anywhere in a field; what they enclose is protected.
    EXPECT_EQ(splitDelimitedLine(R"(a"b,c"d,e)", ",", "\""), QStringList({"ab,cd", "e"}));
    // An unclosed qualifier protects the rest of the line.
    EXPECT_EQ(splitDelimitedLine(R"(a,"b,c)", ",", "\""), QStringList({"a", "b,c"}));
    EXPECT_EQ(splitDelimitedLine("a;'b;c';", ";", "'"), QStringList({"a", "b;c", ""}));
    EXPECT_EQ(splitDelimitedLine("a\t\"x\ty\"", "\t", "\""), QStringList({"a", "x\ty"}));
}

TEST(DelimitedLine, FieldsAreCountedAsTheyStandAndLinesEndAtAnyBreak)
{
    EXPECT_EQ(splitDelimitedLine("", ",", "\"").size(), 1);
    EXPECT_EQ(splitDelimitedLine(",,,,,,,,,", ",", "\"").size(), 10);
    EXPECT_EQ(textLines("a\r\nb\nc\rd\r\n"), QStringList({"a", "b", "c", "d"}));
    EXPECT_EQ(textLines("a\n\nb"), QStringList({"a", "", "b"}));
    EXPECT_TRUE(textLines("").isEmpty());
    EXPECT_EQ(textLines("a\n \r\n\n"), QStringList{"a"}) << "blank lines after the last record are none";
}

TEST(HouseNumber, TheLeadingNumberIsTakenOutOfTheAddressEverywhereItOccurs)
{
    const StreetAddress main = splitHouseNumber("123 Main St");
    EXPECT_EQ(main.houseNumber, "123");
    EXPECT_EQ(main.street, "Main St");
    const StreetAddress noNumber = splitHouseNumber("Main St");
    EXPECT_EQ(noNumber.houseNumber, "");
    EXPECT_EQ(noNumber.street, "Main St");
    const StreetAddress twice = splitHouseNumber("12 Oak 12");
    EXPECT_EQ(twice.houseNumber, "12");
    EXPECT_EQ(twice.street, "Oak");
    // A zero is no house number, and the address stays untouched.
    EXPECT_EQ(splitHouseNumber("0 Rue Dupont").houseNumber, "");
    EXPECT_EQ(splitHouseNumber("0 Rue Dupont").street, "0 Rue Dupont");
}

TEST(HouseNumber, TheNumberIsReadAsBasicReadsOne)
{
    EXPECT_EQ(leadingNumber("  42B Baker St"), 42.0);
    EXPECT_EQ(leadingNumber("1 2 3 Elm"), 123.0); // blanks inside a number are skipped
    EXPECT_EQ(leadingNumber("12.5 Pine"), 12.5);
    EXPECT_EQ(leadingNumber("-7 Low Rd"), -7.0);
    EXPECT_EQ(leadingNumber("Elm 12"), 0.0);
    EXPECT_EQ(splitHouseNumber("12.5 Pine").houseNumber, "12.5");
    EXPECT_EQ(splitHouseNumber("1 2 3 Elm").street, "1 2 3 Elm"); // "123" is not in the text
}

TEST(TextDecoding, Utf8IsReadAsUtf8AndAnythingElseAsWindows1252)
{
    const DecodedText utf8 = decodeText(QByteArray("\xEF\xBB\xBF" "Ren\xC3\xA9"));
    EXPECT_TRUE(utf8.utf8);
    EXPECT_EQ(utf8.text, QString::fromUtf8("Ren\xC3\xA9"));
    const DecodedText old = decodeText(QByteArray("Ren\xE9 \x80 \x93x\x94"));
    EXPECT_FALSE(old.utf8);
    EXPECT_EQ(old.encodingName(), "Windows-1252");
    EXPECT_EQ(old.text, QString::fromUtf8("Ren\xC3\xA9 \xE2\x82\xAC \xE2\x80\x9Cx\xE2\x80\x9D"));
    EXPECT_EQ(fromWindows1252(QByteArray("\x81\xFF", 2)), QString::fromUtf8("\xC2\x81\xC3\xBF"));
}
