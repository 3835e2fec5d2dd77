#include "app/cli_runner.h"
#include "db/jet_conversion.h"
#include "db/jet_reader.h"
#include "db/jet_snapshot.h"
#include "migration/upgrade_check.h"
#include "shell/access_header.h"
#include "shell/database_connection.h"
#include "test_support.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QtEndian>

#include <mdbtools.h>

namespace zel::test {
namespace {

// The sample Access files live outside the repository; without them these tests skip.
QString fixture(const char *name)
{
    return QDir(QStringLiteral(ZEL_FIXTURES_DIR "/jet")).filePath(QString::fromLatin1(name));
}

#define REQUIRE_FIXTURE(name)                                                                          \
    if (!QFile::exists(fixture(name)))                                                                 \
    GTEST_SKIP() << "sample Access file " << name << " not found under " ZEL_FIXTURES_DIR "/jet"

QByteArray hashOf(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

TEST(JetReader, TellsAccessFilesByTheirHeader)
{
    TempApp app;
    app.writeFile("Text.ZELDB", "Standard Jet DB but not at the start");
    EXPECT_EQ(db::JetReader::jetVersionOf(app.path("Text.ZELDB")), 0);
    EXPECT_EQ(db::JetReader::jetVersionOf(app.makeZelDatabase("Shop.ZELDB")), 0);
    db::JetReader reader;
    EXPECT_FALSE(reader.open(app.path("Text.ZELDB")));
    EXPECT_FALSE(reader.errorString().isEmpty());
    REQUIRE_FIXTURE("nwind-jet3.mdb");
    EXPECT_EQ(db::JetReader::jetVersionOf(fixture("nwind-jet3.mdb")), 3);
    EXPECT_EQ(db::JetReader::jetVersionOf(fixture("dates-jet4.mdb")), 4);
}

TEST(JetReader, ListsTablesColumnsAndRowsOfAJet3File)
{
    REQUIRE_FIXTURE("nwind-jet3.mdb");
    db::JetReader reader;
    ASSERT_TRUE(reader.open(fixture("nwind-jet3.mdb"))) << qPrintable(reader.errorString());
    EXPECT_EQ(reader.jetVersion(), 3);
    EXPECT_TRUE(reader.tableNames().contains(QStringLiteral("Order Details")));
    EXPECT_TRUE(reader.tableNames().contains(QStringLiteral("Umsätze")));
    const auto columns = reader.columns(QStringLiteral("Products"));
    ASSERT_EQ(columns.size(), 10u);
    EXPECT_EQ(columns[5].name, "UnitPrice");
    EXPECT_EQ(columns[5].type, db::JetType::Currency);
    EXPECT_EQ(columns[9].type, db::JetType::Boolean);
    EXPECT_EQ(columns[1].size, 40);
    int rows = 0;
    EXPECT_TRUE(reader.readRows(QStringLiteral("Products"), [&](const QVariantList &row) {
        EXPECT_EQ(row.size(), 10);
        EXPECT_TRUE(row.at(9).toInt() == -1 || row.at(9).toInt() == 0);
        return ++rows < 5;
    }));
    EXPECT_EQ(rows, 5);
    EXPECT_FALSE(reader.readRows(QStringLiteral("No Such Table"), [](const QVariantList &) { return true; }));
}

// Writes a copy of the Jet 3 sample to `path` with `table` damaged the way a broken file can be: its
// definition is pointed at an empty row for the map of its pages. The row is a new one after the
// last row of the page that holds the map, so nothing else in the file changes.
// Where the definition of `table` lies in the file, and the offsets of the file's format.
struct TableDefinition
{
    qint64 page = -1;
    qint64 pageSize = 0;
    int usageMapOffset = 0;
    int rowCountOffset = 0;
    int numRowsOffset = 0;
};

// Writes a writable copy of the Jet 3 sample to `path` and finds where `table` is defined in it.
void copySample(const QString &path, const char *table, TableDefinition &found)
{
    ASSERT_TRUE(QFile::copy(fixture("nwind-jet3.mdb"), path));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    MdbHandle *mdb = mdb_open(QFile::encodeName(path).constData(), MDB_NOFLAGS);
    ASSERT_TRUE(mdb && mdb_read_catalog(mdb, MDB_TABLE));
    for (unsigned i = 0; i < mdb->num_catalog; ++i) {
        auto *entry = static_cast<MdbCatalogEntry *>(g_ptr_array_index(mdb->catalog, i));
        if (qstrcmp(entry->object_name, table) == 0)
            found.page = qint64(entry->table_pg);
    }
    found.pageSize = mdb->fmt->pg_size;
    found.usageMapOffset = mdb->fmt->tab_usage_map_offset;
    found.rowCountOffset = mdb->fmt->row_count_offset;
    found.numRowsOffset = mdb->fmt->tab_num_rows_offset;
    mdb_close(mdb);
    ASSERT_GE(found.page, 0) << table;
}

void emptyPageMapOf(const QString &path, const char *table)
{
    TableDefinition found;
    ASSERT_NO_FATAL_FAILURE(copySample(path, table, found));
    const qint64 definition = found.page;
    const qint64 pageSize = found.pageSize;
    const int mapPointer = found.usageMapOffset;
    const int rowCount = found.rowCountOffset;

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll();
    uchar *data = reinterpret_cast<uchar *>(bytes.data());
    uchar *pointer = data + definition * pageSize + mapPointer;
    const quint32 mapPage = qFromLittleEndian<quint32>(pointer) >> 8;
    uchar *page = data + mapPage * pageSize;
    const quint16 rows = qFromLittleEndian<quint16>(page + rowCount);
    ASSERT_GT(rows, 0);
    // A row ends where the one before it starts; starting there too leaves it no bytes.
    const quint16 lastStart = qFromLittleEndian<quint16>(page + rowCount + 2 * rows) & 0x1fff;
    qToLittleEndian<quint16>(lastStart, page + rowCount + 2 + 2 * rows);
    qToLittleEndian<quint32>((mapPage << 8) | rows, pointer);
    ASSERT_TRUE(file.seek(0));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

TEST(JetReader, ATableWithoutItsPageMapIsReportedInsteadOfRead)
{
    REQUIRE_FIXTURE("nwind-jet3.mdb");
    TempApp app;
    const QString path = app.path("Damaged.mdb");
    const QString damaged = QStringLiteral("Products");
    ASSERT_NO_FATAL_FAILURE(emptyPageMapOf(path, "Products"));

    db::JetReader reader;
    ASSERT_TRUE(reader.open(path)) << qPrintable(reader.errorString());
    EXPECT_FALSE(reader.readRows(damaged, [](const QVariantList &) { return true; }));
    EXPECT_EQ(reader.errorString(), QStringLiteral("The table ") + damaged + QStringLiteral(" could not be read."));
    int readable = 0;
    for (const QString &table : reader.tableNames()) {
        if (table != damaged && reader.readRows(table, [](const QVariantList &) { return false; }))
            ++readable;
    }
    EXPECT_EQ(readable, reader.tableNames().size() - 1);

    const auto result = db::JetConversion::convert(path, app.path("Converted.ZELDB"), false);
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(result.error.contains(damaged)) << qPrintable(result.error);
    EXPECT_FALSE(QFile::exists(app.path("Converted.ZELDB")));
}

// Writes a copy of the Jet 3 sample to `path` whose `table` declares `more` rows than its pages
// hold, as a file with damaged data pages does.
void declareMoreRows(const QString &path, const char *table, quint32 more)
{
    TableDefinition found;
    ASSERT_NO_FATAL_FAILURE(copySample(path, table, found));
    const qint64 offset = found.page * found.pageSize + found.numRowsOffset;
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite) && file.seek(offset));
    QByteArray count = file.read(4);
    ASSERT_EQ(count.size(), 4);
    qToLittleEndian<quint32>(qFromLittleEndian<quint32>(count.constData()) + more, count.data());
    ASSERT_TRUE(file.seek(offset));
    ASSERT_EQ(file.write(count), 4);
}

TEST(JetReader, ATableWithFewerRowsThanItDeclaresIsNamedAfterTheConversion)
{
    REQUIRE_FIXTURE("nwind-jet3.mdb");
    TempApp app;
    const QString path = app.path("Short.mdb");
    ASSERT_NO_FATAL_FAILURE(declareMoreRows(path, "Products", 3));

    const auto whole = db::JetConversion::convert(fixture("nwind-jet3.mdb"), app.path("Whole.ZELDB"), false);
    ASSERT_TRUE(whole.ok()) << qPrintable(whole.error);
    EXPECT_TRUE(whole.incomplete.isEmpty()) << qPrintable(whole.incomplete.join('\n'));
    EXPECT_TRUE(whole.incompleteWarning().isEmpty());

    const auto result = db::JetConversion::convert(path, app.path("Converted.ZELDB"), false);
    ASSERT_TRUE(result.ok()) << qPrintable(result.error);
    EXPECT_EQ(result.incomplete, QStringList{"Products: 77 of 80 rows"});
    EXPECT_TRUE(result.incompleteWarning().contains("Products: 77 of 80 rows"));
    EXPECT_EQ(result.rows, whole.rows) << "every row that could be read is there";

    // An import takes nothing from such a file.
    db::JetSnapshot snapshot;
    EXPECT_FALSE(snapshot.open(path));
    EXPECT_TRUE(snapshot.errorString().contains("Products: 77 of 80 rows")) << qPrintable(snapshot.errorString());

    // The command says so on its error stream, and still gives the converted file.
    const CommandRun run = runCli(app, {"db", "convert", path, app.path("Again.ZELDB")});
    EXPECT_EQ(run.code, 0);
    EXPECT_TRUE(run.err.contains("Products: 77 of 80 rows")) << qPrintable(run.err);
}

TEST(JetReader, AListOfTablesWithoutItsPageMapIsNotOpened)
{
    REQUIRE_FIXTURE("nwind-jet3.mdb");
    TempApp app;
    const QString path = app.path("Damaged.mdb");
    ASSERT_NO_FATAL_FAILURE(emptyPageMapOf(path, "MSysObjects"));

    db::JetReader reader;
    EXPECT_FALSE(reader.open(path));
    EXPECT_EQ(reader.errorString(), path + QStringLiteral(": the list of tables could not be read."));
}

class JetConversionTest : public ::testing::Test
{
protected:
    TempApp app;
    QString one(const QString &file, const QString &sql) { return TempApp::queryColumn(file, sql).value(0); }
};

TEST_F(JetConversionTest, EveryTableAndRowOfAJet3FileArrivesWithItsValues)
{
    REQUIRE_FIXTURE("nwind-jet3.mdb");
    const QString out = app.path("Northwind.ZELDB");
    const QByteArray before = hashOf(fixture("nwind-jet3.mdb"));
    const auto result = db::JetConversion::convert(fixture("nwind-jet3.mdb"), out, false);
    ASSERT_TRUE(result.ok()) << qPrintable(result.error);
    EXPECT_EQ(result.tables, 9);
    EXPECT_EQ(hashOf(fixture("nwind-jet3.mdb")), before);
    EXPECT_EQ(one(out, "Select Count(*) From [Order Details]"), "2155");
    EXPECT_EQ(one(out, "Select Count(*) From [Umsätze]"), "830");
    EXPECT_EQ(one(out, "Select Count(*) From Customers"), "91");
    // Accented letters of the old code page, money to the cent and dates as stored text.
    EXPECT_EQ(one(out, "Select CompanyName From Customers Where CustomerID = 'BLONP'"), "Blondel père et fils");
    EXPECT_EQ(one(out, "Select Freight From Orders Where OrderID = 10248"), "32.38");
    EXPECT_EQ(one(out, "Select OrderDate From Orders Where OrderID = 10248"), "1994-08-04 00:00:00");
    EXPECT_EQ(one(out, "Select Discontinued From Products Where ProductID = 5"), "-1");
    EXPECT_EQ(one(out, "Select Discontinued From Products Where ProductID = 1"), "0");
    EXPECT_EQ(result.rows, one(out, "Select (Select Count(*) From Categories) + (Select Count(*) From Customers) + (Select Count(*) "
                                    "From Employees) + (Select Count(*) From [Order Details]) + (Select Count(*) From Orders) + "
                                    "(Select Count(*) From Products) + (Select Count(*) From Shippers) + (Select Count(*) From "
                                    "Suppliers) + (Select Count(*) From [Umsätze])")
                               .toLongLong());
}

// The fuzz harness converts in its own process; what it checks must be the program's conversion.
TEST_F(JetConversionTest, ConvertingInThisProcessGivesWhatTheChildProcessGives)
{
    REQUIRE_FIXTURE("nwind-jet3.mdb");
    using db::JetConversion;
    const auto child = JetConversion::convert(fixture("nwind-jet3.mdb"), app.path("Child.ZELDB"), false);
    QStringList statuses;
    const auto here = JetConversion::convert(
        fixture("nwind-jet3.mdb"), app.path("Here.ZELDB"), false, [&](const QString &text) { statuses << text; },
        JetConversion::Isolation::SameProcess);
    ASSERT_TRUE(here.ok()) << qPrintable(here.error);
    EXPECT_EQ(here.tables, child.tables);
    EXPECT_EQ(here.rows, child.rows);
    EXPECT_EQ(statuses.size(), here.tables); // one "Converting" per table, no empty heartbeats
    EXPECT_EQ(one(app.path("Here.ZELDB"), "Select Group_Concat(Freight) From Orders"),
              one(app.path("Child.ZELDB"), "Select Group_Concat(Freight) From Orders"));

    ASSERT_NO_FATAL_FAILURE(emptyPageMapOf(app.path("Damaged.mdb"), "Products"));
    const auto damaged = JetConversion::convert(app.path("Damaged.mdb"), app.path("Damaged.ZELDB"), false, {},
                                                JetConversion::Isolation::SameProcess);
    EXPECT_EQ(damaged.error, QStringLiteral("The table Products could not be read."));
    EXPECT_FALSE(QFile::exists(app.path("Damaged.ZELDB")));
}

TEST_F(JetConversionTest, Jet4DatesAndTextsReadBackExactly)
{
    REQUIRE_FIXTURE("dates-jet4.mdb");
    const QString out = app.path("Dates.ZELDB");
    ASSERT_TRUE(db::JetConversion::convert(fixture("dates-jet4.mdb"), out, false).ok());
    EXPECT_EQ(one(out, "Select Count(*) From DateTest"), "6");
    // Years the library's own date text cannot show come from the stored day count.
    EXPECT_EQ(TempApp::queryColumn(out, "Select DateTimeCol From DateTest Order By IDCol"),
              QStringList({"2021-12-02 00:00:00", "9999-01-01 00:00:00", "1898-01-01 00:00:00", "0632-01-01 00:00:00",
                           "2021-12-02 00:00:00", "2021-12-02 00:00:00"}));
    EXPECT_EQ(one(out, "Select LongTextCol From DateTest Where IDCol = 6"), "New line\r\nin field");
}

// The sample file is no ZEL database, so the conversion is asked for with its own table as the
// signature; opening converts with ZEL's.
TEST_F(JetConversionTest, OpeningAnAccessFileConvertsItInPlaceAndKeepsTheOriginal)
{
    REQUIRE_FIXTURE("dates-jet4.mdb");
    const QString path = app.path("Old Shop.ZELDB");
    ASSERT_TRUE(QFile::copy(fixture("dates-jet4.mdb"), path));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    const QByteArray original = hashOf(path);
    ASSERT_TRUE(db::convertAccessDatabase(*app.state, path, {"datetest"}));
    const QString kept = db::accessBackupName(*app.state, path);
    EXPECT_EQ(hashOf(kept), original);
    EXPECT_EQ(db::JetReader::jetVersionOf(path), 0);
    EXPECT_EQ(one(path, "Select Count(*) From DateTest"), "6");
    EXPECT_TRUE(app.prompter.messageTexts().value(0).contains(QStringLiteral("kept unchanged as ") + kept));
}

// The sample shop has Customers and Orders tables, but not ZEL's: it is refused before anything is
// written, and the message says what it is.
TEST_F(JetConversionTest, AnAccessFileThatIsNoZelDatabaseIsLeftAlone)
{
    REQUIRE_FIXTURE("nwind-jet3.mdb");
    const QString path = app.path("Shop.MDB");
    ASSERT_TRUE(QFile::copy(fixture("nwind-jet3.mdb"), path));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    const QByteArray original = hashOf(path);
    EXPECT_FALSE(db::Gs_CheckDBVersion(*app.state, path));
    EXPECT_EQ(hashOf(path), original);
    EXPECT_EQ(app.prompter.messageTexts().value(0),
              path + " is an Access database, but not a ZEL database: it lacks [Customers Number] in Customers and [Orders "
                     "Internal Flag] in Orders.\n\nThe file has not been changed.");
    EXPECT_EQ(QDir(app.path("")).entryList({"*_Access_*", "*.ZELWK"}), QStringList());

    const auto converted = db::JetConversion::convert(path, app.path("Out.ZELDB"), false, {}, db::JetConversion::Isolation::ChildProcess,
                                                      {"Customers.CustomerID", "Orders"});
    EXPECT_TRUE(converted.ok()) << qPrintable(converted.error);
}

// One version byte damaged: every way in says the same, and not "not an Access database".
TEST_F(JetConversionTest, ADamagedVersionByteIsNamedTheSameEverywhere)
{
    REQUIRE_FIXTURE("nwind-jet3.mdb");
    QFile source(fixture("nwind-jet3.mdb"));
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    QByteArray bytes = source.readAll();
    bytes[0x14] = 0x07;
    app.writeFile("Bad.MDB", bytes);
    const QString path = app.path("Bad.MDB");
    EXPECT_EQ(accessHeaderOf(path), AccessHeader::DamagedVersion);
    const QString problem = accessHeaderProblem(AccessHeader::DamagedVersion);
    EXPECT_TRUE(problem.contains("header is damaged"));

    const CommandRun convert = runCli(app, {"db", "convert", path, app.path("Out.ZELDB")});
    EXPECT_EQ(convert.err, path + " " + problem + ".\n");
    const CommandRun check = runCli(app, {"db", "check", path});
    EXPECT_TRUE(check.out.contains(problem) || check.err.contains(problem)) << qPrintable(check.out + check.err);
    DatabaseConnection connection;
    EXPECT_FALSE(connection.open(path));
    EXPECT_EQ(connection.errorString(), "The file " + problem);
}

TEST_F(JetConversionTest, ADamagedAccessFileIsLeftAsItWasWithAMessage)
{
    REQUIRE_FIXTURE("dates-jet4.mdb");
    QFile source(fixture("dates-jet4.mdb"));
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    const QByteArray cut = source.read(4096 * 2); // the header, no catalogue
    app.writeFile("Cut.ZELDB", cut);
    EXPECT_FALSE(db::Gs_CheckDBVersion(*app.state, app.path("Cut.ZELDB")));
    EXPECT_EQ(hashOf(app.path("Cut.ZELDB")), QCryptographicHash::hash(cut, QCryptographicHash::Sha256));
    EXPECT_TRUE(app.prompter.messageTexts().value(0).contains("could not be converted"));
    EXPECT_EQ(QDir(app.path("")).entryList({"*.MDB", "*.ZELWK"}), QStringList());
}

} // namespace
} // namespace zel::test
