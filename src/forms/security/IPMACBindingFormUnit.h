// The IP-MAC-port binding dialogs: each entry binds one host address to one MAC address and the
// ports on which the pair is allowed. TIPMACBindingForm edits the IPv4 bindings; the IPv6 dialog
// (IPMACBindingIPv6FormUnit.h) is the same dialog over its own design: its table, frame, field
// table and the points where it differs (the address check, the picker's tab, what Delete carries,
// how a failure is shown). A silent busy guard, a blocking table request, the dialog re-read,
// and the row-status delete without a question; a write leaves the port list out when no box is
// ticked.
#pragma once

#include "DialogFrame.h"
#include "FieldSet.h"
#include "FieldTable.h"
#include "PortPickerSet.h"
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

class TIPMACBindingForm;

// What sets one binding dialog apart from the other.
struct IpMacBindingDesign {
    const MibTableRow* Table;
    const DialogFrame<TIPMACBindingForm>& Frame;
    std::span<const Field<TIPMACBindingForm>> Fields;
    std::span<const CatalogueColumn> Columns;
    int Address;
    int Mac;
    int Ports;
    int RowStatus;
    const char* PortsTab;
    bool (*CheckAddress)(TControl* edit); // shows its own message
    bool DeleteCarriesTheRow;             // the destroy with the MAC address and the port list
    FailureReport Failures;
};

class TIPMACBindingForm : public TForm {
public:
    explicit TIPMACBindingForm(TComponent* owner);

    TPanel* Panel1;
    TStaticText* txt1; // the item count (the IPv6 design's StaticText1, without "Samples")
    TLabel* lbl1;      // "Samples"
    TButton* btnGet;
    TButton* btnAdd;
    TButton* btnEdit;
    TButton* btnDelete;
    TButton* btnClose;
    TListView* ListView1;
    TSplitter* Splitter1;
    TLabel* Label1; // "IP Address"
    TEdit* edtIpAddr;
    TLabel* Label2; // "MAC Address"
    TEdit* edtMacAddr;
    TComboBox* ComboStatus; // the row status, hidden
    TPageControl* PageControl1;
    TStatusBar* StatusBar1;

    TableDialogController Table; // the binding table: silent busy guard, blocking
    FieldSet Fields;
    PortPickerSet Pickers;

    // The design's two text checks, shared with the DHCP server screening permit dialog: a dotted
    // IPv4 address, the whole text ("Please input a valid IP"); 12 hexadecimal digits ("Invalid MAC
    // address").
    static bool CheckIPAddress(TControl* edit);
    static bool CheckMacAddress(TControl* edit);

    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void btnGetClick(TObject* sender);
    void btnAddClick(TObject* sender);
    void btnEditClick(TObject* sender);
    void btnDeleteClick(TObject* sender);
    void btnCloseClick(TObject* sender);
    void ListView1Click(TObject* sender);
    void ListView1Change(TObject* sender, TListItem* item, TItemChange change);

    // Edit and Delete for a chosen binding, Add for none (the address follows its rule): run at the
    // end of every read, on selection, and after every action.
    void UpdateButtons(bool rowChosen);

protected:
    TIPMACBindingForm(TComponent* owner, const IpMacBindingDesign& design);

private:
    const IpMacBindingDesign& Design;
    // The address and the MAC checked, the focus to the one refused.
    bool CheckInput();
    // The row without the port list when no box is ticked (the switch keeps its own then).
    WriteCarry PortsOmittedWhenNoneTicked() const;
};

// The buttons both binding dialogs have.
inline constexpr ButtonSpec<TIPMACBindingForm> kIpMacBindingButtons[] = {
    {&TIPMACBindingForm::btnGet, "Refresh", &TIPMACBindingForm::btnGetClick},
    {&TIPMACBindingForm::btnAdd, "Add", &TIPMACBindingForm::btnAddClick},
    {&TIPMACBindingForm::btnEdit, "Edit", &TIPMACBindingForm::btnEditClick},
    {&TIPMACBindingForm::btnDelete, "Delete", &TIPMACBindingForm::btnDeleteClick},
    {&TIPMACBindingForm::btnClose, "Close", &TIPMACBindingForm::btnCloseClick},
};

// The dialog while its menu command shows it.
extern TIPMACBindingForm* IPMACBindingForm;
