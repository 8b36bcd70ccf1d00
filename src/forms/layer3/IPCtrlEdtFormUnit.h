// The add/edit dialog of the IP interface table: one line per table column, each with a check
// box that says whether the column is written. It has no request of its own: the IP interface
// dialog binds these controls to its table (BindTo), so selecting a row there fills them, and Set
// writes through that table, reads it again and closes.
#pragma once

#include "EditSubDialog.h"

class TButton;
class TCheckBox;
class TComboBox;
class TEdit;
class TLabel;
class TPanel;
class TScrollBox;
class DialogRequest;

class TIPCtrlEdtForm : public TEditSubDialog {
public:
    static constexpr int kAddMode = 0;
    static constexpr int kEditMode = 1;

    explicit TIPCtrlEdtForm(TComponent* owner);

    TPanel* pnlBtn;
    TButton* btnSet;
    TButton* btnClose;
    TScrollBox* ScrollBox1;

    TEdit* edtInterface;
    TEdit* edtIndex;
    TEdit* edtIPAddr;
    TEdit* edtMask;
    TEdit* edtVlan;
    TComboBox* cbxSecondary;
    TLabel* lblSecondary;
    TComboBox* cbxMode;
    TComboBox* cbxAdmin;
    TComboBox* cbxIpv4Admin;
    TComboBox* Option12State_ComboBox;
    TEdit* edtHostName;
    TComboBox* ProxyARPComboBox;
    TComboBox* ProxyARPStateComboBox;
    TComboBox* cbxIpv6Admin;
    TComboBox* IPv6AutoStateComboBox;
    TEdit* edtIpv6Addr;
    TEdit* edtIPv6Prefix;
    TComboBox* ComboBox_DHCPv6State;
    TComboBox* ComboBox_DHCPv6RapidCommit;
    TComboBox* ComboBox_IPv6AutoState;
    TComboBox* ComboBox_IPv6AutoDefault;
    TComboBox* ComboBox_IPDirectedBroadcastState;
    TComboBox* cbxState;
    TLabel* lblState;

    TCheckBox* CheckBox1; // interface name: always checked, never changed
    TCheckBox* CheckBox2;
    TCheckBox* CheckBox3;
    TCheckBox* CheckBox4;
    TCheckBox* CheckBox5; // secondary
    TCheckBox* CheckBox6;
    TCheckBox* CheckBox7;
    TCheckBox* CheckBox8;
    TCheckBox* CheckBox9;
    TCheckBox* CheckBox10;
    TCheckBox* CheckBox11;
    TCheckBox* CheckBox12;
    TCheckBox* CheckBox13; // state: hidden, always checked
    TCheckBox* CheckBox_Option12State;
    TCheckBox* CheckBox_HostName;
    TCheckBox* CheckBox_DHCPv6State;
    TCheckBox* CheckBox_DHCPv6RapidCommit;
    TCheckBox* CheckBox_IPv6AutoState;
    TCheckBox* CheckBox_IPv6AutoDefault;
    TCheckBox* CheckBox_IPDirectedBroadcastState;

    void btnSetClick(TObject* sender);
    void btnCloseClick(TObject* sender);

    // The checks of Set: add mode the address (when given), the interface name (given, not taken)
    // and the VLAN name (given, not taken unless the interface is secondary); edit mode the
    // address. Each refusal shows its message and focuses its field.
    bool CheckAddInput();
    bool CheckEditInput();
    // Binds the lines to the list dialog's table request and records them as its rows; the line of
    // the "KC" edition only there, the state line at the table's last column.
    void BindTo(DialogRequest& request) override;

protected:
    // The lines shown, the add mode's defaults, the states of the fields and the caption of Set.
    void ModeDefaults() override;

private:
    bool CheckAddress();
};

// Set by the IP interface dialog when it creates this one.
extern TIPCtrlEdtForm* IPCtrlEdtForm;
