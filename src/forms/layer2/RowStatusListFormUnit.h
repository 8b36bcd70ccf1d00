// A list of a small row-status table whose rows are added and changed in an edit sub-dialog: the
// ERPS sub-rings and the multicast filter profiles. No guard, dialog re-read; Delete writes every
// writable column of the chosen row (as the sub-dialog shows it) with the row status destroy,
// without a question ("Choose the item first." with none chosen); Refresh walks the list again.
// The designed sizes at every DPI. Each list is a declaration (RowStatusListDesign): its table (by
// the opening command's IP version where it has two), size, captions and its sub-dialog.
#pragma once

#include "TForm.h"
#include "TListView.h"
#include "TableDialogController.h"

#include <string>

struct MibTableRow;
class TButton;
class TComboBox;
class TEditSubDialog;
class TPanel;
class TStaticText;
class TStatusBar;

// The sub-dialog's modes.
inline constexpr int kAddRowMode = 0;
inline constexpr int kEditRowMode = 1;

// What one list is.
struct RowStatusListDesign {
    // The table and its variable-list kind, by the opening command's IP version (the same table for
    // both when the list has one).
    const MibTableRow* Table = nullptr;
    int Kind = 0;
    const MibTableRow* IPv6Table = nullptr;
    int IPv6Kind = 0;
    int KeyCount = 0;
    int RowStatus = -1;
    int Width = 0;
    int Height = 0;
    const char* Caption = "";
    const char* EditTitle = ""; // the sub-dialog's caption before the address and " (Add)"
};

class TRowStatusListForm : public TForm {
public:
    TPanel* Panel1;
    TStaticText* StaticText1;
    TButton* btnGet;
    TButton* btnAdd;
    TButton* btnEdit;
    TButton* btnDelete;
    TButton* btnClose;
    TListView* ListView1;
    TStatusBar* StatusBar1;

    TableDialogController Table;
    TEditSubDialog* EditDialog = nullptr; // made by the list, owned by it

    void FormCreate(TObject* sender);
    void ListView1SelectItem(TObject* sender, TListItem* item, bool selected);
    void ListView1DblClick(TObject* sender);
    void ListView1Change(TObject* sender, TListItem* item, TItemChange change);
    void btnGetClick(TObject* sender);
    void btnAddClick(TObject* sender);
    void btnEditClick(TObject* sender);
    void btnDeleteClick(TObject* sender);
    void btnCloseClick(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);

    // Edit and Delete for a chosen row, Add for none.
    void UpdateButtons(bool rowChosen);

protected:
    TRowStatusListForm(TComponent* owner, const RowStatusListDesign& design);
    // The member's sub-dialog (CreateSubDialog over Table) and its hidden row-status combo box.
    virtual TEditSubDialog* MakeEditDialog() = 0;
    virtual TComboBox* RowStatusCombo() const = 0;

private:
    const RowStatusListDesign& Design;
    void ShowEditDialog(int mode, const char* suffix);
};
