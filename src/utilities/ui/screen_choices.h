#pragma once

class QWidget;

namespace zel {

class IniFile;

// A screen's choices kept in its options file: option buttons under [OptionsButtons] ("-1"/"0"),
// check boxes under [CheckBoxes] ("1"/"0"), lists under [ComboBoxes] (the chosen text) and text
// boxes under [TextBoxes], each keyed by the control's object name. Only named controls are kept.
void restoreChoices(QWidget *screen, const IniFile &file);
void saveChoices(const QWidget *screen, const IniFile &file);

} // namespace zel
