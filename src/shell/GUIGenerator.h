// The panels of the generic dialog. Each turns one VqSNMPRequest2Edits into a working piece of
// dialog: a button column on the right (TCtrlBtnPanel), a status strip at the bottom (TMsgPanel)
// and an editor in the rest: the rows of the request's variables (TEditsPanel, in TSNMPEditorPanel)
// or the list of a table's rows (TListViewPanel, in TSNMPListViewPanel, whose Add and Edit
// sub-dialogs borrow the hidden rows panel).
#pragma once

#include "InputValidators.h"
#include "TBitBtn.h"
#include "TCheckBox.h"
#include "TLabel.h"
#include "TListView.h"
#include "TPanel.h"
#include "TScrollBox.h"
#include "TSplitter.h"
#include "TStaticText.h"
#include "TStatusBar.h"

#include <memory>
#include <string>
#include <vector>

class TForm;
class VqSNMPRequest2Edits;

// Row-control Tags that callers set and the handlers read.
constexpr int kTagNeverEmpty = 99;    // on a row's control: the row never counts as empty
constexpr int kTagKeepActive = 100;   // on a row-status control: written even when "active"
constexpr int kTagHiddenCheck = 6666; // on a hidden row's check box: ArrangeCtrlBtn keeps it unchecked
constexpr int kTagSubDialogSet = 1;   // on the Set button of an Add or Edit dialog

// The column of buttons on the right of a panel. It holds every button any panel can need; each
// editor chooses the visible ones, callers hide or show single buttons and close the gaps with
// ArrangeButtons. A button whose picture file lies in the current directory shows the picture
// instead of its caption.
class TCtrlBtnPanel : public TPanel {
public:
    // owner is also the parent.
    explicit TCtrlBtnPanel(TControl* owner);

    TLabel* SamplesLabel;
    TStaticText* CountText;
    TBitBtn* RefreshButton;
    TBitBtn* EditButton;
    TBitBtn* SetButton;
    TBitBtn* AddButton;
    TBitBtn* DeleteButton;
    TBitBtn* CheckAllButton;
    TBitBtn* ClearChecksButton;
    TBitBtn* CloseButton;
    TBitBtn* StopButton;
    int Margin = 10;
    int FirstTop = 10;
    std::vector<TControl*> Order; // top to bottom

    // Places the controls of Order (a hidden one leaves no gap) and sets the column's height.
    void ArrangeButtons();
    // The height the arranged controls need. Aligned to the right, the column takes its parent's
    // height whatever ArrangeButtons set, so the panels size themselves from this one.
    int ArrangedHeight() const;

    static constexpr int kButtonWidth = 96;

private:
    void LoadButtonPictures();
};

// The one-line status strip at the bottom of a panel; MsgBar is its request's status target.
class TMsgPanel : public TPanel {
public:
    // owner is also the parent.
    explicit TMsgPanel(TControl* owner);

    TStatusBar* MsgBar;
};

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

// The base panel: a request, its button column, its status strip (or another panel's) and a
// client area that hosts an editor.
class TSNMPPanel : public TPanel {
public:
    // owner is also the parent. With a status panel the request reports into that panel's strip
    // and this panel gets none of its own.
    TSNMPPanel(TControl* owner, TMsgPanel* statusPanel, VqSNMPRequest2Edits* request);

    VqSNMPRequest2Edits* Request; // not owned
    TCtrlBtnPanel* Buttons;
    TPanel* ClientPanel;
    TMsgPanel* MsgPanel = nullptr;
    TForm* HostForm = nullptr;
    TControl* Editor = nullptr;
    TSplitter* Splitter;

    // Installs the editor in ClientPanel and sizes the panel around it.
    void SetEditor(TControl* editor);
    // Makes the form host the panel: at least 350 wide, at most 800 wide and 550 high.
    void FitForm(TForm* form);

    void RefreshClick(TObject* sender);
    void CloseClick(TObject* sender);
    void StopClick(TObject* sender);

    // The height SetEditor adds for the bottom splitter, which is never placed on screen.
    static constexpr int kBottomSplitterHeight = 3;
};

// A panel whose editor is the rows of its request's variables.
class TSNMPEditorPanel : public TSNMPPanel {
public:
    TSNMPEditorPanel(TControl* owner, VqSNMPRequest2Edits* request);

    TEditsPanel* Rows;

    void SetEditWidth(int width);
    // Binds the row's edit again with another constraint (and a check function).
    void SetVarFormat(int row, const std::string& constraint);
    void SetVarChecker(int row, const std::string& constraint, TCheckFunction check);

    // Writes the checked rows in one synchronous SET.
    void SetClick(TObject* sender);
    void CheckAllClick(TObject* sender);
    void ClearChecksClick(TObject* sender);

    // Counting from 0, index columns included: an empty checked row here never stops a write.
    static constexpr int kEmptyExemptPosition = 17;

private:
    void RebindRow(int row, const std::string& constraint, const TCheckFunction* check);
    void CheckRows(bool checked);
};

// The list of a table's rows, bound to the request.
class TListViewPanel : public TPanel {
public:
    TListViewPanel(TControl* owner, VqSNMPRequest2Edits* request);

    TListView* ListView;
    int DeleteRow = -1;
    int AddRow = -1;
    std::string AddValue;
    std::string DeleteValue;

    void ArrangeCtrlBtn(TCtrlBtnPanel* buttons);
};

// A panel listing a table's rows, with Add, Edit and Delete.
class TSNMPListViewPanel : public TSNMPEditorPanel {
public:
    TSNMPListViewPanel(TControl* owner, VqSNMPRequest2Edits* request);

    TListViewPanel* ListPanel;

    // Makes Add (or Delete) available: the row's combo box must hold the value.
    void SetAddStatus(int row, const std::string& value);
    void SetDeleteStatus(int row, const std::string& value);
    void ShowStopButton();

    void RefreshListClick(TObject* sender);
    void AddClick(TObject* sender);
    void EditClick(TObject* sender);
    void DeleteClick(TObject* sender);
    void ListClick(TObject* sender);
    void ListDblClick(TObject* sender);
    void ListChange(TObject* sender, TListItem* item, TItemChange change);
    void ListMouseMove(TObject* sender, TShiftState shift, int x, int y);

    void ShowAddDialog();
    void ShowEditDialog();

private:
    class SubDialog;
    std::string SubDialogCaption(const std::string& suffix) const;
    void UpdateCount();
};
