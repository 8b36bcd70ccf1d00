// What the voice VLAN and surveillance VLAN global settings dialogs share (one implementation, two
// classes): three blocking scalar groups (the VLAN ID and global state, the priority, aging time
// and log state, the member and dynamic ports), no guard, no list. The ID and state the switch
// holds stay in hidden controls; the user edits visible copies, which every read resets. A write
// never sends the ID and the state in one SET, writes the ID only while the feature is disabled,
// and refuses an ID change while it is enabled and stays so. The port lists are read only while
// the feature is enabled, and the pickers only show them.
#pragma once

#include "FieldSet.h"
#include "PortPickerSet.h"
#include "TForm.h"
#include "TableDialogController.h"

struct MibTableRow;
class TButton;
class TComboBox;
class TEdit;
class TLabel;
class TPageControl;
class TPanel;
class TStatusBar;

// One feature: its three scalar groups (the same columns in both modules) and its words.
struct VlanGlobalFeature {
    const MibTableRow* IdState;
    const MibTableRow* Settings;
    const MibTableRow* Ports;
    const char* FormCaption;
    TPosition Position;
    const char* IdCaption;   // the visible ID's label
    const char* IdUnchanged; // the refusal of an ID change while the feature is enabled
};

class TVlanGlobalSettingsForm : public TForm {
public:
    TPanel* Panel1;
    TButton* btnGet; // "Refresh"
    TButton* btnSet;
    TButton* btnClose;
    TPanel* Panel2;
    TPageControl* PageControl1;
    TStatusBar* StatusBar1;
    TLabel* Label1;                // the ID's
    TLabel* Label2;                // "Global State"
    TLabel* Label3;                // "Priority"
    TLabel* Label4;                // "Aging Time"
    TLabel* Label5;                // "Log State"
    TEdit* VIDEdit;                // hidden: the switch's ID
    TComboBox* GlobalComboBox;     // hidden: the switch's state
    TEdit* tepVIDEdit;             // the ID the user wants
    TComboBox* tempGlobalComboBox; // the state the user wants
    TEdit* PriorityEdit;
    TEdit* agTimeEdit;
    TComboBox* logComboBox;

    TableDialogController IdState;  // the ID and the state
    TableDialogController Settings; // priority, aging time, log state
    TableDialogController Ports;    // member and dynamic ports
    PortPickerSet Pickers;
    FieldSet Fields;

    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void btnGetClick(TObject* sender);
    void btnSetClick(TObject* sender);
    void btnCloseClick(TObject* sender);

    // The three groups read; the visible ID and state reset to the switch's; the ports read while
    // the feature is enabled, the pickers emptied while it is disabled.
    void ReadGlobalSettings();
    // The writes the current and the wanted state call for (above); a failure ends them.
    void WriteGlobalSettings();

protected:
    TVlanGlobalSettingsForm(TComponent* owner, const VlanGlobalFeature& feature);

private:
    const VlanGlobalFeature& Feature;
    bool WriteDisabledFeature();
};
