// The LLDP port configuration dialogs (the basic TLVs and the IEEE 802.3 ones): one row per port,
// a TLV bit string shown and typed as a names text (LldpNames.h) and composed in the TLV chooser,
// opened by a click into the TLV field. Set (or Edit) writes the chosen port's writable columns,
// waits, bounded, for the switch's answer (Stop ends the wait) and reads the table again. Refresh
// and Set refuse with "Get data not complete" while a read or write runs; Stop unlocks at once.
//
// A member is its declaration (PortConfigDesign: the table, its fields, the TLV column and names,
// the chooser, the designed size and caption, the write button's caption); the frame, the guard and
// the flows are this class's.
#pragma once

#include "FieldSet.h"
#include "FieldTable.h"
#include "LldpTlvChooserForm.h"
#include "TForm.h"
#include "TListView.h"
#include "TableDialogController.h"

#include <span>

class TButton;
class TComboBox;
class TEdit;
class TLabel;
class TPanel;
class TSplitter;
class TStaticText;
class TStatusBar;

class TLldpPortConfigTableForm;

struct PortConfigDesign {
    const MibTableRow* Table = nullptr;
    std::span<const CatalogueColumn> Columns;
    std::span<const Field<TLldpPortConfigTableForm>> Fields;
    int TlvColumn = 0;
    NameTable Names;
    TlvChooserDesign Chooser;
    int Width = 0;
    int Height = 0;
    const char* Caption = "";
    const char* WriteCaption = "Set";
};

class TLldpPortConfigTableForm : public TForm {
public:
    TLldpPortConfigTableForm(TComponent* owner, const PortConfigDesign& design);

    TPanel* Panel1;
    TLabel* Label1; // "Samples"
    TStaticText* StaticText1;
    TButton* GetButton;  // "Refresh"
    TButton* EditButton; // "Set", or "Edit" in the 802.3 dialog
    TButton* StopButton; // the 802.3 dialog's design calls it Button1
    TButton* CloseButton;
    TListView* ListView1;
    TSplitter* Splitter1;
    TPanel* Panel2;
    TLabel* PortEditLabel = nullptr; // "Port Number", shown disabled
    TStaticText* PortText = nullptr;
    TLabel* AdminStateLabel = nullptr;
    TComboBox* AdminStateComboBox = nullptr; // the basic dialog's alone
    TLabel* NotificationLabel = nullptr;
    TComboBox* NotificationComboBox = nullptr; // the basic dialog's alone
    TLabel* TLVsLabel = nullptr;
    TEdit* TLVsEdit = nullptr;
    TStatusBar* StatusBar1;
    TLldpTlvChooserForm* Chooser = nullptr; // owned by the dialog

    const PortConfigDesign Design;
    TableDialogController Table;
    FieldSet Fields;

    void FormCreate(TObject* sender);
    void GetButtonClick(TObject* sender);
    void EditButtonClick(TObject* sender);
    void StopButtonClick(TObject* sender);
    void CloseButtonClick(TObject* sender);
    void ListView1Change(TObject* sender, TListItem* item, TItemChange change);
    void TLVsEditClick(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);

    // The write button for a chosen port.
    void UpdateButtons(bool rowChosen);
};
