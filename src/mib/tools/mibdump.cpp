// Prints the whole catalogue for review, tab-separated: one line per table row, then one per
// option-list entry, then one per colour-map entry.
#include "CatalogueOptionLists.h"
#include "LedColorMaps.h"
#include "MibCatalogue.h"

#include <cstdio>
#include <string>

namespace {

const char* ColorName(TColor color) {
    struct Named {
        TColor Color;
        const char* Name;
    };
    static constexpr Named kNames[] = {
        {clBlack, "black"},
        {kLedGreen, "green"},
        {clRed, "red"},
        {kLedDarkGrey, "dark grey"},
        {kLedOrange, "orange"},
        {kLedYellow, "yellow"},
        {kLedLightGreen, "light green"},
        {kLedAmber, "amber"},
        {kLedMidGreen, "mid green"},
    };
    for (const Named& n : kNames)
        if (n.Color == color)
            return n.Name;
    return "?";
}

void PrintTables() {
    for (const MibTableInfo& info : MibTables()) {
        const std::string model = info.Model ? std::to_string(info.Model) : "-";
        for (int i = 0; info.Table[i].Oid; ++i) {
            const MibTableRow& row = info.Table[i];
            std::printf("%s\t%s\t%d\t%s\t%s\t%d\t%d\t%s\n", info.Name, model.c_str(), i, row.Oid, row.Caption,
                        row.ItemType, row.Access, row.OptionList ? row.OptionList->Name : "-");
        }
    }
}

void PrintOptionLists() {
    for (const VqOptionList* list : CatalogueOptionLists())
        for (int i = 0; i < list->Count(); ++i) {
            const OptionSourceRow& row = list->GetRow(i);
            if (list->Kind == olIntegerValues)
                std::printf("list\t%s\t%d\t%s\n", list->Name, row.Value, row.Text);
            else
                std::printf("list\t%s\t%s\t%s\n", list->Name, row.ValueText, row.Text);
        }
}

void PrintLedColorMaps() {
    for (const NamedLedColorMap& map : LedColorMaps())
        for (const LedColorRow& row : map.Map->Rows())
            std::printf("ledmap\t%s\t%d\t%s\t%06X\n", map.Name, row.Value, ColorName(row.Color),
                        static_cast<unsigned>(row.Color));
}

} // namespace

int main() {
    PrintTables();
    PrintOptionLists();
    PrintLedColorMaps();
    // A dump cut short (a full disk, a closed pipe) must not pass for the whole catalogue.
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::perror("mibdump");
        return 1;
    }
    return 0;
}
