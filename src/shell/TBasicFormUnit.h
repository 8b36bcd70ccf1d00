// The base of the dedicated dialogs that edit table rows field by field. A derived dialog brings
// its controls and handlers; the base gives it the DPI scaling and placement of the form, an
// embedded port picker and the check that a port is chosen, enabling, disabling and making
// read-only of fields (one by one, as a list or by Tag), the required-text checks, the binding of a
// form row (a check box and its value control) to a request column, and the skip flag that leaves
// unchecked rows out of a write. Beside it: the address checks the dialogs share, each named by its
// contract as in InputValidators.h (Is... is silent; Check...Text shows its message and leaves the
// focus to the caller; Check...Field shows its message and focuses the control).
//
// Creation handler of a derived dialog: EmbedPortSelection; create the request; bind the rows with
// BindEditRow and BindComboRow; set RowCount, KeyCount and ExcludedRow; start the first read. A
// write: SkippedRows skip(this, request); request->Set(...); (the flags are cleared when `skip`
// goes, whatever happened), then read the table again.
#pragma once

#include "StackingPortUitFormUnit.h"
#include "TForm.h"

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

class TCheckBox;
class TComboBox;
class TControl;
class TEdit;
class TPanel;
class VqSNMPRequest2Edits;

// How a dialog's designed size follows the screen when it is not at 96 pixels per inch: not at all,
// x 1.25 (the dedicated dialogs), or x 1.25 twice, x 1.5625 in all (the ACL profile editors); each
// product truncated to whole pixels.
enum class DesignScale { None, Once, Twice };

// Sets a dialog's Width and Height from its designed size, scaled as `scale` says.
void ScaleDesignSize(TForm* form, int width, int height, DesignScale scale = DesignScale::Once);

class TBasicForm : public TForm {
public:
    // The form at its designed size (scaled), centred on the main form.
    TBasicForm(TComponent* owner, int designWidth, int designHeight, DesignScale scale = DesignScale::Once);

    // Row entries by variable: entry k belongs to variable k of the main request. The check-box
    // entry is the row's check box or radio button, or null; the value control its edit or combo box.
    std::vector<TControl*> RowCheckBoxes;
    std::vector<TControl*> RowControls;
    int RowCount = 0;     // variables of the main request, all of which have form rows
    int KeyCount = 0;     // index columns of that request, for the dialog's own loops
    int ExcludedRow = -1; // a row the skip rule never marks (usually the row status); -1 none
    TStackingPortUitForm* PortPicker = nullptr; // owned by the dialog
    VqSNMPRequest2Edits* Request = nullptr;     // for the dialog's own use; the base does not touch it

    // Builds the port picker inside the panel, six unit pages of 64 boxes in `columns` columns, and
    // shows the units present in the main window's unit table (by Module Name when the switch
    // stacks; otherwise row 0 when it is the master). With stacking, a failure is written to the
    // main window's status panel 0 and the pages shown so far stay.
    void EmbedPortSelection(TPanel* panel, int columns);
    // Over a given stack; a failure with stacking goes to `reportFailure`.
    void EmbedPortSelection(TPanel* panel, int columns, const StackUnits& stack,
                            const std::function<void(const std::string&)>& reportFailure);
    // True when a port box (hidden or not) is checked; otherwise "You must choose at least 1 port!".
    bool CheckPortChosen();

    // Field states: an edit or combo box enabled is clWindow, disabled clMenu (a disabled edit is
    // emptied, a combo box keeps its selection), read-only clBtnFace; a disabled check box or radio
    // button is unchecked. Other kinds of control are left as they are. These are the faces of
    // SetFieldEnabled (below), which also serves dialogs that are no TBasicForm.
    void DisableControl(TControl* control);
    void DisableControls(std::initializer_list<TControl*> controls);
    // Every row whose check-box entry is not null: the check box and the value control, each when its
    // Tag equals `tag`.
    void DisableControlsByTag(int tag);
    void EnableControl(TControl* control);
    void EnableControls(std::initializer_list<TControl*> controls);
    void EnableControlsByTag(int tag);
    void MakeReadOnly(TControl* control);
    void MakeReadOnlyControls(std::initializer_list<TControl*> controls);

    // True when the check box is not checked or the control's text is not empty; otherwise the
    // message, the focus to the control when it is enabled, and false.
    bool RequireTextIfChecked(TControl* checkBox, TControl* control, const std::string& message);
    // True when there is no control or its text is not empty; otherwise as above.
    bool RequireText(TControl* control, const std::string& message);

    // Every combo box of the list to its first item and every edit emptied; null entries and other
    // kinds passed over.
    void ResetControls(const std::vector<TControl*>& controls);
    void UncheckAll(const std::vector<TControl*>& controls);
    // Every enabled check box of the list checked.
    void CheckEnabled(const std::vector<TControl*>& controls);

    // Binds the control to the request's column and records it, with the row's check box (or
    // null), as the row of that column.
    void BindComboRow(VqSNMPRequest2Edits* request, int column, TComboBox* combo, TControl* checkBox);
    void BindEditRow(VqSNMPRequest2Edits* request, int column, const std::string& constraint, TEdit* edit,
                     TControl* checkBox);
    // As BindEditRow, with a check of the edit's text when the edit is left (CheckPlainMacAddressText).
    void BindCheckedEditRow(VqSNMPRequest2Edits* request, int column, const std::string& constraint,
                            TEdit* edit, std::function<bool(TControl*)> check);

    // The rows a write leaves out: every row from the request's index-column count to RowCount - 1,
    // except rows without a check-box entry and ExcludedRow, whose check box (or radio button) is
    // not both checked and enabled. A dialog's write carries the row without them.
    std::vector<int> UncheckedRows(const VqSNMPRequest2Edits* request) const;
    // Flag 0x20 on the UncheckedRows.
    void SkipUncheckedRows(VqSNMPRequest2Edits* request);
    // Flag 0x20 cleared on the variables 0 to RowCount - 1.
    void ClearSkipFlags(VqSNMPRequest2Edits* request);

    // SkipUncheckedRows for the life of the object; ClearSkipFlags when it goes, on every path out
    // of the write (exceptions included), unless the request is gone by then.
    class SkippedRows {
    public:
        SkippedRows(TBasicForm* form, VqSNMPRequest2Edits* request);
        ~SkippedRows();
        SkippedRows(const SkippedRows&) = delete;
        SkippedRows& operator=(const SkippedRows&) = delete;

    private:
        TBasicForm* Form;
        VqSNMPRequest2Edits* Request;
        std::weak_ptr<const bool> RequestLife;
    };

private:
    void RecordRow(int column, TControl* checkBox, TControl* control);
    void SetRowsByTag(int tag, bool enabled);
};

// How enabling or disabling a field changes it. WithState: the dialog base's field states (an edit
// or combo box clWindow when enabled, clMenu when disabled, a disabled edit emptied, a disabled
// check box or radio button unchecked). EnabledOnly: the Enabled property alone. KeepValue: a
// field fixed while it shows a value (disabled in clBtnFace with its text kept, clWindow again
// when enabled). KeepText: a key fixed while its row is chosen, whose text is the row's instance
// (disabled in clMenu as WithState, but with its text, selection or check mark kept; clWindow
// again when enabled).
enum class FieldEnabling { WithState, EnabledOnly, KeepValue, KeepText };

// The one way a dialog enables or disables its fields.
void SetFieldEnabled(TControl* control, bool enabled, FieldEnabling how = FieldEnabling::WithState);
void SetFieldsEnabled(std::initializer_list<TControl*> controls, bool enabled,
                      FieldEnabling how = FieldEnabling::WithState);

// Address checks of the dedicated dialogs; each reads the control's text.
// A MAC address: 12 hexadecimal digits, or six 2-digit groups split by "-" or ".". An empty text
// shows "Please enter a valid MAC Address", any other refused text "Please enter a valid MAC
// address!".
bool CheckMacAddressText(TControl* control);
// 12 hexadecimal digits only (the check function of constrained MAC edits); otherwise "Please
// enter a valid MAC address!".
bool CheckPlainMacAddressText(TControl* control);
// Four dot-separated decimal numbers from 0 to 255, at most 16 characters (an empty text refused).
// CheckIPv4Text (InputValidators.h) is the one that shows "Please input a valid IP." itself.
bool IsIPv4AddressText(TControl* control);
