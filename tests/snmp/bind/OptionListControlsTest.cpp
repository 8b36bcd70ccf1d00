#include "OptionListControls.h"

#include "TComboBox.h"
#include "TForm.h"
#include "TRadioGroup.h"
#include "VqOptionList.h"

#include <gtest/gtest.h>
#include <memory>

namespace option_list_controls_test {

namespace {

const OptionSourceRow kEnabledRows[] = {
    {1, nullptr, "enabled"}, {2, nullptr, "disabled"}, {2, nullptr, "off"}, {}};
const OptionSourceRow kNoRows[] = {{}};
const OptionSourceRow kAuthRows[] = {{0, "1.3.6.1.6.3.10.1.1.1", "None"},
                                     {0, "1.3.6.1.6.3.10.1.1.2", "MD5"},
                                     {0, "1.3.6.1.6.3.10.1.1.3", "SHA"},
                                     {}};

struct Selection {
    const char* Text;
    int Index;
};

} // namespace

TEST(OptionListControls, ControlsShowTheRowsAndSelectByTextThenByValue) {
    std::unique_ptr<TForm> form(CreateForm<TForm>(nullptr));
    VqOptionList enabled(kEnabledRows, olIntegerValues, false);
    VqOptionList auth(kAuthRows, olTextValues, false);
    struct Case {
        const VqOptionList* List;
        std::vector<std::string> Items;
        std::vector<Selection> Selections;
    } const cases[] = {
        {&enabled,
         {"enabled", "disabled", "off"},
         {{"enabled", 0},
          {"1", 0},
          {"Disabled", 1},
          {"2", 1},
          {"off", 2},
          {"3", -1},
          {"", -1},
          {"(NULL)", -1}}},
        {&auth, {"None", "MD5", "SHA"}, {{"sha", 2}, {"1.3.6.1.6.3.10.1.1.2", 1}, {"1.3.6", -1}}},
    };
    for (const Case& c : cases) {
        auto* combo = new TComboBox(form.get());
        auto* group = new TRadioGroup(form.get());
        combo->Items().Add("stale");
        group->Items().Add("stale");
        combo->SetItemIndex(0);
        group->SetItemIndex(0);
        FillComboBox(*c.List, combo);
        FillRadioGroup(*c.List, group);
        EXPECT_EQ(c.Items, combo->Items().List());
        EXPECT_EQ(c.Items, group->Items().List());
        EXPECT_EQ(-1, combo->ItemIndex());
        EXPECT_EQ(-1, group->ItemIndex());
        int clicks = 0;
        group->OnClick = [&](TObject*) { ++clicks; };
        for (const Selection& s : c.Selections) {
            SCOPED_TRACE(s.Text);
            group->SetItemIndex(s.Index < 0 ? 0 : -1); // so that each selection is a change
            clicks = 0;
            SelectComboBox(*c.List, combo, s.Text);
            SelectRadioGroup(*c.List, group, s.Text);
            EXPECT_EQ(s.Index, combo->ItemIndex());
            EXPECT_EQ(s.Index, group->ItemIndex());
            EXPECT_EQ(1, clicks);
        }
    }
}

TEST(OptionListControls, AnEmptyListLeavesTheControlsEmpty) {
    std::unique_ptr<TForm> form(CreateForm<TForm>(nullptr));
    VqOptionList none(kNoRows, olIntegerValues, false);
    auto* combo = new TComboBox(form.get());
    auto* group = new TRadioGroup(form.get());
    combo->Items().Add("stale");
    FillComboBox(none, combo);
    FillRadioGroup(none, group);
    SelectComboBox(none, combo, "1");
    SelectRadioGroup(none, group, "1");
    EXPECT_EQ(0, combo->Items().Count());
    EXPECT_EQ(0, group->Items().Count());
    EXPECT_EQ(-1, combo->ItemIndex());
    EXPECT_EQ(-1, group->ItemIndex());
}

} // namespace option_list_controls_test
