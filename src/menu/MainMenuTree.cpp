#include "MainMenuTree.h"

#include "DedicatedDialogRegistry.h"
#include "MainMenuData.h"
#include "TMainMenu.h"

#include <map>
#include <stdexcept>

namespace {

TMenuItem* TakeOver(TComponent* owner, TMenuItem* parent, const MenuEntry& entry, int index) {
    const std::string name = ComponentName(entry);
    TMenuItem* item = nullptr;
    if (!name.empty()) {
        TComponent* found = owner->FindComponent(name);
        item = dynamic_cast<TMenuItem*>(found);
        if (found && !item) {
            throw std::logic_error("menu item name taken by another component: " + name);
        }
    } else {
        // An unnamed item made before us and not placed yet: a submenu anywhere among the rest (the
        // shell makes them as its named items need them), a leaf or separator only where it belongs.
        const int last = entry.Item == MenuItemKind::Submenu ? parent->Count() - 1 : index;
        const std::string caption = entry.Item == MenuItemKind::Separator ? "-" : entry.Caption();
        for (int i = index; i <= last && i < parent->Count() && !item; ++i) {
            TMenuItem* candidate = parent->Items(i);
            if (candidate->Caption() == caption && candidate->Name().empty()) {
                item = candidate;
            }
        }
    }
    if (!item) {
        item = new TMenuItem(owner);
    }
    if (item->Parent() != parent || parent->Items(index) != item) {
        if (item->Parent()) {
            item->Parent()->Remove(item);
        }
        parent->Insert(index, item);
    }
    return item;
}

} // namespace

bool CommandReady(const MenuEntry& entry, const DedicatedDialogRegistry& dialogs) {
    return dialogs.CanOpen(entry);
}

void BuildMainMenu(TMainMenu* menu, TComponent* owner, const DedicatedDialogRegistry& dialogs,
                   const MenuCommandHandler& run) {
    // The item of each submenu path placed so far, and how many items each parent holds so far.
    std::map<TMenuItem*, int> placed;
    std::vector<TMenuItem*> parents{menu->Items()};
    for (const MenuEntry* entry : MainMenuEntries()) {
        const int depth = entry->Depth();
        if (depth < 1 || depth > static_cast<int>(parents.size())) {
            throw std::logic_error(std::string("menu entry without its submenu: ") + entry->Caption());
        }
        parents.resize(depth);
        TMenuItem* parent = parents.back();
        TMenuItem* item = TakeOver(owner, parent, *entry, placed[parent]++);
        item->SetCaption(entry->Item == MenuItemKind::Separator ? "-" : entry->Caption());
        const std::string name = ComponentName(*entry);
        if (!name.empty()) {
            item->SetName(name);
        }
        item->SetVisible(entry->Visible);
        item->SetEnabled(CommandReady(*entry, dialogs));
        if (entry->Command != CommandKind::None && run) {
            item->OnClick = [run, entry](TObject*) { run(*entry); };
        }
        if (entry->Item == MenuItemKind::Submenu) {
            parents.push_back(item);
        }
    }
}

TMenuItem* FindMenuItem(TMainMenu* menu, const MenuEntry& entry) {
    TMenuItem* item = menu->Items();
    for (int i = 0; i < entry.Depth() && item; ++i) {
        item = item->Find(entry.Path[i]);
    }
    return item;
}

EditionMenus EditionMenusOf(const std::vector<const MenuEntry*>& entries) {
    EditionMenus menus;
    for (const MenuEntry* entry : entries) {
        const MenuPasses& p = entry->Passes;
        const std::string name = ComponentName(*entry);
        for (auto [marked, list] :
             {std::pair{p.HideAtStart, &menus.HiddenInEveryEdition}, std::pair{p.HideInKA, &menus.HiddenInKA},
              std::pair{p.ShowInKC, &menus.ShownInKC}, std::pair{p.HideInKC, &menus.HiddenInKC}}) {
            if (marked) {
                list->push_back(name);
            }
        }
    }
    return menus;
}
