// The rules of a menu command that need no dialog: which table a panel reads on the switch's model
// (DeviceModels.h names the model), sizes by screen scale, and the SNMP version raise of the
// counter-table commands.
#pragma once

#include "DeviceModels.h"
#include "MenuEntry.h"

#include <cstdint>
#include <string_view>

// The table a panel reads on a switch of that sysObjectID and firmware edition: the edition's
// table when FirmwareMode is exactly the panel's Edition, then for a model set the copy of the
// switch's model. Null when the model is unknown or the table is not in the catalogue yet: the
// dialog then opens without variables.
const MibTableRow* ChooseTable(const MenuPanel& panel, std::string_view sysObjectId,
                               std::string_view firmwareMode);

// The integer part of n times the scale (1.0 at 96 pixels per inch, else 1.25), truncated toward
// zero as the sizes of the menu commands are.
int ScaledSize(int n, double scale);

struct FormSize {
    int Width = 0;
    int Height = 0;
    bool operator==(const FormSize&) const = default;
};

// The dialog's size after one size step, and after all of an entry's steps in order.
FormSize ApplySize(const SizeStep& step, FormSize size, double scale);
FormSize ApplySizes(const MenuEntry& entry, FormSize size, double scale);

// The field width an edit-width tuning sets, given the width field 0 has.
int EditWidthOf(const Tuning& tuning, int field0Width, double scale);

// Raises an SNMPv1 SessionParameters to v2c while it lives (the requests built meanwhile copy it)
// and writes the saved version back when it ends, also when the command ends by an exception.
// v2c and v3 stay as they are.
class CounterVersionRaise {
public:
    CounterVersionRaise();
    ~CounterVersionRaise();
    CounterVersionRaise(const CounterVersionRaise&) = delete;
    CounterVersionRaise& operator=(const CounterVersionRaise&) = delete;

private:
    uint8_t Saved;
};
