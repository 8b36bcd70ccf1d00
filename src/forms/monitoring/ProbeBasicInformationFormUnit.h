// The RMON probe's basic information: its software and hardware revisions and its capabilities
// (always the fixed line of the RMON groups the switch supports, whatever the probe reports), and
// its reset (a warm or cold boot), written without a question. One blocking scalar request, no
// guard.
#pragma once

#include "FieldSet.h"
#include "TForm.h"
#include "TableDialogController.h"

class TButton;
class TComboBox;
class TEdit;
class TLabel;
class TPanel;
class TStaticText;
class TStatusBar;

class TProbeBasicInformationForm : public TForm {
public:
    explicit TProbeBasicInformationForm(TComponent* owner);

    TPanel* Panel1;
    TButton* btnGet;
    TButton* btnSet;
    TButton* btnClose;
    TLabel* Label1; // "Capabilities"
    TStaticText* stCap;
    TEdit* edtCap;  // invisible: the capabilities as read
    TLabel* Label2; // "Software Revision"
    TStaticText* stSoftware;
    TLabel* Label3; // "Hardware Revision"
    TStaticText* stHardware;
    TLabel* Label4; // "Reset Control"
    TComboBox* cbxReset;
    TStatusBar* StatusBar1;

    TableDialogController Table;
    FieldSet Fields;

    void FormCreate(TObject* sender);
    void btnGetClick(TObject* sender);
    void btnSetClick(TObject* sender);
    void btnCloseClick(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
};

// The dialog while its menu command shows it.
extern TProbeBasicInformationForm* ProbeBasicInformationForm;
