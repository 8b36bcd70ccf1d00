#include "StackingPortUitFormUnit.h"

#include "MainFormFixture.h"
#include "StrToInt.h"
#include "TCheckBox.h"
#include "TPageControl.h"
#include "UiTesting.h"
#include "UnitTableRows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace stacking_port_uit_form_unit_test {

namespace {

const std::vector<UnitRowText> kAbsentUnits3To6 = {{"3", ""}, {"4", ""}, {"5", ""}, {"6", ""}};

std::vector<UnitRowText> Stack(std::vector<UnitRowText> present) {
    present.insert(present.end(), kAbsentUnits3To6.begin(), kAbsentUnits3To6.end());
    return present;
}

// A dialog with a page control into which a picker is put as the dialogs do.
class PickerTest : public ::testing::Test {
protected:
    void SetUp() override {
        Dialog = CreateForm<TForm>(nullptr);
        Pages = new TPageControl(Dialog);
        Pages->SetParent(Dialog);
        Pages->SetAlign(alClient);
        Units = new TListView(Dialog);
        Units->SetParent(Dialog);
        Units->Hide();
        Picker = CreateForm<TStackingPortUitForm>(Dialog);
    }
    void TearDown() override { delete Dialog; }

    void Fill(bool stacking, const std::vector<UnitRowText>& rows) {
        FillUnitTable(Units, rows);
        AddUnitPortTab("Ports", Picker, Pages, {stacking, ReadStackUnitRows(Units)});
    }

    int VisibleBoxes(int unit) const {
        auto first = Picker->PortBoxes.begin() + (unit - 1) * kPortSlotsPerUnit;
        return static_cast<int>(
            std::count_if(first, first + kPortSlotsPerUnit, [](TCheckBox* box) { return box->Visible(); }));
    }
    std::vector<std::string> TabCaptions() const {
        std::vector<std::string> captions;
        for (TTabSheet* page : Picker->UnitPages) {
            captions.push_back(page->TabVisible() ? page->Caption() : "-");
        }
        return captions;
    }

    TForm* Dialog = nullptr;
    TPageControl* Pages = nullptr;
    TListView* Units = nullptr;
    TStackingPortUitForm* Picker = nullptr;
};

} // namespace

TEST(StackFacts, PortsPerUnitByModelAndStacking) {
    const struct {
        const char* model;
        int stacked, alone;
    } cases[] = {
        {"ZQS-4410-24RA", 24, 26},
        {"ZQS-4410-24DA", 24, 26},
        {"ZQS-4410-24ZO", 24, 26},
        {"ZQS-4410-24ZO-DC", 24, 26},
        {"ZQS-4410-48DA", 48, 50},
        {"ZQS-4410-48RO", 48, 50},
        {"", 0, 0},
        {"zqs-4410-24ra", 0, 0},
        {"ZQS-4410-24RA ", 0, 0},
        {"NOT_EXIST", 0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PortsPerUnit(c.model, true), c.stacked) << c.model;
        EXPECT_EQ(PortsPerUnit(c.model, false), c.alone) << c.model;
    }
}

TEST(StackFacts, AllPortIndexListHoldsEveryIndexOnce) {
    for (bool stacking : {true, false}) {
        const std::string list = AllPortIndexList(stacking);
        const int count = stacking ? 384 : 64;
        std::string expected;
        for (int k = 0; k < count; ++k) {
            expected += (k ? "," : "") + std::to_string(k);
        }
        EXPECT_EQ(list, expected);
        EXPECT_EQ(std::count(list.begin(), list.end(), ','), count - 1);
    }
}

TEST(StackFacts, ShortUnitRowsAreAbsentUnits) {
    TForm* form = CreateForm<TForm>(nullptr);
    auto* list = new TListView(form);
    list->Items().Add()->SetCaption("1");
    const auto rows = ReadStackUnitRows(list);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].ModuleName, "NOT_EXIST");
    EXPECT_EQ(rows[0].ExistState, "no-exist");
    EXPECT_TRUE(ReadStackUnitRows(nullptr).empty());
    delete form;
}

TEST_F(PickerTest, StackOf24RAAnd48ROShowsTwoUnitTabs) {
    Fill(true, Stack({{"1", "ZQS-4410-24RA", "master"}, {"2", "ZQS-4410-48RO", "slave", "65"}}));

    ASSERT_EQ(Pages->PageCount(), 1);
    EXPECT_EQ(Pages->Pages(0)->Caption(), "Ports");
    EXPECT_TRUE(Pages->Pages(0)->TabVisible());
    EXPECT_EQ(Picker->Parent(), Pages->Pages(0));
    EXPECT_EQ(Picker->Align(), alClient);
    EXPECT_EQ(TabCaptions(),
              (std::vector<std::string>{"Unit1 ZQS-4410-24RA", "Unit2 ZQS-4410-48RO", "-", "-", "-", "-"}));
    EXPECT_EQ(Picker->UnitPages[2]->Caption(), "Unit3");
    EXPECT_EQ(Picker->UnitPageControl->ActivePage(), Picker->UnitPages[0]);
    const int expected[] = {24, 48, 0, 0, 0, 0};
    for (int unit = 1; unit <= 6; ++unit) {
        EXPECT_EQ(VisibleBoxes(unit), expected[unit - 1]) << unit;
    }
    ASSERT_EQ(Picker->PortBoxes.size(), 384u);
    EXPECT_EQ(Picker->PortBoxes[64 + 47]->Caption(), "48");
    EXPECT_EQ(Picker->PortBoxes[64 + 48]->Caption(), "49");
    EXPECT_FALSE(Picker->PortBoxes[64 + 48]->Visible());
    EXPECT_EQ(Picker->PortBoxes[64 + 47]->Owner()->Owner(), Picker);
}

TEST_F(PickerTest, StandAlone48DAShowsOnePageWithoutTab) {
    Fill(false, {{"1", "ZQS-4410-48DA", "master"}});

    EXPECT_EQ(TabCaptions(), (std::vector<std::string>{"-", "-", "-", "-", "-", "-"}));
    EXPECT_EQ(Picker->UnitPages[0]->Caption(), "Unit1 ZQS-4410-48DA");
    EXPECT_EQ(Picker->UnitPageControl->ActivePage(), Picker->UnitPages[0]);
    EXPECT_EQ(VisibleBoxes(1), 50);
    EXPECT_EQ(Picker->PortBoxes[49]->Caption(), "50");
}

TEST_F(PickerTest, StandAloneLooksOnlyAtAMasterRowZero) {
    const struct {
        const char* name;
        std::vector<UnitRowText> rows;
        int visible;
    } cases[] = {
        {"slave", {{"1", "ZQS-4410-48DA", "slave"}}, 0},
        {"absent", {{"1", "", "master"}}, 0},
        {"row 1 not read", {{"1", "ZQS-4410-24RA", "slave"}, {"2", "ZQS-4410-24RA", "master"}}, 0},
        {"no rows", {}, 0},
        {"master", {{"1", "ZQS-4410-24ZO", "master"}, {"2", "", "master"}}, 26},
    };
    for (const auto& c : cases) {
        TearDown();
        SetUp();
        Fill(false, c.rows);
        int visible = 0;
        for (int unit = 1; unit <= 6; ++unit) {
            visible += VisibleBoxes(unit);
        }
        EXPECT_EQ(visible, c.visible) << c.name;
    }
}

TEST_F(PickerTest, FewerUnitRowsThanUnitsShowsTheUnitsRead) {
    Fill(true, {{"1", "ZQS-4410-24RA", "master"}, {"2", "ZQS-4410-24DA"}});
    EXPECT_EQ(TabCaptions(),
              (std::vector<std::string>{"Unit1 ZQS-4410-24RA", "Unit2 ZQS-4410-24DA", "-", "-", "-", "-"}));
}

TEST_F(PickerTest, UnitIdPicksThePageAndBadIdsShowNothing) {
    Fill(true, Stack({{"2", "ZQS-4410-24RA", "master"}, {"7", "ZQS-4410-24RA"}, {"x", "ZQS-4410-24RA"}}));
    EXPECT_EQ(TabCaptions(), (std::vector<std::string>{"-", "Unit2 ZQS-4410-24RA", "-", "-", "-", "-"}));
    EXPECT_EQ(Picker->UnitPageControl->ActivePage(), Picker->UnitPages[1]);
    EXPECT_EQ(VisibleBoxes(2), 24);
    EXPECT_FALSE(Picker->ShowUnit("0", "m", 1, 24));
    EXPECT_FALSE(Picker->ShowUnit("", "m", 1, 24));
}

TEST_F(PickerTest, StartPortThatIsNoNumberRaises) {
    FillUnitTable(Units, Stack({{"1", "ZQS-4410-24RA", "master", "(NOTDONE)"}, {"2", ""}}));
    EXPECT_THROW(AddUnitPortTab("Ports", Picker, Pages, {true, ReadStackUnitRows(Units)}), EConvertError);
}

TEST_F(PickerTest, LayoutPutsTwelveBoxesARow) {
    Fill(true, Stack({{"1", "ZQS-4410-48DA", "master"}, {"2", ""}}));
    const int height = Picker->PortBoxes[0]->Height();
    const struct {
        int index, left, top, width;
    } cases[] = {
        {0, 20, 4, 32},            // "1": one digit x 8 + 8 x 3
        {11, 11 * 40 + 20, 4, 40}, // the last box of the first row
        {12, 20, height + 4, 40},  // box 13 opens the second row
        {63, 3 * 40 + 20, 5 * height + 4, 40},
    };
    for (const auto& c : cases) {
        TCheckBox* box = Picker->PortBoxes[static_cast<size_t>(c.index)];
        EXPECT_EQ(box->Left(), c.left) << c.index;
        EXPECT_EQ(box->Top(), c.top) << c.index;
        EXPECT_EQ(box->Width(), c.width) << c.index;
    }
}

TEST_F(PickerTest, CheckAllCountsHiddenBoxesOfTheUnitsCounted) {
    const struct {
        bool stacking;
        int counted;
    } cases[] = {{true, 384}, {false, 64}};
    for (const auto& c : cases) {
        TearDown();
        SetUp();
        Fill(c.stacking, Stack({{"1", "ZQS-4410-24RA", "master"}, {"2", ""}}));
        EXPECT_EQ(Picker->CountCheckedPorts(), 0);
        Picker->CheckAllPorts();
        EXPECT_EQ(Picker->CountCheckedPorts(), c.counted);
        Picker->UncheckAllPorts();
        EXPECT_EQ(Picker->CountCheckedPorts(), 0);
        Picker->PortBoxes[70]->SetChecked(true); // unit 2, port 7
        EXPECT_EQ(Picker->CountCheckedPorts(), c.stacking ? 1 : 0);
    }
}

TEST_F(PickerTest, DisableAndEnableKeepTheTicks) {
    Fill(true, Stack({{"1", "ZQS-4410-24RA", "master"}, {"2", ""}}));
    Picker->PortBoxes[3]->SetChecked(true);
    Picker->DisableAllPorts();
    EXPECT_TRUE(std::none_of(Picker->PortBoxes.begin(), Picker->PortBoxes.end(),
                             [](TCheckBox* box) { return box->Enabled(); }));
    EXPECT_EQ(Picker->CountCheckedPorts(), 1);
    Picker->EnableAllPorts();
    EXPECT_TRUE(std::all_of(Picker->PortBoxes.begin(), Picker->PortBoxes.end(),
                            [](TCheckBox* box) { return box->Enabled(); }));
    EXPECT_TRUE(Picker->PortBoxes[3]->Checked());
}

TEST_F(PickerTest, PickerFreedBeforeItsDialogLeavesNothingBehind) {
    Fill(true, Stack({{"1", "ZQS-4410-24RA", "master"}, {"2", ""}}));
    delete Picker; // a dialog may free its picker when it closes; the dialog goes later
    EXPECT_EQ(Pages->Pages(0)->ControlCount(), 0);
}

TEST_F(PickerTest, OnlyTheFirstPortsOfPresentUnitsCountAsChosen) {
    Picker->FillStackPages({true, {}}, 12, UnitPresence::ByModuleName); // 384 boxes, no unit shown
    // Unit 1 is there; unit 2's row says no-exist although its module is a model; unit 3 exists
    // with a module no model lists; unit 4 was not read; the last row read is unit 6.
    const std::vector<StackUnitRow> rows = {
        {"1", "1", "master", "ZQS-4410-24RA", "exist"},
        {"2", "25", "slave", "ZQS-4410-48RO", "no-exist"},
        {"3", "73", "slave", "NOT_EXIST", "exist"},
        {"6", "97", "slave", "ZQS-4410-24DA", "exist"},
    };
    const struct {
        const char* Name;
        bool Stacking;
        std::vector<int> Ticked;
        bool ByExistState, ByModuleName;
    } cases[] = {
        {"nothing ticked", true, {}, false, false},
        {"unit 1, port 1", true, {0}, true, true},
        {"unit 1, port 24", true, {23}, true, true},
        {"unit 1, port 25: beyond its ports", true, {24}, false, false},
        {"unit 2, port 1: present by its module only", true, {64}, false, true},
        {"unit 2, port 48", true, {64 + 47}, false, true},
        {"unit 2, port 49: beyond its ports", true, {64 + 48}, false, false},
        {"a box beyond, then one that counts", true, {24, 64}, false, true},
        {"unit 3: a module of no ports", true, {128}, false, false},
        {"unit 4: not read", true, {192}, false, false},
        {"unit 6, by its unit ID", true, {320}, true, true},
        {"stand-alone, port 26", false, {25}, true, true},
        {"stand-alone, port 27: beyond its ports", false, {26}, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Picker->UncheckAllPorts();
        for (int k : c.Ticked) {
            Picker->PortBoxes[static_cast<size_t>(k)]->SetChecked(true);
        }
        const StackUnits units{c.Stacking, rows};
        EXPECT_EQ(AnyPresentPortChecked(Picker, units, UnitPresence::ByExistState), c.ByExistState);
        EXPECT_EQ(AnyPresentPortChecked(Picker, units, UnitPresence::ByModuleName), c.ByModuleName);
    }
    EXPECT_FALSE(AnyPresentPortChecked(nullptr, {true, rows}, UnitPresence::ByExistState));
}

// ---- the stack as the main window reads it from the simulated switch

namespace {

class PickerSimTest : public MainFormTest {
protected:
    // Opens the main window on the scenario and a dialog with a port tab, as a dialog's creation
    // handler makes one.
    TStackingPortUitForm* OpenPicker(const std::string& scenario) {
        delete Form;
        Open(scenario);
        Dialog.reset(CreateForm<TForm>(nullptr));
        Pages = new TPageControl(Dialog.get());
        Pages->SetParent(Dialog.get());
        auto* picker = CreateForm<TStackingPortUitForm>(Dialog.get());
        AddUnitPortTab("Ports", picker, Pages);
        return picker;
    }
    void TearDown() override {
        Dialog.reset();
        MainFormTest::TearDown();
    }
    std::unique_ptr<TForm> Dialog;
    TPageControl* Pages = nullptr;
};

} // namespace

TEST_F(PickerSimTest, PagesOfA24RAAnd48ROStackAndOfAStandAlone48DA) {
    const struct {
        const char* scenario;
        std::vector<std::string> tabs; // "-": tab hidden
        std::vector<int> visible;
        std::string firstCaption;
        int indexes;
    } cases[] = {
        {R"({"stack_mode": "enabled", "units": [{"model": "24RA"}, {"model": "48RO"}]})",
         {"Unit1 ZQS-4410-24RA", "Unit2 ZQS-4410-48RO", "-", "-", "-", "-"},
         {24, 48, 0, 0, 0, 0},
         "Unit1 ZQS-4410-24RA",
         384},
        {R"({"model": "48DA"})",
         {"-", "-", "-", "-", "-", "-"},
         {50, 0, 0, 0, 0, 0},
         "Unit1 ZQS-4410-48DA",
         64},
    };
    for (const auto& c : cases) {
        TStackingPortUitForm* picker = OpenPicker(c.scenario);
        std::vector<std::string> tabs;
        std::vector<int> visible;
        for (size_t u = 0; u < 6; ++u) {
            tabs.push_back(picker->UnitPages[u]->TabVisible() ? picker->UnitPages[u]->Caption() : "-");
            auto first = picker->PortBoxes.begin() + static_cast<std::ptrdiff_t>(u * 64);
            visible.push_back(static_cast<int>(
                std::count_if(first, first + 64, [](TCheckBox* box) { return box->Visible(); })));
        }
        EXPECT_EQ(tabs, c.tabs) << c.scenario;
        EXPECT_EQ(visible, c.visible) << c.scenario;
        EXPECT_EQ(picker->UnitPages[0]->Caption(), c.firstCaption);
        EXPECT_EQ(picker->UnitPageControl->ActivePage(), picker->UnitPages[0]);
        const std::string indexes = AllPortIndexList();
        EXPECT_EQ(std::count(indexes.begin(), indexes.end(), ',') + 1, c.indexes) << c.scenario;
        EXPECT_EQ(indexes.substr(indexes.rfind(',') + 1), std::to_string(c.indexes - 1));
        picker->CheckAllPorts();
        EXPECT_EQ(picker->CountCheckedPorts(), c.indexes);
        EXPECT_EQ(PortsPerUnit("ZQS-4410-48DA"), c.indexes == 384 ? 48 : 50);
    }
    EXPECT_TRUE(Agent().SetLog().empty()) << "reading never writes";
}

} // namespace stacking_port_uit_form_unit_test
