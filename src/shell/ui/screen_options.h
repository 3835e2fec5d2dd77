#pragma once

class QWidget;

namespace zel {

class IniFile;

// The screen option files (ZELRPTOPTSINI.600 and its kin): the state of every named option button,
// check box, list and text box of a screen, written when it closes and restored when it opens.
// Sections [OptionsButtons] ("-1"/"0"), [CheckBoxes] ("1"/"0"), [ComboBoxes] and [TextBoxes]
// (the text), each keyed by the control's objectName.
void saveScreenOptions(const QWidget *screen, const IniFile &file);
void restoreScreenOptions(QWidget *screen, const IniFile &file);

} // namespace zel
