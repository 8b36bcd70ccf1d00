#include "MainMenuTree.h"
#include "DedicatedDialogRegistry.h"
#include "MainMenuData.h"
#include "TForm.h"
#include "TMainMenu.h"

#include <QAction>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace main_menu_tree_test {

namespace {

class TMenuHostForm : public TForm {
public:
    explicit TMenuHostForm(TComponent* owner) : TForm(owner) {
        MainMenu1 = new TMainMenu(this);
        SetMenu(MainMenu1);
    }
    TMainMenu* MainMenu1;
};

class TSummerTimeForm : public TForm {
public:
    explicit TSummerTimeForm(TComponent* owner) : TForm(owner) {}
};
TSummerTimeForm* SummerTimeForm = nullptr;

// The items of the tree in menu order, the bar's items first at depth 1.
void Walk(TMenuItem* parent, std::vector<TMenuItem*>& items) {
    for (int i = 0; i < parent->Count(); ++i) {
        items.push_back(parent->Items(i));
        Walk(parent->Items(i), items);
    }
}

std::vector<TMenuItem*> ItemsOf(TMainMenu* menu) {
    std::vector<TMenuItem*> items;
    Walk(menu->Items(), items);
    return items;
}

std::string PathOf(const TMenuItem* item) {
    std::string path;
    for (; item && item->Parent(); item = item->Parent()) {
        path = path.empty() ? item->Caption() : item->Caption() + " > " + path;
    }
    return path;
}

class MainMenuTree : public ::testing::Test {
protected:
    void SetUp() override { Form.reset(CreateForm<TMenuHostForm>(nullptr)); }
    TMainMenu* Menu() const { return Form->MainMenu1; }
    TMenuItem* Item(const char* handler) const { return FindMenuItem(Menu(), *FindMenuCommand(handler)); }

    std::unique_ptr<TMenuHostForm> Form;
    DedicatedDialogRegistry Dialogs;
};

} // namespace

TEST_F(MainMenuTree, EveryEntryBecomesItsItemInMenuOrder) {
    BuildMainMenu(Menu(), Form.get(), Dialogs);
    const std::vector<TMenuItem*> items = ItemsOf(Menu());
    const std::vector<const MenuEntry*>& entries = MainMenuEntries();
    ASSERT_EQ(entries.size(), items.size());
    for (size_t i = 0; i < items.size(); ++i) {
        const MenuEntry& entry = *entries[i];
        TMenuItem* item = items[i];
        EXPECT_EQ(entry.Item == MenuItemKind::Separator ? "-" : std::string(entry.Caption()),
                  item->Caption());
        EXPECT_EQ(entry.Item == MenuItemKind::Separator, item->IsLine());
        EXPECT_EQ(entry.Item == MenuItemKind::Separator, item->Action()->isSeparator()) << PathOf(item);
        if (entry.Item == MenuItemKind::Separator) {
            EXPECT_TRUE(item->Action()->text().isEmpty()) << PathOf(item); // no "-" drawn
        }
        EXPECT_EQ(ComponentName(entry), item->Name()) << PathOf(item);
        EXPECT_EQ(entry.Visible, item->Visible()) << PathOf(item);
        EXPECT_EQ(entry.Item == MenuItemKind::Submenu, item->Count() > 0) << PathOf(item);
        EXPECT_EQ(item->Owner(), Form.get());
        if (!ComponentName(entry).empty()) {
            EXPECT_EQ(item, Form->FindComponent(ComponentName(entry))) << PathOf(item);
        }
    }
    // The bar: twelve items, "Refresh" a command of its own.
    ASSERT_EQ(12, Menu()->Items()->Count());
    EXPECT_EQ("Layer 2 ", Menu()->Items()->Items(2)->Caption());
    EXPECT_EQ("RefreshPanel2", Menu()->Items()->Items(11)->Name());
    EXPECT_EQ(0, Menu()->Items()->Items(11)->Count());
}

TEST_F(MainMenuTree, ItemsOfDialogsNotBuiltAreVisibleButDisabled) {
    Dialogs.Register("TSummerTimeForm", SummerTimeForm);
    BuildMainMenu(Menu(), Form.get(), Dialogs);
    std::set<std::string> missing;
    for (const std::string& name : Dialogs.Missing()) {
        missing.insert(name);
    }
    int disabled = 0;
    for (const MenuEntry* entry : MainMenuEntries()) {
        if (entry->Item == MenuItemKind::Separator) {
            continue;
        }
        TMenuItem* item = FindMenuItem(Menu(), *entry);
        ASSERT_NE(nullptr, item);
        const bool dialogMissing =
            (entry->Command == CommandKind::Dedicated && missing.count(entry->Dialog)) ||
            (entry->Command == CommandKind::Ddm && missing.count(DdmBuilderName(entry->Ddm)));
        EXPECT_EQ(!dialogMissing, item->Enabled()) << PathOf(item);
        EXPECT_EQ(entry->Visible, item->Visible()) << PathOf(item);
        disabled += !item->Enabled();
    }
    // 131 dedicated commands less the registered one, and the 4 DDM commands.
    EXPECT_EQ(130 + 4, disabled);
    EXPECT_TRUE(Item("SummerTime1Click")->Enabled());
    EXPECT_FALSE(Item("Time1Click")->Enabled());
    EXPECT_TRUE(Item("StaticHostTable1Click")->Enabled());
    EXPECT_TRUE(Item("UnitTable1Click")->Enabled());
}

TEST_F(MainMenuTree, ClickRunsTheCommandOfTheItem) {
    std::vector<const MenuEntry*> ran;
    BuildMainMenu(Menu(), Form.get(), Dialogs, [&](const MenuEntry& entry) { ran.push_back(&entry); });
    Item("UnitTable1Click")->Click();
    Item("IfTable1Click")->Click();
    auto* refresh = dynamic_cast<TMenuItem*>(Form->FindComponent("RefreshPanel2"));
    ASSERT_NE(nullptr, refresh);
    refresh->Click();
    ASSERT_EQ(3u, ran.size());
    EXPECT_EQ(FindMenuCommand("UnitTable1Click"), ran[0]);
    EXPECT_EQ(FindMenuCommand("IfTable1Click"), ran[1]);
    EXPECT_EQ(CommandKind::Refresh, ran[2]->Command);
    // Submenus and separators run nothing.
    EXPECT_FALSE(static_cast<bool>(FindMenuItem(Menu(), *MainMenuSections()[0].data())->OnClick));
}

TEST_F(MainMenuTree, ItemsThatExistAlreadyAreTakenOverAndPlaced) {
    // Items made before the tree, as the shell makes those of its start-up passes: named leaves and
    // separators under unnamed submenus created on the way, in another order.
    auto add = [&](TMenuItem* parent, const std::string& caption, const std::string& name) {
        auto* item = new TMenuItem(Form.get());
        item->SetCaption(caption);
        item->SetName(name);
        parent->Add(item);
        return item;
    };
    TMenuItem* root = Menu()->Items();
    TMenuItem* refresh = add(root, "Refresh", "RefreshPanel2");
    TMenuItem* monitoring = add(root, "Monitoring", "");
    TMenuItem* equipment = add(monitoring, "Equipment Management", "");
    TMenuItem* unitTable = add(equipment, "Unit Table", "UnitTable1");
    TMenuItem* unitInformation = add(equipment, "Unit Information", "Unitinformation1");
    TMenuItem* layer3 = add(root, "Layer 3", "");
    TMenuItem* n49 = add(layer3, "-", "N49");
    TMenuItem* ospf = add(layer3, "OSPF", "OSPF");
    TMenuItem* layer2 = add(root, "Layer 2 ", "");
    TMenuItem* qinq = add(layer2, "Q-in-Q", "QinQ1");
    qinq->SetVisible(false); // a pass ran before: the tree sets the visibility as designed again

    BuildMainMenu(Menu(), Form.get(), Dialogs);

    EXPECT_EQ(MainMenuEntries().size(), ItemsOf(Menu()).size()); // nothing doubled, nothing left over
    EXPECT_EQ(refresh, root->Items(11));
    EXPECT_EQ(monitoring, root->Items(9));
    EXPECT_EQ(layer3, root->Items(3));
    EXPECT_EQ(layer2, root->Items(2));
    EXPECT_EQ(unitTable, Item("UnitTable1Click"));
    EXPECT_EQ(unitInformation, Item("Unitinformation1Click"));
    EXPECT_EQ(equipment, unitTable->Parent());
    EXPECT_EQ("Monitoring > Equipment Management > Unit Table", PathOf(unitTable));
    EXPECT_EQ(ospf, FindMenuItem(Menu(), MenuEntry{.Path = {"Layer 3", "OSPF"}}));
    EXPECT_EQ(layer3, n49->Parent());
    EXPECT_EQ("Layer 2  > Q-in-Q", PathOf(qinq));
    EXPECT_TRUE(qinq->Visible());
    EXPECT_EQ(3, qinq->Count() - 4); // its three commands and four invisible leaves
}

TEST_F(MainMenuTree, BuildingAgainKeepsOneItemPerEntry) {
    BuildMainMenu(Menu(), Form.get(), Dialogs);
    const std::vector<TMenuItem*> first = ItemsOf(Menu());
    BuildMainMenu(Menu(), Form.get(), Dialogs);
    EXPECT_EQ(first, ItemsOf(Menu()));
}

TEST(EditionMenus, TakenFromTheMarksOfTheEntries) {
    const MenuEntry entries[] = {
        {.Path = {"QoS ", "SRED"}, .Name = "SRED2", .Passes = {.HideAtStart = true}},
        {.Path = {"Layer 3", "Route Preference Settings"},
         .Handler = "RoutePreferenceTable1Click",
         .Passes = {.HideInKA = true, .ShowInKC = true}},
        {.Path = {"Layer 2 ", "MLD Snooping", "Data Driven Learning Group Table"},
         .Name = "DataDrivenlearningGroupTable2",
         .Passes = {.HideInKC = true}},
        {.Path = {"Monitoring", "Equipment Management", "Unit Table"},
         .Name = "UnitTable1",
         .Passes = {.StackModeOnly = true}},
        {.Path = {"System", "Ping"}, .Name = "Ping1"},
    };
    std::vector<const MenuEntry*> list;
    for (const MenuEntry& entry : entries) {
        list.push_back(&entry);
    }
    const EditionMenus menus = EditionMenusOf(list);
    using Names = std::vector<std::string>;
    EXPECT_EQ(menus.HiddenInEveryEdition, Names{"SRED2"});
    EXPECT_EQ(menus.HiddenInKA, Names{"RoutePreferenceTable1"}) << "named after the handler";
    EXPECT_EQ(menus.ShownInKC, Names{"RoutePreferenceTable1"});
    EXPECT_EQ(menus.HiddenInKC, Names{"DataDrivenlearningGroupTable2"});
}

} // namespace main_menu_tree_test
