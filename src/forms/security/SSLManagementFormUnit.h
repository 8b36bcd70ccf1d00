// The SSL settings: the SSL state, the cache time-out and which of four cipher suites are enabled.
// The switch holds the suites as a bit string of one octet; the dialog shows each suite in its
// own enabled/disabled box, decoded from the string's first hexadecimal digit after a read that
// went well, and writes the string back from the boxes with a zero low digit. No guard.
#pragma once

#include "FieldSet.h"
#include "TForm.h"
#include "TableDialogController.h"

#include <string>

class TButton;
class TComboBox;
class TEdit;
class TGroupBox;
class TLabel;
class TPanel;
class TStatusBar;

class TSSLManagementForm : public TForm {
public:
    explicit TSSLManagementForm(TComponent* owner);

    TPanel* Panel1;
    TButton* btnGet;
    TButton* btnSet;
    TButton* btn1; // "Close"
    TPanel* Panel2;
    TGroupBox* GroupBox1; // "SSL Settings"
    TLabel* Label1;       // "SSL Status"
    TComboBox* cbxSSLVersion;
    TLabel* Label2; // "Cache Timeout "
    TEdit* edtCacheTimeOut;
    TEdit* edtciphersuites; // hidden: the bit string's text
    TGroupBox* GroupBox2;   // "SSL Ciphersuite Settings"
    TLabel* Label3;         // the four suites, top to bottom
    TLabel* Label4;
    TLabel* Label5;
    TLabel* Label6;
    TComboBox* cbxciphersuites1;
    TComboBox* cbxciphersuites2;
    TComboBox* cbxciphersuites3;
    TComboBox* cbxciphersuites4;
    TStatusBar* StatusBar1;

    TableDialogController Table; // the SSL scalars: no guard, asynchronous
    FieldSet Fields;

    void FormCreate(TObject* sender);
    void btnGetClick(TObject* sender);
    void btnSetClick(TObject* sender);
    void btn1Click(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);

    // The suites' boxes from the bit string's text: only a 2-digit text, by its first digit (a
    // character that is no hexadecimal digit changes nothing).
    void ShowCipherSuites();
    // The first digit of the bit string from the boxes (a box not on "enabled" counts as 0).
    std::string CipherSuitesDigit() const;
};

// The dialog while its menu command shows it.
extern TSSLManagementForm* SSLManagementForm;
