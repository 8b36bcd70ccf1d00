// What a port picker shows, for the dialogs' tests: the ticked ports as 1-based box numbers.
#pragma once

#include "StackingPortUitFormUnit.h"
#include "TCheckBox.h"

#include <vector>

inline std::vector<int> TickedPorts(const TStackingPortUitForm* picker) {
    std::vector<int> ports;
    for (size_t i = 0; i < picker->PortBoxes.size(); ++i) {
        if (picker->PortBoxes[i]->Checked()) {
            ports.push_back(static_cast<int>(i) + 1);
        }
    }
    return ports;
}
