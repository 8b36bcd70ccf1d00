// The RPC portmapper filter: the ports the switch filters RPC portmapper traffic on, as one port
// picker on the tab "Enabled Ports", written back whole from its boxes (48 octets on a stacking
// switch, 8 otherwise). One blocking scalar request; Refresh and Set do nothing while it is busy.
// The first read reports nothing when it goes well: the status line is the request's only after it.
#pragma once

#include "PortPickerSet.h"
#include "TForm.h"
#include "TableDialogController.h"

class TButton;
class TPageControl;
class TPanel;
class TStatusBar;

class TRPCPortMapperForm : public TForm {
public:
    explicit TRPCPortMapperForm(TComponent* owner);

    TPanel* Panel1;
    TButton* BT_Get;
    TButton* SetBtn;
    TButton* BT_Close;
    TPageControl* pgc1;
    TStatusBar* StatusBar1;

    TableDialogController Table; // the filter's port list: blocking, silent while busy
    PortPickerSet Pickers;

    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void BT_GetClick(TObject* sender);
    void SetBtnClick(TObject* sender);
    void BT_CloseClick(TObject* sender);
};

// The dialog while its menu command shows it.
extern TRPCPortMapperForm* RPCPortMapperForm;
