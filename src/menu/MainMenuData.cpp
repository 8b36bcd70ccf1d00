#include "MainMenuData.h"

namespace {

constexpr MenuEntry kRefreshEntries[] = {
    // The top-level item and the hidden Monitoring item share the handler.
    {.Path = {"Refresh"},
     .Name = "RefreshPanel2",
     .Handler = "RefreshPanel1Click",
     .Command = CommandKind::Refresh},
};

} // namespace

std::span<const MenuEntry> RefreshMenuEntries() {
    return kRefreshEntries;
}

std::span<const std::span<const MenuEntry>> MainMenuSections() {
    static const std::span<const MenuEntry> sections[] = {
        SystemMenuEntries(), ManagementMenuEntries(), Layer2MenuEntries(),   Layer3MenuEntries(),
        QoSMenuEntries(),    AclMenuEntries(),        SecurityMenuEntries(), NetworkApplicationMenuEntries(),
        OamMenuEntries(),    MonitoringMenuEntries(), HelpMenuEntries(),     RefreshMenuEntries(),
    };
    return sections;
}

const std::vector<const MenuEntry*>& MainMenuEntries() {
    static const std::vector<const MenuEntry*> entries = [] {
        std::vector<const MenuEntry*> all;
        for (std::span<const MenuEntry> section : MainMenuSections()) {
            for (const MenuEntry& entry : section) {
                all.push_back(&entry);
            }
        }
        return all;
    }();
    return entries;
}

const MenuEntry* FindMenuCommand(std::string_view handler) {
    for (const MenuEntry* entry : MainMenuEntries()) {
        if (entry->Handler && handler == entry->Handler) {
            return entry;
        }
    }
    return nullptr;
}
