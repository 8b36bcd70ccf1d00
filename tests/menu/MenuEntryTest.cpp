#include "MenuEntry.h"
#include "MainMenuData.h"

#include <gtest/gtest.h>

namespace menu_entry_test {

TEST(MenuEntry, CaptionIsTheTitleItsJoinAndTheAddressAsTyped) {
    struct Case {
        const char* Handler;
        const char* Caption;
    };
    const Case cases[] = {
        {"UnitTable1Click", "Unit Table: 10.90.90.90 "},
        // The title kept without ": " and joined: the same caption.
        {"VLANPortInfomation1Click", "VLAN Port Information Table: 10.90.90.90 "},
        {"StackingControlTable1Click", "PoE System Stacking Control Table : 10.90.90.90 "},
        {"PIMCandidateRPTable1Click", "PIM Candidate RP Table:10.90.90.90 "},
        {"InterfaceTable1Click", "OSPF Interface Table:10.90.90.90 "},
        {"Option18Settings1Click", "DHCPv6 Relay Option 18 Settings"},
        {"TrapSettings2Click", "802.1X Trap State Settings"},
        {"MulticastVLANGroupAddressTable1Click",
         "IGMP Snooping Multicast VLAN Group Proflie Address Table: 10.90.90.90 "},
        {"Information2Click", "STP Information Settings: 10.90.90.90 "},
    };
    for (const Case& c : cases) {
        const MenuEntry* entry = FindMenuCommand(c.Handler);
        ASSERT_NE(nullptr, entry) << c.Handler;
        EXPECT_EQ(c.Caption, DialogCaption(*entry, "10.90.90.90 ")) << c.Handler;
    }
}

TEST(MenuEntry, ComponentNameIsTheHandlersUnlessTheMenuNamesItOtherwise) {
    struct Case {
        const char* Handler;
        const char* Name;
    };
    const Case cases[] = {
        {"UnitTable1Click", "UnitTable1"},
        {"RIP2RFC1724Click", "RIP2RFC1724"},
        {"DataDrivenLearningGroupTable2Click", "DataDrivenlearningGroupTable2"},
        {"RemoteTable1Click", "RemoteTAble1"},
        {"LinkAggregationTable1Click", "LInkAggregationTable1"},
    };
    for (const Case& c : cases) {
        const MenuEntry* entry = FindMenuCommand(c.Handler);
        ASSERT_NE(nullptr, entry) << c.Handler;
        EXPECT_EQ(c.Name, ComponentName(*entry)) << c.Handler;
    }
    EXPECT_EQ("", ComponentName(MenuEntry{.Path = {"System"}, .Item = MenuItemKind::Submenu}));
    EXPECT_EQ("N36", ComponentName(MenuEntry{
                         .Path = {"Layer 3", "-"}, .Item = MenuItemKind::Separator, .Name = "N36"}));
}

TEST(MenuEntry, PanelsAreTheOnePanelOrThePages) {
    EXPECT_EQ(1u, Panels(*FindMenuCommand("UnitTable1Click")).size());
    EXPECT_EQ(4u, Panels(*FindMenuCommand("DVMRP1Click")).size());
    EXPECT_TRUE(Panels(*FindMenuCommand("Information2Click")).empty());
    EXPECT_TRUE(Panels(*FindMenuCommand("IfTable1Click")).empty());
}

TEST(MenuEntry, TuningsEndAtTheFirstEmptyOne) {
    const MenuPanel& erps = FindMenuCommand("VLANTable5Click")->Panel;
    ASSERT_EQ(15u, erps.TuningList().size());
    // The eight VLAN range rows become bit editors whose labels run on from 1 to 4096.
    for (int k = 0; k < 8; ++k) {
        const Tuning& bits = erps.TuningList()[7 + k];
        EXPECT_EQ(TuningOp::Bits, bits.Op);
        EXPECT_EQ(15 + k, bits.Row);
        EXPECT_EQ(512, bits.N);
        EXPECT_EQ(512 * k, bits.X);
        EXPECT_EQ(30, bits.Y);
    }
    EXPECT_TRUE(FindMenuCommand("UnitTable1Click")->Panel.TuningList().empty());
}

} // namespace menu_entry_test
