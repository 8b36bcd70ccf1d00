// The PIM-SM register timers: the register probe time and the register suppression time. No list:
// one blocking scalar request. Set reads the switch first and writes both typed values, warning
// (only) when the probe time is not below half the suppression time; then reads again.
#pragma once

#include "FieldSet.h"
#include "TForm.h"
#include "TableDialogController.h"

class TButton;
class TEdit;
class TLabel;
class TPanel;
class TStatusBar;

class TPIMmgmtInform : public TForm {
public:
    explicit TPIMmgmtInform(TComponent* owner);

    TPanel* Panel1;
    TButton* GetButton; // "Refresh"
    TButton* SetButton;
    TButton* CloseButton;
    TLabel* Label1; // "Register Probe Time"
    TEdit* ProtimeEdit;
    TLabel* Label2; // "Register Suppression Time"
    TEdit* SuptimeEdit;
    TStatusBar* StatusBar1;

    // The two timers.
    TableDialogController Table;
    FieldSet Fields;

    void FormCreate(TObject* sender);
    void GetButtoClick(TObject* sender);
    void SetButtonClick(TObject* sender);
    void CloseButtonClick(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
};

// The dialog while its menu command shows it.
extern TPIMmgmtInform* PIMmgmtInform;
