// The bridge port counter monitor: the ports of the transparent bridge, and for the chosen port its
// input, output and discard frame counters polled every 1 to 10 s, each with its latest value, its
// increase since the poll before, the rate per second and the largest increase, beside a line
// chart of the last increases. It only reads. The port list is walked asynchronously; each tick of
// the timer starts one asynchronous read of the port's counters (none while the last still waits
// for its reply) and the sample is taken when the reply is in.
#pragma once

#include "DialogRequest.h"
#include "TForm.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

class TButton;
class TChart;
class TCheckBox;
class TComboBox;
class TLabel;
class TLineSeries;
class TListView;
class TPageControl;
class TPanel;
class TStaticText;
class TStatusBar;
class TTabSheet;
class TTimer;

// One counter of the chosen port, unsigned 32-bit as the switch counts (increases modulo 2^32).
struct CounterRecord {
    uint32_t Current = 0;
    uint32_t Previous = 0;
    uint32_t Peak = 0;             // the largest increase over one poll interval since the last reset
    uint32_t Delta = 0;            // the latest increase
    const char* Caption = nullptr; // null: the end record
};
// Input, output and discard frames, then the end record. The unit's: one monitor is open at a time
// (it is modal), and every reset zeroes the numbers.
extern CounterRecord CounterRecords[4];
inline constexpr int kCounterCount = 3;

// One point of the chart: the increase of one sample over one poll interval and the sample's clock
// time " hh:mm:ss ".
struct HistoryData {
    uint32_t Value = 0;
    std::string Time;
};

class TTpBridgePortInfo_Table : public TForm {
public:
    explicit TTpBridgePortInfo_Table(TComponent* owner);
    ~TTpBridgePortInfo_Table() override;

    TPanel* Panel1;
    TLabel* Label1; // "System Time:"
    TStaticText* ST_Time;
    TButton* BT_Refresh;
    TButton* BT_PortSet; // hidden
    TLabel* Label2;      // "Poll  Interval"
    TLabel* Label3;      // "(1-10)sec"
    TComboBox* CB_Interval;
    TLabel* Label4; // "Count"
    TLabel* Label5; // "(10-120)"
    TComboBox* CB_HistoryCount;
    TCheckBox* CK_U3D;
    TButton* BT_Reset; // hidden
    TButton* BT_Start;
    TButton* BT_Stop;
    TPanel* PanelTop;
    TListView* LV_TpBridge_Port_Index;
    TLabel* Label6; // "Port Number"
    TStaticText* ST_Index;
    TLabel* Label7; // "Max.  Information"
    TStaticText* ST_Descr;
    TPageControl* PageControl1;
    TTabSheet* TabSheet1; // "Port Counter Table"
    TListView* LV_TpBridge_Port_Info;
    TListView* LV_Chart;  // hidden: the latest counter row
    TTabSheet* TabSheet2; // "Port Traffic"
    TChart* CH_Utilization;
    TLineSeries* Series13; // "Input Frames", red
    TLineSeries* Series14; // "Output Frames", green
    TLineSeries* Series15; // "Discard Frames", yellow
    TStatusBar* StatusBar1;
    TTimer* Timer1;

    std::unique_ptr<DialogRequest> PortListRequest;
    std::unique_ptr<DialogRequest> CounterRequest; // null until the monitor starts
    bool FirstRead = true; // until a port-list read yields rows: the monitor then starts
    bool Running = false;  // the timer's ticks take samples
    int SampleCount = 0;   // since the last reset
    int HistoryCount = 10; // points per series: the last count accepted (the combo box's first text)
    int PortCount = 0;     // rows of the read that started the monitor; 0: Start, Pause and resets do nothing
    std::deque<HistoryData> History[kCounterCount];
    std::vector<TLineSeries*> SeriesList;

    void FormCreate(TObject* sender);
    void OnPortListRead(VqSNMPRequest2Controls* request, const VqSNMPError& error);
    void Timer1Timer(TObject* sender);
    void TakeSample();
    void FillCounterRows();
    void ResetHistory();
    void BT_RefreshClick(TObject* sender);
    void BT_PortSetClick(TObject* sender);
    void BT_ResetClick(TObject* sender);
    void BT_StartClick(TObject* sender);
    void BT_StopClick(TObject* sender);
    void CK_U3DClick(TObject* sender);
    void CB_IntervalChange(TObject* sender);
    void CB_HistoryCountChange(TObject* sender);
    void LV_TpBridge_Port_IndexClick(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);

    // Refresh is offered while no port-list read runs; the port's texts are enabled while a port
    // is chosen.
    void UpdateButtons();

private:
    // The end of a counter read: the sample, or the reset a port change left waiting for it.
    void CounterRead(const VqSNMPError& error);
    bool ResetWaiting = false; // a reset came while a counter read was out
    // The timer's time since the tick that started the last sample's read: every tick adds its
    // interval, a skipped or paused one too (the counters went on meanwhile); a sample takes off
    // the part before its own read's tick, its span.
    int64_t TickedMs = 0;
    int64_t ReadSpanMs = 0; // the span of the read that is out: TickedMs when its tick started it
};

// The dialog while its menu command shows it.
extern TTpBridgePortInfo_Table* TpBridgePortInfo_Table;
