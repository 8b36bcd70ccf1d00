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

    // Fields by column: check box and value control.
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
    TCheckBox* cbxEnablePriority;
    TComboBox* EnablePriorityComboBox;
    TCheckBox* cbxPriority;
    TEdit* PriorityEdit;
    TCheckBox* cbxReplacePriority;
    TComboBox* ReplacePriorityComboBox;
    TCheckBox* cbxEnableReplaceDSCP;
    TComboBox* EnableReplaceDSCPComboBox;
    TCheckBox* cbxDSCPValue;
    TEdit* DSCPValueEdit;
    TCheckBox* cbxPermit;
    TComboBox* PermitComboBox;
    TCheckBox* cbxRow;
    TComboBox* RuleOwnerComboBox;
    TCheckBox* cbxRepTosState;
    TComboBox* RepTosStateComboBox;
    TCheckBox* cbxRepTosValue;
    TEdit* TosValueEdit;
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
    TCheckBox* cbxMirrorGroup;
    TEdit* MirrorGroupEdit;

    // Not bound to a column.
    TCheckBox* RuleVLANcbx;
    TCheckBox* cbxRxRate;
    TEdit* RxRateEdit;
    TLabel* SrcMacLabel;
    TEdit* SrcMacAddressEdit;
    TLabel* OwnerLabel;

    void ProtocolComboBoxChange(TObject* sender);
    void PermitComboBoxChange(TObject* sender);
    void EnablePriorityComboBoxChange(TObject* sender);
    void EnableReplaceDSCPComboBoxChange(TObject* sender);
    void RepTosStateComboBoxChange(TObject* sender);
    void RuleVLANcbxClick(TObject* sender);
    void cbxSourceIPClick(TObject* sender);
    void cbxDestIPClick(TObject* sender);
    void HideExtraFields();

protected:
    void BindFields(DialogRequest& request) override;
    void ResetDefaults() override;
    void CreationRules() override;
    void ListRules() override;
    void RowRules() override;
    bool ValidateFields() override;
    bool AddAllowed() override;
    void AfterCheckAll() override;
    void AfterClearChecks() override;

private:
    void BuildFields();
};

// The dialog while its menu command shows it.
extern TIPProfileRuleForm* IPProfileRuleForm;
