// The LED request of the front panels: it reads one octet-string variable on a poll timer, turns
// each registered LED's octet into a colour through its colour map, paints the LED shapes, and
// makes LEDs blink with a second, 60 ms timer. The decoding rules themselves are widget-free
// (LedDecoding.h).
//
// Polling never freezes the window: the first read (StartPolling) runs in the mode the creator
// set, the front panels' synchronous one, so that a build shows its colours at once; every poll
// after it is asynchronous, and a poll tick starts nothing while the previous read still waits
// for its reply. A poll that fails puts every LED back to its default colour and writes the error
// text to the status target, so a dead switch never shows stale colours as current.
#pragma once

#include "LedDecoding.h"
#include "TShape.h"
#include "VqSNMPRequest2Controls.h"

#include <memory>
#include <string>
#include <vector>

class TPanel;
class TTimer;

struct LedRecord {
    int VariableIndex = 0;
    int OctetIndex = 0;                         // 0 = first octet
    const VqSNMPLedColorMapList* ColorMap = {}; // not owned
    TShape* Shape = nullptr;                    // owned by the form
    bool Blink = false;
    TColor Color = clBlack; // the current state colour
    std::weak_ptr<const bool> ShapeAlive;
};

class VqSNMPRequest2Leds : public VqSNMPRequest2Controls {
public:
    static constexpr int kBlinkIntervalMs = 60;

    // The timers belong to `owner`, which also owns the shapes AddLedRow creates.
    explicit VqSNMPRequest2Leds(TControl* owner);
    ~VqSNMPRequest2Leds() override;

    std::vector<LedRecord> Leds; // in registration order
    TTimer* PollTimer;           // disabled until StartPolling
    // Every 60 ms from construction until StopPolling while an LED alternates: once the passes
    // after a read are over and every LED shows its colour, a tick would paint nothing, so the
    // timer rests until the next read (an idle panel costs no wake-ups).
    TTimer* BlinkTimer;
    int BlinkLimit = 6;  // the last blink pass that still alternates
    int BlinkPasses = 0; // paint passes with a blinking LED since the last read
    int DecodeMode = kLedDecodeOneOctet;
    int PortLimit = 4;

    // Registers the shape with blink off and its map's default colour, painted and shown.
    void AddLed(int variableIndex, int octetIndex, const VqSNMPLedColorMapList* map, TShape* shape);
    // One shape per octet index of the comma-separated list, on the panel, from `start` with `gap`
    // pixels between them; the panel loses its bevels.
    void AddLedRow(int variableIndex, const std::string& octetIndexes, const VqSNMPLedColorMapList* map,
                   TPanel* panel, int start, int gap, TShapeType shape, int width, int height);
    // A mode or limit not above 0 gives 1, respectively 4.
    void SetDecodeOptions(int mode, int portLimit);

    // Polls every n x 10 ms after one read at once, which raises (after resetting the LEDs) when
    // the read raised. Later polls are asynchronous.
    void StartPolling(int n);
    // Both timers off, every LED in its default colour.
    void StopPolling();
    void ResetLeds();
    void PollOnce();

    void PollTimerTick(TObject* sender);
    void BlinkTimerTick(TObject* sender);
    void DecodeAll();
    void PaintLeds();

protected:
    void RowReceived() override;
    void GetFailed(const VqSNMPError& error) override;
    virtual void DecodeLed(LedRecord& led);

private:
    // Wakes the blink timer after a read when an LED blinks (and polling was not stopped), and lets
    // it rest once no LED alternates any more.
    void UpdateBlinkTimer();
    // Paints only what changes: a shape asked for its own colour again repaints for nothing.
    static void PaintShape(LedRecord& led, TColor colour);
    std::weak_ptr<const bool> PollTimerAlive, BlinkTimerAlive;
    bool BlinkStopped = false; // StopPolling ended blinking for good
};
