// The ACL Ethernet rule editor: the ingress Ethernet rules (keyed by profile and access ID) with
// their match fields (VLAN ID, name and mask, source and destination MAC address and their masks,
// 802.1p priority, Ethernet type), the action (permit, deny or mirror with priority, DSCP and ToS
// rewriting) and the ports or VLAN they apply to. A member of the rule-editor family
// (TAclRuleForm): Add and Edit refuse while a read runs, and an Edit keeps what it sent in the
// fields.
#pragma once

#include "AclRuleEditor.h"

class TEthernetProfileRuleForm : public TAclRuleForm {
public:
    explicit TEthernetProfileRuleForm(TComponent* owner);

    // The family's check-box buttons under this dialog's names.
    TButton*& AddCheckButton = CheckButton;
    TButton*& CleanCheButton = UncheckButton;

    TGroupBox* RuleGroup;
    TGroupBox* OptionGroup;
    TGroupBox* PermitGroup;
    TGroupBox* OtherGroup;

    // Fields by column: check box and value control (the action fields, Row Status and the owner are
    // the family's).
    TCheckBox* chkMaskID;
    TEdit* MaskIDEdit;
    TCheckBox* chkAccessID;
    TEdit* AccessEdit;
    TCheckBox* cbxVID;
    TEdit* RuleVIDEdit;
    TCheckBox* cbxVlanName;
    TEdit* RuleVLANNameEdit;
    TCheckBox* cbxSource;
    TEdit* SourceMACEdit;
    TCheckBox* cbxDestination;
    TEdit* DestMACEdit;
    TCheckBox* cbxIEEE802dot1P;
    TEdit* IEEE8021pEdit;
    TCheckBox* cbxEtherType;
    TEdit* EthTypeEdit;
    TCheckBox* cbxEnableDSCPValue;
    TEdit* DSCPEdit;
    TCheckBox* cbxRow;
    TCheckBox* cbxVLANMask;
    TEdit* VLANMaskEdit;
    TCheckBox* cbxMaskSource;
    TEdit* MaskSourceEdit;
    TCheckBox* cbxMaskDestination;
    TEdit* MaskDestinationEdit;

    // Not bound to a column.
    TCheckBox* RuleVLANcbx;

    void AddCheckButtonClick(TObject* sender);
    void CleanCheButtonClick(TObject* sender);
    void RuleVLANcbxClick(TObject* sender);

protected:
    bool CheckFields() override;
};

// The dialog while its menu command shows it.
extern TEthernetProfileRuleForm* EthernetProfileRuleForm;
