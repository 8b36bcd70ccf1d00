// The egress ACL IPv6 rule editor: the egress IPv6 rules (keyed by profile and access ID) with their
// match fields (traffic class, source and destination IPv6 addresses and masks as 32 hexadecimal
// digits, a protocol with ICMP type and code or TCP/UDP ports and masks), the action (permit or deny
// with priority and DSCP rewriting), what the rule applies to (a port, a port group or a VLAN-based
// VID, typed) and a time range. A member of the rule-editor family (TAclRuleForm) with typed
// targets, whose Edit runs Add or Delete as the Row Status shown says.
#pragma once

#include "AclRuleEditor.h"

class TEgressIPv6RuleForm : public TAclRuleForm {
public:
    explicit TEgressIPv6RuleForm(TComponent* owner);

    TStaticText*& StaticText1 = SamplesBox;

    TGroupBox* RuleGroup;
    TGroupBox* OptionGroup;
    TGroupBox* PermitGroup;
    TGroupBox* OtherGroup;

    TCheckBox* chkRuleID;
    TEdit* edtRuleID;
    TCheckBox* chkAccessID;
    TEdit* edtRuleAccessID;
    TCheckBox* cbxRow;
    TCheckBox* cbxRuleClass;
    TEdit* edtRuleClass;
    TCheckBox* cbxRuleSrcIpv6addr;
    TEdit* edtRuleSrcIpv6addr;
    TCheckBox* cbxRuleSrcIpv6addrMask;
    TEdit* edtRuleSrcIpv6addrMask;
    TCheckBox* cbxRuleDstIpv6addr;
    TEdit* edtRuleDstIpv6addr;
    TCheckBox* cbxRuleDstIpv6addrMask;
    TEdit* edtRuleDstIpv6addrMask;
    TCheckBox* RuleProtoChx;
    TComboBox* RuleProtoCombox;
    TCheckBox* TypeChx;
    TEdit* edtType;
    TCheckBox* CodeChx;
    TEdit* edtCode;
    TCheckBox* SrcPortChx;
    TEdit* SrcPortEdit;
    TCheckBox* SrcPortMaskChx;
    TEdit* SrcPortMaskEdit;
    TCheckBox* DesPortChx;
    TEdit* DesPortEdit;
    TCheckBox* DesPorMasktChx;
    TEdit* DesPortMaskEdit;
    TCheckBox* cbxEnableDSCPValue;
    TEdit* EnabledDSCPEdit;
    TCheckBox* cbxTimeRange;
    TEdit* TimeRangeEdit;

    // The protocol rule over the two port fields: "none" unticks and disables them and empties
    // their edits; any other protocol unticks them and enables them with their texts.
    void RuleProtoComboxChange(TObject* sender);

protected:
    bool CheckFields() override;
};

// The dialog while its menu command shows it.
extern TEgressIPv6RuleForm* EgressIPv6RuleForm;
