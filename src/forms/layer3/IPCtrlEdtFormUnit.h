// The add/edit dialog of the IP interface table: one line per table column, each with a check
// box that says whether the column is written. It has no request of its own: the IP interface
// dialog (IpCtrlFormUnit.h) binds these controls to its table, so selecting a row there fills
// them, and Set writes through that table, reads it again and closes.
#pragma once

#include "TBasicFormUnit.h"

#include <span>
#include <vector>

class TButton;
class TCheckBox;
class TComboBox;
class TEdit;
class TLabel;
class TPanel;
class TScrollBox;
class TIPCtrlEdtForm;
class TIpCtrlForm;
class VqSNMPRequest2Edits;

// One column of the IP interface table as the dialog shows and binds it, in line order.
struct IpCtrlField {
    static constexpr int kStateColumn = -1; // the row status: the table's last column

    int Column;
    const char* Label;        // the caption left of the value; null where the check box carries it
    const char* CheckCaption; // the check box's own caption, or null
    const char* Constraint;   // an edit's constraint; null for a combo box
    TEdit* TIPCtrlEdtForm::*Edit;
    TComboBox* TIPCtrlEdtForm::*Combo;
    TCheckBox* TIPCtrlEdtForm::*Check; // null: the column has no check box and is never skipped
    bool KcOnly;                       // only in the table of the "KC" edition
};
std::span<const IpCtrlField> IpCtrlFields();

class TIPCtrlEdtForm : public TBasicForm {
public:
    explicit TIPCtrlEdtForm(TComponent* owner);
    ~TIPCtrlEdtForm() override;

    int Mode = 0; // 0 add, 1 edit: written by the list dialog before it shows this one

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

    void FormActivate(TObject* sender);
    void btnSetClick(TObject* sender);
    void btnCloseClick(TObject* sender);

    // The checks of Set: add mode the address (when given), the interface name (given, not taken)
    // and the VLAN name (given, not taken unless the interface is secondary); edit mode the
    // address. Each refusal shows its message and focuses its field.
    bool CheckAddInput();
    bool CheckEditInput();

private:
    struct Line {
        int Column;
        TCheckBox* Check;
        TLabel* Label;
        TControl* Value;
    };
    std::vector<Line> Lines; // in line order
    void ShowLine(int column);
    bool CheckAddress();
};

// Set by the IP interface dialog when it creates this one.
extern TIPCtrlEdtForm* IPCtrlEdtForm;
