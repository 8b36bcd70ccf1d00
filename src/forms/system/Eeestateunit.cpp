#include "Eeestateunit.h"

#include "CatalogueColumns.h"
#include "DialogFrame.h"
#include "Oid_system.h"
#include "TButton.h"

TEEEStateFormUnit* EEEStateFormUnit = nullptr;

namespace {

using T = TEEEStateFormUnit;

constexpr int kEeeState = ColumnOf(Columns::EEEStateFormSettings, "EEE State");

constexpr ButtonSpec<T> kButtons[] = {
    {&T::BT_Get, "Refresh", &T::BT_GetClick},
    {&T::SetBtn, "Set", &T::SetBtnClick},
    {&T::BT_Close, "Close", &T::BT_CloseClick},
};

constexpr DialogFrame<T> kFrame = {.Width = 665,
                                   .Height = 260,
                                   .Caption = "EEE State Form",
                                   .Buttons = kButtons,
                                   .ListHeight = DialogFrame<T>::kNoList,
                                   .RowsHeight = 0,
                                   .ButtonPanel = &T::Panel1,
                                   .Tabs = &T::pgc1,
                                   .StatusBar = &T::StatusBar1,
                                   .OnCreate = &T::FormCreate,
                                   .OnClose = &T::FormClose};

} // namespace

TEEEStateFormUnit::TEEEStateFormUnit(TComponent* owner) : TForm(owner), Table(DialogGuard::Busy(nullptr)) {
    BuildFrame(this, kFrame, Table);
    Table.Refreshing = {.Leaves = RefreshLeaves::Unchanged};
}

void TEEEStateFormUnit::FormCreate(TObject*) {
    Table.Attempt([this] {
        Pickers.Embed(this, PickerHost::Tabs(pgc1), {{kEeeState, "EEE State"}});
        DialogRequest& request =
            Table.CreateRequest(this, EEEStateFormSettings, SVT_SV, 0, {.Blocking = true});
        Pickers.Bind(request);
        Table.Read();
    });
}

void TEEEStateFormUnit::BT_GetClick(TObject*) {
    Table.Refresh();
}

void TEEEStateFormUnit::SetBtnClick(TObject*) {
    if (!Table.MayAct()) {
        return;
    }
    // The whole bitmap from the boxes; then the switch's value is read back, also after a refusal.
    Table.Write(WriteCarry::Only({kEeeState}), {.After = ReRead::Always});
}

void TEEEStateFormUnit::BT_CloseClick(TObject*) {
    Close();
}

void TEEEStateFormUnit::FormClose(TObject*, TCloseAction&) {
    Table.Closing();
}
