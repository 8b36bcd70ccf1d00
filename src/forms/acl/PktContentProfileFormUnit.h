// The ACL packet-content profile editor: the ingress packet-content profiles (masks), each naming
// up to four chunks of the packet (a state, a value from 0 to 31 and a 32-bit mask each) that the
// rules of the profile may match, and the profile's name. A member of the profile-editor family
// (TAclProfileForm) that leaves the duplicate check to the switch; a disabled chunk's value and
// mask are disabled and so left out of a write.
#pragma once

#include "AclProfileEditor.h"

#include <string_view>

class TGroupBox;

class TPktContentProfileForm : public TAclProfileForm {
public:
    explicit TPktContentProfileForm(TComponent* owner);

    // The family's controls under this dialog's names.
    TButton*& GetButton = BT_Get;
    TButton*& btnAdd = BT_Add;
    TButton*& btnDelete = BT_Delete;
    TStaticText*& Static = txtEntries;

    TGroupBox* ProfileGroup;
    TGroupBox* OptionGroup;
    TGroupBox* OtherGroup;

    TEdit* edtProfileID;
    TComboBox* cbbChunk1State;
    TEdit* edtChunk1Value;
    TEdit* edtChunk1Offset; // the chunk's mask
    TComboBox* cbbChunk2State;
    TEdit* edtChunk2Value;
    TEdit* edtChunk2Offset;
    TComboBox* cbbChunk3State;
    TEdit* edtChunk3Value;
    TEdit* edtChunk3Offset;
    TComboBox* cbbChunk4State;
    TEdit* edtChunk4Value;
    TEdit* edtChunk4Offset;
    TComboBox* cbbRowStatus;
    TLabel* RowStatusLabel;
    TComboBox* cbbOwner;
    TEdit* edtEntries;
    TEdit* edtProfileName;

    // The chunk rule: a chunk's value and mask enabled while its state is "enabled".
    void cbbChunk1StateChange(TObject* sender);
    void cbbChunk2StateChange(TObject* sender);
    void cbbChunk3StateChange(TObject* sender);
    void cbbChunk4StateChange(TObject* sender);

protected:
    // Each enabled chunk's value and mask given and the mask accepted, then a chunk enabled.
    bool CheckFields() override;
};

// A chunk mask: up to 8 hexadecimal digits of either case (empty passes: "given" is checked first).
bool CheckChunkMaskText(std::string_view text);

// The dialog while its menu command shows it.
extern TPktContentProfileForm* PktContentProfileForm;
