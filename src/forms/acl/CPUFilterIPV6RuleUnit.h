// The CPU interface filtering IPv6 rule editor: the rules on IPv6 packets addressed to the switch's
// own CPU (keyed by profile and access ID), matching on traffic class, flow label and source and
// destination IPv6 address (32 hexadecimal digits), with permit or deny and the ports they apply to.
// A CPU filtering member of the rule-editor family (TCPUFilterEthernetRuleForm's flows) with a
// one-SET Edit.
#pragma once

#include "AclRuleEditor.h"

class TCPUFilterIPV6RuleForm : public TAclRuleForm {
public:
    explicit TCPUFilterIPV6RuleForm(TComponent* owner);

    TButton*& AddCheckButton = CheckButton;
    TButton*& CleanCheButton = UncheckButton;
    TButton*& Button1 = CloseButton;
    TStaticText*& StaticText1 = SamplesBox;

    TGroupBox* RuleGroup;
    TGroupBox* OptionGroup;

    TCheckBox* chkMaskID;
    TEdit* ProfileIDEdit;
    TCheckBox* chkAccessID;
    TEdit* AccessEdit;
    TCheckBox* cbxClass;
    TEdit* ClassEdit;
    TCheckBox* cbxFlowLabel;
    TEdit* FlowLabelEdit;
    TCheckBox* cbxSource;
    TEdit* SourceIPV6Edit;
    TCheckBox* cbxDestination;
    TEdit* DestIPV6Edit;
    TCheckBox* cbxRow;

    void AddCheckButtonClick(TObject* sender);
    void CleanCheButtonClick(TObject* sender);
    void Button1Click(TObject* sender);

protected:
    bool CheckFields() override;
};

// The dialog while its menu command shows it.
extern TCPUFilterIPV6RuleForm* CPUFilterIPV6RuleForm;
