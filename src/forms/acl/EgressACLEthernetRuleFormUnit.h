// The egress ACL Ethernet rule editor: the egress Ethernet rules (keyed by profile and access ID)
// with their match fields (VLAN ID and mask, source and destination MAC addresses and their masks,
// 802.1p, Ethernet type), the action (permit or deny with priority and DSCP rewriting), what the
// rule applies to (a port, a port group or a VLAN-based VID, typed) and a time range. A member of
// the rule-editor family (TAclRuleForm) with typed targets, of which a write carries the one ticked.
#pragma once

#include "AclRuleEditor.h"

class TEgrssEthernetProfileRuleForm : public TAclRuleForm {
public:
    explicit TEgrssEthernetProfileRuleForm(TComponent* owner);

    // The family's controls under this dialog's names.
    TButton*& AddCheckButton = CheckButton;
    TButton*& CleanCheButton = UncheckButton;
    TStaticText*& StaticText1 = SamplesBox;

    TGroupBox* RuleGroup;
    TGroupBox* OptionGroup;
    TGroupBox* PermitGroup;
    TGroupBox* OtherGroup;

    TCheckBox* chkMaskID;
    TEdit* MaskIDEdit;
    TCheckBox* chkAccessID;
    TEdit* AccessEdit;
    TCheckBox* cbxRow;
    TCheckBox* cbxVID;
    TEdit* RuleVIDEdit;
    TCheckBox* cbxVLANMask;
    TEdit* VLANMaskEdit;
    TCheckBox* cbxSource;
    TEdit* SourceMACEdit;
    TCheckBox* cbxMaskSource;
    TEdit* MaskSourceEdit;
    TCheckBox* cbxDestination;
    TEdit* DestMACEdit;
    TCheckBox* cbxMaskDestination;
    TEdit* MaskDestinationEdit;
    TCheckBox* cbxIEEE802dot1P;
    TEdit* IEEE8021pEdit;
    TCheckBox* cbxEtherType;
    TEdit* EthTypeEdit;
    TCheckBox* cbxEnableDSCPValue;
    TEdit* DSCPEdit;
    TCheckBox* cbxTimeRange;
    TEdit* TimeRangeEdit;

    // Not bound to a column: it switches the VLAN ID and VLAN Mask rows.
    TCheckBox* RuleVLANcbx;

    void AddCheckButtonClick(TObject* sender);
    void CleanCheButtonClick(TObject* sender);
    void RuleVLANcbxClick(TObject* sender);

protected:
    bool CheckFields() override;
};

// The dialog while its menu command shows it.
extern TEgrssEthernetProfileRuleForm* EgrssEthernetProfileRuleForm;
