// The ACL Ethernet profile editor: the ingress Ethernet profiles (masks) with the parts of a frame
// their rules may match (VLAN and its mask, source and destination MAC address masks, 802.1p and
// Ethernet type) and the profile's name. A member of the profile-editor family (TAclProfileForm)
// that looks for a listed ID or name before it checks the fields and always sends the MAC Address
// Mask State, "other" included. Its egress twin (TEgressEthetnetProfileForm) is the same editor over
// the egress table.
#pragma once

#include "AclProfileEditor.h"

class TGroupBox;

// Where the fields of the Ethernet profile editors stand.
inline constexpr ProfileHalves kEthernetProfileHalves{{150, 190}, 118, 8};

class TEthernetProfileForm : public TAclProfileForm {
public:
    explicit TEthernetProfileForm(TComponent* owner);

    TGroupBox* ProfileGroup;
    TGroupBox* OptionGroup;
    TGroupBox* OtherGroup;

    TEdit* edtProfileID;
    TComboBox* cbbOptionVLAN;
    TComboBox* cbbMacMaskState;
    TEdit* edtSrcMacMask;
    TEdit* edtDstMacMask;
    TComboBox* cbbOption8021p;
    TComboBox* cbbOptionEthType;
    TComboBox* cbbRowStatus;
    TComboBox* cbbOwner = nullptr; // the ingress table's alone
    TEdit* edtRuleEntries;
    TEdit* edtProfileName;
    TEdit* edtVLANMask;
    TLabel* RowStatusLabel;

    void cbbOptionVLANChange(TObject* sender);
    void cbbMacMaskStateChange(TObject* sender);

protected:
    // A twin over another table: its own fields, columns, groups and options.
    TEthernetProfileForm(TComponent* owner, const ProfileDesign<TEthernetProfileForm>& design);

    bool CheckFields() override;
};

// What the Ethernet profile editors share over their tables: their texts, the duplicate checks
// before the field checks, every combo box sent, no read after a write that raised; their group
// boxes, the rules of the masks and the edits checked when they are left.
ProfileEditorOptions EthernetProfileRules();
inline constexpr ProfileGroupBox<TEthernetProfileForm> kEthernetProfileGroups[] = {
    {&TEthernetProfileForm::ProfileGroup, "Profile", 0, 1},
    {&TEthernetProfileForm::OptionGroup, "Options", 48, 4},
    {&TEthernetProfileForm::OtherGroup, "Other", 168, 1}};
// The VLAN mask while VLAN is "enabled"; each MAC mask while the state names its address.
bool EthernetSourceMasked(const TEthernetProfileForm& form, bool);
bool EthernetDestinationMasked(const TEthernetProfileForm& form, bool);
inline constexpr FieldEnabledWhen<TEthernetProfileForm> kEthernetVlanMaskRule = {
    .Combo = &TEthernetProfileForm::cbbOptionVLAN, .Option = "enabled"};
// The MAC masks are twelve hexadecimal digits without separators, as the list shows them.
extern const CheckedEdit<TEthernetProfileForm> kEthernetMacMaskChecks[2];

// The dialog while its menu command shows it.
extern TEthernetProfileForm* EthernetProfileForm;
