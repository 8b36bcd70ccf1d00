#include "TrafficForwardUnit1.h"

#include "CatalogueColumns.h"
#include "DeviceFacts.h"
#include "DialogFrame.h"
#include "DialogTexts.h"
#include "FieldTable.h"
#include "ModelTables.h"
#include "Oid_trafficsegmentation.h"
#include "StrictNumbers.h"
#include "TButton.h"
#include "TEdit.h"
#include "TGroupBox.h"
#include "UserDialogs.h"

namespace {

using T = TTrafficSegmentationForm;

constexpr auto& kTable = Columns::TrafficSegmentationTable;
constexpr int kPort = ColumnOf(kTable, "Port");
constexpr int kForwardPorts = ColumnOf(kTable, "Forward Ports");
constexpr int kKeyCount = 1;
constexpr int kPortsPerUnit = 64; // a global port number is (unit - 1) x 64 + port

constexpr const char* kTitle = "Traffic Segmentation Table: ";
// This dialog's own wording (the shared kRefreshNotComplete is capitalised otherwise).
constexpr const char* kRefreshNotComplete = "Refresh not complete";

const std::vector<PortListColumn> kPortColumns = {{kForwardPorts, "Ports"}};

// Set and Refresh wait for the data-complete flag, each with its text; closing is never refused;
// Stop sets the flag at once.
constexpr DialogGuard kGuard = {.Text = DialogText::kGetDataNotComplete,
                                .Act = RefuseWhen::Incomplete,
                                .Refresh = RefuseWhen::Incomplete,
                                .RefreshText = kRefreshNotComplete,
                                .Close = RefuseWhen::Never,
                                .StopCompletes = true};

// The chosen row's port number, bound to a hidden text the unit and port are worked out from.
constexpr Field<T> kFields[] = {
    {.Column = kPort,
     .Control = &T::ST_Port,
     .Kind = FieldKind::StaticText,
     .Place = {220, 8, 220, 8, 40},
     .Flags = kFieldHidden},
};

constexpr ButtonSpec<T> kButtons[] = {
    {&T::BT_Get, "Refresh", &T::BT_GetClick},
    {&T::BT_Set, "Set", &T::BT_SetClick},
    {&T::StopBtn, "Stop", &T::StopBtnClick},
    {&T::btnClose, "Close", &T::btnCloseClick},
};

constexpr DialogFrame<T> kFrame = {.Width = 649,
                                   .Height = 462,
                                   .Caption = "Traffic Segmentation",
                                   .Buttons = kButtons,
                                   .CountAfter = 4,
                                   .ListHeight = 180,
                                   .RowsHeight = 52,
                                   .ClearOnNoRow = true,
                                   .ButtonPanel = &T::Panel1,
                                   .Count = &T::StaticText1,
                                   .List = &T::LV_TrafficForward,
                                   .Splitter = &T::Splitter1,
                                   .Tabs = &T::PageControl1,
                                   .StatusBar = &T::StatusBar1,
                                   .OnListClick = &T::LV_TrafficForwardClick,
                                   .OnListChange = &T::LV_TrafficForwardChange,
                                   .OnCreate = &T::FormCreate,
                                   .OnClose = &T::FormClose,
                                   .State = &T::UpdateButtons};

// A read-only edit of the group box.
TEdit* AddShownNumber(T* form, int left) {
    auto* edit = new TEdit(form);
    edit->SetParent(form->GroupBox1);
    edit->SetBounds(left, 18, 50, 21);
    edit->SetReadOnly(true);
    return edit;
}

} // namespace

TTrafficSegmentationForm::TTrafficSegmentationForm(TComponent* owner)
    : TForm(owner), Table(kGuard, WriteStyle::FrameworkReRead) {
    TPanel* rows = BuildFrame(this, kFrame, Table);
    Fields = BuildFields<T>(this, rows, kFields, kTable);
    GroupBox1 = new TGroupBox(this);
    GroupBox1->SetParent(rows);
    GroupBox1->SetBounds(8, 2, 197, 46);
    Label_Unit = AddLabel(this, GroupBox1, 10, 21, "Unit : ");
    Combo_Unit = AddShownNumber(this, 45);
    Label_Port = AddLabel(this, GroupBox1, 105, 21, "Port : ");
    Combo_Port = AddShownNumber(this, 140);
    // The end of every read allows Set again; the clear routine empties the unit and port.
    Table.AfterRead = [this] {
        SetAllowed = true;
        Table.UpdateState();
    };
    Table.AfterClear = [this] {
        Combo_Unit->SetText("");
        Combo_Port->SetText("");
    };
}

void TTrafficSegmentationForm::FormCreate(TObject*) {
    SetCaption(kTitle + Facts().DeviceAddress);
    Table.Attempt([this] {
        Pickers.Embed(this, PickerHost::Tabs(PageControl1), kPortColumns);
        const MibTableRow* table =
            ModelTable(TrafficSegmentationTable, Facts().SysObjectId, SysObjectIdMatch::Exact);
        if (!table) {
            Table.MarkUnsupported({BT_Set});
            return;
        }
        DialogRequest& request = Table.CreateRequest(this, table, MVT_UMV, kKeyCount);
        BindFields<T>(this, nullptr, request, kFields);
        Pickers.Bind(request);
        Pickers.GuardSelection(Table);
        Table.Read();
    });
    Table.UpdateState();
}

void TTrafficSegmentationForm::UpdateButtons(bool rowChosen) {
    BT_Set->SetEnabled(rowChosen && Table.Supported);
    if (!rowChosen) {
        return;
    }
    // Port n of the stack is port (n - 1) mod 64 + 1 of unit (n - 1) div 64 + 1; 0 stays 0.
    const int n = StrictStrToInt(ST_Port->Caption()).value_or(0);
    Combo_Unit->SetText(n >= 1 ? std::to_string((n - 1) / kPortsPerUnit + 1) : "0");
    Combo_Port->SetText(n >= 1 ? std::to_string((n - 1) % kPortsPerUnit + 1) : "0");
}

void TTrafficSegmentationForm::LV_TrafficForwardClick(TObject*) {
    Table.SelectionChanged();
}

void TTrafficSegmentationForm::LV_TrafficForwardChange(TObject*, TListItem*, TItemChange) {
    Table.ListChanged();
}

void TTrafficSegmentationForm::BT_GetClick(TObject*) {
    Table.Refresh();
}

void TTrafficSegmentationForm::BT_SetClick(TObject*) {
    if (!Table.MayAct()) {
        return;
    }
    if (!SetAllowed) {
        ShowMessage(DialogText::kGetDataNotComplete);
        return;
    }
    if (!Table.RowChosen()) {
        return;
    }
    // The chosen port's list rebuilt from the boxes; the framework reads the table again once the
    // switch has taken it. The data-complete flag stays as it is meanwhile: Refresh is not refused.
    if (Table.Write(WriteCarry::Only({kForwardPorts}),
                    {.Locks = false, .Leaves = AfterWrite::NoRow, .LeavesFailed = AfterWrite::NoRow})) {
        SetAllowed = false;
    }
}

void TTrafficSegmentationForm::StopBtnClick(TObject*) {
    Table.Stop();
    SetAllowed = true;
}

void TTrafficSegmentationForm::btnCloseClick(TObject*) {
    Close();
}

void TTrafficSegmentationForm::FormClose(TObject*, TCloseAction&) {
    Table.Closing();
}
