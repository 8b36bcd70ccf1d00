// The fixture of the static filtering and NLB forwarding dialogs' tests: the simulated switch
// holding their four tables (MacEntryScenario.h), and what the tests read of a dialog of the
// shape: its picker's boxes and its listed keys.
#pragma once

#include "FormsSimTest.h"
#include "MacEntryScenario.h"
#include "MacPortEntryForm.h"
#include "StackingPortUitFormUnit.h"
#include "TCheckBox.h"
#include "TListView.h"

#include <string>
#include <vector>

class MacEntrySim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(MacEntryScenario());
    }
    // Port n (1-based box number) of the dialog's one picker.
    static TCheckBox* Port(const TMacPortEntryForm* d, int n) {
        return d->Pickers.Pickers.at(0)->PortBoxes.at(static_cast<size_t>(n - 1));
    }
    // The listed keys, each as its key cells joined by "/".
    static std::vector<std::string> Keys(const TMacPortEntryForm* d, std::initializer_list<int> columns) {
        std::vector<std::string> keys;
        for (int i = 0; i < d->Table.List->Items().Count(); ++i) {
            std::string key;
            for (int column : columns) {
                key +=
                    (key.empty() ? "" : "/") + d->Table.Request->CellText(d->Table.List->Items()[i], column);
            }
            keys.push_back(key);
        }
        return keys;
    }
    // A port list of 8 octets (a stand-alone switch) or 48 (a stack): the given head, the rest zero.
    static SimValue Ports(const std::string& head, size_t octets = 8) {
        return {"4x", head + std::string(octets * 2 - head.size(), '0')};
    }
};
