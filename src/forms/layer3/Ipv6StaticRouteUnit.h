// The IPv6 static route table: one row per route (destination, prefix length, interface name and
// next hop as its index, metric, protocol, row status, backup state), one table for every model.
// Routes are added in TIpv6StaticRouteEditForm, whose controls are bound to this dialog's table (a
// default route through its own button), and deleted here by writing their row status destroy,
// without a question. The "KA" edition has no "Add". Busy guard on Delete and Refresh (Refresh
// silent), none on the add buttons; dialog re-read; FormClose clean-up.
#pragma once

#include "TForm.h"
#include "TListView.h"
#include "TableDialogController.h"

class TButton;
class TPanel;
class TStaticText;
class TStatusBar;

class TIpv6StaticRouteForm : public TForm {
public:
    explicit TIpv6StaticRouteForm(TComponent* owner);

    TPanel* Panel1;
    TStaticText* StaticText1; // the count, without a "Samples" label
    TButton* btnGet;
    TButton* btnAddDefault;
    TButton* btnAdd;
    TButton* btnDelete;
    TButton* btnClose;
    TPanel* Panel2;
    TListView* ListView1;
    TStatusBar* StatusBar1;

    // The route table and its guard (no data-complete flag of the design's own: the table's flag
    // only tells the tests when a read has ended).
    TableDialogController Table;

    void FormCreate(TObject* sender);
    void ListView1SelectItem(TObject* sender, TListItem* item, bool selected);
    void ListView1Change(TObject* sender, TListItem* item, TItemChange change);
    void btnGetClick(TObject* sender);
    void btnAddClick(TObject* sender);
    void btnAddDefaultClick(TObject* sender);
    void btnDeleteClick(TObject* sender);
    void btnCloseClick(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);

    // Delete on while a route is chosen. Called at the end of every read, on selection and after
    // every write.
    void UpdateButtons(bool rowChosen);

private:
    void ShowEditDialog(int mode, const char* suffix);
};

// The dialog while its menu command shows it; its edit dialog reaches it through this.
extern TIpv6StaticRouteForm* Ipv6StaticRouteForm;
