// The add dialog of the IPv6 static route table, for a route (Mode 1) or the default route (Mode
// 2: destination 32 zeros, prefix length 0). It has no request of its own: the IPv6 route dialog
// binds these controls to its table (BindTo), so selecting a route there fills them, and Set
// checks the fields, then writes the route through that table, reads it again and closes, also
// when the write failed (the failure is in the route dialog's status line).
#pragma once

#include "EditSubDialog.h"

class DialogRequest;
class TButton;
class TComboBox;
class TEdit;
class TLabel;
class TPanel;

class TIpv6StaticRouteEditForm : public TEditSubDialog {
public:
    static constexpr int kAddMode = 1;
    static constexpr int kDefaultRouteMode = 2;

    explicit TIpv6StaticRouteEditForm(TComponent* owner);

    TPanel* Panel1;
    TPanel* Panel2;
    TButton* btnSet;
    TButton* btnClose;
    TEdit* edtDst;
    TEdit* edtPrefix;
    TEdit* edtInterface;
    TEdit* edtNextHop;
    TEdit* edtMetric;
    TEdit* edtProtocol; // hidden
    TComboBox* cbxStatus;
    TComboBox* cbxBackup;
    TLabel* Label1; // "Destination"
    TLabel* Label2; // "Prefix Length"
    TLabel* Label3; // "Interface Name"
    TLabel* Label4; // "Next Hop"
    TLabel* Label5; // "Metric"
    TLabel* Label6; // "Status"
    TLabel* Label7; // "Backup State"
    TLabel* Label8; // "Protocol"

    void btnSetClick(TObject* sender);
    void btnCloseClick(TObject* sender);

    // The checks of Set (the destination and prefix in add mode only, then the next hop and the
    // metric); each refusal shows its message and focuses its field, the "empty" ones excepted.
    bool CheckInput();
    // 32 hexadecimal digits, else "Please input a valid IPv6 address".
    static bool CheckIpv6Text(TEdit* edit);
    void BindTo(DialogRequest& request) override;

protected:
    // The texts of the fields for the mode and their states: each time the dialog is shown.
    void ModeDefaults() override;
};

// Set by the IPv6 route dialog when it creates this one.
extern TIpv6StaticRouteEditForm* Ipv6StaticRouteEditForm;
