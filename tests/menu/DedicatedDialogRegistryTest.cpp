#include "DedicatedDialogRegistry.h"
#include "MainMenuData.h"
#include "TForm.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace dedicated_dialog_registry_test {

namespace {

class TSummerTimeForm : public TForm {
public:
    explicit TSummerTimeForm(TComponent* owner) : TForm(owner) {}
};
TSummerTimeForm* SummerTimeForm = nullptr;

class TLoginMethodListForm : public TForm {
public:
    TLoginMethodListForm(TComponent* owner, int list) : TForm(owner), List(list) {}
    int List;
};
TLoginMethodListForm* LoginMethodListForm = nullptr;

bool Contains(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

} // namespace

TEST(DedicatedDialogRegistry, TheMenuNamesEveryDialogClassOnceAndTheDdmBuilders) {
    const std::vector<std::string> names = MenuDialogNames();
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
    EXPECT_EQ(names.end(), std::adjacent_find(names.begin(), names.end()));
    // 131 commands open 128 classes (the login, proxy-group and filter-profile dialogs serve two),
    // and 4 DDM builders.
    EXPECT_EQ(128u + 4u, names.size());
    for (const char* name :
         {"TVlanStaticForm", "TMcastProxyGroupForm", "TEEEStateFormUnit", "TLLDP_Management_Address",
          "ShowDDMStatusTable", "ShowDDMPortManagementTable"}) {
        EXPECT_TRUE(Contains(names, name)) << name;
    }
}

TEST(DedicatedDialogRegistry, MissingListsWhatIsNotRegistered) {
    DedicatedDialogRegistry registry;
    EXPECT_EQ(MenuDialogNames(), registry.Missing());
    EXPECT_FALSE(registry.CanOpen(*FindMenuCommand("SummerTime1Click")));
    EXPECT_FALSE(registry.CanOpen(*FindMenuCommand("StatusTable1Click")));
    // Commands that open no dedicated dialog need nothing from the registry.
    EXPECT_TRUE(registry.CanOpen(*FindMenuCommand("UnitTable1Click")));
    EXPECT_TRUE(registry.CanOpen(*FindMenuCommand("IfTable1Click")));

    registry.Register("TSummerTimeForm", SummerTimeForm);
    registry.RegisterDdmBuilder("ShowDDMStatusTable", [](const std::string&, double) {});
    EXPECT_TRUE(registry.CanOpen(*FindMenuCommand("SummerTime1Click")));
    EXPECT_TRUE(registry.CanOpen(*FindMenuCommand("StatusTable1Click")));
    const std::vector<std::string> missing = registry.Missing();
    EXPECT_EQ(MenuDialogNames().size() - 2, missing.size());
    EXPECT_FALSE(Contains(missing, "TSummerTimeForm"));
    EXPECT_FALSE(Contains(missing, "ShowDDMStatusTable"));
    EXPECT_TRUE(Contains(missing, "TTimeRangeForm"));
}

TEST(DedicatedDialogRegistry, RegisteredClassesAreMadeWithTheirArgumentAndSetTheirPointer) {
    DedicatedDialogRegistry registry;
    registry.Register("TSummerTimeForm", SummerTimeForm);
    registry.Register("TLoginMethodListForm", LoginMethodListForm);

    const auto* summer = registry.FindClass("TSummerTimeForm");
    ASSERT_NE(nullptr, summer);
    std::unique_ptr<TForm> form(summer->Create(nullptr, 0));
    ASSERT_NE(nullptr, dynamic_cast<TSummerTimeForm*>(form.get()));
    summer->SetInstance(form.get());
    EXPECT_EQ(form.get(), SummerTimeForm);
    summer->SetInstance(nullptr);
    EXPECT_EQ(nullptr, SummerTimeForm);

    const auto* login = registry.FindClass("TLoginMethodListForm");
    ASSERT_NE(nullptr, login);
    std::unique_ptr<TForm> list(login->Create(nullptr, 1));
    auto* loginList = dynamic_cast<TLoginMethodListForm*>(list.get());
    ASSERT_NE(nullptr, loginList);
    EXPECT_EQ(1, loginList->List);
    EXPECT_EQ(nullptr, registry.FindClass("TTimeRangeForm"));
}

} // namespace dedicated_dialog_registry_test
