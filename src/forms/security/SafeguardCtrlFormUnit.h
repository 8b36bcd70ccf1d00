// The safeguard engine: its rising and falling thresholds (20 to 100), its mode and alarm state,
// and its current status (read only). No list: one blocking scalar request; a busy request refuses
// Refresh and Set silently. Each value has a check box, and Set writes each ticked value in a SET
// of its own: the thresholds first (the falling one first when both go and it falls below the one
// last read), then the mode, then the alarm state; then reads again.
#pragma once

#include "FieldSet.h"
#include "TForm.h"
#include "TableDialogController.h"

#include <vector>

class TButton;
class TCheckBox;
class TComboBox;
class TEdit;
class TLabel;
class TPanel;
class TStatusBar;

class TSafeguardCtrlForm : public TForm {
public:
    explicit TSafeguardCtrlForm(TComponent* owner);

    TPanel* Panel1;
    TButton* btnGet; // "Refresh"
    TButton* btnSet;
    TButton* btnClose;
    TButton* btnCheckAll;
    TButton* btnClearCheck;
    TCheckBox* ckRising;
    TLabel* Label1; // "Rising Threshold"
    TEdit* edtRising;
    TCheckBox* ckFalling;
    TLabel* Label2; // "Falling Threshold"
    TEdit* edtFalling;
    TCheckBox* ckAlarm;
    TLabel* Label3; // "Alarm State"
    TComboBox* cbxAlarm;
    TCheckBox* ckMode;
    TLabel* Label4; // "Mode"
    TComboBox* cbxMode;
    TLabel* Label5; // "Current State"
    TComboBox* cbxCurrentState;
    TLabel* lbFalling; // hidden: the falling threshold as last read
    TStatusBar* stbStatus;

    // The engine's five values.
    TableDialogController Table;
    FieldSet Fields;

    void FormCreate(TObject* sender);
    void btnGetClick(TObject* sender);
    void btnSetClick(TObject* sender);
    void btnCloseClick(TObject* sender);
    void btnCheckAllClick(TObject* sender);
    void btnClearCheckClick(TObject* sender);
    void ChangeSetState(TObject* sender);
    void FormCloseQuery(TObject* sender, bool& canClose);

    // Each ticked threshold in 20..100, else its message; false at the first refusal.
    bool CheckThresholds();
    // The ticked columns in the order of their SETs.
    std::vector<int> CheckedValuesInOrder() const;
    // "Set" on while a box is ticked. Run at the end of every read and on every tick.
    void UpdateButtons(bool rowChosen);
};

// The dialog while its menu command shows it.
extern TSafeguardCtrlForm* SafeguardCtrlForm;
