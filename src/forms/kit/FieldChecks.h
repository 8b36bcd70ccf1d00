// Refusals of typed input: the message, the focus to the offending field when it can take it,
// and nothing sent. The checks' names say their contract as in InputValidators.h: Is... is silent,
// Check...Text shows its message and leaves the focus to the caller, Check...Field shows its
// message and focuses the control.
#pragma once

#include <string>

class TControl;

// The focus to the control when it is enabled and on view.
void FocusField(TControl* control);

// Shows the text and focuses the control when it is enabled and on view; always false, so a
// check can `return RefuseInput(edit, text);`.
bool RefuseInput(TControl* control, const std::string& text);

// Whether the control's text is a whole number from min to max (strictly; a text that is no number
// is not).
bool IsNumberTextIn(const TControl* control, int min, int max);

// A whole number from min to max (strictly: no blanks, no sign but "-"); otherwise the edit
// constraints' own range message (" Please enter a number between [MIN] and [MAX]!"), the focus to
// the control, and false.
bool CheckNumberField(TControl* control, int min, int max);
