#include "shell/screen_positions.h"

#include "shell/app_settings.h"

#include <algorithm>

namespace zel {

namespace {
const char *const kSuffixes[4] = {"-Left", "-Top", "-Width", "-Height"};
}

std::array<int, 4> readScreenPosition(const AppSettings &settings, const QString &formName)
{
    std::array<int, 4> values{};
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        const int v = qRound(settings.read(settings::screenSize(formName, QLatin1String(kSuffixes[i]))).toDouble(&ok));
        values[i] = ok ? v : -1;
    }
    return values;
}

void saveScreenPosition(const AppSettings &settings, const QString &formName, const ScreenRect &rect)
{
    const int values[4] = {rect.left, rect.top, rect.width, rect.height};
    for (int i = 0; i < 4; ++i)
        settings.write(settings::screenSize(formName, QLatin1String(kSuffixes[i])), QString::number(values[i]));
}

ScreenRect placeScreen(const std::array<int, 4> &saved, int screenWidth, int screenHeight,
                       int windowWidth, int windowHeight)
{
    if (std::none_of(saved.begin(), saved.end(), [](int v) { return v == -1; }))
        return {saved[0], saved[1], saved[2], saved[3]};
    return {(screenWidth - windowWidth) / 2, (screenHeight - windowHeight) / 2, windowWidth, windowHeight};
}

QRect openingGeometry(const std::array<int, 4> &saved, const QRect &available, const QSize &size)
{
    // A screen designed larger than this desktop opens at the desktop's size, centred, never cut off.
    const QSize fitting = available.isValid() ? size.boundedTo(available.size()) : size;
    const ScreenRect place = placeScreen(saved, available.width(), available.height(), fitting.width(), fitting.height());
    if (std::none_of(saved.begin(), saved.end(), [](int v) { return v == -1; }))
        return {place.left, place.top, place.width, place.height};
    return {available.left() + place.left, available.top() + place.top, place.width, place.height};
}

QSize resetSize(const QSize &designed, const QSize &contentsNeed, const QSize &available)
{
    const QSize wanted = designed.expandedTo(contentsNeed);
    return available.isValid() ? wanted.boundedTo(available) : wanted;
}

} // namespace zel
