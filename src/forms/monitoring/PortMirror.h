// The port mirror dialog: the switch's one port-mirror configuration, read from the model's own
// copy of the mirror group as scalars (blocking): the target port as unit and port, the source
// ports whose received (ingress) and sent (egress) traffic is mirrored, and the mirroring state.
// No guard; Set writes three SETs: target and state, then the ingress ports, then the egress ports.
#pragma once

#include "FieldSet.h"
#include "PortPickerSet.h"
#include "TForm.h"
#include "TableDialogController.h"

class TButton;
class TComboBox;
class TEdit;
class TGroupBox;
class TLabel;
class TPageControl;
class TPanel;
class TSplitter;
class TStatusBar;

class TPortMirrorForm : public TForm {
public:
    explicit TPortMirrorForm(TComponent* owner);

    TPanel* Panel1; // the button column
    TButton* BT_Refresh;
    TButton* BT_Set;
    TPanel* Panel2; // the target row
    TLabel* Label1; // "Target Port "
    TGroupBox* GroupBox1;
    TLabel* Label2; // "Unit : "
    TEdit* UnitEdit;
    TLabel* Label3; // "Port : "
    TEdit* PortEdit;
    TLabel* Label4; // "Mirroring Status"
    TComboBox* State_Combox;
    // The logic target port, (unit - 1) x 64 + port, between the request and the unit and port edits.
    TEdit* ET_TargetPort;
    TGroupBox* GroupBox2; // "Source Port"
    TPageControl* PageControl1;
    TSplitter* Splitter1;
    TPageControl* PageControl2;
    TStatusBar* StatusBar1;

    TableDialogController Table; // the mirror group: scalars, no list
    PortPickerSet IngressPicker; // on PageControl1
    PortPickerSet EgressPicker;  // on PageControl2
    FieldSet Fields;             // the target port (hidden) and the state
    FieldSet TargetFields;       // the unit and port edits, bound to no column

    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void BT_RefreshClick(TObject* sender);
    void BT_SetClick(TObject* sender);
    void ET_TargetPortChange(TObject* sender);
    void UnitEditKeyPress(TObject* sender, char& key);
    void PortEditKeyPress(TObject* sender, char& key);

private:
    // The target typed as unit and port, checked in the design's order; false after a refusal.
    bool CheckTarget();
};

// Declared for the design's name; the menu command keeps the dialog in no instance pointer.
extern TPortMirrorForm* PortMirrorForm;
