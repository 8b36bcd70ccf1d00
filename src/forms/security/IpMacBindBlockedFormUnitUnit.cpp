#include "IpMacBindBlockedFormUnitUnit.h"

#include "CatalogueColumns.h"
#include "DialogFrame.h"
#include "FieldTable.h"
#include "Oid_ipmacbind.h"
#include "TButton.h"
#include "TComboBox.h"

TIpMacBindBlockedForm* IpMacBindBlockedForm = nullptr;

namespace {

using T = TIpMacBindBlockedForm;

constexpr auto& kTable = Columns::IpMacBindBlockedTable;
constexpr int kRowStatus = ColumnOf(kTable, " Row Status"); // the table's caption has a leading blank
constexpr int kKeyCount = 2;                                // the VLAN ID and the MAC address

// The one bound control: the row status, hidden in the button column.
constexpr Field<T> kFields[] = {
    {.Column = kRowStatus, .Control = &T::ComboType, .Place = {11, 200, 11, 200, 75}, .Flags = kFieldHidden},
};

constexpr ButtonSpec<T> kButtons[] = {
    {&T::btnGet, "Refresh", &T::btnGetClick},
    {&T::btnDelete, "Delete", &T::btnDeleteClick},
    {&T::btnClose, "Close", &T::btnCloseClick},
};

constexpr DialogFrame<T> kFrame = {.Width = 537,
                                   .Height = 264,
                                   .Caption = "IP-MAC Binding Blocked Table",
                                   .Buttons = kButtons,
                                   .Samples = "Samples",
                                   .ButtonPanel = &T::Panel1,
                                   .Count = &T::txt1,
                                   .SamplesLabel = &T::lbl1,
                                   .List = &T::lv1,
                                   .StatusBar = &T::StatusBar1,
                                   .OnListClick = &T::lv1Click,
                                   .OnListChange = &T::lv1Change,
                                   .OnCreate = &T::FormCreate,
                                   .OnClose = &T::FormClose,
                                   .State = &T::UpdateButtons};

} // namespace

TIpMacBindBlockedForm::TIpMacBindBlockedForm(TComponent* owner)
    : TForm(owner), Table(DialogGuard::Busy(nullptr), WriteStyle::FrameworkReRead) {
    BuildFrame(this, kFrame, Table);
    Fields = BuildFields<T>(this, Panel1, kFields, kTable);
    Table.StatusColumn = kRowStatus;
    Table.StatusCombo = ComboType;
    Table.Refreshing = {.Leaves = RefreshLeaves::Unchanged};
    Table.Deleting = {
        .Write = {.Leaves = AfterWrite::StateOfNoRow, .LeavesFailed = AfterWrite::StateOfNoRow}};
}

void TIpMacBindBlockedForm::FormCreate(TObject*) {
    Table.Attempt([this] {
        DialogRequest& request =
            Table.CreateRequest(this, IpMacBindBlockedTable, MVT_UMV, kKeyCount, {.Blocking = true});
        BindFields<T>(this, nullptr, request, kFields);
        Table.Read();
    });
    Table.UpdateState();
}

void TIpMacBindBlockedForm::UpdateButtons(bool rowChosen) {
    btnDelete->SetEnabled(rowChosen);
}

void TIpMacBindBlockedForm::lv1Click(TObject*) {
    Table.SelectionChanged();
}

void TIpMacBindBlockedForm::lv1Change(TObject*, TListItem*, TItemChange) {
    Table.ListChanged();
}

void TIpMacBindBlockedForm::btnGetClick(TObject*) {
    Table.Refresh();
}

void TIpMacBindBlockedForm::btnDeleteClick(TObject*) {
    Table.Delete();
}

void TIpMacBindBlockedForm::btnCloseClick(TObject*) {
    Close();
}

void TIpMacBindBlockedForm::FormClose(TObject*, TCloseAction&) {
    Table.Closing();
}
