// The add dialog of the IPv6 neighbour cache: a static neighbour's IPv6 address (32 hexadecimal
// digits), MAC address (12) and interface name. It has no request of its own: the neighbour
// dialog binds these controls to its table (BindTo), so selecting a neighbour there fills them,
// and Set checks the fields, then creates the entry through that table, reads it again and closes,
// also when the write failed (the failure is in the neighbour dialog's status line).
#pragma once

#include "EditSubDialog.h"

class DialogRequest;
class TButton;
class TComboBox;
class TEdit;
class TLabel;
class TPanel;

class TARPIPv6ControlEditForm : public TEditSubDialog {
public:
    static constexpr int kAddMode = 1;

    explicit TARPIPv6ControlEditForm(TComponent* owner);

    TPanel* Panel1;
    TPanel* Panel2;
    TButton* btnSet;
    TButton* btnClose;
    TEdit* edtAddress;
    TEdit* edtMac;
    TEdit* edtInterface;
    TComboBox* cbxState;     // hidden
    TComboBox* cbxRowStatus; // hidden
    TLabel* Label1;          // "IPv6 Address"
    TLabel* Label2;          // "MAC Address"
    TLabel* Label3;          // "Interface Name"
    TLabel* Label4;          // "Reach State"
    TLabel* Label5;          // "Status"

    void btnSetClick(TObject* sender);
    void btnCloseClick(TObject* sender);

    // The checks of Set in the design's order; each refusal shows its message, and the ones of a
    // malformed address or MAC and of an empty interface focus their field.
    bool CheckInput();
    // 32 hexadecimal digits; otherwise "Please enter a valid IPv6 address whose length is 32
    // without ':'.".
    static bool CheckIpv6Text(TEdit* edit);
    // 12 hexadecimal digits; otherwise "Invalid MAC address".
    static bool CheckMacText(TEdit* edit);
    void BindTo(DialogRequest& request) override;

protected:
    // Empty fields and the row status createAndGo, each time the dialog is shown.
    void ModeDefaults() override;
};

// Set by the neighbour dialog when it creates this one.
extern TARPIPv6ControlEditForm* ARPIPv6ControlEditForm;
