// Items of an option combo box by their text, not their position: the items are the option list's
// texts, in its order, and a dialog names the one it means.
#pragma once

#include <string_view>

class TComboBox;

// Selects the item of that text. A box without items (a field the switch's table lacks, left
// unbound) stays as it is; a text a filled box does not hold is a fault of the dialog
// (std::logic_error), never a silent selection of nothing.
void SelectOption(TComboBox* combo, std::string_view text);
// No item selected (a field with nothing chosen yet).
void SelectNoOption(TComboBox* combo);
// True when the selected item has that text.
bool OptionSelected(const TComboBox* combo, std::string_view text);
