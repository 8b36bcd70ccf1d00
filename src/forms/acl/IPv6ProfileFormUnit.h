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
    void ApplyProtocolRules();

protected:
    TIPv6ProfileForm(TComponent* owner, const IPv6ProfileDesign& design);

    void BindFields(DialogRequest& request) override;
    void InitialSelections() override;
    void ClearFields() override;
    void ResetRules() override;
    void RowRules() override;
    bool ValidateProfile() override;

private:
    std::span<const Field<TIPv6ProfileForm>> Fields;
    const char* Off; // the Class and Flow Label item of "off"
    bool CheckMasks; // Add checks the enabled IPv6 address masks
    bool CheckMask(TEdit* mask);
};

struct IPv6ProfileDesign : ProfileDesign<TIPv6ProfileForm> {
    const char* Off = "disable";
    bool CheckMasks = true; // false: the masks rely on their edits' constraints
};

// Where the fields of the IPv6 profile editors stand; the IPv6 masks (32 digits) run across both
// halves.
inline constexpr ProfileHalves kIPv6ProfileHalves{{130, 130}, 118, 8};
inline constexpr int kIPv6MaskWidth = 250;

// What the IPv6 profile editors share over their tables: no empty mask left out, the createAndGo
// guard, no read after an Add that raised, a read after a Delete that raised, the wider button
// column.
ProfileEditorOptions IPv6ProfileRules();

// The dialog while its menu command shows it.
extern TIPv6ProfileForm* IPv6ProfileForm;
