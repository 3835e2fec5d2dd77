#include "utilities/ui/export_page.h"
#include "utilities/ui/import_page.h"
#include "utilities/ui/utilities_screen.h"

#include "mnemonic_check.h"
#include "test_support.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

using namespace zel;

namespace {

class ExchangePagesTest : public test::OpenDatabaseTest
{
protected:
    void SetUp() override { open(); }
};

} // namespace

TEST_F(ExchangePagesTest, TheImportTabNeedsATypeAndImportsTheChosenFile)
{
    ImportPage page(*app.state);
    page.runImport();
    EXPECT_EQ(app.prompter.messageTexts().last(), "Please Select an Import Option.");

    app.writeFile("list.csv", "Ann;Abbot;1 Elm;Town;ST;111;;;;\n");
    page.type(ImportPage::Csv)->setChecked(true);
    page.delimiterBox()->setText(";");
    app.prompter.queueFile(app.path("list.csv"));
    page.runImport();
    EXPECT_EQ(app.prompter.messageTexts().last(), "Imported 1 customers!");
    EXPECT_EQ(app.column("Select [Customers Last Name] From Customers"), QStringList({"Abbot"}));

    page.qualifierBox()->clear();
    page.runImport();
    EXPECT_EQ(app.prompter.messageTexts().last(), "Enter a qualifer such as double quotes.");
}

TEST_F(ExchangePagesTest, TheExportTabWritesWhatIsTickedAndEveryKeyIsReachable)
{
    ExportPage page(*app.state);
    page.show();
    QApplication::processEvents();
    EXPECT_EQ(test::repeatedMnemonics(&page), QStringList());
    page.runExport();
    EXPECT_EQ(app.prompter.messageTexts().last(), "Please select Export Sort Option");

    page.selection(ExportPage::All)->setChecked(true);
    page.sort(ExportPage::Name)->setChecked(true);
    page.content(ExportPage::AllOrderData)->setChecked(true);
    page.headerBox()->setChecked(true);
    app.prompter.queueFile(app.path("orders.txt"));
    page.runExport();
    EXPECT_EQ(app.prompter.messageTexts().last(), "Successfully Exported 0.");
    EXPECT_TRUE(app.readFile("orders.txt").startsWith("\"Orders Index\",\"Orders Customer Number\","));
}

TEST_F(ExchangePagesTest, TheChosenTypesAndSeparatorsComeBackTheNextTime)
{
    {
        UtilitiesScreen screen(*app.state);
        auto *import = dynamic_cast<ImportPage *>(screen.page("3 Import"));
        auto *exporter = dynamic_cast<ExportPage *>(screen.page("4 Export"));
        ASSERT_TRUE(import && exporter);
        import->type(ImportPage::Timesaver)->setChecked(true);
        import->delimiterBox()->setText(";");
        exporter->selection(ExportPage::Closed)->setChecked(true);
        exporter->headerBox()->setChecked(true);
        screen.accept();
    }
    UtilitiesScreen again(*app.state);
    auto *import = dynamic_cast<ImportPage *>(again.page("3 Import"));
    auto *exporter = dynamic_cast<ExportPage *>(again.page("4 Export"));
    EXPECT_TRUE(import->type(ImportPage::Timesaver)->isChecked());
    EXPECT_EQ(import->delimiterBox()->text(), ";");
    EXPECT_EQ(import->qualifierBox()->text(), "\"");
    EXPECT_TRUE(exporter->selection(ExportPage::Closed)->isChecked());
    EXPECT_TRUE(exporter->headerBox()->isChecked());
}
