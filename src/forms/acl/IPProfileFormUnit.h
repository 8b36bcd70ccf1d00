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

    // The rules of the IPv4 profile editors' fields over their option boxes: the protocol type
    // enables its own option boxes (the Protocol Type item of `ProtocolIdItem` the Protocol ID
    // Option), each "enabled" option its mask, and the TCP or UDP option (the protocol type's) the
    // port masks it names.
    static bool ProtocolIdChosen(const TIPProfileForm& form, bool);
    static bool TcpChosen(const TIPProfileForm& form, bool);
    static bool SourceAddressMasked(const TIPProfileForm& form, bool);
    static bool DestinationAddressMasked(const TIPProfileForm& form, bool);
    static bool SourcePortMasked(const TIPProfileForm& form, bool);
    static bool DestinationPortMasked(const TIPProfileForm& form, bool);

protected:
    TIPProfileForm(TComponent* owner, const IpProfileDesign& design);

    bool CheckFields() override;

private:
    const char* ProtocolIdItem; // the Protocol Type item that enables Protocol ID Option
    const TComboBox* PortOption() const;
    bool CheckMask(TEdit* mask);
};

struct IpProfileDesign : ProfileDesign<TIPProfileForm> {
    const char* ProtocolIdItem = "protocolID";
};

// Where the fields of the IPv4 profile editors stand; the second half's labels are the longer
// ("TCP/UDP Destination Port Mask (0-FFFF)").
inline constexpr ProfileHalves kIPProfileHalves{{170, 210}, 118, 6};

// The rules of the IPv4 profile editors' fields, by field.
namespace IpProfileFieldRules {
using F = TIPProfileForm;
inline constexpr FieldEnabledWhen<F> kVlanMaskRule{.Combo = &F::cbbVlan, .Option = "enabled"};
inline constexpr FieldEnabledWhen<F> kSourceMaskRule{.If = F::SourceAddressMasked};
inline constexpr FieldEnabledWhen<F> kDestinationMaskRule{.If = F::DestinationAddressMasked};
inline constexpr FieldEnabledWhen<F> kIcmpRule{.Combo = &F::cbbUseProType, .Option = "icmp"};
inline constexpr FieldEnabledWhen<F> kIgmpRule{.Combo = &F::cbbUseProType, .Option = "igmp"};
inline constexpr FieldEnabledWhen<F> kTcpRule{.Combo = &F::cbbUseProType, .Option = "tcp"};
inline constexpr FieldEnabledWhen<F> kUdpRule{.Combo = &F::cbbUseProType, .Option = "udp"};
inline constexpr FieldEnabledWhen<F> kSourcePortMaskRule{.If = F::SourcePortMasked};
inline constexpr FieldEnabledWhen<F> kDestinationPortMaskRule{.If = F::DestinationPortMasked};
inline constexpr FieldEnabledWhen<F> kFlagBitMaskRule{
    .Combo = &F::cbbTCPFlagBitOption, .Option = "enabled", .If = F::TcpChosen};
inline constexpr FieldEnabledWhen<F> kProtocolIdOptionRule{.If = F::ProtocolIdChosen};
inline constexpr FieldEnabledWhen<F> kProtocolIdRule{
    .Combo = &F::cbbProOption, .Option = "enabled", .If = F::ProtocolIdChosen};
} // namespace IpProfileFieldRules

// The selections of a new IPv4 profile editor that its resets keep.
inline constexpr StartOption<TIPProfileForm> kIPProfileStart[] = {
    {&TIPProfileForm::cbbIGMP, "disabled"},      {&TIPProfileForm::cbbTCPFlagBitOption, "disabled"},
    {&TIPProfileForm::cbbProOption, "disabled"}, {&TIPProfileForm::cbbTCPOption, "other"},
    {&TIPProfileForm::cbbUDPOption, "other"},    {&TIPProfileForm::cbbICMP, "none"}};

// The dialog while its menu command shows it.
extern TIPProfileForm* IPProfileForm;
