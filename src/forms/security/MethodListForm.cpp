#include "MethodListForm.h"

#include "CatalogueColumns.h"
#include "DialogLayout.h"
#include "FieldChecks.h"
#include "FieldTable.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TLabel.h"
#include "TPanel.h"
#include "TStaticText.h"
#include "TStatusBar.h"
#include "TableRowHelpers.h"
#include "UserDialogs.h"

#include <cstring>
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
     .Place = {8, 11, 140, 8, 120}},
    {.Column = kType[0],
     .Caption = "Method 1 Type",
     .Control = &T::ComboBoxType1,
     .Label = &T::Label2,
     .Place = MethodPlace(0, false)},
    {.Column = kServer[0],
     .Caption = "Method 1 Server Group",
     .Constraint = "%s{l15}",
     .Control = &T::Server1Edit,
     .Label = &T::Label6,
     .Place = MethodPlace(0, true)},
    {.Column = kType[1],
     .Caption = "Method 2 Type",
     .Control = &T::ComboBoxType2,
     .Label = &T::Label3,
     .Place = MethodPlace(1, false)},
    {.Column = kServer[1],
     .Caption = "Method 2 Server Group",
     .Constraint = "%s{l15}",
     .Control = &T::Server2Edit,
     .Label = &T::Label7,
     .Place = MethodPlace(1, true)},
    {.Column = kType[2],
     .Caption = "Method 3 Type",
     .Control = &T::ComboBoxType3,
     .Label = &T::Label4,
     .Place = MethodPlace(2, false)},
    {.Column = kServer[2],
     .Caption = "Method 3 Server Group",
     .Constraint = "%s{l15}",
     .Control = &T::Server3Edit,
     .Label = &T::Label8,
     .Place = MethodPlace(2, true)},
    {.Column = kType[3],
     .Caption = "Method 4 Type",
     .Control = &T::ComboBoxType4,
     .Label = &T::Label5,
     .Place = MethodPlace(3, false)},
    {.Column = kServer[3],
     .Caption = "Method 4 Server Group",
     .Constraint = "%s{l15}",
     .Control = &T::Server4Edit,
     .Label = &T::Label9,
     .Place = MethodPlace(3, true)},
    {.Column = kRowStatus,
     .Caption = "Row Status",
     .Control = &T::RowComboBox,
     .Label = &T::Label10,
     .Place = {268, 11, 408, 8, 110},
     .Flags = kFieldHidden},
};

constexpr const char* kNameMustBeSet = "Name must be set.";
constexpr const char* kIneffectiveMethods =
    "Method(s) after method local and none is(are) ineffective. Do you want to change your configurations?";
constexpr const char* kServerGroup = "server-group";
constexpr const char* kDefaultList = "default"; // the switch's own list: never deleted

constexpr ButtonSpec<T> kButtons[] = {
    {&T::GetButton, "Refresh", &T::GetButtonClick}, {&T::AddButton, "Add", &T::AddButtonClick},
    {&T::EditButton, "Edit", &T::EditButtonClick},  {&T::DeleteButton, "Delete", &T::DeleteButtonClick},
    {&T::btnClose, "Close", &T::btnCloseClick},
};

constexpr int kDesignWidth = 634;
constexpr int kDesignHeight = 327;
constexpr int kListHeight = 100; // leaves the method lines the rest
constexpr int kCreateAndGoItem = 3;

} // namespace

TMethodListForm::TMethodListForm(TComponent* owner, const MethodListKind& kind)
    : TForm(owner), Table(DialogGuard::None()), Kind(kind) {
    DesignDialog(this, kDesignWidth, kDesignHeight);
    SetPosition(kind.Position);
    SetCaption(kind.FormCaption);

    ButtonColumn buttons(this, "Samples");
    Panel1 = buttons.Panel;
    StaticText1 = buttons.Count;
    lbl1 = buttons.Samples;
    AddButtons(buttons, this, kButtons);
    StatusBar1 = AddStatusBar(this);

    const ListArea area = AddListArea(this, kListHeight);
    ListView1 = area.List;
    Splitter1 = area.Splitter;
    Panel2 = area.Fields;
    ListView1->OnClick = Bind(this, &T::ListView1Click);
    ListView1->OnSelectItem = Bind(this, &T::ListView1SelectItem);
    ListView1->OnChange = Bind(this, &T::ListView1Change);
    BuildFields<T>(this, Panel2, kFields, kTable);
    ComboBoxType1->OnChange = Bind(this, &T::ComboBoxType1Change);
    ComboBoxType2->OnChange = Bind(this, &T::ComboBoxType2Change);
    ComboBoxType3->OnChange = Bind(this, &T::ComboBoxType3Change);
    ComboBoxType4->OnChange = Bind(this, &T::ComboBoxType4Change);

    Table.List = ListView1;
    Table.CountLabel = StaticText1;
    Table.StatusPanel = StatusPanelOf(StatusBar1);
    Table.StatusColumn = kRowStatus;
    Table.StatusCombo = RowComboBox;
    Table.AfterRead = [this] { UpdateButtons(ListView1->Selected() != nullptr); };

    OnCreate = Bind(this, &T::FormCreate);
    OnClose = Bind(this, &T::FormClose);
}

std::array<TComboBox*, 4> TMethodListForm::Types() const {
    return {ComboBoxType1, ComboBoxType2, ComboBoxType3, ComboBoxType4};
}

std::array<TEdit*, 4> TMethodListForm::Servers() const {
    return {Server1Edit, Server2Edit, Server3Edit, Server4Edit};
}

void TMethodListForm::FormCreate(TObject*) {
    Table.Attempt([this] {
        DialogRequest& request = Table.CreateRequest(this, Kind.Table, MVT_UMV, 1);
        BindFields<T>(this, nullptr, request, kFields);
        request.Mode = 0; // synchronous
        ClearChildControls(this, true, true, true);
        RowComboBox->SetItemIndex(kCreateAndGoItem);
        UpdateButtons(false);
        Table.Read();
    });
    Table.UpdateCount();
}

void TMethodListForm::ClearEditControls() {
    ClearChildControls(this, true, true, true);
    Table.UpdateCount();
}

void TMethodListForm::UpdateButtons(bool rowChosen) {
    const TListItem* row = ListView1->Selected();
    EditButton->SetEnabled(rowChosen);
    DeleteButton->SetEnabled(rowChosen && row && row->Caption() != kDefaultList);
    ListnameEdit->SetEnabled(!rowChosen);
    AddButton->SetEnabled(!rowChosen);
}

void TMethodListForm::ListView1SelectItem(TObject*, TListItem*, bool) {
    UpdateButtons(ListView1->Selected() != nullptr);
}

void TMethodListForm::ListView1Click(TObject* sender) {
    ListView1SelectItem(sender, nullptr, false);
}

void TMethodListForm::ListView1Change(TObject*, TListItem*, TItemChange) {
    Table.UpdateCount();
}

void TMethodListForm::TypeChanged(int method) {
    TEdit* server = Servers()[method];
    server->SetEnabled(Types()[method]->Text() == kServerGroup);
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
    const std::string type = Types()[method]->Text();
    for (const char* terminal : Kind.Terminal) {
        if (terminal && type == terminal) {
            return true;
        }
    }
    return false;
}

bool TMethodListForm::CheckMethodOrder() {
    bool afterTerminal = false;
    bool ordered = true;
    for (int method = 0; method < 4; ++method) {
        const bool present = Present(method);
        MethodSlots[method] = present ? Types()[method]->ItemIndex() : -1;
        if (!present) {
            continue;
        }
        // In accounting lists another "none" after a terminal one changes nothing.
        if (afterTerminal && !(Kind.Accounting && Types()[method]->Text() == "none")) {
            ordered = false;
        }
        afterTerminal = afterTerminal || Terminal(method);
    }
    return ordered;
}

void TMethodListForm::DropIneffectiveMethods(std::vector<int>& skipped) {
    bool afterTerminal = false;
    for (int method = 0; method < 4; ++method) {
        if (afterTerminal) {
            MethodSlots[method] = -1;
        } else if (MethodSlots[method] >= 0 && Terminal(method)) {
            afterTerminal = true;
        }
    }
    for (int method = 0; method < 4; ++method) {
        if (MethodSlots[method] < 0) {
            skipped.push_back(kType[method]);
            skipped.push_back(kServer[method]);
        }
    }
}

bool TMethodListForm::AskIneffective() {
    return MessageDlg(kIneffectiveMethods, mtConfirmation, mbYes | mbNo) == mrYes;
}

std::vector<int> TMethodListForm::EmptyServerColumns() const {
    std::vector<int> skipped;
    for (int method = 0; method < 4; ++method) {
        if (Servers()[method]->Text().empty()) {
            skipped.push_back(kServer[method]);
        }
    }
    return skipped;
}

void TMethodListForm::EndWrite() {
    if (ListView1->Selected()) {
        ListView1->SetSelected(nullptr);
    }
    UpdateButtons(false);
    ClearEditControls();
}

void TMethodListForm::GetButtonClick(TObject*) {
    if (!Table.MayRefresh()) {
        return;
    }
    Table.Read();
    EndWrite();
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
    for (int i = 0; i < ListView1->Items().Count(); ++i) {
        if (ListView1->Items()[i]->Caption() == name) {
            RefuseInput(ListnameEdit, Kind.SameName);
            return;
        }
    }
    // Adding asks Yes to drop the ineffective methods; accounting lists are added as typed.
    bool drop = false;
    if (!Kind.Accounting && !CheckMethodOrder()) {
        if (!AskIneffective()) {
            return;
        }
        drop = true;
    }
    std::vector<int> skipped = EmptyServerColumns();
    if (drop) {
        DropIneffectiveMethods(skipped);
    }
    const WriteCarry row = WriteCarry::RowWithout(std::move(skipped));
    Table.Write([&] { Table.CreateRow(row); });
    EndWrite();
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
    std::vector<int> skipped;
    for (int method = 0; method < 4; ++method) {
        const bool noServer = Servers()[method]->Text().empty();
        if (noServer) {
            skipped.push_back(kServer[method]);
        } else if (Kind.Accounting && Types()[method]->Text() != kServerGroup) {
            // A server group left over from another type: the method is not written at all.
            skipped.push_back(kType[method]);
            skipped.push_back(kServer[method]);
        }
    }
    skipped.push_back(kRowStatus);
    if (drop) {
        DropIneffectiveMethods(skipped);
    }
    Table.Write(WriteCarry::RowWithout(std::move(skipped)));
    EndWrite();
}

void TMethodListForm::DeleteButtonClick(TObject*) {
    if (!Table.MayAct()) {
        return;
    }
    Table.ConfirmDeleteSelectedRow();
    EndWrite();
}

void TMethodListForm::btnCloseClick(TObject*) {
    Close();
}

void TMethodListForm::FormClose(TObject*, TCloseAction&) {
    Table.Close();
}
