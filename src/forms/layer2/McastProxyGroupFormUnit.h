// The multicast groups the IGMP proxy (IPv4) or the MLD proxy (IPv6) forwards: per destination,
// source and downstream VLAN, the VLAN's member ports and the group's state. A read-only view on
// the dialog base: the table is the one the opening command's IP version selects (1: IPv4, any
// other: IPv6), its port list in the embedded picker. Refresh is refused with "Get data not
// complete." while a read runs; Close stops the read and closes at any time.
#pragma once

#include "FieldSet.h"
#include "PortPickerSet.h"
#include "TBasicFormUnit.h"
#include "TListView.h"
#include "TableDialogController.h"

class TButton;
class TComboBox;
class TEdit;
class TLabel;
class TPanel;
class TSplitter;
class TStaticText;
class TStatusBar;

class TMcastProxyGroupForm : public TBasicForm {
public:
    explicit TMcastProxyGroupForm(TComponent* owner);

    TPanel* Panel1;
    TStaticText* StaticText1;
    TLabel* Label5; // "Samples"
    TButton* GetButton;
    TButton* CloseButton;
    TListView* ListView1;
    TSplitter* Splitter1;
    TPanel* EditPanel;
    TLabel* Label1; // "Destination Address"
    TLabel* Label2; // "Source Address"
    TLabel* Label3; // "Downstream VLAN ID"
    TLabel* Label4; // "State", hidden
    TEdit* edtDstAddr;
    TEdit* edtSrcAddr;
    TEdit* edtVLANID;
    TComboBox* ComboBox1; // the state, hidden
    TPanel* StackingPortPanel;
    TStatusBar* StatusBar1;

    TableDialogController Table;
    PortPickerSet Pickers; // the downstream VLAN's member ports, embedded in StackingPortPanel
    FieldSet Fields;

    void FormCreate(TObject* sender);
    void ResetFields();
    void GetButtonClick(TObject* sender);
    void StopButtonClick(TObject* sender);
    void ListView1Click(TObject* sender);
    void ListView1Change(TObject* sender, TListItem* item, TItemChange change);
    void CloseButtonClick(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
};

// The dialog while its menu commands show it.
extern TMcastProxyGroupForm* McastProxyGroupForm;
