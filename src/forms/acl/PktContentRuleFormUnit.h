// The ACL packet-content rule editor: the ingress packet-content rules (keyed by profile and access
// ID) with the 4-octet content each matches in up to four chunks of the packet (the chunks' values
// shown read-only, as the profile sets them up), the action (permit, deny or mirror with priority,
// DSCP and ToS rewriting and the mirror group) and the ports or VLAN they apply to. A member of the
// rule-editor family (TAclRuleForm) with its own Check All and Clear Checks, replacement rules that
// do not exclude each other, and a reset that keeps the VLAN-based VID and the mirror group.
#pragma once

#include "AclRuleEditor.h"

#include <string>

class TPktContentRuleForm : public TAclRuleForm {
public:
    explicit TPktContentRuleForm(TComponent* owner);

    TGroupBox* RuleGroup;
    TGroupBox* OptionGroup;
    TGroupBox* PermitGroup;
    TGroupBox* OtherGroup;

    TCheckBox* chkMaskID;
    TEdit* edtProfile;
    TCheckBox* chkAccessID;
    TEdit* edtAccess;
    TEdit* edtChunk1Value;
    TCheckBox* cbxChunk1Offset;
    TEdit* edtChunk1Offset; // the chunk's content
    TEdit* edtChunk2Value;
    TCheckBox* cbxChunk2Offset;
    TEdit* edtChunk2Offset;
    TEdit* edtChunk3Value;
    TCheckBox* cbxChunk3Offset;
    TEdit* edtChunk3Offset;
    TEdit* edtChunk4Value;
    TCheckBox* cbxChunk4Offset;
    TEdit* edtChunk4Offset;
    TCheckBox* cbxEnableDSCPValue;
    TEdit* DSCPEdit;
    TCheckBox* cbxRow;
    TComboBox*& OwnerComboBox = RuleOwnerComboBox;

    // Check All's steps after its lists: each replacement "enabled" enables and ticks its two boxes.
    void CheckEnabledReplacements(TObject* sender);

protected:
    bool CheckFields() override;
};

// A chunk's content: exactly 8 hexadecimal digits of either case; otherwise "Invalid Offset" is
// shown and false returned.
bool CheckChunkContentText(const std::string& text);

// The dialog while its menu command shows it.
extern TPktContentRuleForm* PktContentRuleForm;
