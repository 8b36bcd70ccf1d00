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

// Whether the control's text is a whole number from min to max (strictly; a text that is no number
// is not); shows nothing.
bool NumberTextIn(const TControl* control, int min, int max);

// A whole number from min to max (strictly: no blanks, no sign but "-"); otherwise the edit
// constraints' own range message (" Please enter a number between [MIN] and [MAX]!") and false.
bool CheckNumberText(TControl* control, int min, int max);
