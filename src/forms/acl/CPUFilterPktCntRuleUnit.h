// The CPU interface filtering packet-content rule editor: the rules that match packets addressed to
// the switch's own CPU by their content in five windows of 16 octets (octets 0 to 79), keyed by
// profile and access ID, with permit or deny and the ports they apply to. A CPU filtering member of
// the rule-editor family (TCPUFilterEthernetRuleForm's flows) with a one-SET Edit.
#pragma once

#include "AclRuleEditor.h"

class TCPUFilterPktCntRuleForm : public TAclRuleForm {
public:
    explicit TCPUFilterPktCntRuleForm(TComponent* owner);

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
    TCheckBox* cbxPayloadOff1;
    TEdit* PayloadOff1Edit;
    TCheckBox* cbxPayloadOff2;
    TEdit* PayloadOff2Edit;
    TCheckBox* cbxPayloadOff3;
    TEdit* PayloadOff3Edit;
    TCheckBox* cbxPayloadOff4;
    TEdit* PayloadOff4Edit;
    TCheckBox* cbxPayloadOff5;
    TEdit* PayloadOff5Edit;
    TCheckBox* cbxRow;

    void AddCheckButtonClick(TObject* sender);
    void CleanCheButtonClick(TObject* sender);
    void Button1Click(TObject* sender);

protected:
    bool CheckFields() override;
};

// The dialog while its menu command shows it.
extern TCPUFilterPktCntRuleForm* CPUFilterPktCntRuleForm;
