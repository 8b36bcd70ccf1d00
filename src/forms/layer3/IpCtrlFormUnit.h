// The IP interface table: one row per interface (name, IPv4 address and mask, VLAN, address mode,
// administrative states, proxy ARP, DHCP option 12, IPv6 link-local and auto-configuration,
// DHCPv6 client, row status). Rows are added and edited in TIPCtrlEdtForm, whose controls are
// bound to this dialog's table, and deleted here; the interface "System" cannot be deleted. The
// table is the switch model's copy, in the set of the firmware edition ("KC" has the column "IP
// Directed Broadcast State"). Flag guard, dialog re-read, row-status delete (blocking SET),
// FormClose clean-up.
#pragma once

#include "TBasicFormUnit.h"
#include "TListView.h"
#include "TableDialogController.h"

class TButton;
class TLabel;
class TPanel;
class TSplitter;
class TStaticText;
class TStatusBar;

class TIpCtrlForm : public TBasicForm {
public:
    explicit TIpCtrlForm(TComponent* owner);

    TPanel* pnlBtn;
    TStaticText* StaticText1;
    TLabel* Label1;
    TButton* btnRefresh;
    TButton* btnEdit;
    TButton* btnAdd;
    TButton* btnDel;
    TButton* btnStop;
    TButton* btnClose;
    TSplitter* Splitter1;
    TPanel* pnlData;
    TListView* ListView1;
    TStatusBar* stbResult;

    // The IP interface table, its data-complete flag and guard. RowCount and KeyCount (TBasicForm)
    // are its column and index-column counts, RowCheckBoxes and RowControls the edit dialog's
    // lines by column.
    TableDialogController Table;

    void FormCreate(TObject* sender);
    void ListView1SelectItem(TObject* sender, TListItem* item, bool selected);
    void ListView1Change(TObject* sender, TListItem* item, TItemChange change);
    void ListView1DblClick(TObject* sender);
    void btnRefreshClick(TObject* sender);
    void btnAddClick(TObject* sender);
    void btnEditClick(TObject* sender);
    void btnDelClick(TObject* sender);
    void btnStopClick(TObject* sender);
    void btnCloseClick(TObject* sender);
    void FormCloseQuery(TObject* sender, bool& canClose);
    void FormClose(TObject* sender, TCloseAction& action);

    void OpenEditDialog();
    // The states of Edit, Add and Delete for a chosen row or none ("System" is never deleted): run at
    // the end of every read, on selection and after every write.
    void UpdateButtons(bool rowChosen);
};

// The dialog while its menu command shows it; its edit dialog reaches it through this.
extern TIpCtrlForm* IpCtrlForm;
