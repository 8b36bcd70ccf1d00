// The IEEE 802.3ad aggregation ports (the LAG-MIB port table, 24 columns per port) and the five
// administrative values of a chosen port: the actor key, the partner system ID and key, and the
// actor and partner LACP state bits, each state octet as eight check boxes. Flag guard, Stop, the
// dialog's re-read after Edit; an emptied key is left out of the SET.
#pragma once

#include "FieldSet.h"
#include "TForm.h"
#include "TListView.h"
#include "TableDialogController.h"

#include <array>

class TButton;
class TCheckBox;
class TEdit;
class TLabel;
class TPageControl;
class TPanel;
class TSplitter;
class TStaticText;
class TStatusBar;
class TTabSheet;

class TAggregatorPortTableForm : public TForm {
public:
    explicit TAggregatorPortTableForm(TComponent* owner);

    TPanel* Panel1;
    TStaticText* StaticText1; // the item count
    TLabel* Label1;           // "Samples"
    TButton* GetBtn;          // "Refresh"
    TButton* btnEdit;
    TButton* btnStop;
    TButton* btnClose;
    TListView* ListView1;
    TSplitter* Splitter1;
    TPanel* Panel2;
    TLabel* Label2; // "Actor Admin Key"
    TLabel* Label3; // "Partner Admin System ID"
    TLabel* Label4; // "Partner Admin Key"
    TEdit* edtActorKey;
    TEdit* edtPartnerID;
    TEdit* edtPartnerKey;
    TPageControl* PageControl1;
    TTabSheet* TabSheet1; // "Actor Admin State"
    TTabSheet* TabSheet2; // "Actor Oper State", hidden
    TTabSheet* TabSheet3; // "Partner Admin State"
    TTabSheet* TabSheet4; // "Partner Oper State", hidden
    // The design's CheckBox1 to CheckBox32 (each also named so): eight per tab, lacpActivity to
    // expired; 1-8 and 17-24 are the administrative states' bits.
    std::array<TCheckBox*, 32> CheckBoxes{};
    TStatusBar* StatusBar1;

    TableDialogController Table; // the port table: flag guard, the dialog's re-read
    FieldSet Fields;

    void FormCreate(TObject* sender);
    void FormCloseQuery(TObject* sender, bool& canClose);
    void FormClose(TObject* sender, TCloseAction& action);
    void GetBtnClick(TObject* sender);
    void ListView1Click(TObject* sender);
    void ListView1Change(TObject* sender, TListItem* item, TItemChange change);
    void btnEditClick(TObject* sender);
    void btnStopClick(TObject* sender);
    void btnCloseClick(TObject* sender);

    // The clear routine's own part: every visible state box unticked.
    void ResetFields();
    // The partner system ID: exactly 12 hexadecimal digits ("Invalid MAC address" otherwise).
    bool CheckPartnerSystemId();
    // "Edit" for a chosen port; the boxes and the key edits usable after every walk.
    void UpdateButtons(bool rowChosen);
};

// The dialog while its menu command shows it.
extern TAggregatorPortTableForm* AggregatorPortTableForm;
