#include "PortMirror.h"

#include "Beeper.h"
#include "CatalogueColumns.h"
#include "DeviceFacts.h"
#include "DialogFrame.h"
#include "FieldChecks.h"
#include "FieldTable.h"
#include "ModelTables.h"
#include "Oid_model.h"
#include "StackingPortUitFormUnit.h"
#include "StrToInt.h"
#include "StrictNumbers.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TEdit.h"
#include "TGroupBox.h"
#include "TPageControl.h"
#include "TSplitter.h"
#include "UserDialogs.h"

#include <string>

TPortMirrorForm* PortMirrorForm = nullptr;

namespace {

using T = TPortMirrorForm;

// The model's copy of the mirror group, read as scalars.
constexpr auto& kTable = Columns::PortMirrorSettings;
constexpr int kTarget = ColumnOf(kTable, "Logic Target Port");
constexpr int kIngress = ColumnOf(kTable, "Source Ingress");
constexpr int kEgress = ColumnOf(kTable, "Source Egress");
constexpr int kState = ColumnOf(kTable, "State");

constexpr const char* kUnitOutOfRange = "The Unit Number should Between 0 And 6.";
constexpr const char* kSetValidMasterPort = "set valid master port";
constexpr const char* kSetValidTargetPort = "Set valid target port";
constexpr const char* kTargetIsMember = "Target port can not be member port.";
constexpr int kLastUnit = kMaxStackUnits;
constexpr int kBackspace = 8;

// The target row (96 DPI): the target port carried hidden, the state beside the unit and port.
constexpr Field<T> kFields[] = {
    {.Column = kTarget,
     .Constraint = "%i",
     .Control = &T::ET_TargetPort,
     .Place = {0, 0, 540, 18, 40},
     .Flags = kFieldHidden | kFieldDisabled},
    {.Column = kState,
     .Caption = "Mirroring Status",
     .Control = &T::State_Combox,
     .Label = &T::Label4,
     .Place = {330, 22, 425, 18, 100}},
};
// The unit and port the user types, in the target's group box.
constexpr Field<T> kTargetFields[] = {
    {.Caption = "Unit : ",
     .Edit = &T::UnitEdit,
     .Label = &T::Label2,
     .Group = &T::GroupBox1,
     .Place = {10, 17, 48, 13, 50}},
    {.Caption = "Port : ",
     .Edit = &T::PortEdit,
     .Label = &T::Label3,
     .Group = &T::GroupBox1,
     .Place = {118, 17, 156, 13, 50}},
};

constexpr ButtonSpec<T> kButtons[] = {
    {&T::BT_Refresh, "Refresh", &T::BT_RefreshClick},
    {&T::BT_Set, "Set Member", &T::BT_SetClick},
};

constexpr DialogFrame<T> kFrame = {.Width = 721,
                                   .Height = 453,
                                   .Caption = "Port Mirror Form",
                                   .Buttons = kButtons,
                                   .ListHeight = DialogFrame<T>::kNoList,
                                   .ButtonPanel = &T::Panel1,
                                   .StatusBar = &T::StatusBar1,
                                   .OnCreate = &T::FormCreate,
                                   .OnClose = &T::FormClose};

constexpr int kTargetRowHeight = 52;
constexpr int kIngressPagesHeight = 165;

// Only digits and Backspace reach the unit and port edits; anything else is dropped with the
// default beep.
void DigitsOnly(char& key) {
    if ((key < '0' || key > '9') && key != kBackspace) {
        key = 0;
        MessageBeep(0);
    }
}

} // namespace

TPortMirrorForm::TPortMirrorForm(TComponent* owner) : TForm(owner), Table(DialogGuard::None()) {
    TPanel* area = BuildFrame(this, kFrame, Table);
    Table.Failures = FailureReport::Template;
    Table.Refreshing = {.Leaves = RefreshLeaves::Unchanged};

    Panel2 = new TPanel(this);
    Panel2->SetParent(area);
    Panel2->SetBevelOuter(bvNone);
    Panel2->SetBounds(0, 0, 100, kTargetRowHeight);
    Panel2->SetAlign(alTop);
    Label1 = AddLabel(this, Panel2, 8, 22, "Target Port ");
    GroupBox1 = new TGroupBox(this);
    GroupBox1->SetParent(Panel2);
    GroupBox1->SetBounds(80, 4, 230, 42);
    Fields = BuildFields<T>(this, Panel2, kFields, kTable);
    TargetFields = BuildFields<T>(this, Panel2, kTargetFields);
    ET_TargetPort->OnChange = Bind(this, &T::ET_TargetPortChange);
    UnitEdit->OnKeyPress = Bind(this, &T::UnitEditKeyPress);
    PortEdit->OnKeyPress = Bind(this, &T::PortEditKeyPress);

    GroupBox2 = new TGroupBox(this);
    GroupBox2->SetParent(area);
    GroupBox2->SetCaption("Source Port");
    GroupBox2->SetAlign(alClient);
    PageControl1 = new TPageControl(this);
    PageControl1->SetParent(GroupBox2);
    PageControl1->SetHeight(kIngressPagesHeight);
    PageControl1->SetAlign(alTop);
    Splitter1 = new TSplitter(this);
    Splitter1->SetParent(GroupBox2);
    Splitter1->SetAlign(alTop); // before its height: a splitter starts aligned to the left
    Splitter1->SetBounds(0, kIngressPagesHeight, 100, 3);
    PageControl2 = new TPageControl(this);
    PageControl2->SetParent(GroupBox2);
    PageControl2->SetAlign(alClient);
}

void TPortMirrorForm::FormCreate(TObject*) {
    Table.Attempt([this] {
        IngressPicker.Embed(this, PickerHost::Tabs(PageControl1), {{kIngress, "Ingress Ports"}});
        EgressPicker.Embed(this, PickerHost::Tabs(PageControl2), {{kEgress, "Egress Ports"}});
        const MibTableRow* table =
            ModelTable(PortMirrorSettings, Facts().SysObjectId, SysObjectIdMatch::Exact);
        if (!table) {
            Table.MarkUnsupported({BT_Set});
            return;
        }
        DialogRequest& request = Table.CreateRequest(this, table, SVT_SV, 0, {.Blocking = true});
        BindFields<T>(this, nullptr, request, kFields);
        IngressPicker.Bind(request);
        EgressPicker.Bind(request);
        Table.Read();
    });
}

void TPortMirrorForm::BT_RefreshClick(TObject*) {
    Table.Refresh();
    ET_TargetPortChange(ET_TargetPort);
}

void TPortMirrorForm::ET_TargetPortChange(TObject*) {
    const std::optional<int> target = StrictStrToInt(ET_TargetPort->Text());
    if (!target) {
        UnitEdit->SetText("");
        PortEdit->SetText("");
        return;
    }
    const int t = *target;
    if (t == 0) {
        UnitEdit->SetText("0");
        PortEdit->SetText("0");
    } else if (t % kPortSlotsPerUnit != 0) {
        UnitEdit->SetText(std::to_string(t / kPortSlotsPerUnit + 1));
        PortEdit->SetText(std::to_string(t % kPortSlotsPerUnit));
    } else {
        UnitEdit->SetText(std::to_string(t / kPortSlotsPerUnit));
        PortEdit->SetText(std::to_string(kPortSlotsPerUnit));
    }
}

void TPortMirrorForm::UnitEditKeyPress(TObject*, char& key) {
    DigitsOnly(key);
}

void TPortMirrorForm::PortEditKeyPress(TObject*, char& key) {
    DigitsOnly(key);
}

bool TPortMirrorForm::CheckTarget() {
    const int unit = StrictStrToInt(UnitEdit->Text()).value_or(-1);
    if (unit <= 0 || unit > kLastUnit) {
        return RefuseInput(UnitEdit, kUnitOutOfRange);
    }
    // A port that is no number is the conversion's error, shown in the status line.
    const int port = StrToInt(PortEdit->Text());
    if (port <= 0) {
        RefuseInput(PortEdit, kSetValidMasterPort);
        return RefuseInput(PortEdit, kSetValidTargetPort);
    }
    // A unit has 64 port slots: a larger number would name another unit's port, or none.
    if (port > kPortSlotsPerUnit) {
        return RefuseInput(PortEdit, kSetValidTargetPort);
    }
    const int target = (unit - 1) * kPortSlotsPerUnit + port;
    ET_TargetPort->SetText(std::to_string(target));
    ET_TargetPortChange(ET_TargetPort); // also when the text was already this number
    const auto box = static_cast<size_t>(target - 1);
    if (IngressPicker.Pickers.front()->PortBoxes.at(box)->Checked() ||
        EgressPicker.Pickers.front()->PortBoxes.at(box)->Checked()) {
        ShowMessage(kTargetIsMember);
        return false;
    }
    return true;
}

void TPortMirrorForm::BT_SetClick(TObject*) {
    if (!Table.MayAct()) {
        return;
    }
    bool valid = false;
    if (!Table.Attempt([&] { valid = CheckTarget(); }) || !valid) {
        return;
    }
    // Three SETs, each of its own columns: the scalar group is not read again after them.
    Table.Write(
        [this] {
            Table.Send(WriteCarry::Only({kTarget, kState}));
            Table.Send(WriteCarry::Only({kIngress}));
            Table.Send(WriteCarry::Only({kEgress}));
        },
        {.After = ReRead::None, .Locks = false, .Report = FailureReport::Template});
}

void TPortMirrorForm::FormClose(TObject*, TCloseAction&) {
    Table.Closing();
    IngressPicker.Free();
    EgressPicker.Free();
}
