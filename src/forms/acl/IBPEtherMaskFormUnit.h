// The IP-MAC binding Ethernet mask view: the Ethernet profiles the switch's IP-MAC-port binding
// installs, read-only (TIBPAclViewForm).
#pragma once

#include "IBPAclViewForm.h"

class TComboBox;
class TEdit;

class TIBPACLEtherMaskForm : public TIBPAclViewForm {
public:
    explicit TIBPACLEtherMaskForm(TComponent* owner);

    TButton*& BT_Get = RefreshButton;
    TEdit* edtID;
    TComboBox* cbxEtherType;

    void BT_GetClick(TObject* sender);
};

// The dialog while its menu command shows it.
extern TIBPACLEtherMaskForm* IBPACLEtherMaskForm;
