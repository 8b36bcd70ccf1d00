#include "Tpbridgeportcounter.h"

#include "CatalogueColumns.h"
#include "Clock.h"
#include "DialogLayout.h"
#include "FieldTable.h"
#include "Oid_model.h"
#include "OptionItems.h"
#include "StrToInt.h"
#include "StrictNumbers.h"
#include "TButton.h"
#include "TChart.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TLabel.h"
#include "TListView.h"
#include "TPageControl.h"
#include "TPanel.h"
#include "TStaticText.h"
#include "TStatusBar.h"
#include "TTimer.h"
#include "UserDialogs.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <ctime>
#include <exception>

TTpBridgePortInfo_Table* TpBridgePortInfo_Table = nullptr;

CounterRecord CounterRecords[4] = {
    {.Caption = "Input Frames"},
    {.Caption = "Output Frames"},
    {.Caption = "Discard Frames"},
    {},
};

namespace {

using T = TTpBridgePortInfo_Table;

constexpr const char* kChooseValidInterval = "Choose Valid Interval";
constexpr const char* kChooseValidCount = "Choose Valid Count";

constexpr auto& kPortList = Columns::TpBridgePortInfo_PortNumberTable;
constexpr int kPortNumber = ColumnOf(kPortList, "Port Number");
constexpr int kMaxInformation = ColumnOf(kPortList, "Max Information");
// The counters' columns (input, output, discard) follow each other; their captions carry blanks.
constexpr int kInputFrames = ColumnByArc(Columns::TpBridgePortCounterTable, "4.1.3");
static_assert(ColumnByArc(Columns::TpBridgePortCounterTable, "4.1.5") == kInputFrames + 2);

constexpr int kPortListTimeout = 600; // 6 s: the port list may be long
constexpr int kPortListRetries = 5;
constexpr int kMaxInterval = 10; // seconds
constexpr int kMaxHistory = 120; // points per series
constexpr int kMsPerSecond = 1000;

// The counter table's columns: the caption is the name, the sub-items these.
enum CounterCell { kValue, kDelta, kRate, kPeak, kPeakOccuredAt };

// The port's two texts, shown only (96 DPI).
constexpr Field<T> kFields[] = {
    {.Column = kPortNumber,
     .Caption = "Port Number",
     .Control = &T::ST_Index,
     .Kind = FieldKind::StaticText,
     .Label = &T::Label6,
     .Place = {8, 125, 78, 123, 60}},
    {.Column = kMaxInformation,
     .Caption = "Max.  Information",
     .Control = &T::ST_Descr,
     .Kind = FieldKind::StaticText,
     .Label = &T::Label7,
     .Place = {160, 125, 258, 123, 80}},
};

constexpr int kDesignWidth = 564;
constexpr int kDesignHeight = 495;
constexpr int kPanelWidth = 98;
constexpr int kTopHeight = 150;
constexpr int kBoxLeft = 8;
constexpr int kBoxWidth = 82;

// " hh:mm:ss " of the clock's local time.
std::string TimeText() {
    const std::time_t t = std::chrono::system_clock::to_time_t(ClockNow());
    std::tm local{};
    localtime_r(&t, &local);
    char text[16];
    std::snprintf(text, sizeof text, " %02d:%02d:%02d ", local.tm_hour, local.tm_min, local.tm_sec);
    return text;
}

// The low 32 bits of the 64-bit integer a counter's text holds; a text that is no integer raises.
uint32_t CounterValue(const std::string& text) {
    int64_t value = 0;
    const char* end = text.data() + text.size();
    auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end) {
        throw EConvertError("'" + text + "' is not a valid integer value");
    }
    return static_cast<uint32_t>(value);
}

// A combo box's number, or -1 when its text is no integer.
int NumberOf(const TComboBox* box) {
    return StrictStrToInt(box->Text()).value_or(-1);
}

} // namespace

TTpBridgePortInfo_Table::TTpBridgePortInfo_Table(TComponent* owner) : TForm(owner) {
    DesignDialog(this, kDesignWidth, kDesignHeight, DesignScale::Once, poScreenCenter);
    SetCaption("Transparent Bridge Port Counters");

    StatusBar1 = AddStatusBar(this);

    // The settings column: the buttons at the design's tops, the texts, boxes and check box between.
    ButtonColumn column(this, nullptr);
    Panel1 = column.Panel;
    Panel1->SetWidth(kPanelWidth);
    Label1 = AddLabel(this, Panel1, kBoxLeft, 6, "System Time:");
    ST_Time = AddSunkenText(this, Panel1, kBoxLeft, 21, kBoxWidth, 20);
    ST_Time->SetAlignment(taCenter);
    ST_Time->Font()->SetColor(clBlue);
    BT_Refresh = column.Add("Refresh", Bind(this, &T::BT_RefreshClick), 48);
    BT_PortSet = column.Add("Port Set", Bind(this, &T::BT_PortSetClick), 78);
    BT_PortSet->SetVisible(false);
    Label2 = AddLabel(this, Panel1, kBoxLeft, 80, "Poll  Interval");
    Label3 = AddLabel(this, Panel1, kBoxLeft, 93, "(1-10)sec");
    CB_Interval = AddEditableCombo(this, Panel1, kBoxLeft, 108, kBoxWidth, {"1", "5", "10"},
                                   Bind(this, &T::CB_IntervalChange));
    Label4 = AddLabel(this, Panel1, kBoxLeft, 136, "Count");
    Label5 = AddLabel(this, Panel1, kBoxLeft, 149, "(10-120)");
    CB_HistoryCount =
        AddEditableCombo(this, Panel1, kBoxLeft, 164, kBoxWidth, {"10", "20", "30", "60", "120"},
                         Bind(this, &T::CB_HistoryCountChange));
    CB_HistoryCount->SetText("10");
    CK_U3D = AddCheckBox(this, Panel1, kBoxLeft, 192, kBoxWidth, "3D Line", Bind(this, &T::CK_U3DClick));
    BT_Reset = column.Add("Reset", Bind(this, &T::BT_ResetClick), 216);
    BT_Reset->SetVisible(false);
    BT_Start = column.Add("Start", Bind(this, &T::BT_StartClick), 216);
    BT_Stop = column.Add("Pause", Bind(this, &T::BT_StopClick), 246);

    PanelTop = new TPanel(this);
    PanelTop->SetParent(this);
    PanelTop->SetBevelOuter(bvNone);
    PanelTop->SetHeight(kTopHeight);
    PanelTop->SetAlign(alTop);
    LV_TpBridge_Port_Index = AddReportList(this, PanelTop);
    LV_TpBridge_Port_Index->SetBounds(8, 8, ClientWidth() - 16, 108);
    LV_TpBridge_Port_Index->OnClick = Bind(this, &T::LV_TpBridge_Port_IndexClick);
    BuildFields<T>(this, PanelTop, kFields);

    PageControl1 = new TPageControl(this);
    PageControl1->SetParent(this);
    PageControl1->SetAlign(alClient);
    TabSheet1 = new TTabSheet(this);
    TabSheet1->SetPageControl(PageControl1);
    TabSheet1->SetCaption("Port Counter Table");
    LV_TpBridge_Port_Info = AddReportList(this, TabSheet1);
    LV_TpBridge_Port_Info->SetAlign(alClient);
    const struct {
        const char* Caption;
        int Width;
    } columns[] = {{"Name", 95}, {"Value", 75}, {"Delta", 60},
                   {"Rate", 55}, {"Peak", 60},  {"Peak Occured at", -2}};
    for (const auto& c : columns) {
        TListColumn* column = LV_TpBridge_Port_Info->Columns().Add();
        column->SetCaption(c.Caption);
        column->SetWidth(c.Width);
    }
    LV_Chart = AddReportList(this, TabSheet1);
    LV_Chart->SetVisible(false);
    TabSheet2 = new TTabSheet(this);
    TabSheet2->SetPageControl(PageControl1);
    TabSheet2->SetCaption("Port Traffic");
    CH_Utilization = new TChart(this);
    CH_Utilization->SetParent(TabSheet2);
    CH_Utilization->SetAlign(alClient);
    CH_Utilization->SetTitle("");
    CH_Utilization->SetBackWallColor(clWhite);
    CH_Utilization->SetView3D(false);
    const struct {
        TLineSeries* T::*Member;
        const char* Title;
        TColor Colour;
    } series[] = {{&T::Series13, "Input Frames", clRed},
                  {&T::Series14, "Output Frames", clGreen},
                  {&T::Series15, "Discard Frames", clYellow}};
    for (const auto& s : series) {
        auto* line = new TLineSeries(this);
        line->SetTitle(s.Title);
        line->SetSeriesColor(s.Colour);
        line->SetParentChart(CH_Utilization);
        this->*s.Member = line;
    }
    PageControl1->SetActivePage(TabSheet1);

    Timer1 = new TTimer(this);
    Timer1->SetEnabled(false);
    Timer1->SetInterval(kMsPerSecond);
    Timer1->OnTimer = Bind(this, &T::Timer1Timer);

    HistoryCount = StrToInt(CB_HistoryCount->Text());
    OnCreate = Bind(this, &T::FormCreate);
    OnClose = Bind(this, &T::FormClose);
}

// The requests end here, before the controls they are bound to; their destructors let events run
// (bounded) for replies still in flight, which is why FormClose stopped the timer.
TTpBridgePortInfo_Table::~TTpBridgePortInfo_Table() = default;

void TTpBridgePortInfo_Table::FormCreate(TObject*) {
    BT_Refresh->SetEnabled(false);
    ST_Time->SetCaption(TimeText());
    SelectOption(CB_Interval, "1");
    PortListRequest = std::make_unique<DialogRequest>(this);
    try {
        PortListRequest->Request.VarList = VqSNMPVarList(TpBridgePortInfo_PortNumberTable, MVT_FMV, 1);
        PortListRequest->BindListView(LV_TpBridge_Port_Index, true);
        BindFields<T>(this, nullptr, *PortListRequest, kFields);
        PortListRequest->Request.Timeout = kPortListTimeout;
        PortListRequest->Request.Retries = kPortListRetries;
        PortListRequest->SetStatusPanel(StatusPanelOf(StatusBar1));
        PortListRequest->OnGetDone = [this](VqSNMPRequest2Controls* request, const VqSNMPError& error) {
            OnPortListRead(request, error);
        };
        PortListRequest->Get();
    } catch (const std::exception& e) {
        PortListRequest->ShowStatus(e.what());
    }
    UpdateButtons();
}

void TTpBridgePortInfo_Table::UpdateButtons() {
    BT_Refresh->SetEnabled(PortListRequest && !PortListRequest->Busy);
    SetFieldsEnabled({ST_Index, ST_Descr}, LV_TpBridge_Port_Index->Selected() != nullptr,
                     FieldEnabling::EnabledOnly);
}

void TTpBridgePortInfo_Table::OnPortListRead(VqSNMPRequest2Controls*, const VqSNMPError& error) {
    if (!PortListRequest->Request.Active) {
        return; // closed: a walk still out ended at its next reply
    }
    try {
        if (error.Code != 0) {
            PortListRequest->ShowStatus(error.Message);
        }
        const int rows = LV_TpBridge_Port_Index->Items().Count();
        // A read that found no port (an empty table, or a failure before the first row) leaves the
        // monitor to the next read that finds some, a Refresh say.
        if (FirstRead && rows != 0) {
            const int port =
                StrToInt(PortListRequest->CellText(LV_TpBridge_Port_Index->Items()[0], kPortNumber));
            FirstRead = false;
            PortCount = rows;
            CounterRequest = std::make_unique<DialogRequest>(this);
            CounterRequest->Request.VarList = VqSNMPVarList(TpBridgePortCounterTable, MVT_SV, 0);
            // GET-NEXT at port - 1 answers the port's own counters.
            CounterRequest->Request.UseGetNext = true;
            CounterRequest->Request.VarList.AppendInstance(std::to_string(port - 1));
            CounterRequest->BindListView(LV_Chart, true);
            CounterRequest->SetStatusPanel(StatusPanelOf(StatusBar1));
            CounterRequest->OnGetDone = [this](VqSNMPRequest2Controls*, const VqSNMPError& read) {
                CounterRead(read);
            };
            Running = true;
            SampleCount = 0;
            ResetHistory();
            SeriesList = {CH_Utilization->Series(0), CH_Utilization->Series(1), CH_Utilization->Series(2)};
            Timer1->SetEnabled(true);
        }
        if (error.Code == 0 && rows != 0 && !LV_TpBridge_Port_Index->Selected()) {
            LV_TpBridge_Port_Index->SetSelected(LV_TpBridge_Port_Index->Items()[0]);
            BT_PortSetClick(nullptr);
        }
    } catch (const std::exception& e) {
        PortListRequest->ShowStatus(e.what());
    }
    UpdateButtons();
}

void TTpBridgePortInfo_Table::Timer1Timer(TObject*) {
    ST_Time->SetCaption(TimeText());
    TickedMs += Timer1->Interval();
    if (!Running || !CounterRequest || CounterRequest->Busy) {
        return; // paused, or the last read still waits for its reply: never two at once
    }
    try {
        CounterRequest->SetStatusPanel(StatusPanelOf(StatusBar1));
        ReadSpanMs = TickedMs;
        CounterRequest->Get();
    } catch (const std::exception& e) {
        CounterRequest->ShowStatus(e.what());
    }
}

void TTpBridgePortInfo_Table::CounterRead(const VqSNMPError& error) {
    if (!CounterRequest->Request.Active) {
        return; // closed
    }
    try {
        if (ResetWaiting) {
            ResetWaiting = false;
            BT_ResetClick(nullptr); // the read was for the port before: no sample of it
            return;
        }
        if (error.Code != 0) {
            CounterRequest->ShowStatus(error.Message); // no sample: a missing reply is no count
            return;
        }
        if (Running) {
            TakeSample();
        }
    } catch (const std::exception& e) {
        CounterRequest->ShowStatus(e.what());
    }
}

void TTpBridgePortInfo_Table::TakeSample() {
    if (LV_TpBridge_Port_Info->Items().Count() == 0) {
        FillCounterRows();
    }
    const std::string now = TimeText();
    const TListItem* reply = LV_Chart->Items().Count() != 0 ? LV_Chart->Items()[0] : nullptr;
    // After a failed or skipped read, or a pause, the increase covers more than one interval: the
    // rate divides it by the time that passed, and the peak and the chart take its share of one
    // interval (an average, so never more than the largest increase it hides).
    const uint64_t spanMs = static_cast<uint64_t>(std::max<int64_t>(ReadSpanMs, 0));
    const uint64_t intervalMs = static_cast<uint64_t>(std::max(Timer1->Interval(), 0));
    TickedMs -= ReadSpanMs;
    uint32_t perInterval[kCounterCount] = {};
    for (int k = 0; k < kCounterCount; ++k) {
        CounterRecord& counter = CounterRecords[k];
        counter.Previous = counter.Current;
        counter.Current = reply ? CounterValue(CounterRequest->CellText(reply, kInputFrames + k)) : 0;
        counter.Delta = counter.Current - counter.Previous;
        perInterval[k] =
            spanMs > intervalMs ? static_cast<uint32_t>(counter.Delta * intervalMs / spanMs) : counter.Delta;
        if (SampleCount == 0) {
            continue;
        }
        TStrings& cells = LV_TpBridge_Port_Info->Items()[k]->SubItems();
        if (perInterval[k] > counter.Peak) {
            counter.Peak = perInterval[k];
            cells.SetStrings(kPeakOccuredAt, now);
        }
        cells.SetStrings(kPeak, std::to_string(counter.Peak));
        cells.SetStrings(kValue, std::to_string(counter.Current));
        cells.SetStrings(kDelta, std::to_string(counter.Delta));
        cells.SetStrings(kRate,
                         std::to_string(spanMs != 0 ? uint64_t{counter.Delta} * kMsPerSecond / spanMs : 0));
    }
    if (SampleCount != 0) {
        for (std::deque<HistoryData>& points : History) {
            while (!points.empty() && points.size() >= static_cast<size_t>(HistoryCount)) {
                points.pop_front();
            }
        }
        for (int k = 0; k < kCounterCount; ++k) {
            History[k].push_back({perInterval[k], now});
        }
    }
    for (size_t k = 0; k < SeriesList.size(); ++k) {
        TLineSeries* series = SeriesList[k];
        series->Clear();
        for (const HistoryData& point : History[k]) {
            series->Add(point.Value, point.Time, series->SeriesColor());
        }
    }
    ++SampleCount;
}

void TTpBridgePortInfo_Table::FillCounterRows() {
    const std::string now = TimeText();
    for (const CounterRecord* counter = CounterRecords; counter->Caption; ++counter) {
        TListItem* row = LV_TpBridge_Port_Info->Items().Add();
        row->SetCaption(counter->Caption);
        for (const char* zero : {"0", "0", "0", "0"}) {
            row->SubItems().Add(zero);
        }
        row->SubItems().Add(now);
    }
    ResetHistory();
    for (TLineSeries* series : SeriesList) {
        series->Clear();
    }
}

void TTpBridgePortInfo_Table::ResetHistory() {
    for (CounterRecord* counter = CounterRecords; counter->Caption; ++counter) {
        counter->Current = counter->Previous = counter->Peak = counter->Delta = 0;
    }
    for (std::deque<HistoryData>& points : History) {
        points.assign(static_cast<size_t>(HistoryCount), HistoryData{});
    }
}

void TTpBridgePortInfo_Table::BT_RefreshClick(TObject*) {
    BT_Refresh->SetEnabled(false);
    try {
        PortListRequest->Get();
    } catch (const std::exception& e) {
        PortListRequest->ShowStatus(e.what());
    }
    UpdateButtons();
}

void TTpBridgePortInfo_Table::BT_PortSetClick(TObject*) {
    if (LV_TpBridge_Port_Index->Selected()) {
        BT_ResetClick(nullptr);
    }
}

void TTpBridgePortInfo_Table::BT_ResetClick(TObject*) {
    if (PortCount == 0) {
        return;
    }
    Running = false;
    if (CounterRequest) {
        if (CounterRequest->Busy) {
            ResetWaiting = true; // done when the read that is out has ended
            return;
        }
        CounterRequest->SetStatusPanel(StatusPanelOf(StatusBar1));
        SampleCount = 0;
        TickedMs = ReadSpanMs = 0;
        CounterRequest->Request.UseGetNext = true;
        VqSNMPVarList counters(TpBridgePortCounterTable, MVT_SV, 0);
        counters.AppendInstance(std::to_string(StrToInt(ST_Index->Caption()) - 1));
        CounterRequest->Request.VarList = counters;
    }
    LV_TpBridge_Port_Info->Items().Clear();
    ResetHistory();
    Running = true;
}

void TTpBridgePortInfo_Table::BT_StartClick(TObject*) {
    if (PortCount != 0) {
        Running = true;
    }
}

void TTpBridgePortInfo_Table::BT_StopClick(TObject*) {
    if (PortCount != 0) {
        Running = false;
    }
}

void TTpBridgePortInfo_Table::CK_U3DClick(TObject*) {
    CH_Utilization->SetView3D(CK_U3D->Checked());
}

void TTpBridgePortInfo_Table::CB_IntervalChange(TObject*) {
    const int n = NumberOf(CB_Interval);
    if (n == -1 || n > kMaxInterval) {
        ShowMessage(kChooseValidInterval);
        return;
    }
    // Seconds to milliseconds as an unsigned 32-bit count: a negative count never ticks.
    Timer1->SetInterval(static_cast<int>(static_cast<uint32_t>(static_cast<int64_t>(n) * kMsPerSecond)));
}

void TTpBridgePortInfo_Table::CB_HistoryCountChange(TObject*) {
    const int n = NumberOf(CB_HistoryCount);
    if (n < 1 || n > kMaxHistory) {
        ShowMessage(kChooseValidCount); // the text stays as typed; resets keep the last count accepted
        return;
    }
    HistoryCount = n;
    BT_ResetClick(nullptr);
}

void TTpBridgePortInfo_Table::LV_TpBridge_Port_IndexClick(TObject*) {
    if (LV_TpBridge_Port_Index->Selected()) {
        BT_PortSetClick(nullptr);
    }
}

void TTpBridgePortInfo_Table::FormClose(TObject*, TCloseAction&) {
    // The timer first: the requests' destructors let events run while the dialog is destroyed.
    Timer1->SetEnabled(false);
    Running = false;
    ResetWaiting = false;
    if (PortListRequest) {
        PortListRequest->Request.Active = false;
    }
    if (CounterRequest) {
        CounterRequest->Request.Active = false;
    }
}
