#pragma once

#include "utilities/shop_fixture.h"
#include "utilities/ui/utilities_screen.h"

#include <memory>

namespace zel::test {

// The utilities screen on a shop in campaign 2008/5, opened once the test's rows are in.
class UtilitiesScreenFixture : public ShopTest
{
protected:
    void openScreen()
    {
        app.state->options.CurrentCampaignYear = 2008;
        app.state->options.CurrentCampaignNumber = 5;
        screen = std::make_unique<UtilitiesScreen>(*app.state);
    }
    template <class Page>
    Page *page(const char *title)
    {
        return dynamic_cast<Page *>(screen->page(QString::fromLatin1(title)));
    }
    std::unique_ptr<UtilitiesScreen> screen;
};

} // namespace zel::test
