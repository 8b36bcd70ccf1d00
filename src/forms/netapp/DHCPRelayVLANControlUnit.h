// The DHCP relay's VLAN control table: one row per DHCP server address (the index) with the VLANs
// on which the relay forwards to it, held by the switch as eight slices of 512 VLANs (a bitmap of
// 64 octets each) and shown and typed here as VLAN lists ("1-3,9"). A row is added by its address
// alone and edited slice by slice: each slice's box says whether the next Edit writes it. No
// guard, dialog re-read, confirmed delete, FormClose clean-up.
#pragma once

#include "DialogRequest.h"
#include "FieldSet.h"
#include "TBasicFormUnit.h"
#include "TListView.h"
#include "TableDialogController.h"

class TButton;
class TCheckBox;
class TComboBox;
class TDHCPRelayVLANControlUnitForm;
class TEdit;
class TGroupBox;
class TLabel;
class TPanel;
class TStaticText;
class TStatusBar;

// The table's request: each slice's bitmap is shown as its VLAN list when a row arrives, and a
// ticked slice's list is written back as its bitmap.
class DHCPRelayVLANControlRequestEdits : public DialogRequest {
public:
    explicit DHCPRelayVLANControlRequestEdits(TDHCPRelayVLANControlUnitForm* form);

protected:
    void RowReceived() override;
    // After the kit's collection: Add (mode 1) writes the typed address with createAndGo; Edit
    // (mode 2) turns each ticked slice's list into its bitmap.
    void PrepareSet() override;

private:
    TDHCPRelayVLANControlUnitForm* Form;
};

class TDHCPRelayVLANControlUnitForm : public TBasicForm {
public:
    static constexpr int kSliceCount = 8;
    static constexpr int kNoWriteYet = 0;
    static constexpr int kAddMode = 1;
    static constexpr int kEditMode = 2;

    explicit TDHCPRelayVLANControlUnitForm(TComponent* owner);

    TPanel* Panel1;
    TStaticText* StaticText1;
    TButton* GetButton;
    TButton* EditButton;
    TButton* AddButton;
    TButton* DeleteButton;
    TButton* CheckButton;
    TButton* UncheckButton;
    TButton* CloseButton;
    TPanel* Panel2;
    TListView* ListView1;
    TGroupBox* grpRule;
    TLabel* Label1; // "IP Address"
    TEdit* IPAddressEdit;
    TCheckBox* chkIP; // hidden, always ticked
    TGroupBox* grpOption;
    TCheckBox* cbxVlanRange1;
    TCheckBox* cbxVlanRange2;
    TCheckBox* cbxVlanRange3;
    TCheckBox* cbxVlanRange4;
    TCheckBox* cbxVlanRange5;
    TCheckBox* cbxVlanRange6;
    TCheckBox* cbxVlanRange7;
    TCheckBox* cbxVlanRange8;
    TEdit* VLANRangeEdit1;
    TEdit* VLANRangeEdit2;
    TEdit* VLANRangeEdit3;
    TEdit* VLANRangeEdit4;
    TEdit* VLANRangeEdit5;
    TEdit* VLANRangeEdit6;
    TEdit* VLANRangeEdit7;
    TEdit* VLANRangeEdit8;
    TCheckBox* cbxRow;      // hidden, always ticked
    TComboBox* RowComboBox; // hidden: the row status
    TStatusBar* StatusBar1;

    // The relay table; RowCount, KeyCount and ExcludedRow (TBasicForm) are its column count, its
    // index count and the row status, RowCheckBoxes its boxes by column.
    TableDialogController Table;
    FieldSet Fields;
    // What the next SET is: kAddMode or kEditMode (read by the request's PrepareSet).
    int Mode = kNoWriteYet;

    void FormCreate(TObject* sender);
    void ListView1Click(TObject* sender);
    void ListView1Change(TObject* sender, TListItem* item, TItemChange change);
    void GetButtonClick(TObject* sender);
    void EditButtonClick(TObject* sender);
    void AddButtonClick(TObject* sender);
    void DeleteButtonClick(TObject* sender);
    void CheckButtonClick(TObject* sender);
    void UncheckButtonClick(TObject* sender);
    void CloseButtonClick(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);

    // Edit and Delete on while a server is chosen, Add while none is. Called at the end of every
    // read, on selection and after every write.
    void UpdateButtons(bool rowChosen);

    // The edit of slice k (0 to 7) and its box.
    TEdit* SliceEdit(int slice) const;
    TCheckBox* SliceBox(int slice) const;
    // Whether a slice's list can be written: ParsePortList reads it (at most 2048 characters,
    // numbers and ranges that do not end below their start) and every number above 512 lies in the
    // slice's own range 512k + 1 to 512k + 512 (a number up to 512 is an offset in the slice).
    static bool IsSliceListText(const std::string& text, int slice);

private:
    // The ticked slices' lists: the first one that cannot be written is refused with its message
    // and focused; false then.
    bool CheckTickedSlices();
};

// The dialog while its menu command shows it.
extern TDHCPRelayVLANControlUnitForm* DHCPRelayVLANControlUnitForm;
