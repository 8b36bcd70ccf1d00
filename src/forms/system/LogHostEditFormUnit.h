// The add and edit dialog of the system log server table. It has no request of its own: the
// server list binds these controls to its table (BindTo), so choosing a server there fills them.
// Set checks the fields, writes through the list's table (an add creates the row, an edit never
// writes the row status), reads the list again and closes, also after a failure (which the list's
// status line shows).
#pragma once

#include "EditSubDialog.h"

class DialogRequest;
class TButton;
class TComboBox;
class TEdit;
class TLabel;
class TPanel;

class TLogHostEditForm : public TEditSubDialog {
public:
    static constexpr int kEditMode = 1;
    static constexpr int kAddMode = 2;

    explicit TLogHostEditForm(TComponent* owner);

    TPanel* Panel1;
    TPanel* Panel2;
    TButton* SetButton;
    TButton* CloseButton;
    TComboBox* cbxIndex;
    TComboBox* FacComboBox;
    TComboBox* SevComboBox;
    TEdit* PortEdit;
    TComboBox* AddressTypeComboBox;
    TEdit* IPAddrEdit;
    TComboBox* StateComboBox;
    TComboBox* RowComboBox; // hidden: createAndGo for an add
    TLabel* Label1;         // "Index"
    TLabel* Label2;         // "Facility"
    TLabel* Label3;         // "Severity"
    TLabel* Label4;         // "UDP Port"
    TLabel* Label5;         // "Address Type"
    TLabel* Label6;         // "IP Address"
    TLabel* Label7;         // "State"
    TLabel* Label8;         // "Row Status"

    void SetButtonClick(TObject* sender);
    void CloseButtonClick(TObject* sender);

    // A syslog port: 514, or 6000 to 65535 (a text that is no number is not).
    bool IsSyslogPortValid() const;
    // The checks of Set in each mode; each refusal shows its message and focuses its field.
    bool CheckAddInput();
    bool CheckEditInput();
    void BindTo(DialogRequest& request) override;

protected:
    // Add: the index to be chosen and the defaults of a new server; Edit: the chosen server's
    // values, its index fixed.
    void ModeDefaults() override;

private:
    bool CheckAddressByType();
};

// Set by the server list when it creates this one.
extern TLogHostEditForm* LogHostEditForm;
