// The ACL IPv4 rule editor: the ingress IPv4 rules (keyed by profile and access ID) with their
// match fields (VLAN, addresses and masks, DSCP, protocol and its options), the action (permit,
// deny or mirror with priority, DSCP and ToS rewriting) and the ports or VLAN they apply to. The
// model of the rule-editor family (TAclRuleForm).
#pragma once

#include "AclRuleEditor.h"

class TIPProfileRuleForm : public TAclRuleForm {
public:
    explicit TIPProfileRuleForm(TComponent* owner);

    // Group boxes.
    TGroupBox* RuleGroup;
    TGroupBox* OptionGroup;
    TGroupBox* PermitGroup;
    TGroupBox* OtherGroup;

    // Fields by column: check box and value control (the action fields, Row Status and the owner are
    // the family's).
    TCheckBox* chkRuleID;
    TEdit* IPRuleEdit;
    TCheckBox* chkAccessID;
    TEdit* AccessIDEdit;
    TCheckBox* cbxVlanName;
    TEdit* RuleVLANNameEdit;
    TCheckBox* cbxVID;
    TEdit* RuleVIDEdit;
    TCheckBox* cbxSourceIP;
    TEdit* SourceIPEdit;
    TCheckBox* cbxDestIP;
    TEdit* DestIPEdit;
    TCheckBox* cbxDscp;
    TEdit* DSCPEdit;
    TCheckBox* cbxProtocol;
    TComboBox* ProtocolComboBox;
    TCheckBox* cbxType;
    TEdit* TypeEdit;
    TCheckBox* cbxCode;
    TEdit* CodeEdit;
    TCheckBox* cbxSourcePort;
    TEdit* SourcePortEdit;
    TCheckBox* cbxDestPort;
    TEdit* DestPortEdit;
    TCheckBox* cbxFBs;
    TEdit* FlagEdit;
    TCheckBox* cbxProtocolID;
    TEdit* ProtocolIDEdit;
    TCheckBox* cbxUserMask;
    TEdit* UserMaskEdit;
    TCheckBox* cbxDSCPValue;
    TEdit* DSCPValueEdit;
    TCheckBox* cbxRow;
    TCheckBox* cbxVLANMask;
    TEdit* VLANMaskEdit;
    TCheckBox* cbxSourceIPMask;
    TEdit* SourceIPMaskEdit;
    TCheckBox* cbxDestIPMask;
    TEdit* DestIPMaskEdit;
    TCheckBox* cbxSourcePortMask;
    TEdit* SourcePortMaskEdit;
    TCheckBox* cbxDestPortMask;
    TEdit* DestPortMaskEdit;

    // Not bound to a column.
    TCheckBox* RuleVLANcbx;
    TLabel* SrcMacLabel;
    TEdit* SrcMacAddressEdit;

    void ProtocolComboBoxChange(TObject* sender);
    void RuleVLANcbxClick(TObject* sender);
    void cbxSourceIPClick(TObject* sender);
    void cbxDestIPClick(TObject* sender);
    // A reset's step: Rule Protocol's box, Type and Code enabled alone, as icmp has them, until the
    // protocol rule runs.
    void EnableTypeAndCode(TObject* sender);

protected:
    bool CheckFields() override;
};

// The dialog while its menu command shows it.
extern TIPProfileRuleForm* IPProfileRuleForm;
