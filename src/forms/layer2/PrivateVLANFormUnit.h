// The Private (primary) VLANs: name, promiscuous ports and trunk ports. A new Private VLAN is
// created empty (its status alone); its name and ports are written by Edit. The port boxes are
// enabled only while a VLAN is chosen.
#pragma once

#include "PrivateVlanTableForm.h"

class TComboBox;
class TEdit;

class TPrivateVLANForm : public TPrivateVlanTableForm {
public:
    explicit TPrivateVLANForm(TComponent* owner);

    TLabel* Label1; // "VLAN ID (2-4094)"
    TLabel* Label2; // "VLAN Name (Max:32 characters)"
    TLabel* Label3; // the note on the number of Private VLANs
    TLabel* Label4; // "Row Status", hidden
    TEdit* edtVID;
    TEdit* edtVLAN;
    TComboBox* cbbRowState; // hidden

protected:
    void BindRowFields(DialogRequest& request) override;
    bool CheckAddInput() override;
    WriteCarry AddCarry() const override;
};

// The dialog while its menu command shows it.
extern TPrivateVLANForm* PrivateVLANForm;
