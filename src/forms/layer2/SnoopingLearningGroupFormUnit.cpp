#include "SnoopingLearningGroupFormUnit.h"

#include "CatalogueColumns.h"
#include "DialogFrame.h"
#include "FieldTable.h"
#include "TButton.h"
#include "TLabel.h"

namespace {

using T = TSnoopingLearningGroupForm;

// The two tables share their layout: the columns are named in the IGMP table and proven to stand at
// the same places in the MLD one.
constexpr auto& kIgmp = Columns::IGMPSnoopingDataDrivenLearingGroup;
constexpr auto& kMld = Columns::MLDSnoopingDataDrivenLearingGroup;
constexpr int kVlanId = ColumnOf(kIgmp, "VLAN ID");
constexpr int kGroupAddress = ColumnOf(kIgmp, "Group IP Address");
constexpr int kUpTime = ColumnOf(kIgmp, "Up Time");
constexpr int kExpiryTime = ColumnOf(kIgmp, "Expiry Time");
constexpr int kClearGroup = ColumnOf(kIgmp, "Clear Group");
static_assert(ColumnOf(kMld, "VLAN ID") == kVlanId && ColumnOf(kMld, "Group IPv6 Address") == kGroupAddress &&
              ColumnOf(kMld, "Router Ports") == ColumnOf(kIgmp, "Router Ports") &&
              ColumnOf(kMld, "Up Time") == kUpTime && ColumnOf(kMld, "Expiry Time") == kExpiryTime &&
              ColumnOf(kMld, "Clear Group") == kClearGroup);
constexpr int kIndexColumns = 2;

// Two rows of fields above the router ports (96 DPI); every value is the switch's but Clear Group.
constexpr Field<T> kFields[] = {
    {.Column = kVlanId,
     .Caption = "VLAN ID",
     .Control = &T::stVID,
     .Kind = FieldKind::StaticText,
     .Label = &T::Label1,
     .Place = {8, 11, 90, 9, 70}},
    {.Column = kGroupAddress,
     .Caption = "Group IP Address", // the twin's own caption replaces it
     .Constraint = "%s{l16}",
     .Control = &T::edtIPAddress,
     .Kind = FieldKind::Edit,
     .Label = &T::Label2,
     .Place = {190, 11, 300, 8, 235}, // 32 hexadecimal digits read whole
     .Flags = kFieldReadOnly},
    {.Column = kUpTime,
     .Caption = "Up Time",
     .Constraint = "%i",
     .Control = &T::edtUptime,
     .Kind = FieldKind::Edit,
     .Label = &T::Label3,
     .Place = {8, 39, 90, 36, 70},
     .Flags = kFieldReadOnly},
    {.Column = kExpiryTime,
     .Caption = "Expiry Time",
     .Constraint = "%i",
     .Control = &T::edtExpiryTime,
     .Kind = FieldKind::Edit,
     .Label = &T::Label4,
     .Place = {190, 39, 300, 36, 70},
     .Flags = kFieldReadOnly},
    {.Column = kClearGroup,
     .Caption = "Clear Group",
     .Control = &T::CBoxClear,
     .Kind = FieldKind::ComboBox,
     .Label = &T::Label5,
     .Place = {400, 39, 465, 36, 75}},
};

constexpr ButtonSpec<T> kButtons[] = {
    {&T::btnGet, "Refresh", &T::btnGetClick},
    {&T::btnSet, "Set", &T::btnSetClick},
    {&T::StopButton, "Stop", &T::StopButtonClick},
    {&T::btnClose, "Close", &T::btnCloseClick},
};

// The twins' common frame; each gives its size and list height.
constexpr DialogFrame<T> kFrame = {.Buttons = kButtons,
                                   .Samples = "Samples",
                                   .RowsHeight = 64,
                                   .ClearOnNoRow = true,
                                   .ButtonPanel = &T::Panel1,
                                   .Count = &T::StaticText1,
                                   .SamplesLabel = &T::Label6,
                                   .List = &T::ListView1,
                                   .Splitter = &T::Splitter1,
                                   .FieldPanel = &T::Panel2,
                                   .Tabs = &T::PageControl1,
                                   .StatusBar = &T::StatusBar1,
                                   .OnListClick = &T::ListView1Click,
                                   .OnListChange = &T::ListView1Changing,
                                   .OnCreate = &T::FormCreate,
                                   .OnClose = &T::FormClose,
                                   .State = &T::UpdateButtons};

} // namespace

TSnoopingLearningGroupForm::TSnoopingLearningGroupForm(TComponent* owner, const LearningGroupDesign& design)
    : TForm(owner), Table(DialogGuard::None()), Design(design) {
    DialogFrame<T> frame = kFrame;
    frame.Width = design.Width;
    frame.Height = design.Height;
    frame.ListHeight = design.ListHeight;
    TPanel* rows = BuildFrame(this, frame, Table);
    Fields = BuildFields<T>(this, rows, kFields);
    Label2->SetCaption(design.AddressCaption);
}

void TSnoopingLearningGroupForm::FormCreate(TObject*) {
    Table.Attempt([this] {
        Pickers.Embed(this, PickerHost::Tabs(PageControl1), {{Design.RouterPorts, "Router Ports"}});
        DialogRequest& request = Table.CreateRequest(this, Design.Table, MVT_UMV, kIndexColumns);
        BindFields<T>(this, nullptr, request, kFields);
        Pickers.Bind(request);
        Table.Read();
    });
    UpdateButtons(false);
}

void TSnoopingLearningGroupForm::ResetFields() {
    Table.Clear();
    Table.UpdateState();
}

void TSnoopingLearningGroupForm::UpdateButtons(bool rowChosen) {
    btnSet->SetEnabled(rowChosen);
    Pickers.DisableAll();
}

void TSnoopingLearningGroupForm::btnGetClick(TObject*) {
    Table.Refresh();
}

void TSnoopingLearningGroupForm::ListView1Click(TObject*) {
    Table.SelectionChanged();
}

void TSnoopingLearningGroupForm::ListView1Changing(TObject*, TListItem*, TItemChange) {
    Table.ListChanged();
}

void TSnoopingLearningGroupForm::btnSetClick(TObject*) {
    if (!Table.RowChosen() || !Table.MayAct()) {
        return;
    }
    // Clear Group alone, as chosen; the list keeps the group until the next Refresh.
    Table.Write(WriteCarry::Only({kClearGroup}), {.After = ReRead::None,
                                                  .Locks = false,
                                                  .Leaves = AfterWrite::NoRow,
                                                  .LeavesFailed = AfterWrite::NoRow});
}

void TSnoopingLearningGroupForm::StopButtonClick(TObject*) {
    Table.Stop();
}

void TSnoopingLearningGroupForm::btnCloseClick(TObject*) {
    Close();
}

void TSnoopingLearningGroupForm::FormClose(TObject*, TCloseAction&) {
    Table.Closing();
}
