#include "reports/pdf_file_name.h"

#include "report_rows.h"
#include "test_support.h"

#include <QFileInfo>

using namespace zel;
using namespace zel::test;

namespace {

class PdfFileNameTest : public OpenDatabaseTest
{
};

} // namespace

// Beside the database, with her name and the campaign; a slash in a title cannot reach the path.
TEST_F(PdfFileNameTest, TheProposedFileNamesTheReportCustomerAndCampaign)
{
    open({customer(1, "Ann", "Adams")});
    const QString folder = QFileInfo(app.state->databasePath).absolutePath();
    ASSERT_FALSE(app.state->databasePath.isEmpty());
    EXPECT_EQ(reports::suggestedPdfPath(*app.state, "Customer Orders", 1, {2026, 4}),
              folder + "/Customer Orders - Ann Adams - C04 2026.pdf");
    EXPECT_EQ(reports::suggestedPdfPath(*app.state, "Sales/Returns: 2026"), folder + "/Sales Returns 2026.pdf");
    EXPECT_EQ(reports::suggestedPdfPath(*app.state, "Invoice", 99, {2026, 24}), folder + "/Invoice - C24 2026.pdf")
        << "a customer who is not there adds nothing";
}
