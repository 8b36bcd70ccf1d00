// The IP-MAC binding Ethernet rule view: the Ethernet rules the switch's IP-MAC-port binding
// installs, with each rule's ports on the "Ports" tab, read-only (TIBPAclViewForm).
#pragma once

#include "IBPAclViewForm.h"

class TComboBox;
class TEdit;

class TIBPEtherRuleForm : public TIBPAclViewForm {
public:
    explicit TIBPEtherRuleForm(TComponent* owner);

    TButton*& btnRefresh = RefreshButton;
    TEdit* edtMaskID;
    TEdit* edtAccessID;
    TEdit* edtRuleType;
    TComboBox* cbxPermit;

    void btnRefreshClick(TObject* sender);
};

// The dialog while its menu command shows it.
extern TIBPEtherRuleForm* IBPEtherRuleForm;
