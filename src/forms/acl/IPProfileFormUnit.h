// The ACL IPv4 profile editor: the ingress IPv4 profiles (masks) with the parts of a packet their
// rules may match (VLAN and its mask, address masks, DSCP, protocol type with its options, port,
// flag-bit and user masks) and the profile's name. The model of the profile-editor family
// (TAclProfileForm).
#pragma once

#include "AclProfileEditor.h"

class TGroupBox;

class TIPProfileForm : public TAclProfileForm {
public:
    explicit TIPProfileForm(TComponent* owner);

    TGroupBox* ProfileGroup;
    TGroupBox* OptionGroup;
    TGroupBox* OtherGroup;

    TEdit* edtProfileID;
    TComboBox* cbbVlan;
    TComboBox* cbbIpAddMaskState;
    TEdit* edtIpAddMaskSrc;
    TEdit* edtIpAddMaskDst;
    TComboBox* cbbUseDSCP;
    TComboBox* cbbUseProType;
    TComboBox* cbbICMP;
    TComboBox* cbbIGMP;
    TComboBox* cbbTCPOption;
    TComboBox* cbbUDPOption;
    TEdit* edtTCPUDPSrcMask;
    TEdit* edtTCPUDPDstPortMask;
    TComboBox* cbbTCPFlagBitOption;
    TEdit* edtTCPFlagBitMask;
    TComboBox* cbbProOption;
    TEdit* edtProtoID;
    TEdit* edtProIDMask;
    TComboBox* cbbRowStatus;
    TComboBox* cbbOwner;
    TEdit* edtSrcMacAddrMask;
    TEdit* edtEntries;
    TEdit* edtProfileName;
    TEdit* edtVLANMask;
    TLabel* RowStatusLabel;

    void cbbVlanChange(TObject* sender);
    void cbbIpAddMaskStateChange(TObject* sender);
    void cbbUseProTypeChange(TObject* sender);
    void cbbTCPOptionChange(TObject* sender);
    void cbbUDPOptionChange(TObject* sender);
    void cbbProOptionChange(TObject* sender);
    void cbbTCPFlagBitOptionChange(TObject* sender);
    void ApplyOptionRules();

protected:
    void BindFields(DialogRequest& request) override;
    void InitialSelections() override;
    void ClearFields() override;
    void ResetRules() override;
    void RowRules() override;
    bool ValidateProfile() override;

private:
    void BuildFields();
    void PortOptionRule(TComboBox* option);
    bool CheckMask(TEdit* mask);
};

// The dialog while its menu command shows it.
extern TIPProfileForm* IPProfileForm;
