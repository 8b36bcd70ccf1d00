// The server-screening and RA permit tables: the servers (or routers) whose DHCP replies, DHCPv6
// replies or ICMPv6 router advertisements the switch lets through, each on a list of ports.
// TFilterDHCPPermitForm edits the DHCP offer permits (a row per server IPv4 address and client
// MAC); the DHCPv6 and RA dialogs (FilterDHCPv6PermitFormUnit.h, FilterAllNodePermitFormUnit.h)
// are the same dialog over their own designs: the table, a row per IPv6 address, the present-unit
// rule of the port check, no Edit button, and Refresh leaving Add to the selection. All: a silent
// busy guard, a blocking table request, Add and Edit refused until a port of a present unit is
// ticked, the row-status delete without a question, each write followed by Refresh, failures in
// the request's template.
#pragma once

#include "CatalogueColumns.h"
#include "DialogFrame.h"
#include "FieldSet.h"
#include "FieldTable.h"
#include "PortPickerSet.h"
#include "StackingPortUitFormUnit.h"
#include "TForm.h"
#include "TListView.h"
#include "TableDialogController.h"

#include <span>

class TButton;
class TComboBox;
class TControl;
class TEdit;
class TLabel;
class TPageControl;
class TPanel;
class TSplitter;
class TStaticText;
class TStatusBar;

class TFilterDHCPPermitForm;

// What sets one permit dialog apart from the others.
struct PermitDesign {
    const MibTableRow* Table;
    const DialogFrame<TFilterDHCPPermitForm>& Frame;
    std::span<const Field<TFilterDHCPPermitForm>> Fields;
    std::span<const CatalogueColumn> Columns;
    int KeyCount;
    int Ports;
    int RowStatus;
    bool (*CheckAddress)(TControl* edit); // shows its own message
    bool HasMac;                          // the client MAC beside the address (DHCP)
    UnitPresence Presence;                // which unit-table rows count in the port check
    bool HasEdit;                         // the Edit button shown (DHCP)
    bool RefreshHoldsAdd;                 // Refresh disables Add until the list is clicked (DHCP)
};

class TFilterDHCPPermitForm : public TForm {
public:
    explicit TFilterDHCPPermitForm(TComponent* owner);

    TPanel* Panel1;
    TStaticText* StaticText1; // the item count
    TLabel* Label3;           // "Samples"
    TButton* btnGet;
    TButton* btnEdit;
    TButton* btnAdd;
    TButton* btnDelete;
    TButton* btnClose;
    TListView* ListView1;
    TSplitter* Splitter1;
    TLabel* Label1; // "IP Address" ("IPv6 Address")
    TEdit* edtIpAddr;
    TLabel* Label2 = nullptr; // "MAC Address" (DHCP)
    TEdit* edtMacAddr = nullptr;
    TComboBox* ComboStatus; // the row status, hidden
    TPageControl* PageControl1;
    TStatusBar* StatusBar1;

    TableDialogController Table; // the permit table: silent busy guard, blocking
    FieldSet Fields;
    PortPickerSet Pickers;
    // Refresh of the DHCP dialog holds Add back until the list is clicked.
    bool AddHeld = false;

    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void btnGetClick(TObject* sender);
    void btnAddClick(TObject* sender);
    void btnEditClick(TObject* sender);
    void btnDeleteClick(TObject* sender);
    void btnCloseClick(TObject* sender);
    void ListView1Click(TObject* sender);
    void ListView1Change(TObject* sender, TListItem* item, TItemChange change);

    // Edit and Delete for a chosen row, Add for none (unless a Refresh holds it back; the keys
    // follow their rules): run at the end of every read, on selection, and after every action.
    void UpdateButtons(bool rowChosen);

    // Whether a box of a present unit is ticked, present as this dialog's design reads the unit table.
    bool AnyPortChecked() const;

protected:
    TFilterDHCPPermitForm(TComponent* owner, const PermitDesign& design);

private:
    const PermitDesign& Design;
    // The keys checked, the focus to the one refused, and a port of a present unit ticked
    // (`noPort` shown otherwise).
    bool CheckInput(const char* noPort);
};

// The buttons of the three dialogs (the IPv6 ones hide Edit); the design's hidden "Stop" button,
// whose handler does nothing, is not built.
inline constexpr ButtonSpec<TFilterDHCPPermitForm> kPermitButtons[] = {
    {&TFilterDHCPPermitForm::btnGet, "Refresh", &TFilterDHCPPermitForm::btnGetClick},
    {&TFilterDHCPPermitForm::btnEdit, "Edit", &TFilterDHCPPermitForm::btnEditClick},
    {&TFilterDHCPPermitForm::btnAdd, "Add", &TFilterDHCPPermitForm::btnAddClick},
    {&TFilterDHCPPermitForm::btnDelete, "Delete", &TFilterDHCPPermitForm::btnDeleteClick},
    {&TFilterDHCPPermitForm::btnClose, "Close", &TFilterDHCPPermitForm::btnCloseClick},
};

// The fields of the two IPv6 permit tables, whose columns stand alike: the address (32 hexadecimal
// digits, fixed while a row is chosen) and the hidden status.
inline constexpr int kIpv6PermitAddress = ColumnOf(Columns::FilterDHCPv6PermitTable, "IPv6 Address");
inline constexpr int kIpv6PermitPorts = ColumnOf(Columns::FilterDHCPv6PermitTable, "Ports");
inline constexpr int kIpv6PermitStatus = ColumnOf(Columns::FilterDHCPv6PermitTable, "Server Status");
static_assert(kIpv6PermitAddress == ColumnOf(Columns::FilterAllNodePermitTable, "IPv6 Address") &&
              kIpv6PermitPorts == ColumnOf(Columns::FilterAllNodePermitTable, "Ports") &&
              kIpv6PermitStatus == ColumnOf(Columns::FilterAllNodePermitTable, "Status"));
inline constexpr Field<TFilterDHCPPermitForm> kIpv6PermitFields[] = {
    {.Column = kIpv6PermitAddress,
     .Caption = "IPv6 Address",
     .Constraint = "%s{l32f}",
     .Control = &TFilterDHCPPermitForm::edtIpAddr,
     .Label = &TFilterDHCPPermitForm::Label1,
     .Place = {8, 11, 90, 8, 230},
     .EnabledWhen = {.Mode = RowMode::NoRow, .How = FieldEnabling::EnabledOnly}},
    {.Column = kIpv6PermitStatus,
     .Control = &TFilterDHCPPermitForm::ComboStatus,
     .Place = {440, 8, 440, 8, 100},
     .Flags = kFieldHidden,
     .Default = FieldDefault::Keep()},
};

// The frame of the three dialogs at its designed size and caption: the list over the key line and
// the port tab, the count with its "Samples" label.
constexpr DialogFrame<TFilterDHCPPermitForm> PermitFrame(int width, int height, const char* caption) {
    using T = TFilterDHCPPermitForm;
    return {.Width = width,
            .Height = height,
            .Caption = caption,
            .Buttons = kPermitButtons,
            .Samples = "Samples",
            .ListHeight = 160,
            .RowsHeight = 38,
            .ClearOnNoRow = true,
            .ButtonPanel = &T::Panel1,
            .Count = &T::StaticText1,
            .SamplesLabel = &T::Label3,
            .List = &T::ListView1,
            .Splitter = &T::Splitter1,
            .Tabs = &T::PageControl1,
            .StatusBar = &T::StatusBar1,
            .OnListClick = &T::ListView1Click,
            .OnListChange = &T::ListView1Change,
            .OnCreate = &T::FormCreate,
            .OnClose = &T::FormClose,
            .State = &T::UpdateButtons};
}
