#include "TCPWEBFormUnit.h"

#include "CatalogueColumns.h"
#include "DeviceFacts.h"
#include "DialogFrame.h"
#include "FieldTable.h"
#include "ModelTables.h"
#include "Oid_model.h"
#include "OptionItems.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"

TTCPWEBForm* TCPWEBForm = nullptr;

namespace {

using T = TTCPWEBForm;

constexpr auto& kTable = Columns::TCPWEBSettings;

// Line i (96 DPI): the check box, the label (or the box's caption), then the value.
constexpr FieldPlace Line(int i) {
    const int top = 16 + 30 * i;
    return {24, top + 3, 120, top, 150};
}

constexpr Field<T> kFields[] = {
    {.Column = ColumnByArc(kTable, "14.1"),
     .Caption = "Telnet State",
     .Control = &T::TCPcbx,
     .Check = &T::CheckBox1,
     .Label = &T::Label1,
     .Place = Line(0)},
    {.Column = ColumnByArc(kTable, "14.2"),
     .Caption = "Telnet Port",
     .Constraint = "%i",
     .Control = &T::TCPPortEdit,
     .Check = &T::CheckBox2,
     .Label = &T::Label2,
     .Place = Line(1)},
    {.Column = ColumnByArc(kTable, "17.1"),
     .CheckCaption = "Web State",
     .Control = &T::WEBcbx,
     .Check = &T::CheckBox3,
     .Place = Line(2)},
    {.Column = ColumnByArc(kTable, "17.2"),
     .CheckCaption = "Web Port",
     .Constraint = "%i",
     .Control = &T::WebPortEdit,
     .Check = &T::CheckBox4,
     .Place = Line(3)},
};

constexpr ButtonSpec<T> kButtons[] = {
    {&T::GetButton, "Refresh", &T::GetButtonClick},
    {&T::SetButton, "Set Checked", &T::SetButtonClick},
    {&T::ClearButton, "Clear Checked", &T::ClearButtonClick},
    {&T::CloseButton, "Close", &T::CloseButtonClick},
};

constexpr DialogFrame<T> kFrame = {.Width = 418,
                                   .Height = 198,
                                   .Caption = "TCP/WEB Port Table",
                                   .Buttons = kButtons,
                                   .ListHeight = DialogFrame<T>::kNoList,
                                   .ButtonPanel = &T::Panel1,
                                   .StatusBar = &T::StatusBar1,
                                   .OnCreate = &T::FormCreate,
                                   .OnCloseQuery = &T::FormCloseQuery};

// A server's state chosen by the user: "disabled" empties and locks its port and the port's box,
// "enabled" frees them.
void FollowState(TComboBox* state, TEdit* port, TCheckBox* box) {
    if (OptionSelected(state, "disabled")) {
        SetFieldsEnabled({port, box}, false, FieldEnabling::WithState);
    } else if (OptionSelected(state, "enabled")) {
        SetFieldsEnabled({port, box}, true, FieldEnabling::WithState);
    }
}

} // namespace

TTCPWEBForm::TTCPWEBForm(TComponent* owner)
    : TBasicForm(owner, kFrame.Width, kFrame.Height), Table(DialogGuard::Busy(nullptr)) {
    TPanel* fields = BuildFrame(this, kFrame, Table);
    Fields = BuildFields<T>(this, fields, kFields, kTable);
    Table.Refreshing = {.Leaves = RefreshLeaves::Unchanged};
    // Before the binding, which calls them after its own hook.
    TCPcbx->OnChange = Bind(this, &T::TCPcbxChange);
    WEBcbx->OnChange = Bind(this, &T::WEBcbxChange);
}

void TTCPWEBForm::FormCreate(TObject*) {
    Table.Attempt([this] {
        const MibTableRow* table =
            ModelTable(TCPWEBSettings, Facts().SysObjectId, SysObjectIdMatch::IgnoreCase);
        if (!table) {
            Table.MarkUnsupported({SetButton});
            return;
        }
        DialogRequest& request = Table.CreateRequest(this, table, SVT_SV, 0, {.Blocking = true});
        RowCount = request.Request.VarList.GetCount();
        BindFields<T>(this, this, request, kFields);
        Table.Read();
    });
}

void TTCPWEBForm::GetButtonClick(TObject*) {
    Table.Refresh();
}

void TTCPWEBForm::SetButtonClick(TObject*) {
    if (!Table.MayAct()) {
        return;
    }
    // The ticked values alone (none ticked: nothing goes out); then all four read again.
    Table.Write(WriteCarry::RowWithout(UncheckedRows(Table.Request.get())));
}

void TTCPWEBForm::ClearButtonClick(TObject*) {
    UncheckAll(RowCheckBoxes);
}

void TTCPWEBForm::CloseButtonClick(TObject*) {
    Close();
}

void TTCPWEBForm::TCPcbxChange(TObject*) {
    FollowState(TCPcbx, TCPPortEdit, CheckBox2);
}

void TTCPWEBForm::WEBcbxChange(TObject*) {
    FollowState(WEBcbx, WebPortEdit, CheckBox4);
}

void TTCPWEBForm::FormCloseQuery(TObject*, bool& canClose) {
    Table.Closing();
    canClose = true;
}
