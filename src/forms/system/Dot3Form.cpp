#include "Dot3Form.h"

#include "DialogFrame.h"
#include "DialogLayout.h"
#include "DialogTexts.h"
#include "OptionItems.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TLabel.h"
#include "TPanel.h"
#include "TTimer.h"
#include "UserDialogs.h"

#include <string_view>

namespace {

using T = TDot3Form;

// The poll intervals by their texts (0: no poll).
struct Interval {
    const char* Text;
    int Ms;
};
constexpr Interval kIntervals[] = {{"none", 0},    {"2s", 2000},   {"5s", 5000},
                                   {"10s", 10000}, {"30s", 30000}, {"1m", 60000}};
constexpr const char* kNoPoll = "none";

// The index column the chosen interface's counters are read at.
constexpr int kIndexColumn = 0;
constexpr int kIndexColumns = 1;

// Acting waits for the table's read and request; Refresh refuses silently; closing always works.
constexpr DialogGuard kGuard = {.Text = DialogText::kGetDataNotComplete,
                                .Act = RefuseWhen::IncompleteOrBusy,
                                .Refresh = RefuseWhen::IncompleteOrBusy,
                                .Close = RefuseWhen::Never};

constexpr ButtonSpec<T> kWritingButtons[] = {
    {&T::btnGet, "Refresh", &T::btnGetClick},
    {&T::btnClose, "Close", &T::btnCloseClick},
    {&T::btnSet, "Set", &T::btnSetClick},
    {&T::btnStop, "Stop", &T::btnStopClick},
};
constexpr ButtonSpec<T> kReadingButtons[] = {
    {&T::btnGet, "Refresh", &T::btnGetClick},
    {&T::btnClose, "Close", &T::btnCloseClick},
};

constexpr DialogFrame<T> FrameOf(const Dot3Design& design) {
    return {.Width = design.Width,
            .Height = design.Height,
            .Caption = design.Caption,
            .Buttons = design.Writes ? std::span<const ButtonSpec<T>>(kWritingButtons)
                                     : std::span<const ButtonSpec<T>>(kReadingButtons),
            .Samples = "Samples",
            .ListHeight = 170,
            .ButtonPanel = &T::Panel1,
            .Count = &T::StaticText1,
            .SamplesLabel = &T::Label1,
            .List = &T::ListView1,
            .Splitter = &T::Splitter1,
            .FieldPanel = &T::Panel2,
            .StatusBar = &T::StatusBar1,
            .OnListClick = &T::ListView1Click,
            .OnListChange = &T::ListView1Change,
            .OnCreate = &T::FormCreate,
            .OnClose = &T::FormClose};
}

// The interval controls below the last button (96 DPI, in the button column).
constexpr int kIntervalGap = 12;
constexpr int kIntervalLabelHeight = 16;

} // namespace

TDot3Form::TDot3Form(TComponent* owner, const Dot3Design& design)
    : TForm(owner), Table(kGuard), Counter(DialogGuard::None()), Design(design) {
    TPanel* area = BuildFrame(this, FrameOf(design), Table);
    Counter.StatusPanel = Table.StatusPanel;
    Table.Refreshing = {.Leaves = RefreshLeaves::Unchanged}; // Refresh runs the reset routine first

    const TButton* last = design.Writes ? btnStop : btnClose;
    const int labelTop = last->Top() + ButtonColumn::kButtonHeight + kIntervalGap;
    Label2 = AddLabel(this, Panel1, ButtonColumn::kMargin, labelTop, "Interval Time");
    cbxInterval = new TComboBox(this);
    cbxInterval->SetParent(Panel1);
    cbxInterval->SetBounds(ButtonColumn::kMargin, labelTop + kIntervalLabelHeight, ButtonColumn::kButtonWidth,
                           21);
    cbxInterval->SetStyle(csDropDownList);
    for (const Interval& interval : kIntervals) {
        cbxInterval->Items().Add(interval.Text);
    }
    cbxInterval->OnChange = Bind(this, &T::cbxIntervalChange);
    lvChart = AddReportList(this, Panel1);
    lvChart->SetVisible(false);
    Counter.List = lvChart;

    Panel3 = new TPanel(this);
    Panel3->SetParent(area);
    Panel3->SetBevelOuter(bvNone);
    Panel3->SetBounds(0, 0, 100, design.RowsHeight);
    Panel3->SetAlign(alTop);
    ListView2 = AddReportList(this, area);
    ListView2->SetAlign(alClient);
    TListColumn* name = ListView2->Columns().Add();
    name->SetCaption("Name");
    name->SetWidth(design.NameWidth);
    ListView2->Columns().Add()->SetCaption("Value");
    for (const char* row : design.ValueRows) {
        TListItem* item = ListView2->Items().Add();
        item->SetCaption(row);
        item->SubItems().Add("");
    }

    Timer1 = new TTimer(this);
    Timer1->SetEnabled(false);
    Timer1->OnTimer = Bind(this, &T::Timer1Timer);

    // The end of every read of the table: the flag set (the table's own), the own controls enabled.
    Table.AfterRead = [this] { EnableOwn(); };
}

void TDot3Form::FormCreate(TObject*) {
    Timer1->SetEnabled(false);
    SelectOption(cbxInterval, kNoPoll);
    Table.Attempt([this] {
        DialogRequest& request = Table.CreateRequest(this, Design.Table, MVT_FMV, kIndexColumns);
        BindTable(request);
        Counter.CreateRequest(this, Design.Counters, MVT_SV, 0);
        Table.Read();
    });
    if (btnSet) {
        btnSet->SetEnabled(false);
    }
}

void TDot3Form::ClearEditControls() {
    Timer1->SetEnabled(false);
    SelectOption(cbxInterval, kNoPoll);
    for (int row = 0; row < ListView2->Items().Count(); ++row) {
        ListView2->Items()[row]->SubItems().SetStrings(0, "");
    }
    ClearOwn();
    if (btnSet) {
        btnSet->SetEnabled(false);
    }
    lvChart->Items().Clear();
}

void TDot3Form::cbxIntervalChange(TObject*) {
    const int chosen = cbxInterval->ItemIndex();
    const std::string_view text = chosen >= 0 ? std::string_view(cbxInterval->Items()[chosen]) : kNoPoll;
    for (const Interval& interval : kIntervals) {
        if (text == interval.Text) {
            Timer1->SetEnabled(interval.Ms > 0);
            if (interval.Ms > 0) {
                Timer1->SetInterval(interval.Ms);
            }
        }
    }
}

void TDot3Form::ListView1Click(TObject*) {
    TListItem* chosen = ListView1->Selected();
    if (!chosen) {
        ClearEditControls();
        return;
    }
    if (btnSet) {
        btnSet->SetEnabled(true);
    }
    // A fresh counter request at the chosen interface, blocking from now on: the poll reads it.
    Counter.Report([&] {
        const std::string instance = Table.Request->CellText(chosen, kIndexColumn);
        DialogRequest& request = Counter.CreateRequest(this, Design.Counters, MVT_SV, 0, {.Blocking = true});
        request.Request.VarList.AppendInstance(instance);
        ReadCounters();
    });
    if (btnSet && Table.DataComplete) {
        btnSet->SetEnabled(true);
    }
}

void TDot3Form::ReadCounters() {
    lvChart->Items().Clear();
    Counter.Read();
    CopyValues();
}

void TDot3Form::CopyValues() {
    if (lvChart->Items().Count() == 0) {
        // The counters are missing, or the poll ran before any interface was chosen.
        ShowMessage(DialogText::kGetDataNotCompleted);
        ClearEditControls();
        return;
    }
    TListItem* counters = lvChart->Items()[0];
    for (int row = 0; row < ListView2->Items().Count(); ++row) {
        ListView2->Items()[row]->SubItems().SetStrings(0, Counter.Request->CellText(counters, row));
    }
}

void TDot3Form::Timer1Timer(TObject*) {
    if (Counter.Request && Counter.Request->Busy) {
        return;
    }
    Counter.Report([this] { ReadCounters(); });
}

void TDot3Form::btnGetClick(TObject*) {
    if (!Table.MayRefresh()) {
        return;
    }
    ClearEditControls();
    Table.Refresh();
}

void TDot3Form::btnSetClick(TObject*) {
    if (!ListView1->Selected() || !Table.MayAct()) {
        return;
    }
    Table.Write([this] { Table.Send(WriteCarry::Only({WrittenColumn()})); });
    ClearEditControls();
}

void TDot3Form::btnStopClick(TObject*) {
    Table.Stop();
}

void TDot3Form::btnCloseClick(TObject*) {
    Timer1->SetEnabled(false);
    Close();
}

void TDot3Form::ListView1Change(TObject*, TListItem*, TItemChange) {
    Table.ListChanged();
}

void TDot3Form::FormClose(TObject*, TCloseAction&) {
    Timer1->SetEnabled(false);
    Table.Closing();
    Counter.Close();
}
