#pragma once

#include <QString>

#include <array>

namespace zel {

class AppSettings;

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

} // namespace zel
