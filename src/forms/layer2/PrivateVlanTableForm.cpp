#include "PrivateVlanTableForm.h"

#include "DialogFrame.h"
#include "TButton.h"

namespace {

using T = TPrivateVlanTableForm;

// Every write leaves no row chosen and the fields cleared, and reports in the status templates.
constexpr WritePlan kWrite = {
    .Report = FailureReport::Template, .Leaves = AfterWrite::NoRow, .LeavesFailed = AfterWrite::NoRow};

constexpr ButtonSpec<T> kButtons[] = {
    {&T::btnRefresh, "Refresh", &T::btnRefreshClick}, {&T::btnSet, "Add", &T::btnSetClick},
    {&T::btnClose, "Close", &T::btnCloseClick},       {&T::btnDel, "Delete", &T::btnDelClick},
    {&T::btnEdit, "Edit", &T::btnEditClick},
};

// Size, caption and the field lines' height are each dialog's.
constexpr DialogFrame<T> kFrame = {.Position = poDefault,
                                   .Buttons = kButtons,
                                   .Samples = "Sample",
                                   .ListHeight = 150,
                                   .ClearOnNoRow = true,
                                   .ButtonPanel = &T::pnlCtl,
                                   .Count = &T::txtCount,
                                   .SamplesLabel = &T::lblSample,
                                   .List = &T::lvData,
                                   .Splitter = &T::Splitter1,
                                   .FieldPanel = &T::pnlEdit,
                                   .Tabs = &T::pgcData,
                                   .StatusBar = &T::statBar,
                                   .OnCreate = &T::FormCreate,
                                   .OnClose = &T::FormClose,
                                   .State = &T::UpdateButtons};

DialogFrame<T> FrameOf(const PrivateVlanTable& table) {
    DialogFrame<T> frame = kFrame;
    frame.Width = table.Width;
    frame.Height = table.Height;
    frame.Caption = table.FormCaption;
    frame.RowsHeight = table.RowsHeight;
    return frame;
}

} // namespace

TPrivateVlanTableForm::TPrivateVlanTableForm(TComponent* owner, const PrivateVlanTable& table)
    : TForm(owner), Table(DialogGuard::None(), WriteStyle::FrameworkReRead), Kind(table) {
    Rows = BuildFrame(this, FrameOf(table), Table);
    Table.Failures = FailureReport::Template;
    Table.StatusColumn = table.Status;
    // No guard: a read under way is superseded by the new one.
    Table.Refreshing = {.Leaves = RefreshLeaves::NoRow};
    // The destroy alone, read again at once besides the framework's re-read.
    Table.Deleting = {.Write = {.After = ReRead::Always,
                                .Report = FailureReport::Template,
                                .Leaves = AfterWrite::NoRow,
                                .LeavesFailed = AfterWrite::NoRow}};
}

void TPrivateVlanTableForm::FormCreate(TObject*) {
    Table.Attempt([this] {
        Pickers.Embed(this, PickerHost::Tabs(pgcData), Kind.Ports);
        DialogRequest& request = Table.CreateRequest(this, Kind.Table, MVT_UMV, Kind.KeyCount);
        BindRowFields(request);
        Pickers.Bind(request);
        Pickers.GuardSelection(Table);
        Table.Read();
    });
    Table.UpdateState();
}

void TPrivateVlanTableForm::UpdateButtons(bool rowChosen) {
    btnEdit->SetEnabled(rowChosen);
    btnDel->SetEnabled(rowChosen);
    btnSet->SetEnabled(!rowChosen);
    if (Kind.PickersFollowRow) {
        rowChosen ? Pickers.EnableAll() : Pickers.DisableAll();
    }
}

void TPrivateVlanTableForm::btnRefreshClick(TObject*) {
    Table.Refresh();
}

void TPrivateVlanTableForm::btnSetClick(TObject*) {
    if (!Table.MayAct() || !CheckAddInput()) {
        return;
    }
    Table.Write([this] { Table.CreateRow(AddCarry()); }, kWrite);
}

void TPrivateVlanTableForm::btnEditClick(TObject*) {
    if (!Table.MayAct() || !Table.RowChosen()) {
        return;
    }
    Table.Write([this] { Table.ChangeRow(Fields.Carry()); }, kWrite);
}

void TPrivateVlanTableForm::btnDelClick(TObject*) {
    Table.Delete();
}

void TPrivateVlanTableForm::btnCloseClick(TObject*) {
    Table.Close(); // the request ends first, its replies waited for
    Close();
}

void TPrivateVlanTableForm::FormClose(TObject*, TCloseAction&) {
    Table.Closing();
}
