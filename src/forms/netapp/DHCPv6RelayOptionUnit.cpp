#include "DHCPv6RelayOptionUnit.h"

#include "CatalogueColumns.h"
#include "DialogFrame.h"
#include "FieldTable.h"
#include "Oid_l3.h"
#include "OptionItems.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"

TDHCPv6RelayOptionForm* DHCPv6RelayOptionForm = nullptr;

namespace {

using T = TDHCPv6RelayOptionForm;

constexpr auto& kTable = Columns::DHCPv6RelayOptionSettings;
// The remote-ID type whose remote ID takes no user-defined text.
constexpr const char* kDefaultType = "default";

// One line per value (96 DPI): its tick box captioned, then its control.
constexpr FieldPlace Line(int i) {
    const int top = 14 + 30 * i;
    return {0, 0, 140, top, 190};
}

constexpr Field<T> kFields[] = {
    {.Column = ColumnOf(kTable, "State"),
     .CheckCaption = "State",
     .Control = &T::ComboBoxState,
     .Check = &T::CheckBox1,
     .Place = Line(0)},
    {.Column = ColumnOf(kTable, "Check State"),
     .CheckCaption = "Check State",
     .Control = &T::ComboBoxCheckState,
     .Check = &T::CheckBox2,
     .Place = Line(1)},
    {.Column = ColumnOf(kTable, "Remote ID Type"),
     .CheckCaption = "Remote ID Type",
     .Control = &T::ComboBoxRemoteID,
     .Check = &T::CheckBox3,
     .Place = Line(2)},
    {.Column = ColumnOf(kTable, "User Defined"),
     .CheckCaption = "Remote ID Content",
     .Constraint = "%s{l128}",
     .Control = &T::EditContent,
     .Check = &T::CheckBox4,
     .Place = Line(3),
     .EnabledWhen = {.Combo = &T::ComboBoxRemoteID,
                     .Option = kDefaultType,
                     .Not = true,
                     .How = FieldEnabling::KeepValue}},
};

constexpr ButtonSpec<T> kButtons[] = {
    {&T::btnRefresh, "Refresh", &T::btnRefreshClick},
    {&T::btnSet, "Set", &T::btnSetClick},
    {&T::StopBtn, "Close", &T::StopBtnClick},
};

constexpr DialogFrame<T> kFrame = {.Width = 460,
                                   .Height = 212,
                                   .Scale = DesignScale::None,
                                   .Position = poScreenCenter,
                                   .Caption = "DHCPv6 Relay Option Settings",
                                   .Buttons = kButtons,
                                   .ListHeight = DialogFrame<T>::kNoList,
                                   .ButtonPanel = &T::Panel1,
                                   .StatusBar = &T::StatusBar1,
                                   .OnCreate = &T::FormCreate,
                                   .OnCloseQuery = &T::FormCloseQuery,
                                   .State = &T::UpdateButtons};

} // namespace

TDHCPv6RelayOptionForm::TDHCPv6RelayOptionForm(TComponent* owner)
    : TBasicForm(owner, kFrame.Width, kFrame.Height, DesignScale::None), Table(DialogGuard::Busy(nullptr)) {
    TPanel* fields = BuildFrame(this, kFrame, Table);
    Fields = BuildFields<T>(this, fields, kFields, kTable);
    Table.Refreshing = {.Leaves = RefreshLeaves::Unchanged}; // the values as read, the boxes as ticked
    // Before the binding, which calls them after its own hook.
    for (TCheckBox* box : {CheckBox1, CheckBox2, CheckBox3, CheckBox4}) {
        box->OnClick = Bind(this, &T::ChangeSetState);
    }
    ComboBoxRemoteID->OnChange = Bind(this, &T::ComboBoxRemoteIDChange);
    UpdateButtons(false);
}

void TDHCPv6RelayOptionForm::FormCreate(TObject*) {
    Table.Attempt([this] {
        DialogRequest& request =
            Table.CreateRequest(this, DHCPv6RelayOptionSettings, SVT_SV, 0, {.Blocking = true});
        RowCount = request.Request.VarList.GetCount();
        BindFields<T>(this, this, request, kFields);
        Table.Read();
    });
    Table.UpdateState();
}

void TDHCPv6RelayOptionForm::UpdateButtons(bool) {
    SetFieldEnabled(CheckBox4, !OptionSelected(ComboBoxRemoteID, kDefaultType), FieldEnabling::WithState);
    bool ticked = false;
    for (TCheckBox* box : {CheckBox1, CheckBox2, CheckBox3, CheckBox4}) {
        ticked = ticked || box->Checked();
    }
    btnSet->SetEnabled(ticked);
}

void TDHCPv6RelayOptionForm::ComboBoxRemoteIDChange(TObject*) {
    Table.UpdateState();
}

void TDHCPv6RelayOptionForm::ChangeSetState(TObject*) {
    UpdateButtons(false);
}

void TDHCPv6RelayOptionForm::btnRefreshClick(TObject*) {
    Table.Refresh();
}

void TDHCPv6RelayOptionForm::btnSetClick(TObject*) {
    if (!Table.MayAct()) {
        return;
    }
    // The ticked values alone; all four read again, also after a refusal.
    Table.Write(WriteCarry::RowWithout(UncheckedRows(Table.Request.get())), {.After = ReRead::Always});
}

void TDHCPv6RelayOptionForm::StopBtnClick(TObject*) {
    Close();
}

void TDHCPv6RelayOptionForm::FormCloseQuery(TObject*, bool& canClose) {
    Table.Closing();
    canClose = true;
}
