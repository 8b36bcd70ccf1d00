// The MD5 authentication keys of the switch's routing protocols: one row per key ID with its key
// text, the switch model's copy of the table. Keys are added and changed in
// TMD5InformationEditForm, whose controls are bound to this dialog's table, and deleted here by
// writing the key with the row status destroy, without a question. No guard; dialog re-read;
// FormClose clean-up; the designed size at every DPI.
#pragma once

#include "TForm.h"
#include "TListView.h"
#include "TableDialogController.h"

class TButton;
class TPanel;
class TStaticText;
class TStatusBar;

class TMD5InformationForm : public TForm {
public:
    explicit TMD5InformationForm(TComponent* owner);

    TPanel* Panel1;
    TStaticText* StaticText1;
    TButton* btnGet;
    TButton* btnAdd;
    TButton* btnEdit;
    TButton* btnDelete;
    TButton* btnClose;
    TPanel* Panel2;
    TListView* ListView1;
    TStatusBar* StatusBar1;

    // The key table.
    TableDialogController Table;

    void FormCreate(TObject* sender);
    void ListView1SelectItem(TObject* sender, TListItem* item, bool selected);
    void ListView1DblClick(TObject* sender);
    void ListView1Change(TObject* sender, TListItem* item, TItemChange change);
    void btnGetClick(TObject* sender);
    void btnAddClick(TObject* sender);
    void btnEditClick(TObject* sender);
    void btnDeleteClick(TObject* sender);
    void btnCloseClick(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);

    // Edit and Delete on while a key is chosen, Add while none is; none of them for a switch of
    // no known model. Called at the end of every read, on selection and after every write.
    void UpdateButtons(bool rowChosen);
};

// The dialog while its menu command shows it; its edit dialog reaches it through this.
extern TMD5InformationForm* MD5InformationForm;
