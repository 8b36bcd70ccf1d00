// The read-only views of what IGMP and MLD snooping built on the switch (the forwarding and the
// group tables): a list filled by a walk, the chosen row's fields decoded from its instance and its
// port lists on port tabs, none changeable; Refresh and Close. One implementation, a declaration per
// view (SnoopingViewDesign): its table, kind, keys, guard, size, fields and port tabs. A view shows
// only the field members its declaration builds (the others stay null).
#pragma once

#include "FieldTable.h"
#include "PortPickerSet.h"
#include "TForm.h"
#include "TListView.h"
#include "TableDialogController.h"

#include <span>
#include <vector>

struct MibTableRow;
struct SnoopingViewDesign;
class TButton;
class TEdit;
class TLabel;
class TPageControl;
class TPanel;
class TSplitter;
class TStaticText;
class TStatusBar;

class TSnoopingViewForm : public TForm {
public:
    TPanel* Panel1;
    TStaticText* StaticText1;
    TLabel* Samples;
    TButton* btnGet;
    TButton* btnClose;
    TListView* ListView1;
    TSplitter* Splitter1;
    TPanel* Panel2;
    // The forwarding views' fields.
    TStaticText* stVID = nullptr;
    TEdit* edtIPAddress = nullptr;
    TEdit* edtMAC = nullptr;
    // The group views' fields.
    TStaticText* stSourceIP = nullptr;
    TStaticText* stGroupIP = nullptr;
    TEdit* edtUptime = nullptr;
    TEdit* edtpExpiryTime = nullptr;
    TPageControl* PageControl1;
    TStatusBar* StatusBar1;

    TableDialogController Table;
    PortPickerSet Pickers;
    FieldSet Fields;

    void FormCreate(TObject* sender);
    void ResetFields();
    void btnGetClick(TObject* sender);
    void ListView1Click(TObject* sender);
    void ListView1Changing(TObject* sender, TListItem* item, TItemChange change);
    void btnCloseClick(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);

    // Every port box shut, with a row or without.
    void UpdateButtons(bool rowChosen);

protected:
    TSnoopingViewForm(TComponent* owner, const SnoopingViewDesign& design);

private:
    const SnoopingViewDesign& Design;
};

// What one view is.
struct SnoopingViewDesign {
    const MibTableRow* Table = nullptr;
    std::span<const CatalogueColumn> Columns;
    int Kind = 0;
    int IndexColumns = 0;
    DialogGuard Guard; // a flag guard holds back Refresh alone: the views close at any time
    int Width = 0;
    int Height = 0;
    int ListHeight = 0;
    int RowsHeight = 0;
    std::span<const Field<TSnoopingViewForm>> Fields;
    std::vector<PortListColumn> PortColumns;
};
