// Traffic segmentation: per ingress port, the ports the switch may forward its traffic to. Every
// port is listed with its forwarding list; the chosen port's list is changed in the port picker.
// The table lies under the switch model's part of the MIB (an unknown model has none). An
// asynchronous table request, the data-complete flag and the set-allowed flag both set at the end
// of every read (a Set clears the second until its re-read ends), and the framework re-read.
#pragma once

#include "FieldSet.h"
#include "PortPickerSet.h"
#include "TForm.h"
#include "TListView.h"
#include "TableDialogController.h"

class TButton;
class TEdit;
class TGroupBox;
class TLabel;
class TPageControl;
class TPanel;
class TSplitter;
class TStaticText;
class TStatusBar;

class TTrafficSegmentationForm : public TForm {
public:
    explicit TTrafficSegmentationForm(TComponent* owner);

    TPanel* Panel1;
    TButton* BT_Get;
    TButton* BT_Set;
    TButton* StopBtn;
    TButton* btnClose;
    TStaticText* StaticText1; // the item count
    TListView* LV_TrafficForward;
    TSplitter* Splitter1;
    TStaticText* ST_Port; // hidden: the chosen row's global port number
    TGroupBox* GroupBox1;
    TLabel* Label_Unit; // "Unit : "
    TEdit* Combo_Unit;
    TLabel* Label_Port; // "Port : "
    TEdit* Combo_Port;
    TPageControl* PageControl1;
    TStatusBar* StatusBar1;

    TableDialogController Table; // the forwarding table
    FieldSet Fields;
    PortPickerSet Pickers;
    // Cleared by a Set until the next read ends (its re-read, a Refresh's) or Stop: a Set of a
    // list the switch has not answered for yet is refused.
    bool SetAllowed = false;

    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void BT_GetClick(TObject* sender);
    void BT_SetClick(TObject* sender);
    void StopBtnClick(TObject* sender);
    void btnCloseClick(TObject* sender);
    void LV_TrafficForwardClick(TObject* sender);
    void LV_TrafficForwardChange(TObject* sender, TListItem* item, TItemChange change);

    // Set for a chosen port, and the chosen port's unit and port number: run at the end of every
    // read, on selection, and after Refresh and Set.
    void UpdateButtons(bool rowChosen);
};
