// The switch's stack units as the main window read them from the unit table: the fields the port
// pickers and the stand-alone panel read of each row.
#pragma once

#include <string>
#include <vector>

// One row of the unit table.
struct StackUnitRow {
    std::string UnitId{}; // the row caption
    std::string StartPort{};
    std::string CurrentMode{}; // "master" for the master unit
    std::string ModuleName{};  // "NOT_EXIST" for a missing unit
    std::string ExistState{};  // "no-exist" for a missing unit

    bool operator==(const StackUnitRow&) const = default;
};

// The stack as a picker shows it: whether the switch stacks, and the unit rows read.
struct StackUnits {
    bool Stacking = false;
    std::vector<StackUnitRow> Rows{};
};
