#include "Aggregatorporttableformunit.h"

#include "CatalogueColumns.h"
#include "DeviceFacts.h"
#include "DialogFrame.h"
#include "DialogLayout.h"
#include "DialogTexts.h"
#include "FieldTable.h"
#include "InputValidators.h"
#include "Oid_lagoam.h"
#include "TBasicFormUnit.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TEdit.h"
#include "TPageControl.h"

TAggregatorPortTableForm* AggregatorPortTableForm = nullptr;

namespace {

using T = TAggregatorPortTableForm;

constexpr auto& kTable = Columns::AggregatorPortTable;
constexpr int kActorState = ColumnOf(kTable, "Actor Administration State");
constexpr int kPartnerState = ColumnOf(kTable, "Partner Administration State");
constexpr int kKeyCount = 1;

// A key left empty is left out of a write: 0 is a key, so an emptied edit must not become one.
constexpr Field<T> kFields[] = {
    {.Column = ColumnOf(kTable, "Actor Administration Key"),
     .Caption = "Actor Admin Key",
     .Constraint = "%i{n0x65535l5}",
     .Control = &T::edtActorKey,
     .Label = &T::Label2,
     .Place = {8, 11, 150, 8, 90},
     .Omit = OmitWhen::Empty},
    {.Column = ColumnOf(kTable, "Partner Administration System ID"),
     .Caption = "Partner Admin System ID",
     .Constraint = "%s{l12}",
     .Control = &T::edtPartnerID,
     .Label = &T::Label3,
     .Place = {8, 39, 150, 36, 110}},
    {.Column = ColumnOf(kTable, "Partner Administration Key"),
     .Caption = "Partner Admin Key",
     .Constraint = "%i{n0x65535l5}",
     .Control = &T::edtPartnerKey,
     .Label = &T::Label4,
     .Place = {8, 67, 150, 64, 90},
     .Omit = OmitWhen::Empty},
};

// The four tabs, eight boxes each: the LACP state bits in their order (bit n is the octet's
// 0x80 >> n); the operational ones are not shown.
struct StateTab {
    const char* Caption;
    TTabSheet* T::*Sheet;
    int Column; // -1: bound to nothing
};
const StateTab kStateTabs[] = {
    {"Actor Admin State", &T::TabSheet1, kActorState},
    {"Actor Oper State", &T::TabSheet2, -1},
    {"Partner Admin State", &T::TabSheet3, kPartnerState},
    {"Partner Oper State", &T::TabSheet4, -1},
};
constexpr const char* kStateBits[] = {"lacpActivity", "lacpTimeout",  "aggregation", "synchronisation",
                                      "collecting",   "distributing", "defaulted",   "expired"};
constexpr const char* kBitPositions = "0,1,2,3,4,5,6,7";

constexpr ButtonSpec<T> kButtons[] = {
    {&T::GetBtn, "Refresh", &T::GetBtnClick},
    {&T::btnEdit, "Edit", &T::btnEditClick},
    {&T::btnStop, "Stop", &T::btnStopClick},
    {&T::btnClose, "Close", &T::btnCloseClick},
};

constexpr DialogFrame<T> kFrame = {.Width = 532,
                                   .Height = 526,
                                   .Caption = "Aggregator Port Table",
                                   .Buttons = kButtons,
                                   .Samples = "Samples",
                                   .ListHeight = 220,
                                   .RowsHeight = 95,
                                   .ClearOnNoRow = true,
                                   .ButtonPanel = &T::Panel1,
                                   .Count = &T::StaticText1,
                                   .SamplesLabel = &T::Label1,
                                   .List = &T::ListView1,
                                   .Splitter = &T::Splitter1,
                                   .FieldPanel = &T::Panel2,
                                   .Tabs = &T::PageControl1,
                                   .StatusBar = &T::StatusBar1,
                                   .OnListClick = &T::ListView1Click,
                                   .OnListChange = &T::ListView1Change,
                                   .OnCreate = &T::FormCreate,
                                   .OnCloseQuery = &T::FormCloseQuery,
                                   .OnClose = &T::FormClose,
                                   .State = &T::UpdateButtons};

} // namespace

TAggregatorPortTableForm::TAggregatorPortTableForm(TComponent* owner)
    : TForm(owner), Table(DialogGuard::Flag(DialogText::kGetDataNotComplete)) {
    Fields = BuildFields<T>(this, BuildFrame(this, kFrame, Table), kFields, kTable);
    size_t box = 0;
    for (const StateTab& tab : kStateTabs) {
        auto* sheet = new TTabSheet(PageControl1);
        sheet->SetPageControl(PageControl1);
        sheet->SetCaption(tab.Caption);
        sheet->SetTabVisible(tab.Column >= 0);
        this->*tab.Sheet = sheet;
        for (int bit = 0; bit < 8; ++bit, ++box) {
            TCheckBox* check = AddCheckBox(this, sheet, 8 + 102 * (bit % 4), 8 + 24 * (bit / 4), 100,
                                           kStateBits[bit], nullptr);
            check->SetName("CheckBox" + std::to_string(box + 1));
            CheckBoxes[box] = check;
        }
    }
    Table.AfterClear = [this] { ResetFields(); };
}

void TAggregatorPortTableForm::FormCreate(TObject*) {
    Table.Attempt([this] {
        DialogRequest& request = Table.CreateRequest(this, AggregatorPortTable, MVT_FMV, kKeyCount);
        BindFields<T>(this, nullptr, request, kFields);
        size_t box = 0;
        for (const StateTab& tab : kStateTabs) {
            if (tab.Column >= 0) {
                request.BindBitCheckBoxes(tab.Column, kBitPositions,
                                          {CheckBoxes.begin() + box, CheckBoxes.begin() + box + 8});
            }
            box += 8;
        }
        Table.Read();
    });
    UpdateButtons(false);
    SetCaption("Aggregator Port Table: " + Facts().DeviceAddress);
}

void TAggregatorPortTableForm::ResetFields() {
    for (TCheckBox* box : CheckBoxes) {
        box->SetChecked(false);
    }
}

void TAggregatorPortTableForm::UpdateButtons(bool rowChosen) {
    btnEdit->SetEnabled(rowChosen);
    // The walk leaves the bound controls disabled until a row is chosen; they stay usable.
    for (TCheckBox* box : CheckBoxes) {
        SetFieldEnabled(box, true, FieldEnabling::EnabledOnly);
    }
    SetFieldsEnabled({edtActorKey, edtPartnerID, edtPartnerKey}, true, FieldEnabling::EnabledOnly);
}

void TAggregatorPortTableForm::GetBtnClick(TObject*) {
    Table.Refresh();
}

void TAggregatorPortTableForm::ListView1Click(TObject*) {
    Table.SelectionChanged();
}

void TAggregatorPortTableForm::ListView1Change(TObject*, TListItem*, TItemChange) {
    Table.ListChanged();
}

bool TAggregatorPortTableForm::CheckPartnerSystemId() {
    return CheckMacHexText(edtPartnerID);
}

void TAggregatorPortTableForm::btnEditClick(TObject*) {
    if (!Table.MayAct() || !Table.RowChosen() || !CheckPartnerSystemId()) {
        return;
    }
    Table.Write(Fields.Carry(), {.Leaves = AfterWrite::NoRow, .LeavesFailed = AfterWrite::NoRow});
}

void TAggregatorPortTableForm::btnStopClick(TObject*) {
    Table.Stop();
}

void TAggregatorPortTableForm::btnCloseClick(TObject*) {
    Close();
}

void TAggregatorPortTableForm::FormCloseQuery(TObject*, bool& canClose) {
    canClose = Table.MayClose();
}

void TAggregatorPortTableForm::FormClose(TObject*, TCloseAction&) {
    Table.Closing();
}
