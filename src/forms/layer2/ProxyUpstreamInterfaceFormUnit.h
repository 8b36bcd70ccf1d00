// The upstream interface of the IGMP proxy (IPv4) and of the MLD proxy (IPv6), one implementation
// over two tables of the same layout: per upstream interface its VLAN, the router ports the switch
// learned (shown, never changeable), its static router ports, the unsolicited report interval and
// the source address of the proxy's reports. No guard; the switch makes the rows, so there is
// neither Add nor Delete. Set writes the VLAN, the static ports, the interval and the source address
// of the chosen interface once the address passes the twin's check; a reset keeps the static boxes.
// Each twin is a declaration (ProxyUpstreamDesign): its table, size, fields, address check and
// whether a read follows Set.
#pragma once

#include "FieldTable.h"
#include "PortPickerSet.h"
#include "TForm.h"
#include "TListView.h"
#include "TableDialogController.h"

#include <span>

struct MibTableRow;
struct ProxyUpstreamDesign;
class TButton;
class TControl;
class TEdit;
class TLabel;
class TPageControl;
class TPanel;
class TSplitter;
class TStaticText;
class TStatusBar;

class TProxyUpstreamInterfaceForm : public TForm {
public:
    TPanel* Panel1;
    TStaticText* StaticText1;
    TLabel* Label5; // "Samples"
    TButton* btnGet;
    TButton* btnSet;
    TButton* btnClose;
    TListView* ListView1;
    TSplitter* Splitter1;
    TPanel* Panel2;
    TLabel* Label1; // "Index"
    TLabel* Label2; // "VLAN ID"
    TLabel* Label3; // "Unsolicited Report Interval"
    TLabel* Label4; // "Source IP "
    TEdit* IndexEdit;
    TEdit* VIDEdit;
    TEdit* IntervalTime;
    TEdit* edtIPAddress;
    TPageControl* PageControl1;
    TStatusBar* StatusBar1;

    TableDialogController Table;
    PortPickerSet Pickers;       // the dynamic router ports, which a reset unticks
    PortPickerSet StaticPickers; // the static router ports, which a reset leaves as they are
    FieldSet Fields;

    void FormCreate(TObject* sender);
    void ResetFields();
    void btnGetClick(TObject* sender);
    void ListView1Click(TObject* sender);
    void ListView1Changing(TObject* sender, TListItem* item, TItemChange change);
    void btnSetClick(TObject* sender);
    void btnCloseClick(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);

    // Set for a chosen interface; the dynamic boxes always shut.
    void UpdateButtons(bool rowChosen);

protected:
    TProxyUpstreamInterfaceForm(TComponent* owner, const ProxyUpstreamDesign& design);

private:
    const ProxyUpstreamDesign& Design;
};

// What one twin is.
struct ProxyUpstreamDesign {
    const MibTableRow* Table = nullptr;
    std::span<const CatalogueColumn> Columns;
    int Width = 0;
    int Height = 0;
    const char* Caption = "";
    // Index, VLAN ID, interval and source address.
    std::span<const Field<TProxyUpstreamInterfaceForm>> Fields;
    // The source address's check, which shows its own message.
    bool (*CheckSource)(TControl* edit) = nullptr;
    bool ReadsAfterSet = false; // the table is read again after Set
};
