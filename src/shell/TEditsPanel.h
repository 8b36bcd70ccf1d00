#pragma once

#include "TBitBtn.h"
#include "TCheckBox.h"
#include "TLabel.h"
#include "TPanel.h"
#include "TScrollBox.h"

#include <memory>
#include <string>
#include <vector>

class TCtrlBtnPanel;
class VqSNMPRequest2Edits;

// Row-control Tags that callers set and the handlers read.
constexpr int kTagNeverEmpty = 99;    // on a row's control: the row never counts as empty
constexpr int kTagKeepActive = 100;   // on a row-status control: written even when "active"
constexpr int kTagHiddenCheck = 6666; // on a hidden row's check box: ArrangeCtrlBtn keeps it unchecked

// The parameters of a bit-list row: its edit opens an editor of numbered check boxes.
struct OctetParam {
    int Columns = 0;   // check boxes per line
    int Bits = 0;      // check boxes
    int First = 0;     // the box of bit position p is captioned p + First + 1
    std::string Names; // unused: every caller passes "" for numbered boxes
};

// Value-control types of a row.
enum RowControlType : int {
    rcEnd = 0,          // the terminating record
    rcReadOnlyEdit = 1, // read-only variable without option list
    rcEdit = 2,         // writable variable without option list
    rcComboBox = 3,     // writable variable with an option list
    rcReadOnlyText = 4, // read-only variable with an option list: an edit showing the option text
    rcOwnControl = 5,   // a dialog replaced the control by a panel of its own
};

// One row of the rows panel.
struct UISnmpVar {
    int ControlType = rcEnd;
    std::string FormatText; // the constraint an edit row is bound with
    TControl* Control = nullptr;
    TCheckBox* CheckBox = nullptr;
    TLabel* Label = nullptr;
    std::unique_ptr<OctetParam> Octet;
};

// The rows panel: one row per variable of the request, each a check box (does the row take part
// in the next write?), a caption and a value control bound to the variable.
class TEditsPanel : public TPanel {
public:
    // owner (a windowed control) is also the parent; without a request the panel has no rows.
    TEditsPanel(TControl* owner, VqSNMPRequest2Edits* request);

    // One record per variable, then the terminating record (ControlType rcEnd).
    std::vector<UISnmpVar> Rows;
    TLabel* NoteLabel;
    TScrollBox* ScrollBox; // holds every row control and the note
    int EditWidth = 121;
    TColor ReadOnlyFontColor = clBlack;
    TColor ReadOnlyColor = clBtnFace;
    VqSNMPRequest2Edits* Request;
    bool InitialCheckState = false;

    int RowCount() const { return static_cast<int>(Rows.size()) - 1; }

    // Shows, hides and captions the buttons of a column for editing these rows.
    void ArrangeCtrlBtn(TCtrlBtnPanel* buttons);
    // Mode 2: one row per variable, top to bottom; mode 1: all rows on one line. With resize the
    // panel takes the size of its rows.
    void LayoutRows(int mode, bool resize);
    void SetEditWidth(int width, int mode);
    // Every read-only or index row read-only, every other editable with this check state.
    void SetRowsEditable(bool checked);
    void MakeRowReadOnly(int row);
    void MakeRowEditable(int row);
    void HideRow(int row);
    void ShowRow(int row);
    void UncheckRow(int row);
    void ClearRow(int row);
    void ClearRows();
    void SetRowText(int row, const std::string& text);
    // Makes an edit row a bit-list row: read-only, a click opens the bit editor.
    void SetOctetParam(int row, int columns, int bits, int first, const std::string& names);
    // Replaces a row's value control by a panel (owner `owner`, no bevels) that the caller fills
    // with controls of its own, such as one per byte field of an octet string: the row's variable
    // is unbound, the panel takes the control's parent, bounds and enabled state, the control is
    // freed and the row becomes rcOwnControl. The row is laid out, hidden, shown and checked as
    // any other; it counts as empty while the panel's caption is.
    TPanel* ReplaceRowControl(int row, TComponent* owner);
    void ShowNote(const std::string& text, TColor color, int size, int left, int top);

    bool IsReadOnlyRow(int row) const;
    bool IsIndexRow(int row) const;
    bool IsBitListRow(int row) const { return Rows.at(row).Octet != nullptr; }
    bool RowIsEmpty(int row) const;
    bool AllRowsFixed() const;
    int CountActiveChecks() const;
    int CountCheckedRows() const;
    // The Set button of the panel that hosts the rows now (its own, or an Add or Edit dialog's).
    TBitBtn* HostSetButton() const;

private:
    void BuildRows();
    // Shows the design's message for a row index beyond the rows.
    bool RowInRange(int row) const;
    // A read-only row: box hidden, disabled and clear, control read-only in the read-only colours;
    // an editable one: box shown with the initial check state, black on white.
    void SetRowState(int row, bool editable);
    // The row, or std::out_of_range (a programming error of the caller).
    UISnmpVar& Row(int row);
    const UISnmpVar& Row(int row) const;
    void CheckBoxClick(TObject* sender);
    void ShowBitListEditor(int row);
};
