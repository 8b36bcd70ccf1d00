// The main menu tree built from the menu's entries: every item with its caption, component name,
// place, separators and visibility as the menu is defined. Items that exist already (the shell's,
// made for its start-up passes) are taken over: found by component name, or an unnamed submenu by
// its caption under the same parent, and moved to their place. The start-up passes run afterwards.
#pragma once

#include "MenuTree.h"

#include <functional>
#include <string>
#include <vector>

class DedicatedDialogRegistry;
class TComponent;
class TMainMenu;
class TMenuItem;
struct MenuEntry;

using MenuCommandHandler = std::function<void(const MenuEntry& entry)>;

// Whether the command of the entry can run: its dedicated dialog or DDM builder is registered and
// every table it names is in the catalogue.
bool CommandReady(const MenuEntry& entry, const DedicatedDialogRegistry& dialogs);

// Builds the tree in menu's root; owner owns what is created and is where names are looked up. A
// command item is enabled when its command is ready; a click runs `run` with its entry (no click
// handler when run is empty).
void BuildMainMenu(TMainMenu* menu, TComponent* owner, const DedicatedDialogRegistry& dialogs,
                   const MenuCommandHandler& run = {});

// The item an entry made, by walking its caption path (separators are not found this way).
TMenuItem* FindMenuItem(TMainMenu* menu, const MenuEntry& entry);

// The items of the main window's edition pass, from the entries' marks (MenuEntry::Passes), in
// entry order.
EditionMenus EditionMenusOf(const std::vector<const MenuEntry*>& entries);
