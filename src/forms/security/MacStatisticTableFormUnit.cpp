#include "MacStatisticTableFormUnit.h"

#include "DialogFrame.h"
#include "Oid_mba.h"
#include "TButton.h"

TMacStatisticTableForm* MacStatisticTableForm = nullptr;

namespace {

using T = TMacStatisticTableForm;

constexpr int kIndexColumns = 2; // the MAC address and the port

constexpr ButtonSpec<T> kButtons[] = {
    {&T::Button1, "Refresh", &T::Button1Click},
    {&T::btnClose, "Close", &T::btnCloseClick},
};

constexpr DialogFrame<T> kFrame = {.Width = 670,
                                   .Height = 432,
                                   .Caption = "MacStatisticTableForm",
                                   .Buttons = kButtons,
                                   .Samples = "Sample",
                                   .ButtonPanel = &T::Panel1,
                                   .Count = &T::txtCount,
                                   .SamplesLabel = &T::lblSample,
                                   .List = &T::ListView1,
                                   .StatusBar = &T::statBar,
                                   .OnCreate = &T::FormCreate,
                                   .OnClose = &T::FormClose};

} // namespace

TMacStatisticTableForm::TMacStatisticTableForm(TComponent* owner) : TForm(owner), Table(DialogGuard::None()) {
    BuildFrame(this, kFrame, Table);
    ListView1->OnChanging = Bind(this, &T::ListView1Changing);
    // A failed Refresh is shown inside the Get template, as the request's own reports are.
    Table.Failures = FailureReport::Template;
    Table.Refreshing = {.Leaves = RefreshLeaves::Unchanged};
}

void TMacStatisticTableForm::FormCreate(TObject*) {
    // A first read that fails is reported in status panel 0 as any read's failure, and the dialog
    // opens with the rows read so far.
    Table.Attempt([this] {
        Table.CreateRequest(this, MacStatisticTable, MVT_FMV, kIndexColumns, {.Blocking = true});
        Table.Read();
    });
}

void TMacStatisticTableForm::Button1Click(TObject*) {
    Table.Refresh();
}

void TMacStatisticTableForm::ListView1Changing(TObject*, TListItem*, TItemChange, bool&) {
    Table.ListChanged();
}

void TMacStatisticTableForm::btnCloseClick(TObject*) {
    Close();
}

void TMacStatisticTableForm::FormClose(TObject*, TCloseAction&) {
    Table.Closing();
}
