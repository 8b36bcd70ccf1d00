// The spanning tree settings and states of every port, with the STP version beside them, and the
// edit of one port's settings in its edit dialog (TMSTPPortStateEditForm). Flag guard with Stop;
// the version decides what an edit writes: in STP and RSTP the port's hello time is no setting
// (left out, the dialog reads the table again), in MSTP (or when the version is unknown) every
// setting goes and the framework reads the table again once the switch has taken it.
#pragma once

#include "TForm.h"
#include "TListView.h"
#include "TableDialogController.h"

class TButton;
class TLabel;
class TPanel;
class TStaticText;
class TStatusBar;

class TMSTPPortStateForm : public TForm {
public:
    explicit TMSTPPortStateForm(TComponent* owner);

    TPanel* Panel1;
    TStaticText* StaticText1; // the item count
    TLabel* Label1;           // "Samples"
    TButton* btnRefresh;
    TButton* btnEdit;
    TButton* btnStop;
    TButton* btnClose;
    TLabel* lblSTPVersion; // hidden: the STP version
    TListView* lvMSTPPortState;
    TStatusBar* StatusBar1;

    TableDialogController Table;   // the port table: flag guard, the dialog's re-read
    TableDialogController Version; // the STP version: blocking, read beside the table

    void FormCreate(TObject* sender);
    void FormCloseQuery(TObject* sender, bool& canClose);
    void FormClose(TObject* sender, TCloseAction& action);
    void btnRefreshClick(TObject* sender);
    void btnEditClick(TObject* sender);
    void btnStopClick(TObject* sender);
    void btnCloseClick(TObject* sender);
    void lvMSTPPortStateSelectItem(TObject* sender, TListItem* item, bool selected);
    void lvMSTPPortStateDblClick(TObject* sender);
    void lvMSTPPortStateChanging(TObject* sender, TListItem* item, TItemChange change);

    // "Edit" while a port is chosen.
    void UpdateButtons(bool rowChosen);
};

// The dialog while its menu command shows it.
extern TMSTPPortStateForm* MSTPPortStateForm;
