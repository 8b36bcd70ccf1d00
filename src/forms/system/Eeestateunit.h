// The EEE state dialog: the ports on which Energy Efficient Ethernet is enabled, one bit string
// read as a scalar (blocking) into a port picker, and Set of the whole bitmap, read back after it.
// Refresh and Set do nothing while the request is busy.
#pragma once

#include "PortPickerSet.h"
#include "TForm.h"
#include "TableDialogController.h"

class TButton;
class TPageControl;
class TPanel;
class TStatusBar;

class TEEEStateFormUnit : public TForm {
public:
    explicit TEEEStateFormUnit(TComponent* owner);

    TPanel* Panel1;
    TButton* BT_Get;
    TButton* SetBtn;
    TButton* BT_Close;
    TPageControl* pgc1;
    TStatusBar* StatusBar1;

    TableDialogController Table; // the EEE state scalar
    PortPickerSet Pickers;       // on the tab "EEE State"

    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void BT_GetClick(TObject* sender);
    void SetBtnClick(TObject* sender);
    void BT_CloseClick(TObject* sender);
};

extern TEEEStateFormUnit* EEEStateFormUnit;
