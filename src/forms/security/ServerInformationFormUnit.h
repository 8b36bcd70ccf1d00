// The AAA server host dialog: lists the switch's servers (one row per address and protocol) with
// their authentication port, shared key, time-out, retry count and, for RADIUS, accounting port,
// and adds, edits and deletes them. No guard, a blocking table request, the dialog re-read and
// the confirmed delete. Which edits are enabled and which columns a SET carries follow the
// server's protocol (the field table's rules): tacacs-plus has no retry count, only radius has an
// accounting port, and only tacacs-plus and radius have a key.
#pragma once

#include "FieldSet.h"
#include "TForm.h"
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

class TServerInformationForm : public TForm {
public:
    explicit TServerInformationForm(TComponent* owner);

    TPanel* Panel1;
    TStaticText* Static; // the item count
    TLabel* lbl1;        // "Samples"
    TButton* GetButton;
    TButton* AddButton;
    TButton* EditButton;
    TButton* DeleteButton;
    TButton* btnClose;
    TListView* ListView1;
    TSplitter* Splitter1;
    TPanel* Panel2;
    TLabel* Label1; // "IP Address"
    TLabel* Label2; // "Server Protocol"
    TLabel* Label3; // "Authentication Port"
    TLabel* Label4; // "Accounting Port"
    TLabel* Label5; // "Server Key"
    TLabel* Label6; // "Timeout"
    TLabel* Label7; // "Retry Count"
    TLabel* Label8; // "Row Status", hidden
    TEdit* IPEdit;
    TComboBox* ProtocolComboBox;
    TEdit* PortEdit;
    TEdit* AccountingPortEdit;
    TEdit* KeyEdit;
    TEdit* TimeoutEdit;
    TEdit* RetryCEdit;
    TComboBox* RowComboBox; // the row status, hidden
    TStatusBar* StatusBar1;

    TableDialogController Table; // the server host table: no guard, blocking
    FieldSet Fields;

    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void GetButtonClick(TObject* sender);
    void AddButtonClick(TObject* sender);
    void EditButtonClick(TObject* sender);
    void DeleteButtonClick(TObject* sender);
    void btnCloseClick(TObject* sender);
    void ListView1Click(TObject* sender);
    void ListView1SelectItem(TObject* sender, TListItem* item, bool selected);
    void ListView1Change(TObject* sender, TListItem* item, TItemChange change);
    void ProtocolComboBoxChange(TObject* sender);
    void ClearEditControls();

    // The states of Add, Edit and Delete for a chosen row or none (the fields follow their rules):
    // run at the end of every read, on selection, on a change of protocol, and after Refresh, Add,
    // Edit and Delete (which leave none chosen).
    void UpdateButtons(bool rowChosen);
};

// The dialog while its menu command shows it.
extern TServerInformationForm* ServerInformationForm;
