// The PIM source-specific multicast settings: the state and the SSM group range (address and
// mask). No list: one blocking scalar request; a busy request refuses Refresh and Set silently.
// Set writes the state with the mask, then the address alone, then reads all three again. The
// designed size at every DPI.
#pragma once

#include "FieldSet.h"
#include "TForm.h"
#include "TableDialogController.h"

class TButton;
class TComboBox;
class TEdit;
class TLabel;
class TPanel;
class TStatusBar;

class TPIMSSMSettingsForm : public TForm {
public:
    explicit TPIMSSMSettingsForm(TComponent* owner);

    TPanel* Panel1;
    TButton* btnRefresh;
    TButton* btnSet;
    TButton* CloseBtn;
    TLabel* Label1; // "Global State"
    TComboBox* ComboBoxState;
    TLabel* Label2; // "Group Address"
    TEdit* GroupAddressEdit;
    TLabel* Label3; // "Group Mask"
    TEdit* MaskEdit;
    TStatusBar* StatusBar1;

    // The three SSM settings.
    TableDialogController Table;
    FieldSet Fields;

    void FormCreate(TObject* sender);
    void btnRefreshClick(TObject* sender);
    void btnSetClick(TObject* sender);
    void CloseBtnClick(TObject* sender);
    void FormCloseQuery(TObject* sender, bool& canClose);
};

// The dialog while its menu command shows it.
extern TPIMSSMSettingsForm* PIMSSMSettingsForm;
