#include "OptionListControls.h"

#include "TComboBox.h"
#include "TRadioGroup.h"
#include "VqOptionList.h"

#include <string>
#include <vector>

namespace {

std::vector<std::string> DisplayTexts(const VqOptionList& list) {
    std::vector<std::string> texts;
    for (int i = 0; i < list.Count(); ++i) {
        texts.emplace_back(list.GetRow(i).Text);
    }
    return texts;
}

int IndexOf(const VqOptionList& list, std::string_view text) {
    int index = list.IndexOfText(text);
    return index >= 0 ? index : list.IndexOfValue(text);
}

} // namespace

void FillComboBox(const VqOptionList& list, TComboBox* box) {
    box->Items().Assign(DisplayTexts(list));
    box->SetItemIndex(-1);
}

void FillRadioGroup(const VqOptionList& list, TRadioGroup* group) {
    group->Items().Assign(DisplayTexts(list));
}

void SelectComboBox(const VqOptionList& list, TComboBox* box, std::string_view text) {
    box->SetItemIndex(IndexOf(list, text));
}

void SelectRadioGroup(const VqOptionList& list, TRadioGroup* group, std::string_view text) {
    // One assignment, so the group's OnClick fires once at most (it fires on every change).
    group->SetItemIndex(IndexOf(list, text));
}
