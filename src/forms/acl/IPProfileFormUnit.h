// The ACL IPv4 profile editor: the ingress IPv4 profiles (masks) with the parts of a packet their
// rules may match (VLAN and its mask, address masks, DSCP, protocol type with its options, port,
// flag-bit and user masks) and the profile's name. The model of the profile-editor family
// (TAclProfileForm).
#pragma once

#include "AclProfileEditor.h"

class TGroupBox;

// What an IPv4 profile editor is over its table.
struct IpProfileDesign;

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
    TComboBox* cbbOwner = nullptr;      // the ingress table's alone
    TEdit* edtSrcMacAddrMask = nullptr; // the ingress table's alone
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
    TIPProfileForm(TComponent* owner, const IpProfileDesign& design);

    void BindFields(DialogRequest& request) override;
    void InitialSelections() override;
    void ClearFields() override;
    void ResetRules() override;
    void RowRules() override;
    bool ValidateProfile() override;

private:
    std::span<const Field<TIPProfileForm>> Fields;
    const char* VlanDefault;    // VLAN's item in a new dialog and after every reset
    const char* ProtocolIdItem; // the Protocol Type item that enables Protocol ID Option
    void PortOptionRule(TComboBox* option);
    bool CheckMask(TEdit* mask);
};

struct IpProfileDesign : ProfileDesign<TIPProfileForm> {
    const char* VlanDefault = "disabled";
    const char* ProtocolIdItem = "protocolID";
};

// Where the fields of the IPv4 profile editors stand; the second half's labels are the longer
// ("TCP/UDP Destination Port Mask (0-FFFF)").
inline constexpr ProfileHalves kIPProfileHalves{{170, 210}, 118, 6};

// The dialog while its menu command shows it.
extern TIPProfileForm* IPProfileForm;
