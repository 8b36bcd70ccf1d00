// The edit dialog of the binding-file transfers: the protocol, the server's address type and
// address, the file name (a file on the TFTP server: nothing is read or written here) and the
// action. It has no request of its own: the transfer list binds these controls to its table, and
// Set checks the entries, sends the four columns in one SET through that table, reads the table
// again and closes, also when the write failed (the failure is in the list's status line).
#pragma once

#include "EditSubDialog.h"

class DialogRequest;
class TButton;
class TComboBox;
class TEdit;
class TLabel;
class TPanel;

class TIMPBUploadDownloadEditForm : public TEditSubDialog {
public:
    static constexpr int kAddMode = 1;

    explicit TIMPBUploadDownloadEditForm(TComponent* owner);

    TPanel* Panel1;
    TPanel* Panel2;
    TButton* btnEdit; // "Set"
    TButton* btnClose;
    TLabel* Label1; // "Protocol"
    TComboBox* ComboBoxProtocol;
    TLabel* Label2; // "Server Address Type"
    TComboBox* ComboBoxAddType;
    TLabel* Label3; // "Server Address"
    TEdit* edtAddress;
    TLabel* Label7; // "File Name"
    TEdit* EditFileName;
    TLabel* Label8; // "Action"
    TComboBox* cbxAction;

    void btnEditClick(TObject* sender);
    void btnCloseClick(TObject* sender);

    // The entries by the address type: an IPv4 or IPv6 address as the type says (each refusal
    // focusing the address), another type refused, then a file name. Shows the refusal; true
    // when all pass.
    bool CheckInput();
    void BindTo(DialogRequest& request) override;

protected:
    // Every showing starts with nothing chosen and nothing typed.
    void ModeDefaults() override;
};

// Set by the transfer list when it creates this one.
extern TIMPBUploadDownloadEditForm* IMPBUploadDownloadEditForm;
