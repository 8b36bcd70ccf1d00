// The groups IGMP and MLD snooping learned from data traffic, one implementation over two tables of
// the same layout: per VLAN and group address the router ports (shown, never changeable), the up
// and expiry times, and Clear Group, which Set writes alone for the chosen group without a re-read
// (the group stays listed until Refresh). No guard: a Refresh during a walk restarts it, and a Set
// during one goes out at once while the walk runs on. Stop ends a walk; Refresh and Set read and
// write again after it.
#pragma once

#include "FieldSet.h"
#include "PortPickerSet.h"
#include "TForm.h"
#include "TListView.h"
#include "TableDialogController.h"

#include <string>

struct MibTableRow;
class TButton;
class TComboBox;
class TEdit;
class TLabel;
class TPageControl;
class TPanel;
class TSplitter;
class TStaticText;
class TStatusBar;

// What one twin is.
struct LearningGroupDesign {
    const MibTableRow* Table = nullptr;
    int Width = 0;
    int Height = 0;
    int ListHeight = 0;
    const char* AddressCaption = nullptr; // the label of the group address
    int RouterPorts = -1;                 // the router ports' column
};

class TSnoopingLearningGroupForm : public TForm {
public:
    TPanel* Panel1;
    TStaticText* StaticText1;
    TLabel* Label6; // "Samples"
    TButton* btnGet;
    TButton* btnSet;
    TButton* StopButton;
    TButton* btnClose;
    TListView* ListView1;
    TSplitter* Splitter1;
    TPanel* Panel2;
    TLabel* Label1; // "VLAN ID"
    TLabel* Label2; // the group address
    TLabel* Label3; // "Up Time"
    TLabel* Label4; // "Expiry Time"
    TLabel* Label5; // "Clear Group"
    TStaticText* stVID;
    TEdit* edtIPAddress;
    TEdit* edtUptime;
    TEdit* edtExpiryTime;
    TComboBox* CBoxClear;
    TPageControl* PageControl1;
    TStatusBar* StatusBar1;

    TableDialogController Table;
    PortPickerSet Pickers; // the router ports
    FieldSet Fields;

    void FormCreate(TObject* sender);
    void ResetFields();
    void btnGetClick(TObject* sender);
    void ListView1Click(TObject* sender);
    void ListView1Changing(TObject* sender, TListItem* item, TItemChange change);
    void btnSetClick(TObject* sender);
    void StopButtonClick(TObject* sender);
    void btnCloseClick(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);

    // Set for a chosen group; the router ports always shut.
    void UpdateButtons(bool rowChosen);

protected:
    TSnoopingLearningGroupForm(TComponent* owner, const LearningGroupDesign& design);

private:
    const LearningGroupDesign& Design;
};
