#include "SnoopingViewFormUnit.h"

#include "DialogFrame.h"
#include "TButton.h"

namespace {

using T = TSnoopingViewForm;

constexpr ButtonSpec<T> kButtons[] = {
    {&T::btnGet, "Refresh", &T::btnGetClick},
    {&T::btnClose, "Close", &T::btnCloseClick},
};

// The views' common frame; each gives its size, list and field heights.
constexpr DialogFrame<T> kFrame = {.Buttons = kButtons,
                                   .Samples = "Samples",
                                   .ClearOnNoRow = true,
                                   .ButtonPanel = &T::Panel1,
                                   .Count = &T::StaticText1,
                                   .SamplesLabel = &T::Samples,
                                   .List = &T::ListView1,
                                   .Splitter = &T::Splitter1,
                                   .FieldPanel = &T::Panel2,
                                   .Tabs = &T::PageControl1,
                                   .StatusBar = &T::StatusBar1,
                                   .OnListClick = &T::ListView1Click,
                                   .OnListChange = &T::ListView1Changing,
                                   .OnCreate = &T::FormCreate,
                                   .OnClose = &T::FormClose,
                                   .State = &T::UpdateButtons};

} // namespace

TSnoopingViewForm::TSnoopingViewForm(TComponent* owner, const SnoopingViewDesign& design)
    : TForm(owner), Table(design.Guard), Design(design) {
    DialogFrame<T> frame = kFrame;
    frame.Width = design.Width;
    frame.Height = design.Height;
    frame.ListHeight = design.ListHeight;
    frame.RowsHeight = design.RowsHeight;
    TPanel* rows = BuildFrame(this, frame, Table);
    Fields = BuildFields<T>(this, rows, design.Fields, design.Columns);
}

void TSnoopingViewForm::FormCreate(TObject*) {
    Table.Attempt([this] {
        Pickers.Embed(this, PickerHost::Tabs(PageControl1), Design.PortColumns);
        DialogRequest& request = Table.CreateRequest(this, Design.Table, Design.Kind, Design.IndexColumns);
        BindFields<T>(this, nullptr, request, Design.Fields);
        Pickers.Bind(request);
        Table.Read();
    });
    UpdateButtons(false);
}

void TSnoopingViewForm::ResetFields() {
    Table.Clear();
    Table.UpdateState();
}

void TSnoopingViewForm::UpdateButtons(bool) {
    Pickers.DisableAll();
}

void TSnoopingViewForm::btnGetClick(TObject*) {
    Table.Refresh();
}

void TSnoopingViewForm::ListView1Click(TObject*) {
    Table.SelectionChanged();
}

void TSnoopingViewForm::ListView1Changing(TObject*, TListItem*, TItemChange) {
    Table.ListChanged();
}

void TSnoopingViewForm::btnCloseClick(TObject*) {
    Close();
}

void TSnoopingViewForm::FormClose(TObject*, TCloseAction&) {
    Table.Closing();
}
