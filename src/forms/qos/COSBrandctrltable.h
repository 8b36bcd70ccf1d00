// The queue bandwidth dialog: the minimum and maximum rate of every queue of every port, 0 (shown
// as "No Limit") standing for no limit, with a "No Limit" box beside each rate edit; Edit writes
// the two rates of the chosen port queue. Flag guard, dialog re-read, FormClose clean-up.
#pragma once

#include "DialogRequest.h"
#include "FieldSet.h"
#include "NoLimitBox.h"
#include "TForm.h"
#include "TListView.h"
#include "TableDialogController.h"

class TButton;
class TCheckBox;
class TEdit;
class TLabel;
class TPanel;
class TSplitter;
class TStaticText;
class TStatusBar;

// The request of the queue table: a received row's rates of 0 are listed as "No Limit", and the
// row is added to the list without filling the controls or letting events run.
class CoSBrandWidthNewRequest2Edits : public DialogRequest {
public:
    using DialogRequest::DialogRequest;

protected:
    void RowReceived() override;

private:
    void RenderRates();
};

class TCoSBrandwidthctrlForm : public TForm {
public:
    explicit TCoSBrandwidthctrlForm(TComponent* owner);

    TPanel* Panel1;
    TStaticText* StaticText1;
    TLabel* Label7; // "Samples"
    TButton* GetButton;
    TButton* EditButton;
    TButton* StopButton;
    TButton* CloseButton;
    TListView* ListView1;
    TSplitter* Splitter1;
    TPanel* Panel2;
    TLabel* Label1; // "Port Number"
    TLabel* Label2; // "Queue"
    TLabel* Label3; // "Minimum Rate"
    TLabel* Label4; // "Maximum Rate"
    TLabel* Label5; // "Kbit/sec"
    TLabel* Label6; // "Kbit/sec"
    TStaticText* PortText;
    TStaticText* ClassIDText;
    TEdit* MinEdit;
    TEdit* MaxEdit;
    TCheckBox* CheckBox1; // "No Limit" of the minimum
    TCheckBox* CheckBox2; // "No Limit" of the maximum
    TStatusBar* StatusBar1;

    TableDialogController Table;
    FieldSet Fields;
    NoLimitBox MinLimit;
    NoLimitBox MaxLimit;

    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void ClearEditControls();
    void GetButtonClick(TObject* sender);
    void EditButtonClick(TObject* sender);
    void StopButtonClick(TObject* sender);
    void CloseButtonClick(TObject* sender);
    void ListView1Change(TObject* sender, TListItem* item, TItemChange change);

    // "Edit" only for a chosen port queue, whose rates set the "No Limit" boxes.
    void UpdateButtons(bool rowChosen);
};

extern TCoSBrandwidthctrlForm* CoSBrandwidthctrlForm;
