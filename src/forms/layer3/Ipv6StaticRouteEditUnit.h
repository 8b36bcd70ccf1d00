// The add dialog of the IPv6 static route table, for a route (Mode 1) or the default route (Mode
// 2: destination 32 zeros, prefix length 0). It has no request of its own: the IPv6 route dialog
// binds these controls to its table (BindTo), so selecting a route there fills them, and Set
// checks the fields, then writes the route through that table, reads it again and closes, also
// when the write failed (the failure is in the route dialog's status line).
#pragma once

#include "TForm.h"

class DialogRequest;
class TButton;
class TComboBox;
class TEdit;
class TLabel;
class TPanel;
class TableDialogController;

// The IPv6 route dialog's table, reached through its instance pointer Ipv6StaticRouteForm
// (defined by its unit); null while no IPv6 route dialog is shown.
TableDialogController* Ipv6StaticRouteListTable();

class TIpv6StaticRouteEditForm : public TForm {
public:
    static constexpr int kAddMode = 1;
    static constexpr int kDefaultRouteMode = 2;

    explicit TIpv6StaticRouteEditForm(TComponent* owner);
    ~TIpv6StaticRouteEditForm() override;

    int Mode = kAddMode; // written by the IPv6 route dialog before it shows this one

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

    void FormActivate(TObject* sender);
    void btnSetClick(TObject* sender);
    void btnCloseClick(TObject* sender);

    // The checks of Set (the destination and prefix in add mode only, then the next hop and the
    // metric); each refusal shows its message and focuses its field, the "empty" ones excepted.
    bool CheckInput();
    // 32 hexadecimal digits, else "Please input a valid IPv6 address".
    static bool CheckIpv6Text(TEdit* edit);
    // Binds the fields to the IPv6 route dialog's table request.
    void BindTo(DialogRequest& request);
    // The states of the fields for the mode: called when the dialog is shown.
    void UpdateButtons();
};

// Set by the IPv6 route dialog when it creates this one.
extern TIpv6StaticRouteEditForm* Ipv6StaticRouteEditForm;
