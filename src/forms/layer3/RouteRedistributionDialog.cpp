#include "RouteRedistributionDialog.h"

#include "CatalogueColumns.h"
#include "DialogFrame.h"
#include "FieldChecks.h"
#include "FieldTable.h"
#include "MainUnit.h"
#include "ModelTables.h"
#include "OptionItems.h"
#include "SkipFlagScope.h"
#include "TBasicFormUnit.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TGroupBox.h"
#include "TLabel.h"
#include "TRadioButton.h"
#include "UserDialogs.h"

#include <algorithm>
#include <cstdlib>

namespace {

using T = TRouteRedistributionDialog;

constexpr const char* kSameProtocols = "Source protocol can't be same with destination protocol.";
constexpr int kKeyCount = 2; // source and destination protocols
constexpr int kGroupTop = 4;

// The columns stand at the same places in both tables (the IPv6 one has no route map).
constexpr auto& kIpv4 = Columns::RouteRedistributTable;
constexpr auto& kIpv6 = Columns::IPv6RouteResTable;
constexpr int kSource = ColumnOf(kIpv4, "Source Protocol");
constexpr int kDestination = ColumnOf(kIpv4, "Destination Protocol");
constexpr int kType = ColumnOf(kIpv4, "Type");
constexpr int kMetric = ColumnOf(kIpv4, "Metric");
constexpr int kStatus = ColumnOf(kIpv4, "Row Status");
static_assert(kSource == ColumnOf(kIpv6, "Source Protocol") &&
              kDestination == ColumnOf(kIpv6, "Destination  Protocol") && kType == ColumnOf(kIpv6, "Type") &&
              kMetric == ColumnOf(kIpv6, "Metric") && kStatus == ColumnOf(kIpv6, "Row Status"));

// The line i of the protocols' group (96 DPI): the label, then the value.
constexpr FieldPlace Line(int i) {
    const int top = 18 + 28 * i;
    return {10, top + 3, 122, top, 110};
}
constexpr FieldEnabledWhen<T> kKeyOfNewRow = {.Mode = RowMode::NoRow, .How = FieldEnabling::EnabledOnly};

constexpr Field<T> kFields[] = {
    {.Column = kSource,
     .Caption = "Source Protocol",
     .Combo = &T::Src_ComboBox,
     .Group = &T::GroupBox1,
     .Place = Line(1),
     .EnabledWhen = kKeyOfNewRow},
    {.Column = kDestination,
     .Caption = "Destination Protocol",
     .Combo = &T::DST_ComboBox,
     .Group = &T::GroupBox1,
     .Place = Line(0),
     .EnabledWhen = kKeyOfNewRow},
    // Hidden: the type and the row status.
    {.Column = kType,
     .Combo = &T::ComboBox3,
     .Group = &T::GroupBox2,
     .Place = {0, 0, 8, 18, 90},
     .Flags = kFieldHidden},
    {.Column = kMetric,
     .Caption = "Metric (0-16)",
     .Constraint = "%u{n0x4294967295l10}",
     .Edit = &T::MetricEdit,
     .Label = &T::Label5,
     .Group = &T::GroupBox1,
     .Place = Line(2),
     .Omit = OmitWhen::Empty},
    {.Column = kStatus,
     .Combo = &T::StComboBox,
     .Group = &T::GroupBox1,
     .Place = Line(0),
     .Flags = kFieldHidden},
};
constexpr Field<T> kMapNameFields[] = {
    {.Column = ColumnOf(kIpv4, "Map Name"),
     .Caption = "Map Name",
     .Constraint = "%s",
     .Edit = &T::MapNameEdit,
     .Group = &T::GroupBox1,
     .Place = Line(3)},
};

constexpr ButtonSpec<T> kButtons[] = {
    {&T::RefreshBtn, "Refresh", &T::RefreshBtnClick},
    {&T::EditBtn, "Set", &T::EditBtnClick},
    {&T::AddBtn, "Add", &T::AddBtnClick},
    {&T::DeleteBtn, "Delete", &T::DeleteBtnClick},
    {&T::CloseBtn, "Close", &T::CloseBtnClick},
};

DialogFrame<T> FrameOf(const RedistributionDesign& design) {
    return {.Width = design.Width,
            .Height = design.Height,
            .Caption = design.ResourceCaption,
            .Buttons = kButtons,
            .Samples = "Samples",
            .ListHeight = design.ListHeight,
            .ClearOnNoRow = true,
            .ButtonPanel = &T::Panel1,
            .Count = &T::StaticText1,
            .ListPanel = &T::Panel2,
            .List = &T::ListView1,
            .StatusBar = &T::StatusBar1,
            .OnListChange = design.CountOnChanging ? &T::ListView1Changing : &T::ListView1Change,
            .OnCreate = &T::FormCreate,
            .OnClose = &T::FormClose,
            .State = &T::UpdateButtons};
}

TGroupBox* AddGroup(T* form, TControl* parent, int left, int width, int height, const char* caption) {
    auto* group = new TGroupBox(form);
    group->SetParent(parent);
    group->SetBounds(left, kGroupTop, width, height);
    group->SetCaption(caption);
    return group;
}

// The metric as the check reads it: an unsigned decimal number, 0 for an empty or other text.
unsigned long MetricValue(const std::string& text) {
    if (text.empty() || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return 0;
    }
    return std::strtoul(text.c_str(), nullptr, 10);
}

} // namespace

TRouteRedistributionDialog::TRouteRedistributionDialog(TComponent* owner, const RedistributionDesign& design)
    : TForm(owner), Table(DialogGuard::None(), WriteStyle::FrameworkReRead), Design(design) {
    TPanel* fields = BuildFrame(this, FrameOf(design), Table);
    GroupBox1 = AddGroup(this, fields, 8, design.TypeGroupLeft - 16, design.FieldsHeight, "");
    GroupBox2 =
        AddGroup(this, fields, design.TypeGroupLeft, design.TypeGroupWidth, design.FieldsHeight, "Type");
    Fields = BuildFields<T>(this, fields, kFields);
    if (design.MapName) {
        Fields.Append(BuildFields<T>(this, fields, kMapNameFields));
    }
    for (const RedistributionTypeButton& type : design.Types) {
        auto* button = new TRadioButton(this);
        button->SetParent(GroupBox2);
        button->SetBounds(type.Left, type.Top, 96, 17);
        button->SetCaption(type.Caption);
        button->OnClick = Bind(this, &T::RadioButton1Click);
        RadioButtons[type.Number - 1] = button;
    }
    // "other" (the first button of a design that has it) is never chosen by the user.
    if (TRadioButton* other = TypeButton("other")) {
        other->SetVisible(false);
    }
    Src_ComboBox->OnChange = Bind(this, &T::Src_ComboBoxChange);
    DST_ComboBox->OnChange = Bind(this, &T::Src_ComboBoxChange);
    Table.AfterClear = [this] { ClearTypes(); };
    Table.Refreshing = {.Leaves = RefreshLeaves::NoRow};
    // Cancel or OK: no pair chosen and the fields cleared; then Refresh.
    Table.Deleting = {.Style = DeleteStyle::Confirmed,
                      .Write = {.Leaves = AfterWrite::NoRow, .LeavesFailed = AfterWrite::NoRow}};
    UpdateButtons(false);
}

TRadioButton* TRouteRedistributionDialog::TypeButton(const std::string& option) const {
    for (const RedistributionTypeButton& type : Design.Types) {
        if (option == type.Option) {
            return RadioButtons[type.Number - 1];
        }
    }
    return nullptr;
}

void TRouteRedistributionDialog::FormCreate(TObject*) {
    // The sysObjectID as the switch reports it now: the window's own request, run again.
    std::string sysObjectId;
    if (MainForm && MainForm->ModuleOidRequest) {
        Table.Report([&] {
            MainForm->ModuleOidRequest->Get();
            sysObjectId = MainForm->ST_ModuleOID->Caption();
        });
    }
    SetCaption(Design.Caption);
    Table.Attempt([this, &sysObjectId] {
        const MibTableRow* table = ModelTable(Design.Table, sysObjectId, SysObjectIdMatch::Exact);
        if (!table) {
            Table.MarkUnsupported({EditBtn, AddBtn, DeleteBtn});
            return;
        }
        DialogRequest& request = Table.CreateRequest(this, table, MVT_UMV, kKeyCount);
        BindFields<T>(this, nullptr, request, kFields);
        if (Design.MapName) {
            BindFields<T>(this, nullptr, request, kMapNameFields);
        }
        Table.StatusColumn = kStatus;
        Table.StatusCombo = StComboBox;
        Table.Read();
    });
    UpdateButtons(false);
}

void TRouteRedistributionDialog::UpdateButtons(bool rowChosen) {
    EditBtn->SetEnabled(Table.Supported && rowChosen);
    DeleteBtn->SetEnabled(Table.Supported && rowChosen);
    AddBtn->SetEnabled(Table.Supported && !rowChosen);
    if (rowChosen && Table.Request) {
        // The chosen pair's type (as listed) checks its button, which chooses it in the combo box.
        const std::string type = Table.Request->CellText(ListView1->Selected(), kType);
        if (TRadioButton* button = TypeButton(type)) {
            button->SetChecked(true);
        }
        ApplyProtocols(false);
    }
}

void TRouteRedistributionDialog::ListView1Changing(TObject*, TListItem*, TItemChange) {
    Table.ListChanged();
}

void TRouteRedistributionDialog::ListView1Change(TObject*, TListItem*, TItemChange) {
    Table.ListChanged();
}

bool TRouteRedistributionDialog::ApplyProtocols(bool warn) {
    const std::string source = Src_ComboBox->Text();
    const std::string destination = DST_ComboBox->Text();
    if (source == destination) {
        if (warn) {
            ShowMessage(kSameProtocols);
        }
        return false;
    }
    for (const RedistributionRule& rule : Design.Rules) {
        if (destination != rule.Destination || (rule.Source && source != rule.Source)) {
            continue;
        }
        Label5->SetCaption(rule.MetricLabel);
        for (const RedistributionTypeButton& type : Design.Types) {
            const bool enabled = std::any_of(rule.Types.begin(), rule.Types.end(), [&](const char* option) {
                return type.Option == std::string(option);
            });
            SetFieldEnabled(RadioButtons[type.Number - 1], enabled, FieldEnabling::EnabledOnly);
        }
        return true;
    }
    return true; // no destination chosen yet: the labels and buttons stay
}

void TRouteRedistributionDialog::Src_ComboBoxChange(TObject*) {
    ApplyProtocols(true);
}

void TRouteRedistributionDialog::RadioButton1Click(TObject* sender) {
    for (const RedistributionTypeButton& type : Design.Types) {
        TRadioButton* button = RadioButtons[type.Number - 1];
        if (button == sender && button->Checked()) {
            SelectOption(ComboBox3, type.Option);
        }
    }
}

void TRouteRedistributionDialog::ClearTypes() {
    for (const RedistributionTypeButton& type : Design.Types) {
        SetFieldEnabled(RadioButtons[type.Number - 1], true, FieldEnabling::EnabledOnly);
        RadioButtons[type.Number - 1]->SetChecked(false);
    }
}

void TRouteRedistributionDialog::CheckMetric() {
    const unsigned long metric = MetricValue(MetricEdit->Text());
    for (const RedistributionRule& rule : Design.Rules) {
        if (DST_ComboBox->Text() == rule.Destination) {
            if (metric > rule.MetricBound) {
                RefuseInput(MetricEdit, rule.MetricWarning);
            }
            return;
        }
    }
}

void TRouteRedistributionDialog::RefreshBtnClick(TObject*) {
    Table.Refresh();
}

void TRouteRedistributionDialog::EditBtnClick(TObject*) {
    if (!Table.RowChosen()) {
        return;
    }
    CheckMetric(); // warns only
    // The row's type (a read-only one is not written), the metric unless empty, the row's own
    // status and the route map, empty or not.
    Table.Write([this] { Table.Send(Fields.Carry()); },
                {.Leaves = AfterWrite::NoRow, .LeavesFailed = AfterWrite::NoRow});
}

void TRouteRedistributionDialog::AddBtnClick(TObject*) {
    if (!Table.MayAct()) {
        return;
    }
    CheckMetric(); // warns only
    WriteCarry carry = Fields.Carry();
    if (Design.MapName && MapNameEdit->Text().empty()) {
        carry.Without(kMapNameFields[0].Column);
    }
    const bool typed = std::any_of(std::begin(RadioButtons), std::end(RadioButtons),
                                   [](const TRadioButton* button) { return button && button->Checked(); });
    if (!typed) {
        carry.Without(kType);
    }
    Table.Write(
        [&] {
            // A read-only type is written by the creating SET alone: its access comes back with the
            // scope, so no later Set carries it.
            SkipFlagScope grant(Table.Request->Request);
            if (typed && Design.TypeReadOnly) {
                grant.GrantWrite(kType);
            }
            Table.CreateRow(carry);
        },
        {.Leaves = AfterWrite::StateOfNoRow, .LeavesFailed = AfterWrite::StateOfNoRow});
}

void TRouteRedistributionDialog::DeleteBtnClick(TObject*) {
    Table.Delete();
    Table.Refresh();
}

void TRouteRedistributionDialog::CloseBtnClick(TObject*) {
    Close();
}

void TRouteRedistributionDialog::FormClose(TObject*, TCloseAction&) {
    Table.Closing();
}
