// The DNS relay's static entries: one row per domain name and the IPv4 address it resolves to
// (both the index), with the entry's state, the switch model's copy of the table. Entries are
// added in TDNSCtrlAddForm, whose controls are bound to this dialog's table, and deleted here by
// writing their state invalid, without a question. No guard: Add and Delete stop a read still
// running first, and Delete also waits for its end. Framework re-read; FormClose clean-up.
#pragma once

#include "TForm.h"
#include "TListView.h"
#include "TableDialogController.h"

class TButton;
class TLabel;
class TPanel;
class TStaticText;
class TStatusBar;

class TDNSCtrlForm : public TForm {
public:
    explicit TDNSCtrlForm(TComponent* owner);

    TPanel* Panel1;
    TStaticText* StaticText1;
    TLabel* Label1; // "Samples"
    TButton* btnGet;
    TButton* btnAdd;
    TButton* btnDelete;
    TButton* btnClose;
    TPanel* Panel2;
    TListView* ListView1;
    TStatusBar* StatusBar1;

    // The entry table; its state column is written valid to create an entry and invalid to delete
    // one.
    TableDialogController Table;

    void FormCreate(TObject* sender);
    void ListView1SelectItem(TObject* sender, TListItem* item, bool selected);
    void ListView1Change(TObject* sender, TListItem* item, TItemChange change);
    void btnGetClick(TObject* sender);
    void btnAddClick(TObject* sender);
    void btnDeleteClick(TObject* sender);
    void btnCloseClick(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);

    // Delete on while an entry is chosen; Add on while the table is supported. Called at the end
    // of every read, on selection and after every write.
    void UpdateButtons(bool rowChosen);

private:
    // A read still running is stopped; it ends at its next reply.
    void StopReading();
};

// The dialog while its menu command shows it; its add dialog reaches it through this.
extern TDNSCtrlForm* DNSCtrlForm;
