// Helpers that dialogs share beside the input checks: the confirmed deletion of the selected table
// row, and bulk clearing, disabling and enabling of the edits, combo boxes and check boxes a form
// owns.
#pragma once

#include <string>

class TComponent;
class VqSNMPRequest2Edits;

// Asks "Are you sure to delete it?" (OK, Cancel). On OK: one blocking SET of the status column of
// the row selected in the request's list view, with `statusText` ("destroy" for RowStatus columns)
// as its value and every other non-index variable left out; then the table is read again in the
// request's own mode. A failed SET is reported as the request reports it; an exception out of the
// SET (nothing was sent) goes to the status target and the table is not read again, so that the
// reason stays on view. The request's mode, active flag aside, and the access flags of its
// variables are as before afterwards, whatever happened. Cancel, or no selected row in a request
// that has a list view, changes and sends nothing.
void ConfirmDeleteRow(VqSNMPRequest2Edits* request, int statusColumn, const std::string& statusText);

// For every component the owner owns, in order (derived classes included): each edit gets the text
// "" when `edits`; each combo box the text "" and its first item when `combos`; each check box is
// unchecked when `checks` and checked when not.
void ClearChildControls(TComponent* owner, bool edits, bool combos, bool checks);
// Each owned edit (when `edits`) and combo box (when `combos`) disabled and painted clBtnFace;
// each check box (when `checks`) disabled.
void DisableChildControls(TComponent* owner, bool edits, bool combos, bool checks);
// The same, enabled and painted clWindow.
void EnableChildControls(TComponent* owner, bool edits, bool combos, bool checks);
