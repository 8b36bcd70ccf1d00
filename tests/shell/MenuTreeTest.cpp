#include "MenuTree.h"

#include "TForm.h"
#include "TMainMenu.h"

#include <gtest/gtest.h>
#include <memory>
#include <set>

namespace menu_tree_test {

namespace {

struct MenuFixture : ::testing::Test {
    TForm* Form = CreateForm<TForm>(nullptr);
    TMainMenu* Menu = new TMainMenu(Form);
    ~MenuFixture() override { delete Form; }

    TMenuItem* Named(const char* name) const { return dynamic_cast<TMenuItem*>(Form->FindComponent(name)); }
    int CountItems(const TMenuItem* item) const {
        int n = item->Count();
        for (int i = 0; i < item->Count(); ++i) {
            n += CountItems(item->Items(i));
        }
        return n;
    }
};

} // namespace

TEST_F(MenuFixture, ShellItemsBuildTheMenuBarAndEveryNamedItemOnce) {
    AddMenuItems(Menu, Form, ShellMenuItems());

    const char* bar[] = {"System",    "Management",          "Layer 2 ", "Layer 3",    "QoS ", "ACL",
                         "Security ", "Network Application", "OAM",      "Monitoring", "Help", "Refresh"};
    ASSERT_EQ(Menu->Items()->Count(), 12);
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(Menu->Items()->Items(i)->Caption(), bar[i]);
    }
    EXPECT_EQ(Named("RefreshPanel2"), Menu->Items()->Items(11));

    std::set<std::string> names;
    for (const MenuItemRecord& r : ShellMenuItems()) {
        if (!*r.Name) {
            continue;
        }
        EXPECT_TRUE(names.insert(r.Name).second) << "named twice: " << r.Name;
        TMenuItem* item = Named(r.Name);
        ASSERT_NE(item, nullptr) << r.Name;
        EXPECT_EQ(item->Visible(), r.Visible) << r.Name;
        std::string path;
        for (int i = 0; i < 5 && r.Path[i]; ++i) {
            path += (i ? " > " : "") + std::string(r.Path[i]);
        }
        EXPECT_EQ(MenuItemPath(item), path);
    }
}

TEST_F(MenuFixture, SubmenusAreSharedAndSeparatorsStayApart) {
    AddMenuItems(Menu, Form, ShellMenuItems());
    EXPECT_EQ(Named("ScheduleProfileTable1")->Parent(), Named("ScheduleGroupTable1")->Parent());
    EXPECT_EQ(Named("HostTable2")->Parent(), Named("DataDrivenlearningGroupTable1")->Parent());
    EXPECT_NE(Named("HostTable2")->Parent(), Named("HostTable3")->Parent());
    EXPECT_NE(Named("N36"), Named("N49"));
    EXPECT_TRUE(Named("N36")->IsLine());
}

TEST_F(MenuFixture, ALongerListTakesOverTheItemsThatExist) {
    AddMenuItems(Menu, Form, ShellMenuItems());
    const int before = CountItems(Menu->Items());
    TMenuItem* sred = Named("SRED2");
    TMenuItem* qos = sred->Parent();

    const MenuItemRecord later[] = {
        {"QoS1", {"QoS "}, true},                               // a name for an unnamed menu
        {"SRED2", {"QoS ", "SRED"}, false},                     // found by name
        {"SREDTable1", {"QoS ", "SRED", "SRED Table"}, true},   // a new leaf below it
        {"Unitinformation1", {"Monitoring", "Elsewhere"}, true} // the name wins over the path
    };
    AddMenuItems(Menu, Form, later);

    EXPECT_EQ(Named("QoS1"), qos);
    EXPECT_EQ(Named("SRED2"), sred);
    EXPECT_FALSE(sred->Visible());
    ASSERT_EQ(sred->Count(), 1);
    EXPECT_EQ(sred->Items(0), Named("SREDTable1"));
    EXPECT_EQ(CountItems(Menu->Items()), before + 1);
}

TEST_F(MenuFixture, ARecordWithoutACaptionIsRefused) {
    const MenuItemRecord bad{"Nothing1", {nullptr}, true};
    EXPECT_THROW(AddMenuItem(Menu, Form, bad), std::invalid_argument);
}

} // namespace menu_tree_test
