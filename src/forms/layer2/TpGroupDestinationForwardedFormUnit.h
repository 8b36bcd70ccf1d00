// The learned multicast groups per VLAN, read-only: each group's egress ports and the ports
// learned by GMRP. Both are plain octet strings, listed as hex text and shown in the pickers as
// port lists; the pickers bind the ports of six units whatever the stack mode, and nothing ticked
// there is ever written.
#pragma once

#include "PortPickerSet.h"
#include "TForm.h"
#include "TListView.h"
#include "TableDialogController.h"

class TButton;
class TPageControl;
class TPanel;
class TSplitter;
class TStaticText;
class TStatusBar;

class TTpGroupDestinationForwardedForm : public TForm {
public:
    explicit TTpGroupDestinationForwardedForm(TComponent* owner);

    TPanel* Panel1;
    TButton* RefreshBtn;
    TButton* btnClose;
    TStaticText* StaticText1; // the count
    TListView* LV_dot1qTpGroupEntry;
    TSplitter* Splitter1;
    TPanel* Panel2;
    TPageControl* PageControl1;
    TStatusBar* StatusBar1;

    TableDialogController Table; // no guard, read-only
    PortPickerSet Pickers;       // egress, GMRP learnt ports

    void FormCreate(TObject* sender);
    void RefreshBtnClick(TObject* sender);
    void btnCloseClick(TObject* sender);
    void LV_dot1qTpGroupEntryChange(TObject* sender, TListItem* item, TItemChange change);
    void FormClose(TObject* sender, TCloseAction& action);
};

// The dialog while its menu command shows it.
extern TTpGroupDestinationForwardedForm* TpGroupDestinationForwardedForm;
