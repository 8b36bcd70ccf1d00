#include "ProtocolVLANGroupFormUnit.h"

#include "CatalogueColumns.h"
#include "DialogFrame.h"
#include "FieldChecks.h"
#include "FieldTable.h"
#include "Oid_protocolvlan.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TextValidators.h"

TProtocolVLANGroupForm* ProtocolVLANGroupForm = nullptr;

namespace {

using T = TProtocolVLANGroupForm;

// Keyed by the frame type and the protocol value (a length-prefixed octet string).
constexpr auto& kTable = Columns::ProtocolVLANGroup;
constexpr int kFrameType = ColumnOf(kTable, "Template Frame Type");
constexpr int kProtocolValue = ColumnOf(kTable, "Template Protocol Value");
constexpr int kGroupId = ColumnOf(kTable, "Group ID");
constexpr int kRowStatus = ColumnOf(kTable, "Row Status");
constexpr int kKeyCount = 2;

// The key and the group ID are fixed, showing the row's, while a row is chosen.
constexpr FieldEnabledWhen<T> kOnNoRow = {.Mode = RowMode::NoRow, .How = FieldEnabling::KeepText};

constexpr Field<T> kFields[] = {
    {.Column = kFrameType,
     .Caption = "Template Frame Type",
     .Control = &T::TypeComboBox,
     .Label = &T::Label1,
     .Place = {8, 11, 150, 8, 120},
     .EnabledWhen = kOnNoRow},
    {.Column = kProtocolValue,
     .Caption = "Template Protocol Value",
     .Constraint = "%s{l4}",
     .Control = &T::ValueEdit,
     .Label = &T::Label2,
     .Place = {8, 39, 150, 36, 120},
     .EnabledWhen = kOnNoRow},
    {.Column = kGroupId,
     .Caption = "Group ID",
     .Constraint = "%i{n1x16l2}",
     .Control = &T::IDEdit,
     .Label = &T::Label3,
     .Place = {300, 11, 360, 8, 60},
     .EnabledWhen = kOnNoRow},
    {.Column = kRowStatus,
     .Caption = "Group Row Status",
     .Control = &T::RowComboBox,
     .Label = &T::Label4,
     .Place = {300, 39, 400, 36, 100},
     .Flags = kFieldHidden,
     .Default = FieldDefault::Option("createAndGo")},
};

constexpr const char* kFrameTypeMustBeSet = "Template Frame Type must be set.";
constexpr const char* kProtocolValueMustBeSet = "Template Protocol Value must be set.";
constexpr const char* kProtocolValueDigits = "Template Protocol Value must be 4 hexadecimal digits.";
constexpr const char* kGroupIdMustBeSet = "Group ID must be set.";

// Every write leaves no row chosen and the fields cleared, whatever became of it.
constexpr WritePlan kLeavesNoRow = {.Leaves = AfterWrite::NoRow, .LeavesFailed = AfterWrite::NoRow};

constexpr ButtonSpec<T> kButtons[] = {
    {&T::GetButton, "Refresh", &T::GetButtonClick},
    {&T::AddButton, "Add", &T::AddButtonClick},
    {&T::DeleteButton, "Delete", &T::DeleteButtonClick},
    {&T::btn1, "Close", &T::btn1Click},
};

constexpr DialogFrame<T> kFrame = {.Width = 635,
                                   .Height = 345,
                                   .Position = poDefault,
                                   .Caption = "Protocol VLAN Group",
                                   .Buttons = kButtons,
                                   .Samples = "Samples",
                                   .ListHeight = 190,
                                   .ClearOnNoRow = true,
                                   .ButtonPanel = &T::Panel1,
                                   .Count = &T::Static,
                                   .SamplesLabel = &T::lbl1,
                                   .List = &T::ListView1,
                                   .Splitter = &T::Splitter1,
                                   .FieldPanel = &T::Panel2,
                                   .StatusBar = &T::StatusBar1,
                                   .OnListClick = &T::ListView1Click,
                                   .OnListChange = &T::ListView1Change,
                                   .OnCreate = &T::FormCreate,
                                   .OnClose = &T::FormClose,
                                   .State = &T::UpdateButtons};

} // namespace

TProtocolVLANGroupForm::TProtocolVLANGroupForm(TComponent* owner) : TForm(owner), Table(DialogGuard::None()) {
    Fields = BuildFields<T>(this, BuildFrame(this, kFrame, Table), kFields, kTable);
    Table.StatusColumn = kRowStatus;
    Table.Deleting = {.Write = kLeavesNoRow};
}

void TProtocolVLANGroupForm::FormCreate(TObject*) {
    Table.Attempt([this] {
        DialogRequest& request =
            Table.CreateRequest(this, ProtocolVLANGroup, MVT_UMV, kKeyCount, {.Blocking = true});
        BindFields<T>(this, nullptr, request, kFields);
        Table.StatusCombo = RowComboBox;
        Table.Clear();
        Table.Read();
    });
    Table.UpdateState();
}

void TProtocolVLANGroupForm::UpdateButtons(bool rowChosen) {
    DeleteButton->SetEnabled(rowChosen);
    AddButton->SetEnabled(!rowChosen);
}

void TProtocolVLANGroupForm::GetButtonClick(TObject*) {
    Table.Refresh();
}

bool TProtocolVLANGroupForm::CheckAddInput() {
    if (TypeComboBox->Text().empty()) {
        return RefuseInput(TypeComboBox, kFrameTypeMustBeSet);
    }
    if (ValueEdit->Text().empty()) {
        return RefuseInput(ValueEdit, kProtocolValueMustBeSet);
    }
    // Two octets: any other text would be sent as an instance of another length.
    const std::optional<std::string> word = HexWordString(ValueEdit->Text());
    if (ValueEdit->Text().size() != 4 || !word) {
        return RefuseInput(ValueEdit, kProtocolValueDigits);
    }
    if (IDEdit->Text().empty()) {
        return RefuseInput(IDEdit, kGroupIdMustBeSet);
    }
    ValueEdit->SetText(*word);
    return true;
}

void TProtocolVLANGroupForm::AddButtonClick(TObject*) {
    if (!CheckAddInput()) {
        return;
    }
    // The group ID and createAndGo; the table is read again whatever became of the SET.
    Table.Write([this] { Table.CreateRow(Fields.Carry()); },
                {.After = ReRead::Always, .Leaves = AfterWrite::NoRow, .LeavesFailed = AfterWrite::NoRow});
}

void TProtocolVLANGroupForm::DeleteButtonClick(TObject*) {
    Table.Delete();
}

void TProtocolVLANGroupForm::btn1Click(TObject*) {
    Close();
}

void TProtocolVLANGroupForm::ListView1Change(TObject*, TListItem*, TItemChange) {
    Table.ListChanged();
}

void TProtocolVLANGroupForm::ListView1Click(TObject*) {
    Table.SelectionChanged();
}

void TProtocolVLANGroupForm::FormClose(TObject*, TCloseAction&) {
    Table.Closing();
}
