// The IP-MAC binding IP mask view: the IP profiles the switch's IP-MAC-port binding installs,
// read-only (TIBPAclViewForm).
#pragma once

#include "IBPAclViewForm.h"

class TEdit;

class TIBPIPMaskForm : public TIBPAclViewForm {
public:
    explicit TIBPIPMaskForm(TComponent* owner);

    TButton*& BT_Get = RefreshButton;
    TEdit* edtID;
    TEdit* edtSrcMacMask;
    TEdit* edtSrcIPMask;

    void BT_GetClick(TObject* sender);
};

// The dialog while its menu command shows it.
extern TIBPIPMaskForm* IBPIPMaskForm;
