#include "exchange/catalogue_dashes.h"
#include "exchange/product_database_import.h"
#include "exchange/product_source.h"
#include "exchange/zip_archive.h"
#include "orders/catalog_number.h"
#include "shell/settings_keys.h"

#include "exchange/product_import_fixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

#include <gtest/gtest.h>

using namespace zel;
using namespace zel::exchange;

namespace {

class ProductImportTest : public zel::test::OpenDatabaseTest
{
protected:
    void SetUp() override { open(); }

    void exec(const QString &sql) { ASSERT_TRUE(app.state->data.exec(QStringLiteral("test"), sql)) << qPrintable(sql); }
    void product(int year, int number, const char *catalog, const char *description, int onHand = 0)
    {
        exec(QStringLiteral("Insert Into Products ([Products Campaign Year], [Products Campaign Number], [Products Catalog "
                            "Number], [Products Description], [Products Quanity On Hand], [Products Last Price], [Products "
                            "Delete Flag], [Products Baseline Update]) Values (%1, %2, '%3', '%4', %5, 1.5, 0, 'N')")
                 .arg(year)
                 .arg(number)
                 .arg(QLatin1String(catalog), QLatin1String(description))
                 .arg(onHand));
    }
    void orderLine(const char *catalog)
    {
        static int sequence = 0;
        exec(QStringLiteral("Insert Into Orders ([Orders Customer Number], [Orders Campaign Year], [Orders Campaign Number], "
                            "[Orders Order Number], [Orders Sequence Number], [Orders Catalog Number], [Orders Internal Flag]) "
                            "Values (1, 2008, 5, 1, %1, '%2', 'DETAIL')")
                 .arg(++sequence)
                 .arg(QLatin1String(catalog)));
    }
    QStringList products()
    {
        return app.column("Select [Products Campaign Year] || '/' || [Products Campaign Number] || ' ' || [Products Catalog "
                          "Number] || ' ' || [Products Description] || ' ' || [Products Quanity On Hand] From Products Order By 1");
    }
    QStringList catalogue() { return app.column("Select [Products Catalog Number] From Products Order By 1"); }
    QString supplierFile(const QStringList &rows, bool withCampaigns = true, const char *name = "Spring.ZELPD")
    {
        return app.makeDatabase(QString::fromLatin1(name), zel::test::supplierProducts(rows, withCampaigns));
    }
    std::optional<ProductImportCounts> import(const QString &file, bool useDashes = true)
    {
        ProductImportChoices choices;
        choices.useDashes = useDashes;
        choices.file = file;
        return ProductDatabaseImport(*app.state).run(choices);
    }
};

TEST(CatalogNumberForm, QuotesBlanksAndDashesGoAndSixCharactersTakeADash)
{
    EXPECT_EQ(normalCatalogNumber(" 'ab\"c-123 ", true), "abc-123");
    EXPECT_EQ(normalCatalogNumber("123-456", false), "123456");
    EXPECT_EQ(normalCatalogNumber("12345", true), "12345");
    EXPECT_EQ(normalCatalogNumber("1234567", true), "1234567");
    EXPECT_EQ(normalCatalogNumber("12-34-56", true), "123-456");
}

TEST_F(ProductImportTest, UseDashesPutsADashIntoSixCharactersInProductsAndOrderLines)
{
    product(2008, 5, "123456", "Lotion", 2);
    product(2008, 5, " \"ab-c123 ", "Soap");
    product(2008, 5, "12345", "Brush");
    product(0, 0, "123456", "Lotion", 4);
    orderLine("123456");
    orderLine("12345");
    orderLine("98-7654");

    CatalogueDashes dashes(app.state->data, app.prompter, true);
    ASSERT_TRUE(dashes.normaliseProducts());
    ASSERT_TRUE(dashes.normaliseOrderLines());
    EXPECT_EQ(products(), QStringList({"0/0 123-456 Lotion 4", "2008/5 123-456 Lotion 2", "2008/5 12345 Brush 0",
                                       "2008/5 abc-123 Soap 0"}));
    EXPECT_EQ(app.column("Select [Orders Catalog Number] From Orders Order By [Orders Sequence Number]"),
              QStringList({"123-456", "12345", "987-654"}));

    CatalogueDashes none(app.state->data, app.prompter, false);
    ASSERT_TRUE(none.normaliseProducts());
    ASSERT_TRUE(none.normaliseOrderLines());
    EXPECT_EQ(catalogue(), QStringList({"12345", "123456", "123456", "abc123"}));
    EXPECT_EQ(app.column("Select [Orders Catalog Number] From Orders Order By [Orders Sequence Number]"),
              QStringList({"123456", "12345", "987654"}));
}

TEST_F(ProductImportTest, TwoFormsOfOneProductBecomeOneRowWithBothStocks)
{
    product(0, 0, "123456", "Lotion", 4);
    product(0, 0, "123-456", "Lotion", 3);
    ASSERT_TRUE(CatalogueDashes(app.state->data, app.prompter, true).normaliseProducts());
    EXPECT_EQ(products(), QStringList{"0/0 123-456 Lotion 7"});
}

TEST_F(ProductImportTest, AProductOnFileKeepsItsQuantityOnHandAndTakesTheRest)
{
    product(2008, 5, "123-456", "Old text", 7);
    const QString file = supplierFile({"2008, 5, '123456', 'New text', 9.95, 99, 'S1'", "2008, 5, '777888', 'Cream', 4.5, 12, 'S2'",
                                       "0, 0, '555555', 'Stock of theirs', 1, 40, 'S3'", "2008, 0, '666666', 'No campaign', 1, 0, 'S4'"});

    const std::optional<ProductImportCounts> counts = import(file);
    ASSERT_TRUE(counts);
    EXPECT_EQ(counts->read, 2);
    EXPECT_EQ(counts->added, 1);
    EXPECT_EQ(counts->updated, 1);
    // Her 7 stayed (not the supplier's 99) and, as all stock, now sits on the baseline row.
    EXPECT_EQ(products(), QStringList({"0/0 123-456 New text 7", "0/0 777-888 Cream 12", "2008/5 123-456 New text 0",
                                       "2008/5 777-888 Cream 0"}));
    EXPECT_EQ(app.column("Select [Products Last Price] || [Products Baseline Update] || [Products Delete Flag] From Products "
                         "Where [Products Campaign Year] = 2008 Order By [Products Catalog Number]"),
              QStringList({"9.95N0", "4.5N0"}));
    const QStringList messages = app.prompter.messageTexts();
    EXPECT_TRUE(messages.contains("Do you wish to Import products from \n" + file + "\ninto \n" + path + "\n."));
    EXPECT_EQ(messages.last(), "Import Complete.");
    EXPECT_EQ(app.state->settings.read(settings::LastProductImportPath), QFileInfo(file).absolutePath());
}

TEST_F(ProductImportTest, ASourceWithoutCampaignsTakesTheCampaignTypedForIt)
{
    const QString file = supplierFile({"'123456', 'Lotion', 2, 0, ''", "'', 'No number', 2, 0, ''"}, false);
    app.prompter.queueInput(QStringLiteral("2009"));
    app.prompter.queueInput(QStringLiteral("3"));
    const std::optional<ProductImportCounts> counts = import(file, false);
    ASSERT_TRUE(counts);
    EXPECT_EQ(counts->skipped, 1);
    EXPECT_EQ(products(), QStringList({"0/0 123456 Lotion 0", "2009/3 123456 Lotion 0"}));

    const struct
    {
        const char *year;
        const char *number;
        const char *says;
    } refusals[] = {{"1800", nullptr, "Invalid Campaign Year, Import Cancelled."},
                    {"2009", "x", "Invalid Campaign Number, Import Cancelled."},
                    {"", nullptr, "Import cancelled."}};
    for (const auto &refusal : refusals) {
        app.prompter.clear();
        app.prompter.queueInput(QString::fromLatin1(refusal.year));
        if (refusal.number)
            app.prompter.queueInput(QString::fromLatin1(refusal.number));
        EXPECT_FALSE(import(file, false));
        EXPECT_EQ(app.prompter.messageTexts().last(), refusal.says);
    }
    EXPECT_EQ(products().size(), 2);
}

TEST_F(ProductImportTest, AZipIsUnzippedIntoAFolderOfItsOwnNeverBesideIt)
{
    const QString source = supplierFile({"2008, 5, '111111', 'Lotion', 2, 0, ''"});
    QDir().mkdir(app.path("inbox"));
    const QString zipped = app.path("inbox/Spring.ZIP");
    ASSERT_TRUE(zel::test::zipFiles(zipped, {source}));

    ASSERT_TRUE(import(zipped));
    EXPECT_EQ(app.prompter.messageTexts().first(), "This file appears to be a ZIP file.\n\nZEL will attempt to UNZIP this file.");
    EXPECT_EQ(catalogue(), QStringList({"111-111", "111-111"}));
    EXPECT_EQ(QDir(app.path("inbox")).entryList(QDir::Files), QStringList{"Spring.ZIP"}) << "nothing is left beside the ZIP";

    // A second import of the same ZIP has nothing to overwrite and asks nothing about it.
    app.prompter.clear();
    ASSERT_TRUE(import(zipped));
    for (const QString &text : app.prompter.messageTexts())
        EXPECT_FALSE(text.contains("already exists")) << qPrintable(text);
}

TEST_F(ProductImportTest, AZipWhoseFileIsNamedLikeTheOpenDatabaseLeavesTheDatabaseWhole)
{
    exec("Insert Into Customers ([Customers Number], [Customers Last Name]) Values (1, 'Wright')");
    const QString source = supplierFile({"2008, 5, '111111', 'Lotion', 2, 0, ''"});
    const QString zipped = app.path("catalog.ZIP");
    ASSERT_TRUE(zel::test::zipFilesAs(zipped, {{source, QFileInfo(path).fileName()}}));

    ASSERT_TRUE(import(zipped));
    EXPECT_EQ(app.column("Select [Customers Last Name] From Customers"), QStringList{"Wright"});
    EXPECT_EQ(catalogue(), QStringList({"111-111", "111-111"}));
    EXPECT_EQ(zel::test::TempApp::queryColumn(path, "Select count(*) From Customers"), QStringList{"1"});
}

TEST_F(ProductImportTest, ALinkPlantedBesideTheZipIsNotWrittenThrough)
{
    const QString source = supplierFile({"2008, 5, '111111', 'Lotion', 2, 0, ''"});
    const QString zipped = app.path("Spring.ZIP");
    ASSERT_TRUE(zel::test::zipFiles(zipped, {source}));
    app.writeFile("outside.txt", "precious");
    ASSERT_TRUE(QFile::remove(source));
    ASSERT_TRUE(QFile::link(app.path("outside.txt"), source));

    ASSERT_TRUE(import(zipped));
    EXPECT_EQ(app.readFile("outside.txt"), "precious");
    EXPECT_EQ(catalogue(), QStringList({"111-111", "111-111"}));
}

TEST_F(ProductImportTest, AZipOfTwoFilesIsRefused)
{
    const QString first = supplierFile({"2008, 5, '111111', 'Lotion', 2, 0, ''"});
    const QString second = supplierFile({"2008, 5, '222222', 'Soap', 2, 0, ''"}, true, "Summer.ZELPD");
    const QString zipped = app.path("Both.zip");
    ASSERT_TRUE(zel::test::zipFiles(zipped, {first, second}));
    EXPECT_FALSE(import(zipped));
    EXPECT_EQ(app.prompter.messageTexts().last(), "This file contains more than 1 zipped file.  Action Cancelled.");
    EXPECT_TRUE(catalogue().isEmpty());
}

TEST_F(ProductImportTest, WhatCannotBeImportedIsSaidAndNothingIsWritten)
{
    const QString file = supplierFile({"2008, 5, '111111', 'Lotion', 2, 0, ''"});
    app.writeFile("Broken.ZIP", "not a zip at all");
    app.writeFile("Notes.ZELPD", "not a database");
    ProductImportChoices noDashes;
    noDashes.file = file;
    EXPECT_FALSE(ProductDatabaseImport(*app.state).run(noDashes));
    EXPECT_EQ(app.prompter.messageTexts().last(), "Please select a dash option.");
    EXPECT_FALSE(import(app.path("Gone.ZELPD")));
    EXPECT_EQ(app.prompter.messageTexts().last(), app.path("Gone.ZELPD") + " Not Found.");
    EXPECT_FALSE(import(path));
    EXPECT_EQ(app.prompter.messageTexts().last(), "Cannot import from the current database.");
    EXPECT_FALSE(import(app.path("Notes.ZELPD")));
    EXPECT_TRUE(app.prompter.messageTexts().last().startsWith(app.path("Notes.ZELPD") + ": "));
    app.prompter.clear();
    EXPECT_FALSE(import(app.path("Broken.ZIP")));
    EXPECT_EQ(app.prompter.messageTexts().at(1), "Error attempting to UNZIP the product database zip file. Will attempt to "
                                                 "process as an UNZIPPED file.");
    app.prompter.queueAnswer(Answer::No);
    EXPECT_FALSE(import(file));
    EXPECT_TRUE(catalogue().isEmpty());
}

TEST_F(ProductImportTest, ARowWithAValueItsColumnCannotHoldRefusesTheWholeFile)
{
    product(2008, 5, "123-456", "Old text", 7);
    const QStringList before = products();
    const struct
    {
        const char *row;
        const char *says;
    } wrong[] = {
        {"99999, 5, '777888', 'Cream', 4.5, 12, ''", "Product row 2 (catalog number 777-888) cannot be imported: its campaign is 5 of 99999."},
        {"2008, -5, '777888', 'Cream', 4.5, 12, ''", "Product row 2 (catalog number 777-888) cannot be imported: its campaign is -5 of 2008."},
        {"2008, 5, '777888', 'Cream', 1e308, 12, ''", "Product row 2 (catalog number 777-888) cannot be imported: Products Last Price is"},
        {"2008, 5, '777888', 'Cream', 'NaN', 12, ''", "Product row 2 (catalog number 777-888) cannot be imported: Products Last Price is"},
        {"2008, 5, '777888', 'Cream', 4.5, 99999999999, ''", "Product row 2 (catalog number 777-888) cannot be imported: Products Quanity On Hand is"},
    };
    int file = 0;
    for (const auto &w : wrong) {
        const QString name = QStringLiteral("Bad%1.ZELPD").arg(++file);
        const QString source = supplierFile({"2008, 5, '123456', 'New text', 9.95, 99, ''", QString::fromLatin1(w.row)}, true,
                                            name.toLatin1().constData());
        app.prompter.clear();
        EXPECT_FALSE(import(source)) << w.row;
        const QStringList told = app.prompter.messageTexts();
        EXPECT_TRUE(std::any_of(told.begin(), told.end(), [&](const QString &t) { return t.startsWith(QString::fromLatin1(w.says)); }))
            << qPrintable(told.join('\n'));
        EXPECT_EQ(products(), before) << "not even the good first row";
    }
}

TEST_F(ProductImportTest, AFailedImportLeavesTheCatalogueAsItWas)
{
    product(2008, 5, "123-456", "Old text", 7);
    exec("Create Trigger Refuse Before Insert On Products When New.[Products Catalog Number] = '999-999' Begin Select "
         "Raise(Abort, 'refused'); End");
    const QString file = supplierFile({"2008, 5, '123456', 'New text', 9.95, 99, ''", "2008, 5, '777888', 'Cream', 4.5, 12, ''",
                                       "2008, 5, '999999', 'Refused', 1, 1, ''"});
    const QStringList before = products();
    app.prompter.queueAnswer(Answer::Yes);
    app.prompter.queueAnswer(Answer::Ignore);
    EXPECT_FALSE(import(file));
    EXPECT_EQ(products(), before);
}

TEST(ProductSource, ReadsTheProductsOfAnAccessFile)
{
    const QString nwind = QDir(QStringLiteral(ZEL_FIXTURES_DIR "/jet")).filePath(QStringLiteral("nwind-jet3.mdb"));
    if (!QFile::exists(nwind))
        GTEST_SKIP() << "sample Access file nwind-jet3.mdb not found under " ZEL_FIXTURES_DIR "/jet";
    ProductSource source;
    ASSERT_TRUE(source.open(nwind)) << qPrintable(source.errorString());
    EXPECT_FALSE(source.hasCampaignColumns());
    const int name = source.columnIndex(QStringLiteral("productname"));
    ASSERT_GE(name, 0);
    QStringList names;
    ASSERT_TRUE(source.readRows([&](const QVariantList &row) {
        names << row.value(name).toString();
        return true;
    }));
    EXPECT_EQ(names.size(), 77);
    EXPECT_TRUE(names.contains("Chai"));
}

TEST(ZipArchive, ListsFilesAndRefusesWhatIsNoZip)
{
    zel::test::TempApp app;
    app.writeFile("a.txt", "first");
    app.writeFile("Bad.zip", "PK\x03\x04 but nothing more");
    ASSERT_TRUE(zel::test::zipFiles(app.path("One.zip"), {app.path("a.txt")}));
    ZipArchive archive;
    ASSERT_TRUE(archive.open(app.path("One.zip")));
    EXPECT_EQ(archive.fileNames(), QStringList{"a.txt"});
    ASSERT_TRUE(archive.extract("a.txt", app.path("b.txt")));
    EXPECT_EQ(app.readFile("b.txt"), "first");
    EXPECT_FALSE(archive.extract("missing.txt", app.path("c.txt")));
    EXPECT_FALSE(QFile::exists(app.path("c.txt")));
    EXPECT_FALSE(archive.open(app.path("Bad.zip")));
    EXPECT_TRUE(archive.errorString().startsWith(app.path("Bad.zip")));
}

TEST(ZipArchive, NeverReplacesNorFollowsWhatIsThereAndStopsAtItsLimit)
{
    zel::test::TempApp app;
    app.writeFile("a.txt", QByteArray(3000, 'x'));
    ASSERT_TRUE(zel::test::zipFiles(app.path("One.zip"), {app.path("a.txt")}));
    ZipArchive archive;
    ASSERT_TRUE(archive.open(app.path("One.zip")));

    app.writeFile("taken.txt", "precious");
    EXPECT_FALSE(archive.extract("a.txt", app.path("taken.txt")));
    EXPECT_EQ(app.readFile("taken.txt"), "precious");
    ASSERT_TRUE(QFile::link(app.path("taken.txt"), app.path("link.txt")));
    EXPECT_FALSE(archive.extract("a.txt", app.path("link.txt")));
    EXPECT_EQ(app.readFile("taken.txt"), "precious");

    // Much more unpacked than the limit allows: stopped, nothing left, and said why.
    EXPECT_FALSE(archive.extract("a.txt", app.path("big.txt"), 1000));
    EXPECT_TRUE(archive.tooLarge());
    EXPECT_FALSE(QFile::exists(app.path("big.txt")));
    EXPECT_TRUE(archive.errorString().contains("larger than")) << qPrintable(archive.errorString());
    EXPECT_TRUE(archive.extract("a.txt", app.path("fits.txt"), 3000));
    EXPECT_FALSE(archive.tooLarge());
}

} // namespace
