// The RSPAN dialog: lists the remote-mirroring VLANs (source ingress and egress ports, redirect
// ports, mirror group 1 to 4 or none), adds and deletes them through their row status and changes
// the selected one. Flag guard, dialog re-read, row-status delete, FormClose clean-up. Set writes
// one SET whose columns depend on the redirect ports and the mirror group; the source pickers are
// editable only for a VLAN with a mirror group.
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
class TStackingPortUitForm;
class TStaticText;
class TStatusBar;

class TRSPANForm : public TForm {
public:
    explicit TRSPANForm(TComponent* owner);

    TPanel* Panel1;
    TStaticText* StaticText1;
    TLabel* Label5; // "Samples"
    TButton* RefreshBtn;
    TButton* btnSet;
    TButton* btnAdd;
    TButton* btnDelete;
    TButton* btnClose;
    TListView* ListView1;
    TSplitter* Splitter1;
    TPanel* Panel2;
    TLabel* Label1; // "VLAN ID"
    TLabel* Label2; // "Mirror Group ID"
    TLabel* Label4; // "Status", hidden
    TEdit* ED_VLANID;
    TEdit* MirrorIDEdit;
    TComboBox* CBoxStatus; // the row status, hidden
    TPageControl* PageControl1;
    TStatusBar* StatusBar1;

    TableDialogController Table;
    PortPickerSet Pickers; // ingress, egress, redirect
    FieldSet Fields;

    void FormCreate(TObject* sender);
    void FormCloseQuery(TObject* sender, bool& canClose);
    void FormClose(TObject* sender, TCloseAction& action);
    void ClearEditControls();
    void RefreshBtnClick(TObject* sender);
    void btnSetClick(TObject* sender);
    void btnAddClick(TObject* sender);
    void btnDeleteClick(TObject* sender);
    void btnCloseClick(TObject* sender);
    void ListView1Click(TObject* sender);
    void ListView1Change(TObject* sender, TListItem* item, TItemChange change);

    // Set and Delete for a chosen VLAN, Add without one; the redirect picker for a chosen VLAN, the
    // source pickers for a chosen VLAN that has a mirror group.
    void UpdateButtons(bool rowChosen);

    // Whether some listed VLAN has a mirror group (the design's byte, rewritten on every click).
    bool MirrorGroupListed() const;
    // Whether the chosen VLAN has a mirror group.
    bool ChosenHasMirrorGroup() const;
    // The picker of a port-list column.
    TStackingPortUitForm* PickerOf(int column) const;
};

extern TRSPANForm* RSPANForm;
