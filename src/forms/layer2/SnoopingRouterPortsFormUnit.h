// The router ports of IGMP and MLD snooping, one implementation over two tables of the same layout:
// per VLAN the static and forbidden router ports (written by Set, followed by a re-read) and the
// dynamic ones the switch learned (shown, never written), each on a port tab. Flag guard with Stop;
// the switch makes the rows, so there is neither Add nor Delete. After every read the static and
// forbidden boxes are open (a kind-2 list leaves every bound control shut until a row is chosen);
// the dynamic boxes never are.
#pragma once

#include "FieldSet.h"
#include "PortPickerSet.h"
#include "TForm.h"
#include "TListView.h"
#include "TableDialogController.h"

#include <vector>

struct MibTableRow;
class TButton;
class TLabel;
class TPageControl;
class TPanel;
class TSplitter;
class TStaticText;
class TStatusBar;

// What one twin is.
struct RouterPortsDesign {
    const MibTableRow* Table = nullptr;
    int Kind = 0; // the variable-list kind of its walk
    int Width = 0;
    int Height = 0;
    int ListHeight = 0;
    std::vector<PortListColumn> PortColumns; // in the order of their tabs
};

class TSnoopingRouterPortsForm : public TForm {
public:
    TPanel* Panel1;
    TStaticText* StaticText1;
    TLabel* Label2; // "Samples"
    TButton* btnGet;
    TButton* btnSet;
    TButton* btnStop;
    TButton* btnClose;
    TListView* ListView1;
    TSplitter* Splitter1;
    TPanel* Panel2;
    TLabel* Label1; // "VLAN ID"
    TStaticText* stVlanID;
    TPageControl* PageControl1;
    TStatusBar* StatusBar1;

    TableDialogController Table;
    PortPickerSet Pickers; // static, forbidden and dynamic router ports, in the twin's tab order
    FieldSet Fields;

    void FormCreate(TObject* sender);
    void ResetFields();
    void btnGetClick(TObject* sender);
    void ListView1Click(TObject* sender);
    void ListView1Change(TObject* sender, TListItem* item, TItemChange change);
    void btnSetClick(TObject* sender);
    void btnStopClick(TObject* sender);
    void btnCloseClick(TObject* sender);
    void FormCloseQuery(TObject* sender, bool& canClose);
    void FormClose(TObject* sender, TCloseAction& action);

    // Set for a chosen row; the static and forbidden boxes open, the dynamic ones shut.
    void UpdateButtons(bool rowChosen);

protected:
    TSnoopingRouterPortsForm(TComponent* owner, const RouterPortsDesign& design);

private:
    const RouterPortsDesign& Design;
};
