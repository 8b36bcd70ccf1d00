// The ACL IPv6 rule editor: the ingress IPv6 rules (keyed by profile and access ID) with their
// match fields (traffic class, flow label, source and destination IPv6 address and mask, protocol
// with its ports and port masks, ICMP type and code), the action (permit, deny or mirror with
// priority, DSCP and ToS rewriting) and the ports or VLAN they apply to. A member of the
// rule-editor family (TAclRuleForm): Row Status is always sent, Edit runs Add or Delete by the Row
// Status shown, and Add and Edit keep the fields they sent.
#pragma once

#include "AclRuleEditor.h"

#include <string>

class TIpv6RuleForm : public TAclRuleForm {
public:
    explicit TIpv6RuleForm(TComponent* owner);

    TGroupBox* RuleGroup;
    TGroupBox* OptionGroup;
    TGroupBox* PermitGroup;
    TGroupBox* OtherGroup;

    // Fields by column: check box and value control (the action fields, Row Status and the owner are
    // the family's).
    TCheckBox* chkRuleID;
    TEdit* edtRuleID;
    TCheckBox* chkAccessID;
    TEdit* edtRuleAccessID;
    TCheckBox* cbxRuleClass;
    TEdit* edtRuleClass;
    TCheckBox* cbxRuleFlowlabel;
    TEdit* edtRuleFlowlabel;
    TCheckBox* cbxRuleSrcIpv6addr;
    TEdit* edtRuleSrcIpv6addr;
    TCheckBox* cbxRuleDstIpv6addr;
    TEdit* edtRuleDstIpv6addr;
    TCheckBox* cbxRow;
    TCheckBox* cbxEnableDSCPValue;
    TEdit* DSCPEdit;
    TCheckBox* RuleProtoChx;
    TComboBox* RuleProtoCombox;
    TCheckBox* SrcPortChx;
    TEdit* SrcPortEdit;
    TCheckBox* DesPortChx;
    TEdit* DesPortEdit;
    TCheckBox* cbxRuleSrcIpv6addrMask;
    TEdit* edtRuleSrcIpv6addrMask;
    TCheckBox* cbxRuleDstIpv6addrMask;
    TEdit* edtRuleDstIpv6addrMask;
    TCheckBox* SrcPortMaskChx;
    TEdit* SrcPortMaskEdit;
    TCheckBox* DesPorMasktChx;
    TEdit* DesPortMaskEdit;
    TCheckBox* TypeChx;
    TEdit* edtType;
    TCheckBox* CodeChx;
    TEdit* edtCode;

    // A flow label: exactly 8 hexadecimal digits; otherwise "Invalid data." and false.
    static bool CheckFlowLabelText(const std::string& text);

protected:
    bool CheckFields() override;
};

// The dialog while its menu command shows it.
extern TIpv6RuleForm* Ipv6RuleForm;
