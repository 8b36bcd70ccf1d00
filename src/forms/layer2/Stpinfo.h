// The switch-wide spanning tree parameters: the STP version, the bridge timers (10 ms units), the
// hop and hold counts, BPDU forwarding and the NNI BPDU address. Six blocking scalar requests, no
// guard: the bridge parameters, the version and the hello time, edited; the model's STP state,
// the switch's hello time and version, kept in hidden labels. The hello time is set in STP and
// RSTP alone, Max Hops in MSTP alone; the timers are checked against each other before anything
// is written. When a version change leaves the running STP on another version than asked, the
// progress form makes the user wait while the switch changes it. Not scaled at other DPIs.
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

class TSTP_Info : public TForm {
public:
    explicit TSTP_Info(TComponent* owner);

    TPanel* Panel1;
    TButton* BT_Get; // "Refresh"
    TButton* BT_Set;
    TButton* Button1;       // "Close"
    TLabel* lbMSTPState;    // hidden: the model's STP state
    TLabel* hellotimevalue; // hidden: the switch's hello time
    TLabel* VersionInfo;    // hidden: the version last read or written
    TPanel* Panel2;
    TLabel* Label1; // "STP Version"
    TLabel* Label2; // "Max. Age (600-4000) 10ms"
    TLabel* Label3; // "Hello Time (100-200)  10ms"
    TLabel* Label4; // "Forward Delay (400-3000) 10ms"
    TLabel* Label5; // "Max Hops (6-40)"
    TLabel* Label6; // "TX Hold Count (1-10)"
    TLabel* Label7; // "Forwarding BPDU"
    TLabel* lblNNiBPUDU;
    TLabel* Label8; // the notes
    TLabel* Label9;
    TComboBox* Combo_STPVersion;
    TEdit* ET_AgingTime;
    TEdit* ET_HelloTime;
    TEdit* ET_ForwardDelay;
    TEdit* ET_Priority; // Max Hops
    TEdit* ED_TxHoldCount;
    TComboBox* Combo_BPDU;
    TComboBox* cbbNNiBPDU;
    TStatusBar* StatusBar1;

    TableDialogController Bridge;       // 1: Max Age ... NNI BPDU Address
    TableDialogController Version;      // 2: the version
    TableDialogController Hello;        // 3: the hello time
    TableDialogController State;        // 4: the model's STP state (no request for a model of none)
    TableDialogController HelloValue;   // 5: the switch's hello time
    TableDialogController VersionValue; // 6: the switch's version
    FieldSet Fields;

    void FormCreate(TObject* sender);
    void BT_GetClick(TObject* sender);
    void BT_SetClick(TObject* sender);
    void Combo_STPVersionChange(TObject* sender);
    void Button1Click(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);

private:
    // The hello time is no setting of MSTP: disabled and emptied there, usable otherwise.
    void HelloTimeRule();
    // The writes of a Set that passed the checks; false when a check refused.
    bool WriteSettings();
    void ShowVersionChangeWait();
};

// The dialog while its menu command shows it.
extern TSTP_Info* STP_Info;
