// The egress ACL IPv4 rule editor: the egress IPv4 rules (keyed by profile and access ID) with their
// match fields (VLAN ID and mask, source and destination IPv4 addresses and masks, DSCP, a protocol
// with its fields), the action (permit or deny with priority and DSCP rewriting), what the rule
// applies to (a port, a port group or a VLAN-based VID, typed) and a time range. A member of the
// rule-editor family (TAclRuleForm) with typed targets and a write outcome of its own: success in
// the status line, a refusal in a box captioned with the program's file name.
#pragma once

#include "AclRuleEditor.h"

class TEgressIPv4RuleForm : public TAclRuleForm {
public:
    explicit TEgressIPv4RuleForm(TComponent* owner);

    TStaticText*& StaticText1 = SamplesBox;

    TGroupBox* RuleGroup;
    TGroupBox* OptionGroup;
    TGroupBox* PermitGroup;
    TGroupBox* OtherGroup;

    TCheckBox* chkRuleID;
    TEdit* MaskIDEdit;
    TCheckBox* chkAccessID;
    TEdit* AccessIDEdit;
    TCheckBox* cbxRow;
    TCheckBox* cbxVID;
    TEdit* RuleVIDEdit;
    TCheckBox* cbxVLANMask;
    TEdit* VLANMaskEdit;
    TCheckBox* cbxSourceIP;
    TEdit* SourceIPEdit;
    TCheckBox* cbxSourceIPMask;
    TEdit* SourceIPMaskEdit;
    TCheckBox* cbxDestIP;
    TEdit* DestIPEdit;
    TCheckBox* cbxDestIPMask;
    TEdit* DestIPMaskEdit;
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
    TCheckBox* cbxSourcePortMask;
    TEdit* SourcePortMaskEdit;
    TCheckBox* cbxDestPort;
    TEdit* DestPortEdit;
    TCheckBox* cbxDestPortMask;
    TEdit* DestPortMaskEdit;
    TCheckBox* cbxFBs;
    TEdit* FlagEdit;
    TCheckBox* cbxProtocolID;
    TEdit* ProtocolIDEdit;
    TCheckBox* cbxUser;
    TEdit* UserEdit;
    TCheckBox* cbxUserMask;
    TEdit* UserMaskEdit;
    TCheckBox* cbxEnableDSCPValue;
    TEdit* EnabledDSCPEdit;
    TCheckBox* cbxTimeRange;
    TEdit* TimeRangeEdit;

    // Not bound to a column: it switches the VLAN ID and VLAN Mask rows.
    TCheckBox* RuleVLANcbx;

    // The protocol rule: each protocol enables its own fields and disables the others.
    void ProtocolComboBoxChange(TObject* sender);
    // Protocol ID ticked: its edit and the user value (its box enabled only) enabled.
    void cbxProtocolIDClick(TObject* sender);
    void RuleVLANcbxClick(TObject* sender);
    // A ticked address enables (only) its box, its mask box and both edits; unticked, it disables
    // (only) the mask box and both edits.
    void cbxSourceIPClick(TObject* sender);
    void cbxDestIPClick(TObject* sender);
    // A reset's own step: the protocol's, type's, code's, user value's, targets' and time range's
    // boxes and the type and code edits enabled only.
    void EnableAfterReset(TObject* sender);
    // The write outcome: the data-complete flag set; success in the status line, a refusal in a box
    // captioned with the program's file name.
    void SetDone(VqSNMPRequest2Controls* request, const VqSNMPError& error);

protected:
    bool CheckFields() override;
    void RequestMade(DialogRequest& request) override;
};

// The dialog while its menu command shows it.
extern TEgressIPv4RuleForm* EgressIPv4RuleForm;
