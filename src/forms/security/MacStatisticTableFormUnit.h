// The EAPOL frame counters the switch keeps per authenticating MAC address and port (MAC-based
// 802.1X), read-only: one row per address and port with its twelve statistics. No guard, a
// blocking table request, Refresh and Close.
#pragma once

#include "TForm.h"
#include "TListView.h"
#include "TableDialogController.h"

class TButton;
class TLabel;
class TPanel;
class TStaticText;
class TStatusBar;

class TMacStatisticTableForm : public TForm {
public:
    explicit TMacStatisticTableForm(TComponent* owner);

    TPanel* Panel1;
    TStaticText* txtCount;
    TLabel* lblSample; // "Sample"
    TButton* Button1;  // "Refresh"
    TButton* btnClose;
    TListView* ListView1;
    TStatusBar* statBar;

    TableDialogController Table; // the statistics table: no guard, blocking

    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void Button1Click(TObject* sender);
    void btnCloseClick(TObject* sender);
    void ListView1Changing(TObject* sender, TListItem* item, TItemChange change, bool& allowChange);
};

// The dialog while its menu command shows it.
extern TMacStatisticTableForm* MacStatisticTableForm;
