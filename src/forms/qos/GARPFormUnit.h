// The GARP timer dialog: the join, leave and leave-all timers of every bridge port, and Set of the
// chosen port's three timers. A flag guard that refuses silently; the framework reads the table
// again after a SET the switch took; the SET's reply, taken or refused, unlocks the dialog; a click
// in the list stops a read still running.
#pragma once

#include "FieldSet.h"
#include "TForm.h"
#include "TListView.h"
#include "TableDialogController.h"

class TButton;
class TEdit;
class TLabel;
class TPanel;
class TSplitter;
class TStaticText;
class TStatusBar;

class TGARPForm : public TForm {
public:
    explicit TGARPForm(TComponent* owner);

    TPanel* Panel1;
    TStaticText* ST_Count;
    TLabel* Label7; // "Samples"
    TButton* RefreshBtn;
    TButton* SetBtn;
    TButton* btn1; // "Close"
    TListView* LV_dot1dPortGarpEntry;
    TSplitter* Splitter1;
    TPanel* Panel2;
    TLabel* Label1;
    TLabel* Label2;
    TLabel* Label3;
    TLabel* Label4; // "Centiseconds"
    TLabel* Label5;
    TLabel* Label6;
    TEdit* GarpJoinTime;
    TEdit* GarpLeaveTime;
    TEdit* GarpLeaveAllTime;
    TStatusBar* StatusBar1;

    TableDialogController Table;
    FieldSet Fields;

    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void RefreshBtnClick(TObject* sender);
    void SetBtnClick(TObject* sender);
    void btn1Click(TObject* sender);
    void LV_dot1dPortGarpEntryClick(TObject* sender);
    void LV_dot1dPortGarpEntryChange(TObject* sender, TListItem* item, TItemChange change);

private:
    // The reply of a SET, in place of the framework's report: the dialog unlocked, a refusal shown.
    void SetDone(const VqSNMPError& error);
    // Lets events run while the request is busy (bounded by its reply wait).
    void WaitWhileBusy();
};

extern TGARPForm* GARPForm;
