#include "IGMPSnoopingStaticGroupFormUnit.h"

#include "CatalogueColumns.h"
#include "DialogFrame.h"
#include "DialogTexts.h"
#include "FieldChecks.h"
#include "FieldTable.h"
#include "InputValidators.h"
#include "Oid_multicast.h"
#include "TButton.h"
#include "TEdit.h"

TIGMPSnoopingStaticGroupForm* IGMPSnoopingStaticGroupForm = nullptr;

namespace {

using T = TIGMPSnoopingStaticGroupForm;

// The static group table: the VLAN and the group address name a row.
constexpr auto& kTable = Columns::IGMPSnoopingStaticGroup;
constexpr int kVlanId = ColumnOf(kTable, "VLAN ID");
constexpr int kGroupAddress = ColumnOf(kTable, "IP Address");
constexpr int kMemberPorts = ColumnOf(kTable, "Member Ports");
constexpr int kRowStatus = ColumnOf(kTable, "Row Status");
constexpr int kIndexColumns = 2;

constexpr const char* kGroupAddressNeeded = "Multicast Group IP Address need to input.";

// A chosen row's keys are its instance: fixed, with their texts, while it is chosen.
constexpr FieldEnabledWhen<T> kKey = {.Mode = RowMode::NoRow, .How = FieldEnabling::KeepText};

constexpr Field<T> kFields[] = {
    {.Column = kVlanId,
     .Caption = "VLAN ID",
     .Constraint = "%i{n1x4094l4}",
     .Control = &T::VlanIDEdit,
     .Label = &T::Label1,
     .Place = {8, 11, 60, 8, 70},
     .EnabledWhen = kKey},
    {.Column = kGroupAddress,
     .Caption = "IP Address",
     .Constraint = "%s{l16}",
     .Control = &T::RepalceIPEdit,
     .Label = &T::Label2,
     .Place = {160, 11, 220, 8, 120},
     .EnabledWhen = kKey},
    {.Column = kRowStatus,
     .Caption = "Row Status",
     .Control = &T::CBoxStatus,
     .Label = &T::Label4,
     .Place = {360, 11, 430, 8, 100},
     .Flags = kFieldHidden},
};

const std::vector<PortListColumn> kPortColumns = {{kMemberPorts, "Member Ports"}};

constexpr ButtonSpec<T> kButtons[] = {
    {&T::btnGet, "Refresh", &T::btnGetClick},   {&T::btnSet, "Set", &T::btnSetClick},
    {&T::btnAdd, "Add", &T::btnAddClick},       {&T::btnDelete, "Delete", &T::btnDeleteClick},
    {&T::btnClose, "Close", &T::btnCloseClick},
};

constexpr DialogFrame<T> kFrame = {.Width = 667,
                                   .Height = 432,
                                   .Caption = "IGMP Snooping Static Group Table",
                                   .Buttons = kButtons,
                                   .Samples = "Samples",
                                   .ListHeight = 140,
                                   .RowsHeight = 36,
                                   .ClearOnNoRow = true,
                                   .ButtonPanel = &T::Panel1,
                                   .Count = &T::StaticText1,
                                   .SamplesLabel = &T::Label3,
                                   .List = &T::LV_IGMPStaticGroupEntry,
                                   .Splitter = &T::Splitter1,
                                   .FieldPanel = &T::Panel2,
                                   .Tabs = &T::PageControl1,
                                   .StatusBar = &T::StatusBar1,
                                   .OnListClick = &T::LV_IGMPStaticGroupEntryClick,
                                   .OnListChange = &T::LV_IGMPStaticGroupEntryChanging,
                                   .OnCreate = &T::FormCreate,
                                   .OnCloseQuery = &T::FormCloseQuery,
                                   .OnClose = &T::FormClose,
                                   .State = &T::UpdateButtons};

} // namespace

TIGMPSnoopingStaticGroupForm::TIGMPSnoopingStaticGroupForm(TComponent* owner)
    : TForm(owner), Table(DialogGuard::Flag(DialogText::kGetDataNotComplete)) {
    TPanel* rows = BuildFrame(this, kFrame, Table);
    Fields = BuildFields<T>(this, rows, kFields, kTable);
    Table.StatusColumn = kRowStatus;
    Table.Deleting.Write.LeavesFailed = AfterWrite::NoRow;
}

void TIGMPSnoopingStaticGroupForm::FormCreate(TObject*) {
    Table.Attempt([this] {
        Pickers.Embed(this, PickerHost::Tabs(PageControl1), kPortColumns);
        DialogRequest& request = Table.CreateRequest(this, IGMPSnoopingStaticGroup, MVT_UMV, kIndexColumns);
        BindFields<T>(this, nullptr, request, kFields);
        Table.StatusCombo = CBoxStatus;
        Pickers.Bind(request);
        Table.Read();
    });
    ResetFields();
}

void TIGMPSnoopingStaticGroupForm::ResetFields() {
    Table.Clear();
    Table.UpdateState();
}

void TIGMPSnoopingStaticGroupForm::UpdateButtons(bool rowChosen) {
    btnSet->SetEnabled(rowChosen);
    btnDelete->SetEnabled(rowChosen);
    btnAdd->SetEnabled(!rowChosen);
}

void TIGMPSnoopingStaticGroupForm::btnGetClick(TObject*) {
    Table.Refresh();
}

void TIGMPSnoopingStaticGroupForm::LV_IGMPStaticGroupEntryClick(TObject*) {
    Table.SelectionChanged();
}

void TIGMPSnoopingStaticGroupForm::LV_IGMPStaticGroupEntryChanging(TObject*, TListItem*, TItemChange) {
    Table.ListChanged();
}

void TIGMPSnoopingStaticGroupForm::btnSetClick(TObject*) {
    if (!Table.RowChosen()) {
        ResetFields();
        return;
    }
    if (!Table.MayAct()) {
        return;
    }
    // The chosen row's member ports as "active"; the flag stays set while the re-read runs.
    Table.Write([this] { Table.ChangeRow(Fields.Carry()); },
                {.Locks = false, .Leaves = AfterWrite::NoRow, .LeavesFailed = AfterWrite::NoRow});
}

bool TIGMPSnoopingStaticGroupForm::CheckDottedQuad() {
    if (CheckDottedQuadText(RepalceIPEdit, LastGroupDigits::UpToThree)) {
        return true;
    }
    return RefuseInput(RepalceIPEdit, DialogText::kIpAddressNotValid);
}

void TIGMPSnoopingStaticGroupForm::btnAddClick(TObject*) {
    if (!Table.MayAct()) {
        return;
    }
    if (VlanIDEdit->Text().empty()) {
        RefuseInput(VlanIDEdit, DialogText::kMulticastVlanIdNeeded);
        return;
    }
    if (RepalceIPEdit->Text().empty()) {
        RefuseInput(RepalceIPEdit, kGroupAddressNeeded);
        return;
    }
    // Whether the group is a multicast address is the switch's to say.
    if (!CheckDottedQuad()) {
        return;
    }
    Table.Write([this] { Table.CreateRow(Fields.Carry()); },
                {.Leaves = AfterWrite::NoRow, .LeavesFailed = AfterWrite::NoRow});
}

void TIGMPSnoopingStaticGroupForm::btnDeleteClick(TObject*) {
    Table.Delete();
}

void TIGMPSnoopingStaticGroupForm::btnCloseClick(TObject*) {
    Close();
}

void TIGMPSnoopingStaticGroupForm::FormCloseQuery(TObject*, bool& canClose) {
    canClose = Table.MayClose();
}

void TIGMPSnoopingStaticGroupForm::FormClose(TObject*, TCloseAction&) {
    Table.Closing();
}
