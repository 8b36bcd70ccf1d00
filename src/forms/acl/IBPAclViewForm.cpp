#include "IBPAclViewForm.h"

#include "DialogFrame.h"
#include "TButton.h"

namespace {

using T = TIBPAclViewForm;

constexpr ButtonSpec<T> kButtons[] = {
    {&T::RefreshButton, "Refresh", &T::RefreshButtonClick},
    {&T::btnClose, "Close", &T::btnCloseClick},
};

// The count box alone over the buttons; the list over the value fields (and the "Ports" tab).
constexpr DialogFrame<T> kFrame = {.Position = poDesktopCenter,
                                   .Buttons = kButtons,
                                   .Samples = ButtonColumn::kCountOnly,
                                   .ClearOnNoRow = true,
                                   .ButtonPanel = &T::Panel1,
                                   .Count = &T::StaticText1,
                                   .List = &T::ListView1,
                                   .Splitter = &T::Splitter1,
                                   .FieldPanel = &T::Panel2,
                                   .Tabs = &T::PageControl1,
                                   .StatusBar = &T::StatusBar1,
                                   .OnListClick = &T::ListView1Click,
                                   .OnListChange = &T::ListView1Change,
                                   .OnCreate = &T::FormCreate,
                                   .OnClose = &T::FormClose,
                                   .State = &T::UpdateButtons};

// The value fields' strip: two rows, and in a rule view the "Ports" tab below them.
constexpr int kFieldsHeight = 64;
constexpr int kRuleListHeight = 150;

} // namespace

TIBPAclViewForm::TIBPAclViewForm(TComponent* owner) : TForm(owner), Table(DialogGuard::None()) {}

TPanel* TIBPAclViewForm::BuildViewFrame(int width, int height, const char* caption, bool ports) {
    DialogFrame<T> frame = kFrame;
    frame.Width = width;
    frame.Height = height;
    frame.Caption = caption;
    if (ports) {
        frame.ListHeight = kRuleListHeight;
        frame.RowsHeight = kFieldsHeight;
    } else {
        // The list takes what the fields leave (the client area less the status bar and the strip).
        frame.ListHeight = height - 60 - kFieldsHeight;
    }
    TPanel* rows = BuildFrame(this, frame, Table);
    Table.Refreshing = {.Leaves = RefreshLeaves::NoRow};
    return rows;
}

void TIBPAclViewForm::FormCreate(TObject*) {
    Table.Attempt([this] {
        if (View.PortColumn >= 0) {
            Pickers.Embed(this, PickerHost::Tabs(PageControl1), {{View.PortColumn, "Ports"}});
        }
        // Every read waits for its end: no handler runs while a walk is under way.
        DialogRequest& request =
            Table.CreateRequest(this, View.Table, MVT_UMV, View.Keys, {.Blocking = true});
        BindView(request);
        Pickers.Bind(request);
        Table.Read();
    });
    ClearFields();
}

void TIBPAclViewForm::ClearFields() {
    Table.Clear();
    Table.StateOfNoRow();
    Table.UpdateCount();
}

void TIBPAclViewForm::UpdateButtons(bool) {}

void TIBPAclViewForm::RefreshButtonClick(TObject*) {
    Table.Refresh();
}

void TIBPAclViewForm::btnCloseClick(TObject*) {
    Close();
}

void TIBPAclViewForm::ListView1Click(TObject*) {
    Table.SelectionChanged();
}

void TIBPAclViewForm::ListView1Change(TObject*, TListItem*, TItemChange) {
    Table.ListChanged();
}

void TIBPAclViewForm::FormClose(TObject*, TCloseAction&) {
    Table.Closing();
}
