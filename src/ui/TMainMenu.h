// The main menu: a tree of TMenuItem components built at run time. Items are components of the
// form (found by name with FindComponent); a parent item holds its sub-items and deletes them with
// itself. Caption "-" makes a separator.
#pragma once

#include "Events.h"
#include "TComponent.h"

#include <string>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;
class TForm;
class TMainMenu;

class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;

    const std::string& Caption() const { return ItemCaption; }
    void SetCaption(const std::string& caption);
    bool Visible() const { return IsVisible; }
    void SetVisible(bool visible);
    bool Enabled() const { return IsEnabled; }
    void SetEnabled(bool enabled);
    bool Checked() const { return IsChecked; }
    void SetChecked(bool checked);
    bool IsLine() const { return ItemCaption == "-"; }

    void Add(TMenuItem* item);
    void Insert(int index, TMenuItem* item);
    // Takes the item out of this menu without deleting it.
    void Remove(TMenuItem* item);
    int Count() const { return static_cast<int>(SubItems.size()); }
    TMenuItem* Items(int index) const { return SubItems.at(index); }
    TMenuItem* operator[](int index) const { return Items(index); }
    TMenuItem* Parent() const { return ParentItem; }
    // The sub-item with that caption (exact), or null.
    TMenuItem* Find(const std::string& caption) const;

    // Runs OnClick as a click would.
    void Click();

    TNotifyEvent OnClick;

    QAction* Action() const { return ItemAction; }

private:
    friend class TMainMenu;
    void SyncAction();
    QMenu* SubMenu();
    void Placed(QWidget* container, int index);

    std::string ItemCaption;
    bool IsVisible = true;
    bool IsEnabled = true;
    bool IsChecked = false;
    TMenuItem* ParentItem = nullptr;
    TMainMenu* Menu = nullptr; // set on the root item
    std::vector<TMenuItem*> SubItems;
    QAction* ItemAction = nullptr;
    QMenu* ItemMenu = nullptr;
};

class TMainMenu : public TComponent {
public:
    explicit TMainMenu(TComponent* owner);
    ~TMainMenu() override;

    // The root item: its sub-items are the menu bar's menus.
    TMenuItem* Items() const { return Root; }

    QMenuBar* MenuBar() const { return Bar; }
    void AttachTo(TForm* form, QWidget* window);
    void DetachFrom(TForm* form);

private:
    friend class TMenuItem;
    TMenuItem* Root;
    QMenuBar* Bar = nullptr;
    TForm* Form = nullptr;
};
