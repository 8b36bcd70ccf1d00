// The CPU interface filtering IPv4 rule editor: the rules on IPv4 packets addressed to the
// switch's own CPU (keyed by profile and access ID), matching on VLAN (name or ID), source and
// destination address, DSCP and a protocol with its fields, with permit or deny and the ports they
// apply to. A CPU filtering member of the rule-editor family (TCPUFilterEthernetRuleForm's flows)
// whose request has no status target: its reports come in message boxes. The protocol is shown
// and drives the protocol rule, but is never written.
#pragma once

#include "AclRuleEditor.h"

class TCPUFilterIPRuleForm : public TAclRuleForm {
public:
    explicit TCPUFilterIPRuleForm(TComponent* owner);

    TButton*& AddCheckButton = CheckButton;
    TButton*& CleanCheButton = UncheckButton;
    TButton*& Button1 = CloseButton;
    TStaticText*& StaticText1 = SamplesBox;

    TGroupBox* RuleGroup;
    TGroupBox* OptionGroup;
    TGroupBox* PermitGroup;

    TCheckBox* chkRuleID;
    TEdit* ProfileIDEdit;
    TCheckBox* chkAccessID;
    TEdit* AccessEdit;
    TCheckBox* cbxVlanName;
    TEdit* RuleVLANNameEdit;
    TCheckBox* cbxSourceIP;
    TEdit* SourceIPEdit;
    TCheckBox* cbxDestIP;
    TEdit* DestIPEdit;
    TCheckBox* cbxDSCP;
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
    TCheckBox* cbxRow;
    TCheckBox* cbxVID;
    TEdit* RuleVIDEdit;

    // Not bound to a column: the master box of the VLAN ID and VLAN Name fields.
    TCheckBox* RuleVLANcbx;

    void AddCheckButtonClick(TObject* sender);
    void CleanCheButtonClick(TObject* sender);
    void Button1Click(TObject* sender);
    void RuleVLANcbxClick(TObject* sender);
    // The protocol rule: each protocol enables its own fields and disables (unticks and empties)
    // the others.
    void ProtocolComboBoxChange(TObject* sender);

protected:
    bool CheckFields() override;
};

// The dialog while its menu command shows it.
extern TCPUFilterIPRuleForm* CPUFilterIPRuleForm;
