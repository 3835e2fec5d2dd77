#pragma once

class QWidget;

namespace zel {

class AppSettings;

// Every screen calls this when it loads: placeholders in captions and tooltips, the screen's font,
// its saved size and position (or centred), and the program icon. The screen's objectName is its
// form name, the key of its settings.
void Gs_Screen_Setup(QWidget *screen, const AppSettings &settings);
// Every screen calls this when it closes: remembers its size and position (the client area, which
// Gs_Screen_Setup restores, so a screen opens exactly where it was closed).
void Gs_Screen_Save(const QWidget *screen, const AppSettings &settings);
// Replaces the placeholders in every caption and tooltip of the screen.
void Gs_Caption_Replace(QWidget *screen);
// Puts a screen back to its designed size, centred; never smaller than its contents and its title need.
void centreOnScreen(QWidget *screen);

// "Print Screen": an image of the screen on the printer the user picks.
void printScreen(QWidget *screen);

} // namespace zel
