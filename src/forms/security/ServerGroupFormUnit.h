// The AAA server group dialog: lists the switch's server groups with their up to eight members
// (address and protocol, read-only: a server joins or leaves a group in the server control dialog)
// and adds and deletes groups by name. No guard, an asynchronous table request, the dialog
// re-read and the row-status delete without a question; the five groups the switch starts with
// cannot be deleted. The status bar is one text line.
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

class TServerGroupForm : public TForm {
public:
    explicit TServerGroupForm(TComponent* owner);

    TPanel* Panel1;
    TStaticText* Static; // the item count
    TLabel* lbl1;        // "Samples"
    TButton* GetButton;
    TButton* AddButton;
    TButton* DeleteButton;
    TButton* Closebtn;
    TListView* ListView2;
    TSplitter* Splitter1;
    TPanel* pnl2;
    TLabel* lbl2; // "Server Group Name"
    TEdit* edtServerName;
    // The members, shown read-only: "Server Group IP Address n" and "Server Group Protocol n".
    TLabel* lbl3;
    TLabel* lbl4;
    TLabel* lbl5;
    TLabel* lbl6;
    TLabel* lbl7;
    TLabel* lbl8;
    TLabel* lbl9;
    TLabel* lbl10;
    TLabel* lbl11;
    TLabel* lbl12;
    TLabel* lbl13;
    TLabel* lbl14;
    TLabel* lbl15;
    TLabel* lbl16;
    TLabel* lbl17;
    TLabel* lbl18;
    TEdit* edtIP1;
    TEdit* edtIP2;
    TEdit* edtIP3;
    TEdit* edtIP4;
    TEdit* edtIP5;
    TEdit* edtIP6;
    TEdit* edtIP7;
    TEdit* edtIP8;
    TComboBox* cbxProt1;
    TComboBox* cbxProt2;
    TComboBox* cbxProt3;
    TComboBox* cbxProt4;
    TComboBox* cbxProt5;
    TComboBox* cbxProt6;
    TComboBox* cbxProt7;
    TComboBox* cbxProt8;
    TLabel* lbl19;           // "Row Status", hidden
    TComboBox* cbxRowStatus; // hidden
    TStatusBar* StatusBar1;  // one simple text line

    TableDialogController Table; // the server group table: no guard, asynchronous
    FieldSet Fields;

    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void GetButtonClick(TObject* sender);
    void AddButtonClick(TObject* sender);
    void DeleteButtonClick(TObject* sender);
    void ClosebtnClick(TObject* sender);
    void ListView2Click(TObject* sender);
    void ListView2Change(TObject* sender, TListItem* item, TItemChange change);

    // Delete for a chosen group, Add for none (the name and the members follow their rules): run
    // at the end of every read, on selection, and after Refresh, Add and Delete.
    void UpdateButtons(bool rowChosen);
};

// The dialog while its menu command shows it.
extern TServerGroupForm* ServerGroupForm;
