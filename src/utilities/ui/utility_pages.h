#pragma once

#include <QString>

#include <functional>
#include <vector>

class QWidget;

namespace zel {

class AppState;
class UtilityPage;

// The tabs of the utilities screen in their order. A tab without a page is shown disabled with its
// tooltip; giving it a page is one line here, and nothing else of the screen changes.
struct UtilityPageEntry
{
    QString title;
    std::function<UtilityPage *(AppState &, QWidget *)> make;
    QString laterTooltip; // for a tab without a page yet
};

const std::vector<UtilityPageEntry> &utilityPages();

} // namespace zel
