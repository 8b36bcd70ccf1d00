// Letting the application's events run while the value core waits for something that only an
// event can bring (a reply delivered by the pump). The core knows no widget layer: the program
// installs the widget layer's bounded wait here, so that waits follow its clock seam; until then
// the core waits on the Qt event queue by the steady clock.
#pragma once

#include <cstdint>
#include <functional>

// Lets events run until done() holds or boundMs have passed; returns done().
using MessageWaitFunction = std::function<bool(const std::function<bool()>& done, uint64_t boundMs)>;

// Puts a wait in force and returns the one it replaces; an empty function restores the core's
// own (WaitOnEventQueue).
MessageWaitFunction SetMessageWait(MessageWaitFunction wait);

// The core's own wait: sleeps on the Qt event queue, bounded by the steady clock.
bool WaitOnEventQueue(const std::function<bool()>& done, uint64_t boundMs);

bool WaitForMessages(const std::function<bool()>& done, uint64_t boundMs);
