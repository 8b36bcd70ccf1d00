// The switch-wide port security settings: how many MAC addresses the system may learn through port
// security (1 to 3072, or -1 for no limit, shown by the "No Limit" box) and whether a violation
// raises a trap and a log entry. One blocking scalar request with a silent busy guard; Set is
// followed by a read of the three values whether its checks passed or not. No Close button: the
// window's close box closes it.
#pragma once

#include "FieldSet.h"
#include "NoLimitBox.h"
#include "TForm.h"
#include "TableDialogController.h"

class TButton;
class TCheckBox;
class TComboBox;
class TEdit;
class TLabel;
class TPanel;
class TStatusBar;

class TPortSecurityGlobalSettingsForm : public TForm {
public:
    explicit TPortSecurityGlobalSettingsForm(TComponent* owner);

    TPanel* Panel1;
    TButton* btnRefresh;
    TButton* btnSet;
    TPanel* Panel2;
    TLabel* Label1; // "System Max Learn Address (1-3072)"
    TEdit* EdSystemMaxLearnAddress;
    TCheckBox* CBoxNolimit; // "No Limit": -1 in the edit
    TLabel* Label2;         // "Trap State"
    TComboBox* cbxTrapState;
    TLabel* Label3; // "Log State"
    TComboBox* cbxLogState;
    TStatusBar* StatusBar1;

    TableDialogController Table; // the three scalars: silent busy guard, blocking
    FieldSet Fields;
    NoLimitBox NoLimit;

    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void btnRefreshClick(TObject* sender);
    void btnSetClick(TObject* sender);

private:
    // Both states chosen; otherwise the first missing one is refused and focused.
    bool CheckStates();
};

// The dialog while its menu command shows it.
extern TPortSecurityGlobalSettingsForm* PortSecurityGlobalSettingsForm;
