#include "SnoopingStaticGroupFormUnit.h"

#include "DialogFrame.h"
#include "DialogTexts.h"
#include "FieldChecks.h"
#include "OptionItems.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "UserDialogs.h"

namespace {

using T = TSnoopingStaticGroupForm;

constexpr int kIndexColumns = 2;
constexpr const char* kCreateAndGo = "createAndGo";

constexpr ButtonSpec<T> kButtons[] = {
    {&T::btnGet, "Refresh", &T::btnGetClick},   {&T::btnSet, "Set", &T::btnSetClick},
    {&T::btnAdd, "Add", &T::btnAddClick},       {&T::btnDelete, "Delete", &T::btnDeleteClick},
    {&T::btnClose, "Close", &T::btnCloseClick},
};

// The twins' common frame; each gives its size and caption.
constexpr DialogFrame<T> kFrame = {.Buttons = kButtons,
                                   .Samples = "Samples",
                                   .ListHeight = 140,
                                   .RowsHeight = 36,
                                   .ClearOnNoRow = true,
                                   .ButtonPanel = &T::Panel1,
                                   .Count = &T::StaticText1,
                                   .SamplesLabel = &T::Label3,
                                   .List = &T::StaticGroupList,
                                   .Splitter = &T::Splitter1,
                                   .FieldPanel = &T::Panel2,
                                   .Tabs = &T::PageControl1,
                                   .StatusBar = &T::StatusBar1,
                                   .OnListClick = &T::StaticGroupListClick,
                                   .OnListChange = &T::StaticGroupListChanging,
                                   .OnCreate = &T::FormCreate,
                                   .OnCloseQuery = &T::FormCloseQuery,
                                   .OnClose = &T::FormClose,
                                   .State = &T::UpdateButtons};

} // namespace

TSnoopingStaticGroupForm::TSnoopingStaticGroupForm(TComponent* owner, const StaticGroupDesign& design)
    : TForm(owner), Table(DialogGuard::Flag(DialogText::kGetDataNotComplete)), Design(design) {
    DialogFrame<T> frame = kFrame;
    frame.Width = design.Width;
    frame.Height = design.Height;
    frame.Caption = design.Caption;
    TPanel* rows = BuildFrame(this, frame, Table);
    Fields = BuildFields<T>(this, rows, design.Fields, design.Columns);
    Table.StatusColumn = Fields.Of(CBoxStatus)->Column;
    Table.Deleting.Write.LeavesFailed = AfterWrite::NoRow;
}

void TSnoopingStaticGroupForm::FormCreate(TObject*) {
    Table.Attempt([this] {
        Pickers.Embed(this, PickerHost::Tabs(PageControl1), {{Design.MemberPorts, "Member Ports"}});
        DialogRequest& request = Table.CreateRequest(this, Design.Table, MVT_UMV, kIndexColumns);
        BindFields<T>(this, nullptr, request, Design.Fields);
        Table.StatusCombo = CBoxStatus;
        Pickers.Bind(request);
        Table.Read();
    });
    ResetFields();
}

void TSnoopingStaticGroupForm::ResetFields() {
    Table.Clear();
    Table.UpdateState();
}

void TSnoopingStaticGroupForm::UpdateButtons(bool rowChosen) {
    btnSet->SetEnabled(rowChosen);
    btnDelete->SetEnabled(rowChosen);
    btnAdd->SetEnabled(!rowChosen);
}

void TSnoopingStaticGroupForm::btnGetClick(TObject*) {
    Table.Refresh();
}

void TSnoopingStaticGroupForm::StaticGroupListClick(TObject*) {
    Table.SelectionChanged();
}

void TSnoopingStaticGroupForm::StaticGroupListChanging(TObject*, TListItem*, TItemChange) {
    Table.ListChanged();
}

void TSnoopingStaticGroupForm::btnSetClick(TObject*) {
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

void TSnoopingStaticGroupForm::btnAddClick(TObject*) {
    if (!Table.MayAct()) {
        return;
    }
    if (VlanIDEdit->Text().empty()) {
        RefuseInput(VlanIDEdit, DialogText::kMulticastVlanIdNeeded);
        return;
    }
    if (RepalceIPEdit->Text().empty()) {
        RefuseInput(RepalceIPEdit, Design.GroupNeeded);
        return;
    }
    // Whether the group is a multicast address is the switch's to say.
    if (!Design.CheckGroup(RepalceIPEdit)) {
        RefuseInput(RepalceIPEdit, Design.GroupNotValid);
        return;
    }
    if (Design.AddNeedsCreateAndGo && !OptionSelected(CBoxStatus, kCreateAndGo)) {
        ShowMessage(DialogText::kRowStatusMustBeCreateAndGo);
        return;
    }
    Table.Write([this] { Table.CreateRow(Fields.Carry()); },
                {.Leaves = AfterWrite::NoRow, .LeavesFailed = AfterWrite::NoRow});
}

void TSnoopingStaticGroupForm::btnDeleteClick(TObject*) {
    Table.Delete();
}

void TSnoopingStaticGroupForm::btnCloseClick(TObject*) {
    Close();
}

void TSnoopingStaticGroupForm::FormCloseQuery(TObject*, bool& canClose) {
    canClose = Table.MayClose();
}

void TSnoopingStaticGroupForm::FormClose(TObject*, TCloseAction&) {
    Table.Closing();
}
