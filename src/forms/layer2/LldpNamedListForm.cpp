#include "LldpNamedListForm.h"

#include "DialogFrame.h"

#include <vector>

namespace {

using T = TLldpNamedListForm;

constexpr ButtonSpec<T> kButtons[] = {
    {&T::GetButton, "Refresh", &T::GetButtonClick},
    {&T::CloseButton, "Close", &T::CloseButtonClick},
};

constexpr DialogFrame<T> kFrame = {.Buttons = kButtons,
                                   .Samples = "Samples",
                                   .ButtonPanel = &T::Panel1,
                                   .Count = &T::StaticText1,
                                   .SamplesLabel = &T::Label1,
                                   .List = &T::ListView1,
                                   .StatusBar = &T::StatusBar1,
                                   .OnListChange = &T::ListView1Change,
                                   .OnCreate = &T::FormCreate,
                                   .OnClose = &T::FormClose};

DialogFrame<T> FrameOf(const NamedListDesign& design) {
    DialogFrame<T> frame = kFrame;
    frame.Width = design.Width;
    frame.Height = design.Height;
    frame.Caption = design.Caption;
    return frame;
}

} // namespace

TLldpNamedListForm::TLldpNamedListForm(TComponent* owner, const NamedListDesign& design)
    : TForm(owner), Design(design), Table(DialogGuard::None()) {
    BuildFrame(this, FrameOf(Design), Table);
    Table.Refreshing = {.Leaves = RefreshLeaves::Unchanged};
}

void TLldpNamedListForm::FormCreate(TObject*) {
    Table.Attempt([this] {
        Table.CreateRequest(std::make_unique<LldpNamesRequest>(
                                this, std::vector<NamedColumn>(Design.Named.begin(), Design.Named.end())),
                            Design.Table, MVT_FMV, Design.KeyCount);
        Table.Read();
    });
}

void TLldpNamedListForm::GetButtonClick(TObject*) {
    Table.Refresh();
}

void TLldpNamedListForm::CloseButtonClick(TObject*) {
    Close();
}

void TLldpNamedListForm::ListView1Change(TObject*, TListItem*, TItemChange) {
    Table.ListChanged();
}

void TLldpNamedListForm::FormClose(TObject*, TCloseAction&) {
    Table.Closing();
}
