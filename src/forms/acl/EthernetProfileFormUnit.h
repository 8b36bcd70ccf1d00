// The ACL Ethernet profile editor: the ingress Ethernet profiles (masks) with the parts of a frame
// their rules may match (VLAN and its mask, source and destination MAC address masks, 802.1p and
// Ethernet type) and the profile's name. A member of the profile-editor family (TAclProfileForm)
// that looks for a listed ID or name before it checks the fields and always sends the MAC Address
// Mask State, "other" included.
#pragma once

#include "AclProfileEditor.h"

class TGroupBox;

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
    TComboBox* cbbOwner;
    TEdit* edtRuleEntries;
    TEdit* edtProfileName;
    TEdit* edtVLANMask;
    TLabel* RowStatusLabel;

    void cbbOptionVLANChange(TObject* sender);
    void cbbMacMaskStateChange(TObject* sender);

protected:
    void BindFields(DialogRequest& request) override;
    void InitialSelections() override;
    void ClearFields() override;
    void ResetRules() override;
    void RowRules() override;
    bool ValidateProfile() override;

private:
    void BuildFields();
};

// The dialog while its menu command shows it.
extern TEthernetProfileForm* EthernetProfileForm;
