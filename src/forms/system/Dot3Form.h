// The two dot3 MAC-control dialogs (the pause table and the control table) as one implementation:
// a list of interfaces, and for the chosen one its counters read by a second request (one row at
// the interface's instance) and shown in fixed rows of a small list, read again at a chosen
// interval. Each dialog declares what differs (Dot3Design) and binds its own controls; the pause
// dialog also writes its administration mode. Flag guard for Refresh and Set; no close guard.
#pragma once

#include "TForm.h"
#include "TListView.h"
#include "TableDialogController.h"

#include <span>

class TButton;
class TComboBox;
class TLabel;
class TPanel;
class TSplitter;
class TStaticText;
class TStatusBar;
class TTimer;
struct MibTableRow;

// What one of the dialogs is.
struct Dot3Design {
    const char* Caption = "";
    int Width = 0;
    int Height = 0;
    const MibTableRow* Table = nullptr;    // the interfaces, read as a table of kind 2
    const MibTableRow* Counters = nullptr; // the chosen interface's counters, one row
    // The fixed rows of the values list: row k shows the counters' variable k.
    std::span<const char* const> ValueRows = {};
    int NameWidth = 130; // the values list's "Name" column
    int RowsHeight = 0;  // the dialog's own controls between the two lists
    bool Writes = false; // "Set" and "Stop"
};

class TDot3Form : public TForm {
public:
    TDot3Form(TComponent* owner, const Dot3Design& design);

    TPanel* Panel1;
    TStaticText* StaticText1;
    TLabel* Label1; // "Samples"
    TButton* btnGet;
    TButton* btnClose;
    TButton* btnSet = nullptr;  // the pause dialog's
    TButton* btnStop = nullptr; // the pause dialog's
    TLabel* Label2;             // "Interval Time"
    TComboBox* cbxInterval;
    TListView* lvChart; // hidden: the counters' one row
    TListView* ListView1;
    TSplitter* Splitter1;
    TPanel* Panel2;
    TPanel* Panel3; // the dialog's own controls
    TListView* ListView2;
    TStatusBar* StatusBar1;
    TTimer* Timer1;

    TableDialogController Table;   // the interfaces
    TableDialogController Counter; // the chosen interface's counters

    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void btnGetClick(TObject* sender);
    void btnSetClick(TObject* sender);
    void btnStopClick(TObject* sender);
    void btnCloseClick(TObject* sender);
    void cbxIntervalChange(TObject* sender);
    void Timer1Timer(TObject* sender);
    void ListView1Click(TObject* sender);
    void ListView1Change(TObject* sender, TListItem* item, TItemChange change);

    // The reset routine: the poll stopped ("none"), the values emptied, the dialog's own controls
    // reset, "Set" disabled and the counters' row gone.
    void ClearEditControls();

protected:
    // The dialog's own controls: bound to the table request; reset; enabled again after a read
    // (the framework disables the bound controls of a kind-2 table after every read).
    virtual void BindTable(DialogRequest& request) = 0;
    virtual void ClearOwn() = 0;
    virtual void EnableOwn() = 0;
    // The one column "Set" writes (the pause dialog's).
    virtual int WrittenColumn() const { return -1; }

private:
    // Reads the counters and copies them into the values list.
    void ReadCounters();
    void CopyValues();
    const Dot3Design& Design;
};
