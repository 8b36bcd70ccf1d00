// Refusals of typed input: the message, the focus to the offending field when it can take it,
// and nothing sent.
#pragma once

#include <string>

class TControl;

// The focus to the control when it is enabled and on view.
void FocusField(TControl* control);

// Shows the text and focuses the control when it is enabled and on view; always false, so a
// check can `return RefuseInput(edit, text);`.
bool RefuseInput(TControl* control, const std::string& text);

// A whole number from min to max (strictly: no blanks, no sign but "-"); otherwise the edit
// constraints' own range message (" Please enter a number between [MIN] and [MAX]!") and false.
bool CheckNumberText(TControl* control, int min, int max);
