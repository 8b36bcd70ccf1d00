#include "TableDialogRules.h"
#include "MainMenuData.h"
#include "VqSNMPSession.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace table_dialog_rules_test {

namespace {

constexpr double kScale96 = 1.0;   // 96 pixels per inch
constexpr double kScale120 = 1.25; // any other setting

std::string SysObjectIdOf(int m) {
    return "1.3.6.1.4.1.746.10.117." + std::to_string(m) + ".1";
}

} // namespace

TEST(TableDialogRules, PerModelPanelsReadTheCopyOfTheSwitchsModelAndNothingForAnUnknownOne) {
    int perModel = 0;
    for (const MenuEntry* entry : MainMenuEntries()) {
        for (const MenuPanel& panel : Panels(*entry)) {
            if (!panel.Table.Set) {
                continue;
            }
            ++perModel;
            for (int m = 2; m <= 7; ++m) {
                const MibTableRow* rows = ChooseTable(panel, SysObjectIdOf(m), "KB");
                ASSERT_EQ(panel.Table.Set->ForModel(m), rows) << entry->Handler;
                const std::string arc = ".746.11.117." + std::to_string(m) + ".";
                for (const MibTableRow* row = rows; row->Oid; ++row) {
                    if (*row->Oid && *row->Oid != ' ') {
                        EXPECT_NE(std::string::npos, std::string(row->Oid).find(arc))
                            << entry->Handler << " " << row->Oid;
                    }
                }
            }
            EXPECT_EQ(nullptr, ChooseTable(panel, "1.3.6.1.4.1.746.10.117.8.1", "KB")) << entry->Handler;
            EXPECT_EQ(nullptr, ChooseTable(panel, "", "KC")) << entry->Handler;
        }
    }
    EXPECT_EQ(46, perModel);
}

TEST(TableDialogRules, TablesOfAllModelsAreTheSameForAnyModel) {
    const MenuPanel& unitTable = FindMenuCommand("UnitTable1Click")->Panel;
    EXPECT_EQ(unitTable.Table.Table, ChooseTable(unitTable, "", ""));
    EXPECT_EQ(unitTable.Table.Table, ChooseTable(unitTable, SysObjectIdOf(2), "KB"));
}

TEST(TableDialogRules, SizesScaleByTruncation) {
    struct Case {
        SizeStep Step;
        double Scale;
        FormSize Expected; // from 400 x 300
    };
    const Case cases[] = {
        {tune::Height(450), kScale96, {400, 450}},          {tune::Height(450), kScale120, {400, 562}},
        {tune::HeightUnscaled(450), kScale120, {400, 450}}, {tune::HeightUnscaled(300), kScale96, {400, 300}},
        {tune::HeightPlus(20), kScale96, {400, 320}},       {tune::HeightPlus(20), kScale120, {400, 325}},
        {tune::HeightPlus(15), kScale120, {400, 318}},      {tune::HeightPlus(10), kScale120, {400, 312}},
        {tune::HeightPlus(-50), kScale96, {400, 250}},      {tune::HeightPlus(-50), kScale120, {400, 238}},
        {tune::WidthPlus(100), kScale96, {500, 300}},       {tune::WidthPlus(100), kScale120, {525, 300}},
        {tune::WidthUnscaled(650), kScale120, {650, 300}},  {SizeStep{}, kScale120, {400, 300}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.Expected, ApplySize(c.Step, {400, 300}, c.Scale))
            << int(c.Step.Op) << " " << c.Step.Value;
    }
}

TEST(TableDialogRules, EntrySizesApplyInOrder) {
    // "height 450; width +100"
    const MenuEntry& portUtilization = *FindMenuCommand("PortUtilization1Click");
    EXPECT_EQ((FormSize{500, 450}), ApplySizes(portUtilization, {400, 300}, kScale96));
    EXPECT_EQ((FormSize{525, 562}), ApplySizes(portUtilization, {400, 300}, kScale120));
    // Unscaled sizes are the same at every screen setting.
    const MenuEntry& dram = *FindMenuCommand("DRAM1Click");
    EXPECT_EQ((FormSize{400, 300}), ApplySizes(dram, {400, 200}, kScale120));
    const MenuEntry& rip2 = *FindMenuCommand("RIP2RFC1724Click");
    EXPECT_EQ((FormSize{600, 600}), ApplySizes(rip2, {10, 10}, kScale120));
}

TEST(TableDialogRules, EditWidths) {
    EXPECT_EQ(142, EditWidthOf(tune::EditWidth(142), 90, kScale96));
    EXPECT_EQ(177, EditWidthOf(tune::EditWidth(142), 90, kScale120));
    EXPECT_EQ(180, EditWidthOf(tune::EditWidthUnscaled(180), 90, kScale120));
    EXPECT_EQ(90 + 82, EditWidthOf(tune::EditWidthPlus(82), 90, kScale96));
    EXPECT_EQ(90 + 102, EditWidthOf(tune::EditWidthPlus(82), 90, kScale120));
    EXPECT_EQ(90, EditWidthOf(tune::HideEdit(), 90, kScale120));
}

TEST(TableDialogRules, CounterVersionRaiseLiftsOnlyV1AndRestoresOnEveryExit) {
    const uint8_t before = SessionParameters.Security.Version;
    struct Case {
        uint8_t Version;
        uint8_t Raised;
    };
    for (const Case c : {Case{0, 1}, Case{1, 1}, Case{3, 3}}) {
        SessionParameters.Security.Version = c.Version;
        {
            CounterVersionRaise raise;
            EXPECT_EQ(c.Raised, SessionParameters.Security.Version);
        }
        EXPECT_EQ(c.Version, SessionParameters.Security.Version);
        // A command that ends by an exception writes the byte back as well.
        EXPECT_THROW(
            {
                CounterVersionRaise raise;
                EXPECT_EQ(c.Raised, SessionParameters.Security.Version);
                throw std::runtime_error("Can not change Type of a Config Form!");
            },
            std::runtime_error);
        EXPECT_EQ(c.Version, SessionParameters.Security.Version);
    }
    SessionParameters.Security.Version = before;
}

} // namespace table_dialog_rules_test
