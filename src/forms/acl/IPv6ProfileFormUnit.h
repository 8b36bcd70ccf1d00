// The ACL IPv6 profile editor: the ingress IPv6 profiles (masks) with the parts of a packet their
// rules may match (traffic class, flow label, source and destination IPv6 address masks, protocol
// type with its TCP, UDP and ICMP options and the port masks) and the profile's name. A member of
// the profile-editor family (TAclProfileForm) whose Add refuses a Row Status not at createAndGo,
// and whose Delete that raised is followed by the read. Its egress twin
// (TEgressIPv6ProfileForm) is the same editor over the egress table.
#pragma once

#include "AclProfileEditor.h"

class TGroupBox;
class TIPv6ProfileForm;

// What an IPv6 profile editor is over its table.
struct IPv6ProfileDesign;

class TIPv6ProfileForm : public TAclProfileForm {
public:
    explicit TIPv6ProfileForm(TComponent* owner);

    TGroupBox* ProfileGroup;
    TGroupBox* OptionGroup;
    TGroupBox* OtherGroup;

    TEdit* edtMaskID;
    TComboBox* cbxMaskClass;
    TComboBox* cbxMaskFlowlabel = nullptr; // the ingress table's alone
    TComboBox* cbxMaskState;
    TEdit* edtSrcMask;
    TEdit* edtDstMask;
    TComboBox* cbbRowStatus;
    TComboBox* cbbOwner = nullptr; // the ingress table's alone
    TEdit* edtEntries;
    TEdit* edtProfileName;
    TComboBox* ProtoTypeCombo;
    TComboBox* TCPOptionCombo;
    TComboBox* UDPOptionCombo;
    TEdit* SourcePortEdit;
    TEdit* DstPortEdit;
    TComboBox* ICMPOptionCombo;
    TLabel* RowStatusLabel;

    void cbxMaskStateChange(TObject* sender);
    void ProtoTypeComboChange(TObject* sender);
    void TCPOptionComboChange(TObject* sender);
    void UDPOptionComboChange(TObject* sender);

    // The rules of the IPv6 profile editors' fields: the address mask state enables the masks it
    // names, the protocol type its option box, and the TCP or UDP option (the protocol type's) the
    // port masks it names. An option box without a selection (a row whose value its list does not
    // hold) leaves the fields it rules as they are.
    static bool SourceMasked(const TIPv6ProfileForm& form, bool);
    static bool DestinationMasked(const TIPv6ProfileForm& form, bool);
    static bool TcpChosen(const TIPv6ProfileForm& form, bool);
    static bool UdpChosen(const TIPv6ProfileForm& form, bool);
    static bool IcmpChosen(const TIPv6ProfileForm& form, bool);
    static bool SourcePortMasked(const TIPv6ProfileForm& form, bool);
    static bool DestinationPortMasked(const TIPv6ProfileForm& form, bool);

protected:
    TIPv6ProfileForm(TComponent* owner, const IPv6ProfileDesign& design);

    bool CheckFields() override;

private:
    bool CheckMasks; // Add checks the enabled IPv6 address masks
    bool CheckMask(TEdit* mask);
    const TComboBox* PortOption() const;
};

struct IPv6ProfileDesign : ProfileDesign<TIPv6ProfileForm> {
    bool CheckMasks = true; // false: the masks rely on their edits' constraints
};

// The rules of the IPv6 profile editors' fields, by field.
namespace IPv6ProfileFieldRules {
using F = TIPv6ProfileForm;
inline constexpr FieldEnabledWhen<F> kSourceMaskRule{.If = F::SourceMasked};
inline constexpr FieldEnabledWhen<F> kDestinationMaskRule{.If = F::DestinationMasked};
inline constexpr FieldEnabledWhen<F> kTcpRule{.If = F::TcpChosen};
inline constexpr FieldEnabledWhen<F> kUdpRule{.If = F::UdpChosen};
inline constexpr FieldEnabledWhen<F> kIcmpRule{.If = F::IcmpChosen};
inline constexpr FieldEnabledWhen<F> kSourcePortMaskRule{.If = F::SourcePortMasked};
inline constexpr FieldEnabledWhen<F> kDestinationPortMaskRule{.If = F::DestinationPortMasked};
} // namespace IPv6ProfileFieldRules

// Where the fields of the IPv6 profile editors stand; the IPv6 masks (32 digits) run across both
// halves.
inline constexpr ProfileHalves kIPv6ProfileHalves{{130, 130}, 118, 8};
inline constexpr int kIPv6MaskWidth = 250;

// What the IPv6 profile editors share over their tables: no empty mask left out, the createAndGo
// guard, no read after an Add that raised, a read after a Delete that raised, every combo box at its
// first item after a reset, the wider button column.
ProfileEditorOptions IPv6ProfileRules();

// The dialog while its menu command shows it.
extern TIPv6ProfileForm* IPv6ProfileForm;
