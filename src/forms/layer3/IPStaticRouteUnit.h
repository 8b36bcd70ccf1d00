// The IPv4 static route table: one row per route (destination, mask, next hop, backup state,
// metric, status, weight, outgoing interface), the switch model's copy of the table. Routes are
// added in TIpStaticRouteEditForm, whose controls are bound to this dialog's table (a default
// route through its own button), and deleted here by writing their status invalid, without a
// question. The "KA" edition has no "Add". Flag guard, dialog re-read, FormClose clean-up.
#pragma once

#include "TForm.h"
#include "TListView.h"
#include "TableDialogController.h"

class TButton;
class TLabel;
class TPanel;
class TStaticText;
class TStatusBar;

class TIpStaticRouteForm : public TForm {
public:
    explicit TIpStaticRouteForm(TComponent* owner);

    TPanel* Panel1;
    TStaticText* StaticText1;
    TLabel* Label1; // "Samples"
    TButton* GetButton;
    TButton* btnDefaultRoute;
    TButton* AddButton;
    TButton* DeleteButton;
    TButton* CloseButton;
    TPanel* Panel2;
    TListView* ListView1;
    TStatusBar* StatusBar1;

    // The route table, its data-complete flag and guard; its status column is written valid to
    // create a route and invalid to delete one.
    TableDialogController Table;

    void FormCreate(TObject* sender);
    void ListView1SelectItem(TObject* sender, TListItem* item, bool selected);
    void ListView1Change(TObject* sender, TListItem* item, TItemChange change);
    void GetButtonClick(TObject* sender);
    void AddButtonClick(TObject* sender);
    void btnDefaultRouteClick(TObject* sender);
    void DeleteButtonClick(TObject* sender);
    void CloseButtonClick(TObject* sender);
    void FormCloseQuery(TObject* sender, bool& canClose);
    void FormClose(TObject* sender, TCloseAction& action);

    // Delete on while a route is chosen; the add buttons on while the table is supported. Called
    // at the end of every read, on selection and after every write.
    void UpdateButtons(bool rowChosen);

private:
    void ShowEditDialog(int mode, const char* suffix);
};

// The dialog while its menu command shows it; its edit dialog reaches it through this.
extern TIpStaticRouteForm* IpStaticRouteForm;
