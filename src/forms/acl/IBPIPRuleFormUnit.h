// The IP-MAC binding IP rule view: the IP rules the switch's IP-MAC-port binding installs, with
// each rule's ports on the "Ports" tab, read-only (TIBPAclViewForm): the source IP address, though
// writable in the table, is only shown.
#pragma once

#include "IBPAclViewForm.h"

class TComboBox;
class TEdit;

class TIBPIPRuleForm : public TIBPAclViewForm {
public:
    explicit TIBPIPRuleForm(TComponent* owner);

    TButton*& btnRefresh = RefreshButton;
    TEdit* edtMaskID;
    TEdit* edtAccessID;
    TEdit* edtSrcMac;
    TEdit* edtSrcIP;
    TComboBox* cbxPermit;

    void btnRefreshClick(TObject* sender);
};

// The dialog while its menu command shows it.
extern TIBPIPRuleForm* IBPIPRuleForm;
