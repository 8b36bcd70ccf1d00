// The add dialog of the DNS relay's static entries: a domain name and the IPv4 address it resolves
// to, created with the state valid. It has no request of its own: the DNS relay dialog binds these
// controls to its table (BindTo), so selecting an entry there fills them, and Add checks the
// address, then creates the entry through that table and closes, also when the write failed (the
// failure is in the DNS relay dialog's status line); the framework reads the table again.
#pragma once

#include "EditSubDialog.h"

class DialogRequest;
class TButton;
class TComboBox;
class TEdit;
class TLabel;
class TPanel;

class TDNSCtrlAddForm : public TEditSubDialog {
public:
    static constexpr int kAddMode = 1;

    explicit TDNSCtrlAddForm(TComponent* owner);

    TPanel* Panel1;
    TPanel* Panel2;
    TButton* btnAdd;
    TButton* btnClose;
    TEdit* edtName;
    TEdit* edtIP;
    TComboBox* cbxState; // disabled: always "valid" here
    TLabel* Label1;      // "Domain Name"
    TLabel* Label2;      // "IP Address"
    TLabel* Label3;      // "State"

    void btnAddClick(TObject* sender);
    void btnCloseClick(TObject* sender);
    void BindTo(DialogRequest& request) override;

protected:
    // Empty fields and the state valid, each time the dialog is shown.
    void ModeDefaults() override;
};

// Set by the DNS relay dialog when it creates this one.
extern TDNSCtrlAddForm* DNSCtrlAddForm;
