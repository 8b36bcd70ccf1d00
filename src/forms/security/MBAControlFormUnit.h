// The MAC-based access control settings: the state, the authentication method, the password, the
// clear-all action and the method's guest VLAN (name and member ports, and "Delete"). No list:
// four blocking scalar requests (the settings, the guest VLAN's name and ports, its delete state
// and its name as the switch reported it), a silent busy guard, and all four read again after
// every write. Set writes the settings first, then the guest VLAN, whose name, once the switch
// has one, cannot be changed, only deleted and set anew.
#pragma once

#include "FieldSet.h"
#include "GuestVlanPart.h"
#include "TForm.h"

class TButton;
class TComboBox;
class TEdit;
class TLabel;
class TPageControl;
class TPanel;
class TStatusBar;

class TMBAControlForm : public TForm {
public:
    explicit TMBAControlForm(TComponent* owner);

    TPanel* Panel1;
    TButton* BT_Get;
    TButton* SetBtn;
    TButton* DelBtn;
    TButton* BT_Close;
    TPanel* Panel4;
    TLabel* Label2; // "State"
    TComboBox* Cbox_State;
    TLabel* Label3; // "Method"
    TComboBox* Cbox_Method;
    TLabel* Label4; // "Clear All Action"
    TComboBox* Cbox_ClearAllAction;
    TLabel* Password; // "Password"
    TEdit* edtPassWord;
    TLabel* Label1; // "Guest VLAN Name"
    TEdit* edtName;
    TLabel* Label5;    // "VLAN Name Delete State", hidden
    TComboBox* cbxDel; // hidden: the delete state
    TEdit* Edit1;      // hidden: the name as the switch last reported it
    TPageControl* pgc1;
    TStatusBar* StatusBar1;

    GuestVlanPart Guest;
    TableDialogController& Table = Guest.NameAndPorts; // the guest VLAN's name and ports
    TableDialogController Settings;                    // state, method, password, clear-all action
    FieldSet Fields;

    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void BT_GetClick(TObject* sender);
    void SetBtnClick(TObject* sender);
    void DelBtnClick(TObject* sender);
    void BT_CloseClick(TObject* sender);
};

// The dialog while its menu command shows it.
extern TMBAControlForm* MBAControlForm;
