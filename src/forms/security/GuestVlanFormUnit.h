// The 802.1X guest VLAN dialog: the switch's guest VLAN name and member ports, set together, and
// "Delete", which sets the guest VLAN's delete state to "start". No list: three blocking scalar
// requests (the name and ports, the name as the switch reported it, the delete state), a silent
// busy guard, and all three read again after every write. The name is written when it changed or
// the switch has none.
#pragma once

#include "FieldSet.h"
#include "GuestVlanPart.h"
#include "TForm.h"

class TButton;
class TComboBox;
class TEdit;
class TGroupBox;
class TLabel;
class TPageControl;
class TPanel;
class TStatusBar;

class TGuestVlanForm : public TForm {
public:
    explicit TGuestVlanForm(TComponent* owner);

    TPanel* Panel1;
    TButton* BT_Get;
    TButton* SetBtn;
    TButton* DelBtn;
    TButton* BT_Close;
    TGroupBox* grp;
    TLabel* lbl1; // "Guest VLAN Name"
    TEdit* edtName;
    TEdit* Edit1;      // hidden: the name as the switch last reported it
    TComboBox* cbxDel; // hidden: the delete state
    TPageControl* pgc1;
    TStatusBar* StatusBar1;

    GuestVlanPart Guest;
    TableDialogController& Table = Guest.NameAndPorts; // the name and ports
    FieldSet Fields;

    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void BT_GetClick(TObject* sender);
    void SetBtnClick(TObject* sender);
    void DelBtnClick(TObject* sender);
    void BT_CloseClick(TObject* sender);
};

// The dialog while its menu command shows it.
extern TGuestVlanForm* GuestVlanForm;
