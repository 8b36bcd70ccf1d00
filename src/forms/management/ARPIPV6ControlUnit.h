// The switch's IPv6 neighbour cache: one row per neighbour (IPv6 address, MAC address and
// interface name as its index, reachability state, row status), one table for every model. Static
// entries are added in TARPIPv6ControlEditForm, whose controls are bound to this dialog's table,
// and deleted here by writing their row status destroy, without a question. Busy guard on Delete
// and Refresh (Refresh silent), none on Add; dialog re-read; FormClose clean-up.
#pragma once

#include "TForm.h"
#include "TListView.h"
#include "TableDialogController.h"

class TButton;
class TLabel;
class TPanel;
class TStaticText;
class TStatusBar;

class TARPIPV6ControlForm : public TForm {
public:
    explicit TARPIPV6ControlForm(TComponent* owner);

    TPanel* Panel1;
    TStaticText* StaticText1;
    TLabel* Label3; // "Samples"
    TButton* btnGet;
    TButton* btnAdd;
    TButton* btnDelete;
    TButton* btnClose;
    TPanel* Panel2;
    TListView* ListView1;
    TStatusBar* StatusBar1;

    // The neighbour table and its guard (no data-complete flag of the design's own: the table's
    // flag only tells the tests when a read has ended).
    TableDialogController Table;

    void FormCreate(TObject* sender);
    void ListView1Click(TObject* sender);
    void ListView1Change(TObject* sender, TListItem* item, TItemChange change);
    void btnGetClick(TObject* sender);
    void btnAddClick(TObject* sender);
    void btnDeleteClick(TObject* sender);
    void btnCloseClick(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);

    // Delete on while a neighbour is chosen. Called at the end of every read, on selection and
    // after every write.
    void UpdateButtons(bool rowChosen);
};

// The dialog while its menu command shows it; its add dialog reaches it through this.
extern TARPIPV6ControlForm* ARPIPV6ControlForm;
