#include "EgressACLPortGroupFormUnit.h"

#include "CatalogueColumns.h"
#include "DialogFrame.h"
#include "DialogTexts.h"
#include "FieldTable.h"
#include "Oid_egressacl.h"
#include "StackingPortUitFormUnit.h"
#include "TButton.h"
#include "TEdit.h"
#include "UserDialogs.h"

TEgressACLPortGroupForm* EgressACLPortGroupForm = nullptr;

namespace {

using T = TEgressACLPortGroupForm;

constexpr auto& kTable = Columns::EgressACLPortGroup;
constexpr int kGroupId = ColumnOf(kTable, "Port Group ID");
constexpr int kRowStatus = ColumnOf(kTable, "Row Status");
constexpr int kName = ColumnOf(kTable, "Name");
constexpr int kPort = ColumnOf(kTable, "Port");

constexpr const char* kInputIdAndName = "Please input Port Group ID and Group Name.";
constexpr const char* kSelectPorts = "Please select ports.";

// A chosen group keeps its ID and name (shown, disabled in clMenu); its ports can change.
constexpr FieldEnabledWhen<T> kFixedOnRow = {.Mode = RowMode::NoRow, .How = FieldEnabling::KeepText};

constexpr Field<T> kFields[] = {
    {.Column = kGroupId,
     .Caption = "Prot Group ID",
     .Constraint = "%i{n1x64l2}",
     .Control = &T::ED_PortGroupID,
     .Label = &T::Label1,
     .Place = {8, 11, 88, 8, 60},
     .EnabledWhen = kFixedOnRow},
    {.Column = kRowStatus,
     .Caption = "Status",
     .Control = &T::CBoxStatus,
     .Label = &T::Label4,
     .Place = {400, 11, 440, 8, 100},
     .Flags = kFieldHidden,
     .Default = FieldDefault::Option("createAndGo")},
    {.Column = kName,
     .Caption = "Name",
     .Constraint = "%s{l16}",
     .Control = &T::NameEdit,
     .Label = &T::Label2,
     .Place = {168, 11, 204, 8, 150},
     .EnabledWhen = kFixedOnRow},
};

// Refresh and Delete do nothing while the request is busy; Add and Set do not look; the dialog
// cannot close while a read runs ("Get data not complete").
constexpr DialogGuard kGuard = {.Text = DialogText::kGetDataNotComplete,
                                .Act = RefuseWhen::Never,
                                .Refresh = RefuseWhen::Busy,
                                .RefreshText = nullptr,
                                .Close = RefuseWhen::Incomplete,
                                .StopCompletes = false};

constexpr ButtonSpec<T> kButtons[] = {
    {&T::RefreshBtn, "Refresh", &T::RefreshBtnClick},
    {&T::btnSet, "Set", &T::btnSetClick},
    {&T::btnAdd, "Add", &T::btnAddClick},
    {&T::btnDelete, "Delete", &T::btnDeleteClick},
    {&T::btnClose, "Close", &T::btnCloseClick},
};

constexpr DialogFrame<T> kFrame = {.Width = 641,
                                   .Height = 485,
                                   .Caption = "Egress ACL Port Group",
                                   .Buttons = kButtons,
                                   .Samples = "Samples",
                                   .ListHeight = 150,
                                   .RowsHeight = 36,
                                   .ClearOnNoRow = true,
                                   .ButtonPanel = &T::Panel1,
                                   .Count = &T::StaticText1,
                                   .SamplesLabel = &T::Label3,
                                   .List = &T::ListView1,
                                   .Splitter = &T::Splitter1,
                                   .FieldPanel = &T::Panel2,
                                   .Tabs = &T::pgc1,
                                   .StatusBar = &T::StatusBar1,
                                   .OnListClick = &T::ListView1Click,
                                   .OnListChange = &T::ListView1Change,
                                   .OnCreate = &T::FormCreate,
                                   .OnCloseQuery = &T::FormCloseQuery,
                                   .OnClose = &T::FormClose,
                                   .State = &T::UpdateButtons};

// What a write leaves, sent or not: list mode, the input emptied.
constexpr WritePlan kWrite = {.Leaves = AfterWrite::NoRow, .LeavesFailed = AfterWrite::NoRow};

} // namespace

TEgressACLPortGroupForm::TEgressACLPortGroupForm(TComponent* owner) : TForm(owner), Table(kGuard) {
    TPanel* rows = BuildFrame(this, kFrame, Table);
    Fields = BuildFields<T>(this, rows, kFields, kTable);
    Table.StatusColumn = kRowStatus;
    Table.Refreshing = {.Leaves = RefreshLeaves::NoRow};
    Table.Deleting = {.Write = kWrite};
}

void TEgressACLPortGroupForm::FormCreate(TObject*) {
    Table.Attempt([this] {
        Pickers.Embed(this, PickerHost::Tabs(pgc1), {{kPort, "Ports"}});
        DialogRequest& request = Table.CreateRequest(this, EgressACLPortGroup, MVT_UMV, 1);
        BindFields<T>(this, nullptr, request, kFields);
        Table.StatusCombo = CBoxStatus;
        Pickers.Bind(request);
        Table.Read();
    });
    Table.Clear();
    Table.StateOfNoRow();
}

void TEgressACLPortGroupForm::UpdateButtons(bool rowChosen) {
    btnSet->SetEnabled(rowChosen);
    btnDelete->SetEnabled(rowChosen);
    btnAdd->SetEnabled(!rowChosen);
}

void TEgressACLPortGroupForm::RefreshBtnClick(TObject*) {
    Table.Refresh();
}

bool TEgressACLPortGroupForm::AnyPortChosen() const {
    return !Pickers.Pickers.empty() &&
           AnyPresentPortChecked(Pickers.Pickers.front(), CurrentStackUnits(), UnitPresence::ByExistState);
}

void TEgressACLPortGroupForm::btnAddClick(TObject*) {
    if (!Table.MayAct()) {
        return;
    }
    if (ED_PortGroupID->Text().empty() || NameEdit->Text().empty()) {
        ShowMessage(kInputIdAndName);
        return;
    }
    if (!AnyPortChosen()) {
        ShowMessage(kSelectPorts);
        return;
    }
    // The agent decides whether the ID is taken.
    Table.Write([this] { Table.CreateRow(Fields.Carry()); }, kWrite);
}

void TEgressACLPortGroupForm::btnSetClick(TObject*) {
    if (!ListView1->Selected() || !Table.MayAct()) {
        return;
    }
    // The group's status and name as read, and its ports from the boxes.
    Table.Write(Fields.Carry(), kWrite);
}

void TEgressACLPortGroupForm::btnDeleteClick(TObject*) {
    if (Table.Request && Table.Request->Busy) {
        return;
    }
    Table.Delete();
}

void TEgressACLPortGroupForm::btnCloseClick(TObject*) {
    Close();
}

void TEgressACLPortGroupForm::ListView1Click(TObject*) {
    Table.SelectionChanged();
}

void TEgressACLPortGroupForm::ListView1Change(TObject*, TListItem*, TItemChange) {
    Table.ListChanged();
}

void TEgressACLPortGroupForm::FormCloseQuery(TObject*, bool& canClose) {
    canClose = Table.MayClose();
}

void TEgressACLPortGroupForm::FormClose(TObject*, TCloseAction&) {
    Table.Closing();
}
