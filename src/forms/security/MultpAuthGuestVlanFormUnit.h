// The guest VLANs of multiple (compound) authentication: one row per VLAN ID with its member
// ports; added (the row first, then its ports, in two SETs), its ports edited, and deleted by the
// row status without a question. A silent busy guard, a blocking table request, the dialog
// re-read and the clear routine after every action.
#pragma once

#include "FieldSet.h"
#include "PortPickerSet.h"
#include "TForm.h"
#include "TListView.h"
#include "TableDialogController.h"

class TButton;
class TComboBox;
class TEdit;
class TLabel;
class TPageControl;
class TPanel;
class TSplitter;
class TStaticText;
class TStatusBar;

class TMultpAuthGuestVlanForm : public TForm {
public:
    explicit TMultpAuthGuestVlanForm(TComponent* owner);

    TPanel* Panel1;
    TStaticText* txt1; // the item count
    TLabel* lbl1;      // "Samples"
    TButton* BT_Get;
    TButton* ADDButton;
    TButton* SetBtn; // "Edit"
    TButton* DelBtn;
    TButton* BT_Close;
    TListView* ListView1;
    TSplitter* Splitter1;
    TLabel* Label1; // "Guest VLAN ID"
    TEdit* VIDEdit;
    TComboBox* cbxDel; // the row status, hidden
    TPageControl* pgc1;
    TStatusBar* StatusBar1;

    TableDialogController Table; // the guest VLAN table: silent busy guard, blocking
    FieldSet Fields;
    PortPickerSet Pickers;

    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void BT_GetClick(TObject* sender);
    void ADDButtonClick(TObject* sender);
    void SetBtnClick(TObject* sender);
    void DelBtnClick(TObject* sender);
    void BT_CloseClick(TObject* sender);
    void ListView1Click(TObject* sender);
    void ListView1Change(TObject* sender, TListItem* item, TItemChange change);

    // Edit and Delete for a chosen VLAN, Add for none (the VLAN ID follows its rule): run at the
    // end of every read, on selection, and after every action.
    void UpdateButtons(bool rowChosen);
};

// The dialog while its menu command shows it.
extern TMultpAuthGuestVlanForm* MultpAuthGuestVlanForm;
