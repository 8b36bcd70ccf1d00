#include "OptionItems.h"

#include "TComboBox.h"

#include <stdexcept>
#include <string>

void SelectOption(TComboBox* combo, std::string_view text) {
    if (combo->Items().Count() == 0) {
        return;
    }
    const int index = combo->Items().IndexOf(text);
    if (index < 0) {
        throw std::logic_error("no option \"" + std::string(text) + "\"");
    }
    combo->SetItemIndex(index);
}

void SelectNoOption(TComboBox* combo) {
    combo->SetItemIndex(-1);
}

bool OptionSelected(const TComboBox* combo, std::string_view text) {
    const int index = combo->ItemIndex();
    return index >= 0 && index == combo->Items().IndexOf(text);
}
