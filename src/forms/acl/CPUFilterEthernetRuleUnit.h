// The CPU interface filtering Ethernet rule editor: the rules that filter Ethernet frames addressed
// to the switch's own CPU (keyed by profile and access ID), matching on VLAN (name or ID), source
// and destination MAC address, 802.1p and Ethernet type, with permit or deny and the ports they
// apply to. A member of the rule-editor family (TAclRuleForm) and the model of the four CPU
// filtering members: no guard and no Stop, and this one writes a changed rule in several SETs.
#pragma once

#include "AclRuleEditor.h"

class TCPUFilterEthernetRuleForm : public TAclRuleForm {
public:
    explicit TCPUFilterEthernetRuleForm(TComponent* owner);

    // The family's controls under this dialog's names.
    TButton*& AddCheckButton = CheckButton;
    TButton*& CleanCheButton = UncheckButton;
    TButton*& Button1 = CloseButton;
    TStaticText*& StaticText1 = SamplesBox;

    TGroupBox* RuleGroup;
    TGroupBox* OptionGroup;
    TGroupBox* PermitGroup;

    TCheckBox* chkMaskID;
    TEdit* ProfileIDEdit;
    TCheckBox* chkAccessID;
    TEdit* AccessEdit;
    TCheckBox* cbxEtherType;
    TEdit* EthTypeEdit;
    TCheckBox* cbxVlanName;
    TEdit* RuleVLANNameEdit;
    TCheckBox* cbxSource;
    TEdit* SourceMACEdit;
    TCheckBox* cbxDestination;
    TEdit* DestMACEdit;
    TCheckBox* cbxIEEE802dot1P;
    TEdit* IEEE8021pEdit;
    TCheckBox* cbxRow;
    TCheckBox* cbxVID;
    TEdit* RuleVIDEdit;

    // Not bound to a column: the master box of the VLAN ID and VLAN Name fields.
    TCheckBox* RuleVLANcbx;

    void AddCheckButtonClick(TObject* sender);
    void CleanCheButtonClick(TObject* sender);
    void Button1Click(TObject* sender);
    // "VLAN" ticked enables (only) the VLAN ID and VLAN Name fields; unticked disables them only.
    void RuleVLANcbxClick(TObject* sender);

protected:
    bool CheckFields() override;
    // A changed rule: the VLAN name, 802.1p, Permit and VLAN ID (and Row Status unless active) in one
    // SET, then each alone, in this order: the Ethernet type, the port list (always) and the source
    // and destination MAC addresses, each when ticked and given.
    void SendEdit(const WriteCarry& carry) override;
};

// What the four CPU filtering rule editors share over their tables: their keys (profile 1 to 5,
// access 0 to 100) and texts, no guard and no Stop, the count box alone, and their frame.
RuleEditorOptions CpuFilterRuleOptions(const MibTableRow* table, int rowStatusColumn, int portColumn);

// The dialog while its menu command shows it.
extern TCPUFilterEthernetRuleForm* CPUFilterEthernetRuleForm;
