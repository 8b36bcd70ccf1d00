// The secondary VLANs of each Private VLAN: type (isolated or community) and member ports, keyed by
// the Private VLAN ID and the secondary VLAN ID. The Private VLAN dialog's twin: Add writes the
// whole row, and its one picker is never disabled.
#pragma once

#include "PrivateVlanTableForm.h"

class TComboBox;
class TEdit;

class TSecondaryVlanForm : public TPrivateVlanTableForm {
public:
    explicit TSecondaryVlanForm(TComponent* owner);

    TLabel* Label1; // "Private VLAN ID (2-4094)"
    TLabel* Label2; // "Secondary VLAN ID (1-4094)"
    TLabel* Label3; // "VLAN Type"
    TLabel* Label4; // the note on static 802.1Q VLANs
    TLabel* Label5; // "Row Status", hidden
    TEdit* edtPrivateVID;
    TEdit* edtSecondVID;
    TComboBox* cbbVLANType;
    TComboBox* cbbRowStates; // hidden

protected:
    void BindRowFields(DialogRequest& request) override;
    bool CheckAddInput() override;
    WriteCarry AddCarry() const override;
};

// The dialog while its menu command shows it.
extern TSecondaryVlanForm* SecondaryVlanForm;
