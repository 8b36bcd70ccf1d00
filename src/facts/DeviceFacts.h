// The device facts: what the main window learnt of the switch, written at start-up and at every
// Refresh (and the multicast IP version by the menu commands), read by every unit that depends on
// the switch's address, model, edition or stack. One value, reached through Facts().
#pragma once

#include "StackUnits.h"

#include <string>
#include <vector>

struct DeviceFacts {
    std::string DeviceAddress{};          // the agent's address as typed after /I
    std::string SysObjectId{};            // the agent's sysObjectID, dotted, no leading dot
    std::string ModelName{};              // "ZQS-4410-24RA" ... or "" for a switch of no listed model
    std::string StackMode{};              // "enabled" or "disabled" as read
    std::string FirmwareMode{};           // "KA", "KB" or "KC" as read
    std::vector<StackUnitRow> UnitList{}; // the rows of the unit table as last read whole
    int MulticastIpVersion = 0;           // 1 IPv4, 2 IPv6: set by the multicast commands before their dialog

    // The rows of the unit table; the bound of the loops over unit rows.
    int UnitCount() const { return static_cast<int>(UnitList.size()); }
    // Whether the switch runs as a stack: the stack mode reads "enabled".
    bool Stacking() const { return StackMode == "enabled"; }
    // The stack as a port picker shows it.
    StackUnits Units() const { return {Stacking(), UnitList}; }
};

// The facts as last written; empty before the main window has read the switch.
const DeviceFacts& Facts();
// For the writers only: the main window, the menu commands (MulticastIpVersion) and tests.
DeviceFacts& WritableFacts();
