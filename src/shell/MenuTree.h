// The main menu as data: one record per item, naming the item by its component name and by its path
// of captions from the menu bar. Adding records finds the items that exist (by name, else by caption
// under the same parent) and creates the rest, so a longer list of records takes over the items a
// shorter one made.
#pragma once

#include <span>
#include <string>
#include <vector>

class TComponent;
class TMainMenu;
class TMenuItem;

struct MenuItemRecord {
    const char* Name;    // component name; "" for a submenu known only by its caption
    const char* Path[5]; // captions from the menu bar down to the item, ending at the first null
    bool Visible;        // visibility as the menu is defined
};

// Finds or creates the item of the record, and the submenus above it (visible, unnamed). The item
// gets the record's name and design visibility; owner owns what is created.
TMenuItem* AddMenuItem(TMainMenu* menu, TComponent* owner, const MenuItemRecord& record);
void AddMenuItems(TMainMenu* menu, TComponent* owner, std::span<const MenuItemRecord> records);

// The item's captions from the menu bar down, joined by " > ".
std::string MenuItemPath(const TMenuItem* item);

// The items the main window's edition pass shows and hides, by component name: hidden in every
// edition, hidden in "KA", shown in "KC", hidden in "KC". The menu data marks them; the full menu's
// builder hands them to the window.
struct EditionMenus {
    std::vector<std::string> HiddenInEveryEdition;
    std::vector<std::string> HiddenInKA;
    std::vector<std::string> ShownInKC;
    std::vector<std::string> HiddenInKC;
};

// The items the shell itself needs: the twelve menus of the menu bar, the items that the edition
// and stack-mode passes show and hide, the "SNMP v3" menu, and Help and About.
std::span<const MenuItemRecord> ShellMenuItems();
