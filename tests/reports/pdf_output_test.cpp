#include "reports/report_page.h"
#include "reports/report_renderer.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

using namespace zel;
using zel::test::TempApp;

TEST(PdfOutput, APdfReplacesTheOldFileWholeOrLeavesItAlone)
{
    TempApp app;
    reports::Document document;
    document.title = "Invoice";
    document.pages.push_back(reports::Page{QSizeF(612, 792), {}});
    app.writeFile("Invoice.pdf", "the invoice printed yesterday");

    QString error;
    ASSERT_TRUE(reports::writePdf(document, app.path("Invoice.pdf"), &error)) << qPrintable(error);
    EXPECT_TRUE(app.readFile("Invoice.pdf").startsWith("%PDF-"));
    EXPECT_EQ(QDir(app.path("")).entryList(QDir::Files).filter("Invoice"), QStringList{"Invoice.pdf"})
        << "no temporary file is left beside it";

    EXPECT_FALSE(reports::writePdf(reports::Document{}, app.path("Invoice.pdf"), &error));
    EXPECT_TRUE(app.readFile("Invoice.pdf").startsWith("%PDF-")) << "an empty document never replaces a good file";
}
