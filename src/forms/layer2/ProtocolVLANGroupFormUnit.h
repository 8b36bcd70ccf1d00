// The protocol templates of protocol-based VLAN classification: each row maps a frame type and a
// protocol value (two octets, typed as 4 hexadecimal digits) to a protocol group ID. A blocking
// request, no guard, the dialog's re-read (after Add whatever became of the SET), the row-status
// delete of the chosen row.
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

class TProtocolVLANGroupForm : public TForm {
public:
    explicit TProtocolVLANGroupForm(TComponent* owner);

    TPanel* Panel1;
    TStaticText* Static; // the item count
    TLabel* lbl1;        // "Samples"
    TButton* GetButton;
    TButton* AddButton;
    TButton* DeleteButton;
    TButton* btn1; // "Close"
    TListView* ListView1;
    TSplitter* Splitter1;
    TPanel* Panel2;
    TLabel* Label1; // "Template Frame Type"
    TLabel* Label2; // "Template Protocol Value"
    TLabel* Label3; // "Group ID"
    TLabel* Label4; // "Group Row Status", hidden
    TComboBox* TypeComboBox;
    TEdit* ValueEdit;
    TEdit* IDEdit;
    TComboBox* RowComboBox; // the row status, hidden
    TStatusBar* StatusBar1;

    TableDialogController Table; // the group table: no guard, blocking
    FieldSet Fields;

    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void GetButtonClick(TObject* sender);
    void AddButtonClick(TObject* sender);
    void DeleteButtonClick(TObject* sender);
    void btn1Click(TObject* sender);
    void ListView1Change(TObject* sender, TListItem* item, TItemChange change);
    void ListView1Click(TObject* sender);

    // "Delete" for a chosen row, "Add" for none (the key and group fields follow their rules): run
    // at the end of every read, on selection and after Refresh, Add and Delete.
    void UpdateButtons(bool rowChosen);

private:
    bool CheckAddInput();
};

// The dialog while its menu command shows it.
extern TProtocolVLANGroupForm* ProtocolVLANGroupForm;
