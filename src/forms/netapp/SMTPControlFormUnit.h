// The switch's SMTP client: its state, the mail server's address and port, the switch's own mail
// address and a test message, and the test mail itself, sent after a question while a progress
// form runs. Placeholder texts ("0.0.0.0" for the server, "", " " or "NULL" for the texts) are
// left out of a write; the values are read again after it. One asynchronous scalar request with a
// long time-out, owned by the main window; no guard. Not scaled for the screen's resolution.
#pragma once

#include "FieldSet.h"
#include "TForm.h"
#include "TableDialogController.h"

class TButton;
class TComboBox;
class TEdit;
class TLabel;
class TPanel;
class TScrollBox;
class TStatusBar;

class TSMTPControlForm : public TForm {
public:
    explicit TSMTPControlForm(TComponent* owner);

    TPanel* Panel1;
    TButton* Btn_Refresh;
    TButton* Btn_Set;
    TButton* Button1; // "Close"
    TScrollBox* ScrollBox1;
    TComboBox* CB_Status;
    TEdit* Ed_SourceAddress;
    TEdit* Ed_SourcePort;
    TEdit* Ed_SelfMailAddress;
    TEdit* ED_Subject;
    TEdit* Ed_Content;
    TComboBox* CB_SendTest;
    TComboBox* CB_SendTestStatus;
    TStatusBar* StatusBar1;

    TableDialogController Table;
    FieldSet Fields;

    void FormCreate(TObject* sender);
    void Btn_RefreshClick(TObject* sender);
    void Btn_SetClick(TObject* sender);
    void Button1Click(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
};

// Set by its menu command around the modal loop; the dialog never reads it.
extern TSMTPControlForm* SMTPControlForm;
