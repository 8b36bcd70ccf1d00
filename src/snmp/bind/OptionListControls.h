// An option list shown in a combo box or radio group: row i of the list is item i of the control,
// so an item index and a row index are the same number. (The value core's lists never touch a
// widget; these are their control-side operations.)
#pragma once

#include <string_view>

class VqOptionList;
class TComboBox;
class TRadioGroup;

// Replace the control's items by the list's display texts, in row order; nothing is selected.
void FillComboBox(const VqOptionList& list, TComboBox* box);
void FillRadioGroup(const VqOptionList& list, TRadioGroup* group);

// Select the item of a text taken first as a display text, then as a value; neither selects no
// item. The control must have been filled from the same list.
void SelectComboBox(const VqOptionList& list, TComboBox* box, std::string_view text);
void SelectRadioGroup(const VqOptionList& list, TRadioGroup* group, std::string_view text);
