#include "MethodListForm.h"

#include "CatalogueColumns.h"
#include "DialogFrame.h"
#include "FieldChecks.h"
#include "FieldTable.h"
#include "OptionItems.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "UserDialogs.h"

#include <string>

namespace {

using T = TMethodListForm;

// The three method-list tables share their layout; the columns are named after the login table's.
constexpr auto& kTable = Columns::LoginMethodListMethod1Type;
constexpr int kName = ColumnOf(kTable, "Login Method List Name");
constexpr int kType[] = {ColumnOf(kTable, "Method 1 Type"), ColumnOf(kTable, "Method 2 Type"),
                         ColumnOf(kTable, "Method 3 Type"), ColumnOf(kTable, "Method 4 Type")};
constexpr int kServer[] = {
    ColumnOf(kTable, "Method 1 Server Group"), ColumnOf(kTable, "Method 2 Server Group"),
    ColumnOf(kTable, "Method 3 Server Group"), ColumnOf(kTable, "Method 4 Server Group")};
constexpr int kRowStatus = ColumnOf(kTable, "Row Status");
static_assert(ColumnOf(Columns::LoginMethodListMethod1Type2, "Enable Method List Name") == kName &&
              ColumnOf(Columns::ACCTMethodList, "Accounting Method List Name") == kName &&
              ColumnOf(Columns::ACCTMethodList, "Method 4 ServerGroup") == kServer[3] &&
              ColumnOf(Columns::LoginMethodListMethod1Type2, "Row Status") == kRowStatus &&
              ColumnOf(Columns::ACCTMethodList, "Row Status") == kRowStatus);

// Each method's line: its Type combo box on the left, its Server Group edit on the right (96 DPI).
constexpr FieldPlace MethodPlace(int method, bool server) {
    const int top = 36 + 27 * method;
    return server ? FieldPlace{268, top + 3, 408, top, 110} : FieldPlace{8, top + 3, 140, top, 120};
}

constexpr Field<T> kFields[] = {
    {.Column = kName,
     .Caption = "Name",
     .Constraint = "%s{l15}",
     .Control = &T::ListnameEdit,
     .Label = &T::Label1,
     .Place = {8, 11, 140, 8, 120},
     .EnabledWhen = {.Mode = RowMode::NoRow, .How = FieldEnabling::EnabledOnly}}, // the row's instance
    {.Column = kType[0],
     .Caption = "Method 1 Type",
     .Control = &T::ComboBoxType1,
     .Label = &T::Label2,
     .Place = MethodPlace(0, false),
     .Default = FieldDefault::FirstItem()},
    {.Column = kServer[0],
     .Caption = "Method 1 Server Group",
     .Constraint = "%s{l15}",
     .Control = &T::Server1Edit,
     .Label = &T::Label6,
     .Place = MethodPlace(0, true),
     .Omit = OmitWhen::Empty},
    {.Column = kType[1],
     .Caption = "Method 2 Type",
     .Control = &T::ComboBoxType2,
     .Label = &T::Label3,
     .Place = MethodPlace(1, false),
     .Default = FieldDefault::FirstItem()},
    {.Column = kServer[1],
     .Caption = "Method 2 Server Group",
     .Constraint = "%s{l15}",
     .Control = &T::Server2Edit,
     .Label = &T::Label7,
     .Place = MethodPlace(1, true),
     .Omit = OmitWhen::Empty},
    {.Column = kType[2],
     .Caption = "Method 3 Type",
     .Control = &T::ComboBoxType3,
     .Label = &T::Label4,
     .Place = MethodPlace(2, false),
     .Default = FieldDefault::FirstItem()},
    {.Column = kServer[2],
     .Caption = "Method 3 Server Group",
     .Constraint = "%s{l15}",
     .Control = &T::Server3Edit,
     .Label = &T::Label8,
     .Place = MethodPlace(2, true),
     .Omit = OmitWhen::Empty},
    {.Column = kType[3],
     .Caption = "Method 4 Type",
     .Control = &T::ComboBoxType4,
     .Label = &T::Label5,
     .Place = MethodPlace(3, false),
     .Default = FieldDefault::FirstItem()},
    {.Column = kServer[3],
     .Caption = "Method 4 Server Group",
     .Constraint = "%s{l15}",
     .Control = &T::Server4Edit,
     .Label = &T::Label9,
     .Place = MethodPlace(3, true),
     .Omit = OmitWhen::Empty},
    {.Column = kRowStatus,
     .Caption = "Row Status",
     .Control = &T::RowComboBox,
     .Label = &T::Label10,
     .Place = {268, 11, 408, 8, 110},
     .Flags = kFieldHidden,
     .Default = FieldDefault::Option("createAndGo")},
};

constexpr const char* kNameMustBeSet = "Name must be set.";
constexpr const char* kIneffectiveMethods =
    "Method(s) after method local and none is(are) ineffective. Do you want to change your configurations?";
constexpr const char* kServerGroup = "server-group";
constexpr const char* kDefaultList = "default"; // the switch's own list: never deleted
constexpr int kKeyCount = 1;                    // the name

// Add, Edit and Delete leave none chosen and the fields cleared, whether the write went through or not.
constexpr WritePlan kWrite = {.Leaves = AfterWrite::NoRow, .LeavesFailed = AfterWrite::NoRow};

// A method's two columns left out of a write.
void LeaveOutMethod(WriteCarry& carry, int method) {
    carry.Without(kType[method]).Without(kServer[method]);
}

constexpr ButtonSpec<T> kButtons[] = {
    {&T::GetButton, "Refresh", &T::GetButtonClick}, {&T::AddButton, "Add", &T::AddButtonClick},
    {&T::EditButton, "Edit", &T::EditButtonClick},  {&T::DeleteButton, "Delete", &T::DeleteButtonClick},
    {&T::btnClose, "Close", &T::btnCloseClick},
};

// The frame of every kind; the kind gives the position and the caption.
constexpr DialogFrame<T> kFrame = {.Width = 634,
                                   .Height = 327,
                                   .Buttons = kButtons,
                                   .Samples = "Samples",
                                   .ListHeight = 100, // leaves the method lines the rest
                                   .ButtonPanel = &T::Panel1,
                                   .Count = &T::StaticText1,
                                   .SamplesLabel = &T::lbl1,
                                   .List = &T::ListView1,
                                   .Splitter = &T::Splitter1,
                                   .FieldPanel = &T::Panel2,
                                   .StatusBar = &T::StatusBar1,
                                   .OnListClick = &T::ListView1Click,
                                   .OnListSelectItem = &T::ListView1SelectItem,
                                   .OnListChange = &T::ListView1Change,
                                   .OnCreate = &T::FormCreate,
                                   .OnClose = &T::FormClose,
                                   .State = &T::UpdateButtons};

DialogFrame<T> FrameOf(const MethodListKind& kind) {
    DialogFrame<T> frame = kFrame;
    frame.Position = kind.Position;
    frame.Caption = kind.FormCaption;
    return frame;
}

} // namespace

TMethodListForm::TMethodListForm(TComponent* owner, const MethodListKind& kind)
    : TForm(owner), Table(DialogGuard::None()), Kind(kind) {
    TPanel* fields = BuildFrame(this, FrameOf(kind), Table);
    Fields = BuildFields<T>(this, fields, kFields, kTable);
    ComboBoxType1->OnChange = Bind(this, &T::ComboBoxType1Change);
    ComboBoxType2->OnChange = Bind(this, &T::ComboBoxType2Change);
    ComboBoxType3->OnChange = Bind(this, &T::ComboBoxType3Change);
    ComboBoxType4->OnChange = Bind(this, &T::ComboBoxType4Change);
    Table.StatusColumn = kRowStatus;
    Table.StatusCombo = RowComboBox;
    Table.Deleting = {.Style = DeleteStyle::Confirmed, .Write = kWrite};
}

std::array<TComboBox*, 4> TMethodListForm::Types() const {
    return {ComboBoxType1, ComboBoxType2, ComboBoxType3, ComboBoxType4};
}

std::array<TEdit*, 4> TMethodListForm::Servers() const {
    return {Server1Edit, Server2Edit, Server3Edit, Server4Edit};
}

void TMethodListForm::FormCreate(TObject*) {
    Table.Attempt([this] {
        DialogRequest& request =
            Table.CreateRequest(this, Kind.Table, MVT_UMV, kKeyCount, {.Blocking = true});
        BindFields<T>(this, nullptr, request, kFields);
        Table.Clear();
        Table.UpdateState();
        Table.Read();
    });
}

bool TMethodListForm::DeletableChosen() const {
    const TListItem* row = ListView1->Selected();
    return row && Table.Request && Table.Request->CellText(row, kName) != kDefaultList;
}

void TMethodListForm::UpdateButtons(bool rowChosen) {
    EditButton->SetEnabled(rowChosen);
    DeleteButton->SetEnabled(rowChosen && DeletableChosen());
    AddButton->SetEnabled(!rowChosen);
}

void TMethodListForm::ListView1SelectItem(TObject*, TListItem*, bool) {
    Table.SelectionChanged();
}

void TMethodListForm::ListView1Click(TObject*) {
    Table.SelectionChanged();
}

void TMethodListForm::ListView1Change(TObject*, TListItem*, TItemChange) {
    Table.ListChanged();
}

// Only the user's choice of a type switches its server edit: a chosen row leaves every edit open.
void TMethodListForm::TypeChanged(int method) {
    TEdit* server = Servers()[method];
    SetFieldEnabled(server, OptionSelected(Types()[method], kServerGroup), FieldEnabling::EnabledOnly);
    server->SetText("");
}

void TMethodListForm::ComboBoxType1Change(TObject*) {
    TypeChanged(0);
}
void TMethodListForm::ComboBoxType2Change(TObject*) {
    TypeChanged(1);
}
void TMethodListForm::ComboBoxType3Change(TObject*) {
    TypeChanged(2);
}
void TMethodListForm::ComboBoxType4Change(TObject*) {
    TypeChanged(3);
}

bool TMethodListForm::Present(int method) const {
    const std::string type = Types()[method]->Text();
    return !type.empty() && (Kind.Accounting || type != "other");
}

bool TMethodListForm::Terminal(int method) const {
    for (const char* terminal : Kind.Terminal) {
        if (terminal && OptionSelected(Types()[method], terminal)) {
            return true;
        }
    }
    return false;
}

bool TMethodListForm::CheckMethodOrder() {
    bool afterTerminal = false;
    bool ordered = true;
    for (int method = 0; method < 4; ++method) {
        Kept[method] = Present(method);
        if (!Kept[method]) {
            continue;
        }
        // In accounting lists another "none" after a terminal one changes nothing.
        if (afterTerminal && !(Kind.Accounting && OptionSelected(Types()[method], "none"))) {
            ordered = false;
        }
        afterTerminal = afterTerminal || Terminal(method);
    }
    return ordered;
}

void TMethodListForm::DropIneffectiveMethods(WriteCarry& carry) {
    bool afterTerminal = false;
    for (int method = 0; method < 4; ++method) {
        if (afterTerminal) {
            Kept[method] = false;
        } else if (Kept[method] && Terminal(method)) {
            afterTerminal = true;
        }
    }
    for (int method = 0; method < 4; ++method) {
        if (!Kept[method]) {
            LeaveOutMethod(carry, method);
        }
    }
}

bool TMethodListForm::AskIneffective() {
    return MessageDlg(kIneffectiveMethods, mtConfirmation, mbYes | mbNo) == mrYes;
}

void TMethodListForm::GetButtonClick(TObject*) {
    Table.Refresh();
}

void TMethodListForm::AddButtonClick(TObject*) {
    if (!Table.MayAct()) {
        return;
    }
    const std::string name = ListnameEdit->Text();
    if (name.empty()) {
        RefuseInput(ListnameEdit, kNameMustBeSet);
        return;
    }
    if (Table.FindRow({{kName, name}})) {
        RefuseInput(ListnameEdit, Kind.SameName);
        return;
    }
    // Adding asks Yes to drop the ineffective methods; accounting lists are added as typed.
    bool drop = false;
    if (!Kind.Accounting && !CheckMethodOrder()) {
        if (!AskIneffective()) {
            return;
        }
        drop = true;
    }
    WriteCarry row = Fields.Carry();
    if (drop) {
        DropIneffectiveMethods(row);
    }
    Table.Write([&] { Table.CreateRow(row); }, kWrite);
}

void TMethodListForm::EditButtonClick(TObject*) {
    if (!Table.MayAct()) {
        return;
    }
    if (ListnameEdit->Text().empty()) {
        ShowMessage(kNameMustBeSet);
        return;
    }
    // Editing asks the other way round: No drops the ineffective methods and writes, Yes sends nothing.
    bool drop = false;
    if (!CheckMethodOrder()) {
        if (AskIneffective()) {
            return;
        }
        drop = true;
    }
    WriteCarry row = Fields.Carry();
    row.Without(kRowStatus);
    for (int method = 0; Kind.Accounting && method < 4; ++method) {
        // A server group left over from another type: the method is not written at all.
        if (!Servers()[method]->Text().empty() && !OptionSelected(Types()[method], kServerGroup)) {
            LeaveOutMethod(row, method);
        }
    }
    if (drop) {
        DropIneffectiveMethods(row);
    }
    Table.Write(row, kWrite);
}

void TMethodListForm::DeleteButtonClick(TObject*) {
    Table.Delete();
}

void TMethodListForm::btnCloseClick(TObject*) {
    Close();
}

void TMethodListForm::FormClose(TObject*, TCloseAction&) {
    Table.Closing();
}
