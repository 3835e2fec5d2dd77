#include "reports/ui/report_preview.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QLabel>

using namespace zel;
using namespace zel::reports;
using zel::test::TempApp;

TEST(ReportPreview, ShowsEveryPageAndSavesThePdf)
{
    TempApp app;
    Document document{"Test", {}};
    for (int i = 0; i < 2; ++i) {
        Page page{QSizeF(612, 792), {}};
        page.items.push_back(TextItem{QRectF(36, 36, 300, 20), QString("Page %1").arg(i + 1), ReportFont{}, Qt::AlignLeft});
        page.items.push_back(LineItem{QLineF(36, 60, 576, 60)});
        document.pages.push_back(page);
    }
    ReportPreview preview(*app.state, document);
    EXPECT_EQ(preview.pageCount(), 2);
    EXPECT_EQ(preview.findChildren<QLabel *>().size(), 2);
    const int width = preview.findChildren<QLabel *>().at(0)->pixmap().width();
    preview.setZoom(2.0);
    EXPECT_NEAR(preview.findChildren<QLabel *>().at(0)->pixmap().width(), width * 2, 2);
    ASSERT_TRUE(preview.savePdf(app.path("out.pdf")));
    EXPECT_GT(QFileInfo(app.path("out.pdf")).size(), 500);
    EXPECT_FALSE(preview.savePdf(app.path("missing/out.pdf")));
    EXPECT_TRUE(app.prompter.messageTexts().last().startsWith("The PDF file could not be written."));
}
