// The system log server table: up to four syslog servers (index 1-4), each with the facility and
// severity of what it is sent, its UDP port, its state and its address (IPv4 or IPv6). Servers are
// added and edited in TLogHostEditForm, whose controls are bound to this dialog's table, and
// deleted here by their row status alone, without a question. Busy guard (Refresh refuses
// silently), dialog re-read.
#pragma once

#include "TForm.h"
#include "TListView.h"
#include "TableDialogController.h"

class TButton;
class TLabel;
class TPanel;
class TStaticText;
class TStatusBar;

class TSystemLogHostForm : public TForm {
public:
    explicit TSystemLogHostForm(TComponent* owner);

    TPanel* Panel1;
    TStaticText* StaticText1;
    TLabel* Label1; // "Samples"
    TButton* GetButton;
    TButton* EditButton;
    TButton* AddButton;
    TButton* DeleteButton;
    TButton* Button1; // "Close"
    TPanel* Panel2;
    TListView* ListView1;
    TStatusBar* StatusBar1;

    // The server table; a write or Delete is refused while its request is busy.
    TableDialogController Table;

    void FormCreate(TObject* sender);
    void GetButtonClick(TObject* sender);
    void EditButtonClick(TObject* sender);
    void AddButtonClick(TObject* sender);
    void DeleteButtonClick(TObject* sender);
    void ListView1Change(TObject* sender, TListItem* item, TItemChange change);
    void ListView1SelectItem(TObject* sender, TListItem* item, bool selected);
    void ListView1DblClick(TObject* sender);
    void Button1Click(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);

    // Edit and Delete on while a server is chosen.
    void UpdateButtons(bool rowChosen);
    // Edit (the button or a double click): the edit dialog for the chosen server.
    void EditSelectedHost();
};

// The dialog while its menu command shows it; its edit dialog reaches it through this.
extern TSystemLogHostForm* SystemLogHostForm;
