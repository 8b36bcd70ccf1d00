// The 802.1Q settings of every bridge port, and the write of one port's PVID, acceptable frame
// types, ingress filtering and GVRP state. Reading and writing refuse while a read is under way;
// the status bar is one line of text.
#pragma once

#include "FieldSet.h"
#include "TForm.h"
#include "TListView.h"
#include "TableDialogController.h"

#include <string>

class TButton;
class TComboBox;
class TEdit;
class TLabel;
class TPanel;
class TSplitter;
class TStaticText;
class TStatusBar;

class TVLanPortInfomationForm : public TForm {
public:
    explicit TVLanPortInfomationForm(TComponent* owner);

    TPanel* Panel1;
    TStaticText* ST_Count;
    TLabel* Label5;
    TButton* RefreshBtn;
    TButton* SetBtn;
    TButton* Closebtn;
    TListView* LV_dot1qPortVlanEntry;
    TSplitter* Splitter1;
    TPanel* Panel2;
    TLabel* Label1; // "Port VLAN ID"
    TLabel* Label2; // "Acceptable Frame Types"
    TLabel* Label3; // "Ingress Filtering"
    TLabel* Label4; // "GVRP Status"
    TEdit* PortVLanID;
    TComboBox* AcceptableFrameTypes;
    TComboBox* IngressFiltering;
    TComboBox* GvrpStatus;
    TStatusBar* StatusBar1;

    TableDialogController Table; // busy guard, the framework's re-read after a write
    FieldSet Fields;             // the four fields take input only while a port is chosen

    void FormCreate(TObject* sender);
    void RefreshBtnClick(TObject* sender);
    void SetBtnClick(TObject* sender);
    void ClosebtnClick(TObject* sender);
    void LV_dot1qPortVlanEntryChange(TObject* sender, TListItem* item, TItemChange change);
    void FormClose(TObject* sender, TCloseAction& action);
};

// The dialog while its menu command shows it.
extern TVLanPortInfomationForm* VLanPortInfomationForm;
