// The LLDP local system data: the switch's own chassis ID and its subtype, system name and
// description, and the capabilities it supports and has enabled, shown as names. Read only: one
// GET of the six scalars at creation and at every Refresh; a failed read keeps what was shown and
// is said in status panel 0. A long system name's hint is broken into lines of 99 characters.
#pragma once

#include "FieldSet.h"
#include "TForm.h"
#include "TableDialogController.h"

class TButton;
class TEdit;
class TLabel;
class TPanel;
class TStaticText;
class TStatusBar;

class TLLDPLocSysDataForm : public TForm {
public:
    explicit TLLDPLocSysDataForm(TComponent* owner);

    TPanel* Panel1;
    TButton* GetButton; // "Refresh"
    TButton* CloseButton;
    TPanel* Panel2;
    TStaticText* subtypeText;
    TStaticText* IDText;
    TStaticText* sysNameText;
    TStaticText* sysDescText;
    TStaticText* tempText1; // hidden: the supported capabilities as received
    TStaticText* tempText2; // hidden: the enabled capabilities as received
    TEdit* CapSupportEdit;
    TEdit* capEnableEdit;
    TStatusBar* StatusBar1;

    TableDialogController Table; // the scalar group
    FieldSet Fields;

    void FormCreate(TObject* sender);
    void GetButtonClick(TObject* sender);
    void CloseButtonClick(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);

    // The end of every read: the capability octets as names, then the name's hint.
    void DecodeCapabilities();
    void SetNameHint();
};

// The dialog while its menu command shows it.
extern TLLDPLocSysDataForm* LLDPLocSysDataForm;
