// The port security learning limits below the system-wide one: per port and VLAN
// (TPortSecurityVLANOnPortForm, rows added by port and VLAN and changed afterwards) and per VLAN
// (TPortSecurityVLANTableForm, rows changed only, with a clear control). One dialog over two
// designs, the points where they differ as data. Both: the data-complete flag guarding Refresh,
// Add and Set (closing is never refused, Stop sets the flag at once), an asynchronous table whose
// SET alone is blocking, the dialog re-read after every SET, and the "No Limit" box standing for
// the limit -1.
#pragma once

#include "DialogFrame.h"
#include "FieldSet.h"
#include "FieldTable.h"
#include "NoLimitBox.h"
#include "TForm.h"
#include "TListView.h"
#include "TableDialogController.h"

#include <span>

class TButton;
class TCheckBox;
class TComboBox;
class TEdit;
class TLabel;
class TPanel;
class TSplitter;
class TStaticText;
class TStatusBar;

class TPortSecurityLimitForm;

// What sets one limit dialog apart from the other.
struct PortSecurityLimitDesign {
    const MibTableRow* Table;
    std::span<const CatalogueColumn> Columns;
    const DialogFrame<TPortSecurityLimitForm>& Frame;
    std::span<const Field<TPortSecurityLimitForm>> Fields;
    int KeyCount;
    // Per port and VLAN: rows are added by their typed keys, which Add and Set require beside the
    // limit (each refusal focusing its edit), and every write ends in the clear routine.
    bool KeysTyped;
    // Per VLAN: selecting a row shows its limit through the "No Limit" box, no row unticks it; Set
    // with no row chosen does nothing before the guard speaks.
    bool LimitFollowsRow;
};

class TPortSecurityLimitForm : public TForm {
public:
    TPanel* Panel1;
    TStaticText* StaticText1; // the item count
    TButton* RefreshButton;
    TButton* AddButton = nullptr; // per port and VLAN only
    TButton* SetButton;
    TButton* StopButton;
    TButton* CloseButton;
    TListView* ListView1;
    TSplitter* Splitter1;
    TPanel* Panel2;
    // Per port and VLAN: the typed keys and the hidden Add Control.
    TLabel* PortLabel = nullptr; // "Port Number"
    TEdit* PortEdit = nullptr;
    TLabel* VIDEditLabel = nullptr; // "VLAN ID"
    TEdit* VIDEdit = nullptr;
    TLabel* AddLabel = nullptr; // "Add Control", hidden
    TComboBox* Addcbx = nullptr;
    // Per VLAN: the key shown, and the clear control.
    TLabel* VIDLabel = nullptr; // "VLAN ID", kept disabled
    TStaticText* VIDText = nullptr;
    TLabel* ClearLabel = nullptr; // "Clear Control"
    TComboBox* Clearcbx = nullptr;
    // Both: the limit and its "No Limit" box.
    TLabel* MaxLearnLabel; // "Max Learn Address (0-3072)"
    TEdit* MaxLearnAddressEdit;
    TCheckBox* CBoxNolimit;
    TStatusBar* StatusBar1;

    TableDialogController Table;
    FieldSet Fields;
    NoLimitBox NoLimit;

    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void RefreshButtonClick(TObject* sender);
    void AddButtonClick(TObject* sender);
    void SetButtonClick(TObject* sender);
    void StopButtonClick(TObject* sender);
    void CloseButtonClick(TObject* sender);
    void ListView1Click(TObject* sender);
    void ListView1Change(TObject* sender, TListItem* item, TItemChange change);
    void ClearEditControls();

    // Add and Set for a chosen row or none (the keys follow their rules; per VLAN, the "No Limit"
    // box the row's limit): run at the end of every read, on selection, and after every action.
    void UpdateButtons(bool rowChosen);

protected:
    TPortSecurityLimitForm(TComponent* owner, const PortSecurityLimitDesign& design);

private:
    const PortSecurityLimitDesign& Design;
    // The design's input checks, each refusal ending the handler.
    bool CheckInput();
    // The row's limit through the "No Limit" box (per VLAN).
    void ShowRowLimit();
};
