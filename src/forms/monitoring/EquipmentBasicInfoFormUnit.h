// The switch's stacking settings: the stack mode, the forced master role and the stacking trap and
// log states, with the topology shown. A changed stack mode makes the switch reboot, so it is
// written only when the user changed it, after a warning. One blocking scalar request, no guard.
#pragma once

#include "FieldSet.h"
#include "TForm.h"
#include "TableDialogController.h"

#include <string>

class TButton;
class TComboBox;
class TEdit;
class TLabel;
class TPanel;
class TStatusBar;

class TEquipmentBasicInfoForm : public TForm {
public:
    explicit TEquipmentBasicInfoForm(TComponent* owner);

    TPanel* Panel1;
    TButton* BitBtn1; // "Refresh"
    TButton* bbtnSet;
    TButton* CloseButton;
    TLabel* Label1; // "Equipment Capacity"
    TEdit* Edit1;   // its fixed text
    TLabel* Label2; // "Stack Mode"
    TComboBox* cbxStackMode;
    TLabel* Label3; // "Topology"
    TComboBox* cbxTopology;
    TLabel* Label4; // "Force Master Role"
    TComboBox* ForceMasterRoleComboBox;
    TLabel* Label5; // "Trap State"
    TComboBox* TrapStateCbx;
    TLabel* Label6; // "Log State"
    TComboBox* LogStateCbx;
    TStatusBar* StatusBar1;

    TableDialogController Table;
    FieldSet Fields;
    // The stack mode as the last read that went well left it: Set writes the mode only when the
    // user chose another.
    std::string StackMode;

    void FormCreate(TObject* sender);
    void BitBtn1Click(TObject* sender);
    void bbtnSetClick(TObject* sender);
    void CloseButtonClick(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
};

// The dialog while its menu command shows it.
extern TEquipmentBasicInfoForm* EquipmentBasicInfoForm;
