// The LLDP IEEE 802.1 configuration dialogs (the protocol, protocol VLAN and VLAN name tables):
// one row per port and second index, whether the row's TLV is sent; Set switches it for the chosen
// row, waits, bounded, for the switch's answer (Stop ends the wait) and reads the table again.
// Refresh refuses with "Get data not complete." while a read or write runs, Set with "Get data not
// complete" also while the request is busy; Stop unlocks at once.
//
// A member is its declaration (Dot1ConfigDesign: the table, its three columns, the captions of
// the second index and the switch, the designed size and caption); the frame, the guard and the
// flows are this class's.
#pragma once

#include "FieldSet.h"
#include "FieldTable.h"
#include "TForm.h"
#include "TListView.h"
#include "TableDialogController.h"

#include <array>
#include <span>

class TButton;
class TComboBox;
class TLabel;
class TPanel;
class TSplitter;
class TStaticText;
class TStatusBar;

struct Dot1ConfigDesign {
    const MibTableRow* Table = nullptr;
    std::span<const CatalogueColumn> Columns;
    int PortColumn = 0;
    int IndexColumn = 1;
    int TxColumn = 2;
    const char* IndexCaption = "";
    const char* TxCaption = "";
    int Width = 0;
    int Height = 0;
    const char* Caption = "";
};

class TLldpDot1ConfigTableForm : public TForm {
public:
    TLldpDot1ConfigTableForm(TComponent* owner, const Dot1ConfigDesign& design);

    TPanel* Panel1;
    TLabel* Label4; // "Samples"
    TStaticText* StaticText1;
    TButton* RefreshButton;
    TButton* SetButton;
    TButton* StopButton;
    TButton* CloseButton;
    TListView* ListView1;
    TSplitter* Splitter1;
    TPanel* Panel2;
    TLabel* Label1; // "Port Number", shown disabled
    TLabel* Label2; // the second index, shown disabled
    TLabel* Label3; // the switch
    TStaticText* PortNumberText;
    TStaticText* IndexText;
    TComboBox* TXComboBox;
    TStatusBar* StatusBar1;

    const Dot1ConfigDesign Design;
    TableDialogController Table;
    FieldSet Fields;

    void FormCreate(TObject* sender);
    void RefreshButtonClick(TObject* sender);
    void SetButtonClick(TObject* sender);
    void StopButtonClick(TObject* sender);
    void CloseButtonClick(TObject* sender);
    void ListView1Change(TObject* sender, TListItem* item, TItemChange change);
    void FormClose(TObject* sender, TCloseAction& action);

    // "Set" for a chosen row.
    void UpdateButtons(bool rowChosen);

private:
    std::array<Field<TLldpDot1ConfigTableForm>, 3> FieldTable;
};
