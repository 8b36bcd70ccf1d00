// The add dialog of the IPv4 static route table, for a route (Mode 2) or the default route (Mode
// 3, destination and mask 0.0.0.0). It has no request of its own: the route dialog binds these
// controls to its table (BindTo), so selecting a route there fills them, and Set checks the
// fields, then writes the route through that table, reads it again and closes, also when the write
// failed (the failure is in the route dialog's status line).
#pragma once

#include "EditSubDialog.h"

class DialogRequest;
class TButton;
class TComboBox;
class TEdit;
class TLabel;
class TPanel;

class TIpStaticRouteEditForm : public TEditSubDialog {
public:
    static constexpr int kAddMode = 2;
    static constexpr int kDefaultRouteMode = 3;

    explicit TIpStaticRouteEditForm(TComponent* owner);

    TPanel* Panel1;
    TPanel* Panel2;
    TButton* SetButton;
    TButton* CloseButton;
    TEdit* DesEdit;
    TEdit* MaskEdit;
    TEdit* NextHopEdit;
    TComboBox* BakeupComboBox;
    TEdit* MetricEdit;
    TEdit* edtWeight;
    TEdit* InterfaceNameEdit;
    TComboBox* cbxStatus; // the hidden status: valid for every write of this dialog
    TLabel* Label1;       // "Destination"
    TLabel* Label2;       // "Mask"
    TLabel* Label3;       // "Next Hop"
    TLabel* Label4;       // "Backup State"
    TLabel* Label5;       // "Metric"
    TLabel* Label6;       // "Weight"
    TLabel* Label7;       // "Interface Name"
    TLabel* Label8;       // "Status"

    void SetButtonClick(TObject* sender);
    void CloseButtonClick(TObject* sender);

    // The checks of Set in each mode; each refusal shows its message and focuses its field. A
    // destination or mask of 0.0.0.0 asks whether the user meant a default route: OK closes this
    // dialog (nothing is sent), Cancel returns to the field.
    bool CheckAddInput();
    bool CheckDefaultRouteInput();
    // The dotted-quad check of an address field, "Please input a valid IP" when refused.
    static bool CheckIpText(TEdit* edit);
    void BindTo(DialogRequest& request) override;

protected:
    // The texts of the fields for the mode and their states: each time the dialog is shown.
    void ModeDefaults() override;

private:
    bool CheckNextHopAndMetric(const char* emptyText, const char* metricText);
    bool ConfirmNotDefaultRoute(TEdit* edit);
};

// Set by the route dialog when it creates this one.
extern TIpStaticRouteEditForm* IpStaticRouteEditForm;
