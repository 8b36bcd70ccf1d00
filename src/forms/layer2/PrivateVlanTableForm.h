// What the Private VLAN and secondary VLAN dialogs share: one table of the Private VLAN module with
// its port lists on tabs, no guard, "Edit" in place of "Set", the framework's re-read after each
// SET (Delete also reads at once), the row-status delete of the chosen row alone, and the
// close-button clean-up (the request ends before the dialog closes). Edit writes the chosen row
// with status active; Add creates the typed row with what the dialog's Add carries. Each dialog
// is its table, its fields, its Add checks and carry, and whether its pickers follow the row.
#pragma once

#include "FieldSet.h"
#include "PortPickerSet.h"
#include "TForm.h"
#include "TListView.h"
#include "TableDialogController.h"

#include <vector>

struct MibTableRow;
class TButton;
class TLabel;
class TPageControl;
class TPanel;
class TSplitter;
class TStaticText;
class TStatusBar;

// One dialog's table and frame.
struct PrivateVlanTable {
    const MibTableRow* Table;
    int KeyCount;
    int Status;
    std::vector<PortListColumn> Ports;
    int Width;
    int Height;
    const char* FormCaption;
    int RowsHeight;        // the field lines above the port tabs
    bool PickersFollowRow; // the boxes enabled only on a chosen row
};

class TPrivateVlanTableForm : public TForm {
public:
    TPanel* pnlCtl;
    TStaticText* txtCount;
    TLabel* lblSample; // "Sample"
    TButton* btnRefresh;
    TButton* btnSet; // "Add"
    TButton* btnClose;
    TButton* btnDel;
    TButton* btnEdit;
    TListView* lvData;
    TSplitter* Splitter1;
    TPanel* pnlEdit;
    TPageControl* pgcData;
    TStatusBar* statBar;

    TableDialogController Table; // no guard, the framework's re-read
    PortPickerSet Pickers;
    FieldSet Fields;

    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void btnRefreshClick(TObject* sender);
    void btnSetClick(TObject* sender);
    void btnEditClick(TObject* sender);
    void btnDelClick(TObject* sender);
    void btnCloseClick(TObject* sender);

    // "Edit" and "Delete" for a chosen row, "Add" for none (and the boxes where they follow the
    // row): run at the end of every read, on selection and after every write.
    void UpdateButtons(bool rowChosen);

protected:
    TPrivateVlanTableForm(TComponent* owner, const PrivateVlanTable& table);

    TPanel* Rows = nullptr; // where the dialog builds its field lines
    // The dialog's fields bound to the table's request.
    virtual void BindRowFields(DialogRequest& request) = 0;
    // The dialog's Add checks (each refusal shown, its field focused); true when all pass.
    virtual bool CheckAddInput() = 0;
    // What Add carries beside the status createAndGo.
    virtual WriteCarry AddCarry() const = 0;

private:
    const PrivateVlanTable& Kind;
};
