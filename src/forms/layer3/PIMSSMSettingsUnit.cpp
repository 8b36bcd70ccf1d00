#include "PIMSSMSettingsUnit.h"

#include "CatalogueColumns.h"
#include "DialogFrame.h"
#include "FieldTable.h"
#include "InputValidators.h"
#include "Oid_pim.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"

TPIMSSMSettingsForm* PIMSSMSettingsForm = nullptr;

namespace {

using T = TPIMSSMSettingsForm;

constexpr auto& kTable = Columns::PIMSSMSettings;
constexpr int kState = ColumnOf(kTable, "Global State");
constexpr int kAddress = ColumnOf(kTable, "Group Address");
constexpr int kMask = ColumnOf(kTable, "Group Mask");
constexpr const char* kMaskConstraint = "%s{Z}";

constexpr FieldPlace Line(int i) {
    const int top = 16 + 30 * i;
    return {16, top + 3, 120, top, 140};
}

constexpr Field<T> kFields[] = {
    {.Column = kState,
     .Caption = "Global State",
     .Control = &T::ComboBoxState,
     .Label = &T::Label1,
     .Place = Line(0)},
    {.Column = kAddress,
     .Caption = "Group Address",
     .Constraint = "%s{I}",
     .Control = &T::GroupAddressEdit,
     .Label = &T::Label2,
     .Place = Line(1)},
};
// Bound with its exit check by the dialog.
constexpr Field<T> kMaskFields[] = {
    {.Column = kMask,
     .Caption = "Group Mask",
     .Constraint = kMaskConstraint,
     .Control = &T::MaskEdit,
     .Label = &T::Label3,
     .Place = Line(2)},
};

constexpr ButtonSpec<T> kButtons[] = {
    {&T::btnRefresh, "Refresh", &T::btnRefreshClick},
    {&T::btnSet, "Set", &T::btnSetClick},
    {&T::CloseBtn, "Close", &T::CloseBtnClick},
};

constexpr DialogFrame<T> kFrame = {.Width = 396,
                                   .Height = 176,
                                   .Scale = DesignScale::None,
                                   .Caption = "PIMSSMSettingsForm",
                                   .Buttons = kButtons,
                                   .ListHeight = DialogFrame<T>::kNoList,
                                   .ButtonPanel = &T::Panel1,
                                   .StatusBar = &T::StatusBar1,
                                   .OnCreate = &T::FormCreate,
                                   .OnCloseQuery = &T::FormCloseQuery};

} // namespace

TPIMSSMSettingsForm::TPIMSSMSettingsForm(TComponent* owner)
    : TForm(owner), Table(DialogGuard::Busy(nullptr)) {
    TPanel* fields = BuildFrame(this, kFrame, Table);
    Fields = BuildFields<T>(this, fields, kFields, kTable);
    Fields.Append(BuildFields<T>(this, fields, kMaskFields, kTable));
    Table.Refreshing = {.Leaves = RefreshLeaves::Unchanged};
}

void TPIMSSMSettingsForm::FormCreate(TObject*) {
    Table.Attempt([this] {
        DialogRequest& request = Table.CreateRequest(this, PIMSSMSettings, SVT_SV, 0, {.Blocking = true});
        BindFields<T>(this, nullptr, request, kFields);
        // A mask that is no contiguous, non-zero netmask is refused when the field is left.
        request.BindCheckedEdit(kMask, kMaskConstraint, MaskEdit, IsNonZeroNetmaskText);
        Table.Read();
    });
}

void TPIMSSMSettingsForm::btnRefreshClick(TObject*) {
    Table.Refresh();
}

void TPIMSSMSettingsForm::btnSetClick(TObject*) {
    if (!Table.MayAct()) {
        return;
    }
    // The state with the mask, then the address alone; each SET reports its own result. All three
    // read again, also after a failure.
    Table.Write(
        [this] {
            Table.Send(WriteCarry::RowWithout({kAddress}));
            Table.Send(WriteCarry::RowWithout({kState, kMask}));
        },
        {.After = ReRead::Always});
}

void TPIMSSMSettingsForm::CloseBtnClick(TObject*) {
    Close();
}

void TPIMSSMSettingsForm::FormCloseQuery(TObject*, bool& canClose) {
    Table.Closing();
    canClose = true;
}
