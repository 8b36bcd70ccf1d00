#include "TMainMenu.h"

#include "QtBridge.h"
#include "TForm.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>
#include <stdexcept>

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) {
    ItemAction = new QAction();
    QObject::connect(ItemAction, &QAction::triggered, [this] { DispatchEvent(OnClick, this); });
}

TMenuItem::~TMenuItem() {
    while (!SubItems.empty()) {
        delete SubItems.back();
    }
    if (ParentItem) {
        ParentItem->Remove(this);
    }
    delete ItemAction;
    delete ItemMenu;
}

void TMenuItem::SetCaption(const std::string& caption) {
    ItemCaption = caption;
    SyncAction();
}
void TMenuItem::SetVisible(bool visible) {
    IsVisible = visible;
    SyncAction();
}
void TMenuItem::SetEnabled(bool enabled) {
    IsEnabled = enabled;
    SyncAction();
}
void TMenuItem::SetChecked(bool checked) {
    IsChecked = checked;
    SyncAction();
}

void TMenuItem::SyncAction() {
    // A separator keeps its caption "-" (menus find and compare items by caption), but its action
    // has no text: a style may draw the text of a separator action beside the line.
    ItemAction->setSeparator(IsLine());
    ItemAction->setText(IsLine() ? QString() : ToQ(ItemCaption));
    ItemAction->setVisible(IsVisible);
    ItemAction->setEnabled(IsEnabled);
    ItemAction->setCheckable(IsChecked);
    ItemAction->setChecked(IsChecked);
}

QMenu* TMenuItem::SubMenu() {
    if (!ItemMenu) {
        ItemMenu = new QMenu();
        ItemAction->setMenu(ItemMenu);
    }
    return ItemMenu;
}

void TMenuItem::Add(TMenuItem* item) {
    Insert(Count(), item);
}

void TMenuItem::Insert(int index, TMenuItem* item) {
    if (!item || item->ParentItem) {
        throw std::invalid_argument("Menu item already in a menu");
    }
    if (index < 0 || index > Count()) {
        throw std::out_of_range("Menu index out of range");
    }
    SubItems.insert(SubItems.begin() + index, item);
    item->ParentItem = this;
    item->SyncAction();
    QAction* before = index + 1 < Count() ? SubItems[index + 1]->ItemAction : nullptr;
    if (Menu) {
        if (Menu->Bar) {
            Menu->Bar->insertAction(before, item->ItemAction);
        }
    } else {
        SubMenu()->insertAction(before, item->ItemAction);
    }
}

void TMenuItem::Remove(TMenuItem* item) {
    auto it = std::find(SubItems.begin(), SubItems.end(), item);
    if (it == SubItems.end()) {
        return;
    }
    SubItems.erase(it);
    item->ParentItem = nullptr;
    if (Menu && Menu->Bar) {
        Menu->Bar->removeAction(item->ItemAction);
    } else if (ItemMenu) {
        ItemMenu->removeAction(item->ItemAction);
    }
}

TMenuItem* TMenuItem::Find(const std::string& caption) const {
    for (TMenuItem* item : SubItems) {
        if (item->ItemCaption == caption) {
            return item;
        }
    }
    return nullptr;
}

void TMenuItem::Click() {
    if (OnClick) {
        OnClick(this);
    }
}

TMainMenu::TMainMenu(TComponent* owner) : TComponent(owner), Root(new TMenuItem(this)) {
    Root->Menu = this;
}

TMainMenu::~TMainMenu() {
    if (Form) {
        Form->SetMenu(nullptr);
    }
    delete Bar;
}

void TMainMenu::AttachTo(TForm* form, QWidget* window) {
    Form = form;
    if (!Bar) {
        Bar = new QMenuBar(window);
        for (TMenuItem* item : Root->SubItems) {
            Bar->addAction(item->ItemAction);
        }
    } else {
        Bar->setParent(window);
    }
    Bar->show();
}

void TMainMenu::DetachFrom(TForm* form) {
    if (Form == form) {
        Form = nullptr;
        if (Bar) {
            Bar->hide();
            Bar->setParent(nullptr);
        }
    }
}
