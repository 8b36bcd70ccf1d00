// The add and edit dialog of the MD5 keys: a key ID (1 to 255) and its key (at most 16
// characters). It has no request of its own: the MD5 key dialog binds these controls to its table
// (BindTo), so selecting a key there fills them. Add creates the key with the row status
// createAndGo; Edit writes the key alone, its ID fixed. Either reads the table again and closes;
// after a failure (in the key dialog's status line) it stays open with what was typed.
#pragma once

#include "EditSubDialog.h"

class DialogRequest;
class TButton;
class TCheckBox;
class TComboBox;
class TEdit;
class TLabel;
class TPanel;

class TMD5InformationEditForm : public TEditSubDialog {
public:
    static constexpr int kAddMode = 0;
    static constexpr int kEditMode = 1;

    explicit TMD5InformationEditForm(TComponent* owner);

    TPanel* Panel1;
    TPanel* Panel2;
    TButton* btnEdit; // "Set"
    TButton* btnClose;
    TCheckBox* CheckBox2; // before the key ID: shown, ticked and fixed in add mode, hidden in edit mode
    TCheckBox* CheckBox3; // before the key, likewise
    TEdit* EditKeyID;
    TEdit* KeyEdit;
    TComboBox* cbxRowStatus; // hidden
    TLabel* Label1;          // "Key ID"
    TLabel* Label2;          // "Key"

    void btnEditClick(TObject* sender);
    void btnCloseClick(TObject* sender);
    void BindTo(DialogRequest& request) override;

protected:
    // Add: empty fields, both boxes shown. Edit: the chosen key's values, the key ID fixed, the
    // boxes hidden.
    void ModeDefaults() override;
};

// Set by the MD5 key dialog when it creates this one.
extern TMD5InformationEditForm* MD5InformationEditForm;
