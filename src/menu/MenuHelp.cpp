// The Help menu: every item in menu order, with its command.
#include "MainMenuData.h"

namespace {

constexpr MenuEntry kHelpEntries[] = {
    {.Path = {"Help"}, .Item = MenuItemKind::Submenu},
    {.Path = {"Help", "Help"}, .Handler = "Help2Click", .Command = CommandKind::Help},
    {.Path = {"Help", "About"}, .Handler = "About1Click", .Command = CommandKind::About},
};

} // namespace

std::span<const MenuEntry> HelpMenuEntries() {
    return kHelpEntries;
}
