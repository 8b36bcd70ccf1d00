#include "VqSNMPRequest2Leds.h"

#include "OctetParts.h"
#include "TPanel.h"
#include "TTimer.h"
#include "VqNumList.h"

#include <algorithm>
#include <climits>

VqSNMPRequest2Leds::VqSNMPRequest2Leds(TControl* owner)
    : VqSNMPRequest2Controls(owner), PollTimer(new TTimer(owner)), BlinkTimer(new TTimer(owner)) {
    PollTimer->SetEnabled(false);
    PollTimer->OnTimer = Bind(this, &VqSNMPRequest2Leds::PollTimerTick);
    BlinkTimer->SetInterval(kBlinkIntervalMs);
    BlinkTimer->OnTimer = Bind(this, &VqSNMPRequest2Leds::BlinkTimerTick);
    BlinkTimer->SetEnabled(true);
    PollTimerAlive = PollTimer->AliveToken();
    BlinkTimerAlive = BlinkTimer->AliveToken();
}

VqSNMPRequest2Leds::~VqSNMPRequest2Leds() {
    // The owner may have freed its timers already (it owns them); then there is nothing to stop.
    if (IsAlive(PollTimerAlive)) {
        PollTimer->SetEnabled(false);
        delete PollTimer;
    }
    if (IsAlive(BlinkTimerAlive)) {
        BlinkTimer->SetEnabled(false);
        delete BlinkTimer;
    }
    ResetLeds();
    Leds.clear();
}

void VqSNMPRequest2Leds::AddLed(int variableIndex, int octetIndex, const VqSNMPLedColorMapList* map,
                                TShape* shape) {
    LedRecord led;
    led.VariableIndex = variableIndex;
    led.OctetIndex = octetIndex;
    led.ColorMap = map;
    led.Shape = shape;
    led.Color = map->DefaultColor;
    led.ShapeAlive = shape->AliveToken();
    PaintShape(led, led.Color);
    Leds.push_back(std::move(led));
}

void VqSNMPRequest2Leds::AddLedRow(int variableIndex, const std::string& octetIndexes,
                                   const VqSNMPLedColorMapList* map, TPanel* panel, int start, int gap,
                                   TShapeType shape, int width, int height) {
    VqNumList<int> indexes;
    indexes.Delimiter = ',';
    indexes.Parse(octetIndexes);
    for (int i = 0; i < indexes.Count(); ++i) {
        auto* led = new TShape(Owner);
        led->SetParent(panel);
        led->SetShape(shape);
        led->SetBounds(start + i * (gap + width), 0, width, height);
        led->Show();
        AddLed(variableIndex, indexes.Get(i), map, led);
    }
    panel->SetBevelInner(bvNone);
    panel->SetBevelOuter(bvNone);
}

void VqSNMPRequest2Leds::SetDecodeOptions(int mode, int portLimit) {
    DecodeMode = mode > 0 ? mode : kLedDecodeOneOctet;
    PortLimit = portLimit > 0 ? portLimit : 4;
}

void VqSNMPRequest2Leds::StartPolling(int n) {
    BlinkStopped = false;
    PollTimer->SetInterval(n * 10);
    PollTimer->SetEnabled(true);
    PollOnce();
}

void VqSNMPRequest2Leds::StopPolling() {
    BlinkStopped = true;
    if (IsAlive(PollTimerAlive))
        PollTimer->SetEnabled(false);
    if (IsAlive(BlinkTimerAlive))
        BlinkTimer->SetEnabled(false);
    ResetLeds();
}

void VqSNMPRequest2Leds::ResetLeds() {
    for (LedRecord& led : Leds) {
        led.Blink = false;
        led.Color = led.ColorMap->DefaultColor;
        PaintShape(led, led.Color);
    }
}

void VqSNMPRequest2Leds::PollOnce() {
    try {
        Get();
    } catch (...) {
        ResetLeds();
        Mode = 1;
        throw;
    }
    Mode = 1;
}

void VqSNMPRequest2Leds::PollTimerTick(TObject*) {
    // One cycle at a time: a read still waiting for its reply (or its time-out) is not doubled.
    if (Busy)
        return;
    Mode = 1;
    try {
        Get();
    } catch (const std::exception& e) {
        ResetLeds();
        Operation = 0;
        ShowStatus(e.what());
    }
}

void VqSNMPRequest2Leds::BlinkTimerTick(TObject*) {
    PaintLeds();
    UpdateBlinkTimer();
}

void VqSNMPRequest2Leds::UpdateBlinkTimer() {
    if (!IsAlive(BlinkTimerAlive))
        return;
    // Past the limit every blinking LED has been painted in its colour and stays so.
    const bool alternating =
        BlinkPasses <= BlinkLimit + 1 &&
        std::any_of(Leds.begin(), Leds.end(), [](const LedRecord& led) { return led.Blink; });
    BlinkTimer->SetEnabled(alternating && !BlinkStopped);
}

void VqSNMPRequest2Leds::RowReceived() {
    BlinkPasses = 0;
    try {
        DecodeAll();
    } catch (...) {
        ResetLeds();
        throw;
    }
    PaintLeds();
    UpdateBlinkTimer();
}

void VqSNMPRequest2Leds::GetFailed(const VqSNMPError& error) {
    ResetLeds();
    Operation = 0;
    ShowStatus(error.Message);
}

void VqSNMPRequest2Leds::DecodeAll() {
    for (LedRecord& led : Leds)
        DecodeLed(led);
}

void VqSNMPRequest2Leds::DecodeLed(LedRecord& led) {
    const SnmpVariable& variable = Request.VarList.GetVariable(led.VariableIndex);
    std::string text = variable.ValueText;
    if (variable.OptionList)
        text = variable.OptionList->TextToValue(text);
    const std::string octets = TextToPart(text, variable.ItemType);
    const LedState state =
        DecodeLedState(octets, PortLedsCutOff(text), led.OctetIndex, *led.ColorMap, DecodeMode, PortLimit);
    led.Color = state.Color;
    led.Blink = state.Blink;
}

void VqSNMPRequest2Leds::PaintLeds() {
    bool blinked = false;
    for (LedRecord& led : Leds) {
        if (!IsAlive(led.ShapeAlive))
            continue;
        blinked = blinked || led.Blink;
        PaintShape(led, PaintPassColor({led.Color, led.Blink}, led.Shape->Brush()->Color(), *led.ColorMap,
                                       BlinkPasses, BlinkLimit));
    }
    if (blinked && BlinkPasses < INT_MAX)
        ++BlinkPasses;
}

void VqSNMPRequest2Leds::PaintShape(LedRecord& led, TColor colour) {
    if (!IsAlive(led.ShapeAlive))
        return;
    TShape* shape = led.Shape;
    if (shape->Brush()->Color() != colour)
        shape->Brush()->SetColor(colour);
    if (shape->Pen()->Color() != colour)
        shape->Pen()->SetColor(colour);
    if (!shape->Visible())
        shape->Show();
}
