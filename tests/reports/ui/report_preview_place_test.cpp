#include "reports/ui/report_preview.h"

#include "shell/screen_positions.h"
#include "test_support.h"

#include <gtest/gtest.h>

using namespace zel;
using namespace zel::reports;
using zel::test::TempApp;

// The preview opens where it was last closed, like every other screen.
TEST(ReportPreviewPlace, ClosingRemembersWhereItWasAndTheNextOpensThere)
{
    TempApp app;
    const Document document{"Placed", {Page{QSizeF(612, 792), {}}}};
    {
        ReportPreview preview(*app.state, document);
        preview.show();
        preview.setGeometry(60, 50, 700, 640);
        preview.accept();
    }
    EXPECT_EQ(readScreenPosition(app.state->settings, "Zel_ReportPreview"), (std::array<int, 4>{60, 50, 700, 640}));
    ReportPreview again(*app.state, document);
    EXPECT_EQ(again.geometry(), QRect(60, 50, 700, 640));
}
