#pragma once

#include <QRect>
#include <QString>

#include <array>

namespace zel {

class AppSettings;

// A screen's client area on the desktop (the window without its frame and title bar). The frame
// is left out on purpose: its size is only known once the window manager has drawn it, so a place
// that includes it would come back shifted by the title bar's height on the next start.
struct ScreenRect
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const ScreenRect &) const = default;
};

// Left, top, width and height saved for a screen; -1 where nothing is saved.
std::array<int, 4> readScreenPosition(const AppSettings &settings, const QString &formName);
void saveScreenPosition(const AppSettings &settings, const QString &formName, const ScreenRect &rect);

// Where a screen opens: its saved place when all four values are saved, otherwise centred
// with its current size (a position that is off the screen is used unchanged).
ScreenRect placeScreen(const std::array<int, 4> &saved, int screenWidth, int screenHeight,
                       int windowWidth, int windowHeight);

// The client area a screen opens with on the desktop: the saved one, or `size` centred in
// `available` (the desktop without its panels).
QRect openingGeometry(const std::array<int, 4> &saved, const QRect &available, const QSize &size);

// The size "Reset Screen Size / Position" gives a screen: its designed size, never smaller than
// what its contents and its title need, and never larger than the desktop.
QSize resetSize(const QSize &designed, const QSize &contentsNeed, const QSize &available);

} // namespace zel
