// The policy routes: named rules (the index) that send the traffic matched by an access profile
// and rule to a next hop, each enabled or disabled by its visible status combo box. A rule is
// added by its name alone; its profile, access and next hop are set on the chosen rule. Flag guard
// ("Get data not complete!" on Refresh), Stop setting the flag at once, dialog re-read, row-status
// delete without a question, FormClose clean-up.
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
class TStaticText;
class TStatusBar;

class TPolicyRouteForm : public TForm {
public:
    explicit TPolicyRouteForm(TComponent* owner);

    TPanel* Panel1;
    TStaticText* StaticText1;
    TButton* RefreshButton;
    TButton* SetButton;
    TButton* AddButton;
    TButton* DeleteButton;
    TButton* StopButton;
    TButton* CloseButton;
    TPanel* Panel2;
    TListView* ListView1;
    TPanel* Panel3;
    TLabel* Label1; // "Name"
    TEdit* NameEdit;
    TLabel* Label2; // "Profile ID"
    TEdit* PIDEdit;
    TLabel* Label3; // "Access ID"
    TEdit* AIDEdit;
    TLabel* Label4; // "Next Hop"
    TEdit* HopEdit;
    TLabel* Label5; // "Row Status"
    TComboBox* StateComboBox;
    TStatusBar* StatusBar1;

    // The policy route table, its data-complete flag and guard.
    TableDialogController Table;
    FieldSet Fields;

    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void RefreshButtonClick(TObject* sender);
    void SetButtonClick(TObject* sender);
    void AddButtonClick(TObject* sender);
    void DeleteButtonClick(TObject* sender);
    void StopButtonClick(TObject* sender);
    void CloseButtonClick(TObject* sender);
    void ListView1Click(TObject* sender);
    void ListView1Change(TObject* sender, TListItem* item, TItemChange change);

    // Set and Delete on while a rule is chosen, Add while none is. Called at the end of every
    // read, on selection and after every write.
    void UpdateButtons(bool rowChosen);
};

// The dialog while its menu command shows it.
extern TPolicyRouteForm* PolicyRouteForm;
