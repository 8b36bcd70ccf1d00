// A unit table as the main window holds it (a list view: caption the unit ID, sub-items MAC
// Address, Start Port, Port Range, Front Panel Led Status, Current Mode, Version, Module Name and
// Exist State), for tests of what reads it.
#pragma once

#include "TListView.h"

#include <string>
#include <vector>

struct UnitRowText {
    std::string Id;
    std::string Module; // "" for a slot without a unit
    std::string Mode = "slave";
    std::string StartPort = "1";
};

// Fills the list with one row per entry; a row whose module is "" is an absent unit.
inline void FillUnitTable(TListView* list, const std::vector<UnitRowText>& rows) {
    list->Items().Clear();
    for (const UnitRowText& row : rows) {
        TListItem* item = list->Items().Add();
        item->SetCaption(row.Id);
        const bool present = !row.Module.empty();
        item->SubItems().Assign({"00-01-02-03-04-05", row.StartPort, "1-64", "(NOTDONE)", row.Mode, "1.00",
                                 present ? row.Module : "NOT_EXIST", present ? "exist" : "no-exist"});
    }
}
