// The Telnet and web servers: each one's state and TCP port, in the switch model's part of the
// MIB. No list: one blocking scalar request; a busy request refuses Refresh and Set silently. Each
// value has a check box and "Set Checked" writes the ticked ones; a server set to "disabled" has
// its port emptied and locked.
#pragma once

#include "FieldSet.h"
#include "TBasicFormUnit.h"
#include "TableDialogController.h"

class TButton;
class TCheckBox;
class TComboBox;
class TEdit;
class TLabel;
class TPanel;
class TStatusBar;

class TTCPWEBForm : public TBasicForm {
public:
    explicit TTCPWEBForm(TComponent* owner);

    TPanel* Panel1;
    TButton* GetButton; // "Refresh"
    TButton* SetButton; // "Set Checked"
    TButton* ClearButton;
    TButton* CloseButton;
    TLabel* Label1; // "Telnet State"
    TCheckBox* CheckBox1;
    TComboBox* TCPcbx;
    TLabel* Label2; // "Telnet Port"
    TCheckBox* CheckBox2;
    TEdit* TCPPortEdit;
    TCheckBox* CheckBox3; // "Web State"
    TComboBox* WEBcbx;
    TCheckBox* CheckBox4; // "Web Port"
    TEdit* WebPortEdit;
    TStatusBar* StatusBar1;

    // The four values of the switch's model; RowCheckBoxes (TBasicForm) their boxes by column.
    TableDialogController Table;
    FieldSet Fields;

    void FormCreate(TObject* sender);
    void GetButtonClick(TObject* sender);
    void SetButtonClick(TObject* sender);
    void ClearButtonClick(TObject* sender);
    void CloseButtonClick(TObject* sender);
    void TCPcbxChange(TObject* sender);
    void WEBcbxChange(TObject* sender);
    void FormCloseQuery(TObject* sender, bool& canClose);
};

// The dialog while its menu command shows it.
extern TTCPWEBForm* TCPWEBForm;
