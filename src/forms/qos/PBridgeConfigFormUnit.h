// The 802.1p basic configuration: the bridge's device capabilities (a fixed list) and whether its
// traffic classes are enabled, read as a scalar into a disabled combo box. No guard; writes nothing.
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

class TPBridgeConfigForm : public TForm {
public:
    explicit TPBridgeConfigForm(TComponent* owner);

    TPanel* Panel1;
    TButton* BT_Get;
    TButton* Button1; // "Close"
    TLabel* Label1;   // "Device Capabilities"
    TLabel* Label2;   // "Traffic Classes State"
    // The capabilities, read-only, its whole text also its hint.
    TEdit* Edit_DeviceCapabilities;
    TComboBox* TrafficClassesState;
    TStatusBar* StatusBar1;

    TableDialogController Table; // the traffic-classes scalar
    FieldSet Fields;

    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void BT_GetClick(TObject* sender);
    void Button1Click(TObject* sender);
};

extern TPBridgeConfigForm* PBridgeConfigForm;
