#include "MainMenuData.h"
#include "DnsResolverTables.h"
#include "MibCatalogue.h"
#include "TableDialogRules.h"
#include "VqOptionList.h"
#include "VqSNMPVarList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace main_menu_data_test {

namespace {

std::string PathText(const MenuEntry& entry) {
    std::string text;
    for (int i = 0; i < entry.Depth(); ++i) {
        text += (i ? " > " : "") + std::string(entry.Path[i]);
    }
    return text;
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

std::vector<const MenuEntry*> Commands() {
    std::vector<const MenuEntry*> commands;
    for (const MenuEntry* entry : MainMenuEntries()) {
        if (entry->Command != CommandKind::None) {
            commands.push_back(entry);
        }
    }
    return commands;
}

const MenuEntry& Command(const char* handler) {
    const MenuEntry* entry = FindMenuCommand(handler);
    if (!entry) {
        throw std::invalid_argument(std::string("no command ") + handler);
    }
    return *entry;
}

const MenuEntry* Named(const std::string& name) {
    for (const MenuEntry* entry : MainMenuEntries()) {
        if (ComponentName(*entry) == name) {
            return entry;
        }
    }
    return nullptr;
}

// The items of a submenu, in menu order.
std::vector<const MenuEntry*> Children(const std::vector<std::string>& parent) {
    std::vector<const MenuEntry*> children;
    for (const MenuEntry* entry : MainMenuEntries()) {
        if (entry->Depth() == static_cast<int>(parent.size()) + 1 &&
            std::equal(parent.begin(), parent.end(), entry->Path)) {
            children.push_back(entry);
        }
    }
    return children;
}

std::vector<std::string> Captions(const std::vector<const MenuEntry*>& entries) {
    std::vector<std::string> captions;
    for (const MenuEntry* entry : entries) {
        captions.push_back(entry->Caption());
    }
    return captions;
}

// The catalogue's index entry of a panel's table: the table itself, or a model set's copy for m.
const MibTableInfo* CatalogueInfo(const MenuTable& table, int model) {
    const MibTableRow* rows = table.Set ? table.Set->ForModel(model) : table.Table;
    for (const MibTableInfo& info : MibTables()) {
        if (info.Table == rows) {
            return &info;
        }
    }
    return nullptr;
}

bool IsModelSet(const MibModelSet* set) {
    auto sets = MibModelSets();
    return std::find(sets.begin(), sets.end(), set) != sets.end();
}

// Every table a panel names, the edition's alternative included.
std::vector<const MenuTable*> TablesOf(const MenuPanel& panel) {
    std::vector<const MenuTable*> tables{&panel.Table};
    if (panel.Edition) {
        tables.push_back(&panel.EditionTable);
    }
    return tables;
}

} // namespace

TEST(MainMenuData, MenuBarHoldsTheTwelveMenusInOrder) {
    const std::vector<std::string> expected = {"System", "Management", "Layer 2 ",  "Layer 3",
                                               "QoS ",   "ACL",        "Security ", "Network Application",
                                               "OAM",    "Monitoring", "Help",      "Refresh"};
    std::vector<std::string> captions;
    for (std::span<const MenuEntry> section : MainMenuSections()) {
        ASSERT_FALSE(section.empty());
        EXPECT_EQ(1, section.front().Depth());
        captions.push_back(section.front().Caption());
        for (const MenuEntry& entry : section.subspan(1)) {
            EXPECT_EQ(section.front().Path[0], std::string(entry.Path[0])) << PathText(entry);
        }
    }
    EXPECT_EQ(expected, captions);
}

TEST(MainMenuData, EachMenuHoldsItsCommands) {
    const std::map<std::string, int> expected = {
        {"System", 82}, {"Management", 29}, {"Layer 2 ", 192},  {"Layer 3", 95},
        {"QoS ", 29},   {"ACL", 40},        {"Security ", 112}, {"Network Application", 44},
        {"OAM", 20},    {"Monitoring", 48}, {"Help", 2},        {"Refresh", 1},
    };
    std::map<std::string, int> counts;
    for (const MenuEntry* entry : Commands()) {
        ++counts[entry->Path[0]];
    }
    EXPECT_EQ(expected, counts);
}

TEST(MainMenuData, CommandsFallIntoTheirFamilies) {
    std::map<std::string, int> counts;
    for (const MenuEntry* entry : Commands()) {
        switch (entry->Command) {
        case CommandKind::TableDialog:
            if (entry->IsPaged()) {
                ++counts["pages"];
            } else if (entry->Panel.Layout == PanelLayout::Editor) {
                ++counts["editor"];
            } else {
                ++counts["list k" + std::to_string(entry->Panel.Kind)];
            }
            break;
        case CommandKind::Dedicated:
            ++counts["dedicated"];
            break;
        case CommandKind::Sibling:
            ++counts["sibling"];
            break;
        case CommandKind::Ddm:
            ++counts["ddm"];
            break;
        default:
            ++counts["other"];
            break;
        }
    }
    const std::map<std::string, int> expected = {
        {"editor", 156},    {"list k0", 1},  {"list k2", 127}, {"list k3", 245}, {"pages", 8},
        {"dedicated", 131}, {"sibling", 17}, {"ddm", 4},       {"other", 5}, // Refresh twice, Help, About,
                                                                             // nothing
    };
    EXPECT_EQ(expected, counts);
}

TEST(MainMenuData, HandlersAreUniqueButTheSharedRefresh) {
    std::map<std::string, int> handlers;
    for (const MenuEntry* entry : Commands()) {
        ASSERT_NE(nullptr, entry->Handler) << PathText(*entry);
        ++handlers[entry->Handler];
    }
    for (const auto& [handler, count] : handlers) {
        EXPECT_EQ(handler == "RefreshPanel1Click" ? 2 : 1, count) << handler;
    }
    EXPECT_EQ(693u, handlers.size());
}

TEST(MainMenuData, EntriesFormATreeInMenuOrder) {
    // Each entry's parent is the nearest submenu above it whose path is its prefix, and a submenu's
    // items follow it without a gap.
    std::vector<const MenuEntry*> open;
    for (const MenuEntry* entry : MainMenuEntries()) {
        const int depth = entry->Depth();
        ASSERT_GE(depth, 1);
        ASSERT_LE(static_cast<int>(open.size()) + 1, kMaxMenuDepth + 1);
        ASSERT_LE(depth - 1, static_cast<int>(open.size())) << PathText(*entry);
        open.resize(depth - 1);
        for (int i = 0; i < depth - 1; ++i) {
            EXPECT_EQ(std::string(open[i]->Caption()), entry->Path[i]) << PathText(*entry);
        }
        EXPECT_EQ(entry->Item == MenuItemKind::Submenu, entry->Command == CommandKind::None &&
                                                            entry->Item != MenuItemKind::Separator &&
                                                            entry->Item != MenuItemKind::Item)
            << PathText(*entry);
        if (entry->Item == MenuItemKind::Submenu) {
            open.push_back(entry);
        }
    }
}

TEST(MainMenuData, CaptionPathsNameOneItemEach) {
    // FindMenuItem walks captions: no two items but separators share a path.
    std::set<std::string> paths;
    for (const MenuEntry* entry : MainMenuEntries()) {
        if (entry->Item != MenuItemKind::Separator) {
            EXPECT_TRUE(paths.insert(PathText(*entry)).second) << PathText(*entry);
        }
    }
}

TEST(MainMenuData, LeavesWithoutACommandAndSeparatorsAreShapedAsDesigned) {
    int inert = 0;
    for (const MenuEntry* entry : MainMenuEntries()) {
        if (entry->Item == MenuItemKind::Separator) {
            EXPECT_STREQ("-", entry->Caption()) << PathText(*entry);
            EXPECT_EQ(CommandKind::None, entry->Command);
        } else if (entry->Item == MenuItemKind::Item && entry->Command == CommandKind::None) {
            ++inert;
            EXPECT_FALSE(entry->Visible) << "a leaf without a command is invisible: " << PathText(*entry);
        }
    }
    EXPECT_EQ(22, inert);
    // The DDM submenu's fifth item has no command and stays hidden.
    std::vector<const MenuEntry*> ddm = Children({"System", "Port Configuration", "DDM Mangement"});
    ASSERT_EQ(5u, ddm.size());
    EXPECT_STREQ("Action Management Table", ddm[4]->Caption());
    EXPECT_EQ(CommandKind::None, ddm[4]->Command);
    EXPECT_FALSE(ddm[4]->Visible);
}

TEST(MainMenuData, Layer2SubmenusFollowEachOtherInMenuOrder) {
    const std::vector<std::vector<std::string>> runs = {
        {"Spanning Tree (STP)", "Link Aggregation", "FDB", "802.3ad"},
        {"Multicast Filter ", "IGMP Proxy", "MLD Proxy", "IP Multicast VLAN Replication "},
    };
    std::vector<std::string> layer2 = Captions(Children({"Layer 2 "}));
    for (const std::vector<std::string>& run : runs) {
        auto first = std::find(layer2.begin(), layer2.end(), run.front());
        ASSERT_LE(run.size(), static_cast<size_t>(layer2.end() - first)) << run.front();
        EXPECT_EQ(run, std::vector<std::string>(first, first + run.size()));
    }
}

TEST(MainMenuData, SeparatorsStandWhereTheMenuPutsThem) {
    // {submenu, the caption before the separator or "" at the top, the caption after it, visible}
    struct Case {
        std::vector<std::string> Parent;
        std::string Before;
        std::string After;
        bool Visible;
    };
    const Case cases[] = {
        {{"Layer 2 ", "IGMP Snooping"}, "IGMP Snooping Router Ports", "Global Settings", false},
        {{"Layer 2 ", "IGMP Snooping"}, "Group Port Number Table", "Control Table", true},
        {{"Layer 2 ", "IGMP Snooping"}, "Port Rate Limit Table", "Multicast VLAN Table", true},
        {{"Layer 2 ", "MLD Snooping"}, "Group Port Number Table", "Control Table", true},
        {{"Layer 2 ", "MLD Snooping"}, "Port Rate Limit Table", "Multicast VLAN Table", true},
        {{"Layer 2 ", "Multicast Filter "}, "Profile Address Table", "Port Group Table", true},
        {{"Layer 2 ", "Multicast Filter "}, "Limited Multicast Filter Port Table\r\n", "IPv6", true},
        {{"OAM", "CFM "}, "Port Table", "Stack Table", true},
        {{"OAM", "CFM "}, "MEP", "Extension", true},
    };
    for (const Case& c : cases) {
        std::vector<const MenuEntry*> children = Children(c.Parent);
        auto before = std::find_if(children.begin(), children.end(),
                                   [&](const MenuEntry* e) { return c.Before == e->Caption(); });
        ASSERT_NE(children.end(), before) << c.Before;
        ASSERT_LT(before + 2, children.end()) << c.Before;
        EXPECT_EQ(MenuItemKind::Separator, before[1]->Item) << c.Before;
        EXPECT_EQ(c.Visible, before[1]->Visible) << c.Before;
        EXPECT_EQ(c.After, before[2]->Caption()) << c.Before;
    }
    // The two separators the "KC" edition shows, invisible as defined.
    for (const char* name : {"N36", "N49"}) {
        const MenuEntry* separator = Named(name);
        ASSERT_NE(nullptr, separator) << name;
        EXPECT_EQ(MenuItemKind::Separator, separator->Item);
        EXPECT_STREQ("Layer 3", separator->Path[0]);
        EXPECT_FALSE(separator->Visible);
        EXPECT_TRUE(separator->Passes.ShowInKC);
    }
}

TEST(MainMenuData, ComponentNamesAreUniqueWhateverTheLetterCase) {
    std::map<std::string, std::string> seen;
    for (const MenuEntry* entry : MainMenuEntries()) {
        const std::string name = ComponentName(*entry);
        if (name.empty()) {
            continue;
        }
        auto [it, inserted] = seen.emplace(Lower(name), PathText(*entry));
        EXPECT_TRUE(inserted) << name << " at " << PathText(*entry) << " and " << it->second;
    }
}

TEST(MainMenuData, ItemsOfTheStartUpPassesHaveTheirNamesPlacesAndPasses) {
    enum PassKind { Always, InKA, ShowKC, InKC, Stack, V3 };
    struct Case {
        const char* Name;
        const char* Path;
        bool Visible;
        PassKind Pass;
    };
    const Case cases[] = {
        {"SRED2", "QoS  > SRED", true, Always},
        {"N8021pUserPriorityTable1", "QoS  > 802.1p > 802.1p User Priority Table", true, Always},
        {"ScheduleProfileTable1", "QoS  > Schedule Settings > Profile Table", true, Always},
        {"ScheduleGroupTable1", "QoS  > Schedule Settings > Group Table", true, Always},
        {"IPMulticastVLANReplication1", "Layer 2  > IP Multicast VLAN Replication ", true, Always},
        {"SubNetVLAN1", "Layer 2  > VLAN > Subnet VLAN", false, Always},
        {"mniVLANCounterSettings1", "Layer 2  > VLAN > VLAN Counter Settings", false, Always},
        {"HostTable2", "Layer 2  > IGMP Snooping > Host Table", false, Always},
        {"HostTable3", "Layer 2  > MLD Snooping > Host Table", false, Always},
        {"LocalLoopback1", "Layer 2  > Local Loopback Settings ", true, Always},
        {"RCP1", "System > RCP", false, Always},
        {"MultipleConfigManagement1", "System > Agent Management > Multiple Configuration Management", true,
         Always},
        {"OutOfBand1", "System > Agent Management > Out of Band Settings", true, Always},
        {"PortErrorTable1", "System > Port Configuration > Port Error Table", true, Always},
        {"FTPSystemTable1", "System > FTP File System Table", true, Always},
        {"MaxConcurrentRequests1", "Monitoring > Ping Management > Max Concurrent Requests", true, Always},
        {"MaxConcurrentRequests2", "Monitoring > Trace Route > Max Concurrent Requests", true, Always},
        {"IPMACBind1", "Security  > IP-MAC-Port Binding (IMPB)", true, InKA},
        {"sFlow2", "Monitoring > sFlow", true, InKA},
        {"GuestVLANTable1", "Security  > Compound Authentication  > Guest VLAN Table", true, InKA},
        {"N8023OAM1", "OAM > 802.3 OAM", true, InKA},
        {"EgressACL1", "ACL > Egress ACL", true, InKA},
        {"QinQ1", "Layer 2  > Q-in-Q", true, InKA},
        {"ERPS1", "Layer 2  > ERPS", true, InKA},
        {"CFMManagement1", "OAM > CFM ", true, InKA},
        {"PPPoEManagement1", "Network Application > PPPoE Management", true, InKA},
        {"ULDTable1", "Layer 2  > ULD Table", true, InKA},
        {"DDMMangement1", "System > Port Configuration > DDM Mangement", true, InKA},
        {"OSPFECMPManagement1", "Layer 3 > OSPF ECMP Information Settings", false, InKA},
        {"RoutePreferenceTable1", "Layer 3 > Route Preference Settings", false, InKA},
        {"VLANCounters1", "Layer 2  > VLAN > VLAN Counter Extension Table", true, InKA},
        {"VLANCounterExtensionClearTable1", "Layer 2  > VLAN > VLAN Counter Extension Clear Table", true,
         InKA},
        {"DeviceCtrl1", "Layer 3 > Device Global Settings", false, ShowKC},
        {"IPTunnel1", "Layer 3 > IP Management > IP Tunnel", false, ShowKC},
        {"PolicyRoute1", "Layer 3 > Policy Route Table", false, ShowKC},
        {"RIPngSettings1", "Layer 3 > RIPng Settings", false, ShowKC},
        {"RIP2RFC1724", "Layer 3 > RIP2 Settings", false, ShowKC},
        {"RIPTimerSettings1", "Layer 3 > RIP Timer Settings", false, ShowKC},
        {"OSPF", "Layer 3 > OSPF", false, ShowKC},
        {"OSPFv3", "Layer 3 > OSPFv3", false, ShowKC},
        {"VRRPRFC27871", "Layer 3 > VRRP", false, ShowKC},
        {"DVMRP1", "Layer 3 > DVMRP", false, ShowKC},
        {"PIM1", "Layer 3 > PIM", false, ShowKC},
        {"PIMforIPv6", "Layer 3 > PIM for IPv6", false, ShowKC},
        {"IGMPv31", "Layer 3 > IGMPv3", false, ShowKC},
        {"MLD1", "Layer 3 > Multicast Group Membership Discovery (MGMD)", false, ShowKC},
        {"IPMulticastRoute1", "Layer 3 > IP Multicast Route", false, ShowKC},
        {"IGMPProxy1", "Layer 2  > IGMP Proxy", false, ShowKC},
        {"IGMPProxy2", "Layer 2  > MLD Proxy", false, ShowKC},
        {"MD5Information1", "Layer 3 > MD5 Information Table", false, ShowKC},
        {"RouteRedistributionTable1", "Layer 3 > Route Redistribution Table", false, ShowKC},
        {"RIPInboundRouterFilterTable1", "Layer 3 > RIP Inbound Router Filter Table", false, ShowKC},
        {"IPv6RouteRedistributeTable1", "Layer 3 > IPv6 Route Redistribution Table", false, ShowKC},
        {"LoopbackIPControlTable1", "Layer 3 > IP Management > Loopback IP Control Table", false, ShowKC},
        {"DVMRPInterfaceTable1", "Layer 3 > DVMRP Interface Table", false, ShowKC},
        {"IPMulticastRouteTable1", "Layer 3 > IP Management > IP Multicast Static Route Table", false,
         ShowKC},
        {"DHCPServer1", "Network Application > DHCP Management", true, ShowKC},
        {"IPStaticTunnelTable1", "Layer 3 > IP Management > IP Static Route Tunnel Table", false, ShowKC},
        {"OSPFDefaultInformationSettings1", "Layer 3 > OSPF Default Information Originate Settings", false,
         ShowKC},
        {"DataDrivenlearningGroupTable1", "Layer 2  > IGMP Snooping > Data Driven Learning Group Table", true,
         InKC},
        {"DataDrivenlearningGroupTable2", "Layer 2  > MLD Snooping > Data Driven Learning Group Table", true,
         InKC},
        {"Unitinformation1", "Monitoring > Equipment Management > Unit Information", true, Stack},
        {"UnitTable1", "Monitoring > Equipment Management > Unit Table", true, Stack},
        {"VACM1", "Management > SNMP v3", true, V3},
    };
    for (const Case& c : cases) {
        const MenuEntry* entry = Named(c.Name);
        ASSERT_NE(nullptr, entry) << c.Name;
        EXPECT_EQ(c.Path, PathText(*entry)) << c.Name;
        EXPECT_EQ(c.Visible, entry->Visible) << c.Name;
        const MenuPasses& p = entry->Passes;
        const bool passes[] = {p.HideAtStart, p.HideInKA,      p.ShowInKC,
                               p.HideInKC,    p.StackModeOnly, p.EnableWithV3};
        EXPECT_TRUE(passes[c.Pass]) << c.Name;
    }
    // No other item takes part in a pass.
    int withPass = 0;
    for (const MenuEntry* entry : MainMenuEntries()) {
        const MenuPasses& p = entry->Passes;
        withPass +=
            p.HideAtStart || p.HideInKA || p.ShowInKC || p.HideInKC || p.StackModeOnly || p.EnableWithV3;
    }
    EXPECT_EQ(static_cast<int>(std::size(cases)) + 2, withPass); // + the separators N36 and N49
}

// The DNS resolver tables are the shell's, outside the catalogue's index of MIB modules.
bool IsDnsResolverTable(const MenuTable& table) {
    for (const MibTableRow* dns :
         {DnsResolverGlobalSettings, DnsStaticNameServerTable, DnsDynamicNameServerTable, DnsStaticHostTable,
          DnsDynamicHostTable, DnsStaticIPv6NameServerTable}) {
        if (table.Table == dns) {
            return true;
        }
    }
    return false;
}

TEST(MainMenuData, EveryTableIsACatalogueTableOrADnsResolverTable) {
    int dns = 0;
    for (const MenuEntry* entry : Commands()) {
        for (const MenuPanel& panel : Panels(*entry)) {
            for (const MenuTable* table : TablesOf(panel)) {
                if (IsDnsResolverTable(*table)) {
                    ++dns;
                } else if (table->Set) {
                    EXPECT_TRUE(IsModelSet(table->Set)) << entry->Handler;
                    EXPECT_EQ(nullptr, table->Table) << entry->Handler;
                } else {
                    EXPECT_NE(nullptr, CatalogueInfo(*table, 0)) << entry->Handler;
                }
            }
        }
    }
    EXPECT_EQ(6, dns);
}

TEST(MainMenuData, PanelsOpenTablesAsTheCatalogueSaysTheyAreOpened) {
    int checked = 0;
    for (const MenuEntry* entry : Commands()) {
        for (const MenuPanel& panel : Panels(*entry)) {
            for (const MenuTable* table : TablesOf(panel)) {
                if (IsDnsResolverTable(*table)) {
                    continue;
                }
                const MibTableInfo* info = CatalogueInfo(*table, MibModelSet::kFirstModel);
                ASSERT_NE(nullptr, info) << entry->Handler;
                // The probe's net configuration is walked with its interface index as key, which
                // the catalogue's index leaves out.
                if (std::string_view(info->Name) == "RMONProbeNetConfigurationTable") {
                    EXPECT_EQ(MVT_FMV, panel.Kind);
                    EXPECT_EQ(1, panel.Keys);
                    continue;
                }
                auto openers = info->OpenedAs();
                EXPECT_TRUE(std::any_of(
                    openers.begin(), openers.end(),
                    [&](const MibOpener& o) { return o.Kind == panel.Kind && o.KeyCount == panel.Keys; }))
                    << entry->Handler << " opens " << info->Name << " as " << int(panel.Kind) << "/"
                    << panel.Keys;
                ++checked;
            }
        }
    }
    EXPECT_EQ(551, checked);
}

TEST(MainMenuData, RowSettingsAddressRowsThatTakeThem) {
    for (const MenuEntry* entry : Commands()) {
        for (const MenuPanel& panel : Panels(*entry)) {
            for (const MenuTable* table : TablesOf(panel)) {
                const MibTableRow* rows = table->Set ? table->Set->ForModel(2) : table->Table;
                const int count = VqSNMPVarList::CountRows(rows);
                const std::string where = std::string(entry->Handler) + (panel.Caption ? panel.Caption : "");
                EXPECT_LE(panel.Keys, count) << where;
                for (auto [row, value] :
                     {std::pair{panel.AddRow, panel.AddValue}, {panel.DeleteRow, panel.DeleteValue}}) {
                    if (!value) {
                        EXPECT_EQ(-1, row) << where;
                        continue;
                    }
                    ASSERT_GE(row, 0) << where;
                    ASSERT_LT(row, count) << where;
                    ASSERT_NE(nullptr, rows[row].OptionList) << where << " row " << row;
                    EXPECT_GE(rows[row].OptionList->IndexOfText(value), 0)
                        << where << " row " << row << " " << value;
                }
                for (const Tuning& t : panel.TuningList()) {
                    if (t.Row < 0) {
                        continue;
                    }
                    ASSERT_LT(t.Row, count) << where;
                    if (t.Op == TuningOp::Format || t.Op == TuningOp::Checker || t.Op == TuningOp::Bits) {
                        // A field with an option list is a combo box, which takes no constraint.
                        EXPECT_EQ(nullptr, rows[t.Row].OptionList) << where << " row " << t.Row;
                    }
                    if (t.Op == TuningOp::Checker) {
                        EXPECT_NE(InputCheck::None, t.Check) << where;
                    }
                    if (t.Op == TuningOp::Bits) {
                        const int type = rows[t.Row].ItemType;
                        EXPECT_TRUE(type == itOctetString || type == itBitString)
                            << where << " row " << t.Row;
                    }
                }
                if (panel.Request == RequestClass::OAM) {
                    EXPECT_STREQ("Functions Supported", rows[kOamFunctionsColumn].Caption) << where;
                }
            }
        }
    }
}

TEST(MainMenuData, EditionVariantsTakeTheirTablesOnlyForTheExactEdition) {
    struct Case {
        const char* Handler;
        const char* Edition;
        int Rows;
    };
    const Case cases[] = {
        {"IGMPGeneral1Click", "KC", 4},
        {"IGMPGeneral1Click", "KB", 5},
        {"IGMPGeneral1Click", "kc", 5},
        {"IGMPGeneral1Click", "", 5},
        {"IGMPSnoopingManagement2Click", "KC", 4},
        {"IGMPSnoopingManagement2Click", "KA", 5},
        {"ControlTable4Click", "KC", 15},
        {"ControlTable4Click", "KB", 18},
        {"ControlTable5Click", "KC", 15},
        {"ControlTable5Click", "KA", 18},
        {"PortTable6Click", "KA", 3},
        {"PortTable6Click", "KC", 4},
        {"PortTable6Click", "KB", 4},
        {"IPv6ControlTable1Click", "KC", 12},
        {"IPv6ControlTable1Click", "KB", 3},
        {"OSPFECMPManagement1Click", "KC", 6},
        {"OSPFECMPManagement1Click", "KA", 5},
        {"OSPFECMPManagement1Click", "KCX", 5},
    };
    for (const Case& c : cases) {
        const MibTableRow* rows =
            ChooseTable(Command(c.Handler).Panel, "1.3.6.1.4.1.746.10.117.3.1", c.Edition);
        ASSERT_NE(nullptr, rows) << c.Handler;
        EXPECT_EQ(c.Rows, VqSNMPVarList::CountRows(rows)) << c.Handler << " in " << c.Edition;
    }
    // Where the long tables differ: the MLD control table has its data-driven rows right after the
    // VLAN ID, the IGMP one after the version.
    const MibTableRow* mld = ChooseTable(Command("ControlTable5Click").Panel, "", "KB");
    const MibTableRow* igmp = ChooseTable(Command("ControlTable4Click").Panel, "", "KB");
    EXPECT_STREQ("Data Driven Learning State", mld[1].Caption);
    EXPECT_STREQ("Data Driven Learning State", igmp[12].Caption);
    EXPECT_STREQ("State",
                 ChooseTable(Command("OSPFECMPManagement1Click").Panel, "1.3.6.1.4.1.746.10.117.2.1", "KC")[5]
                     .Caption);
}

TEST(MainMenuData, SiblingCommandsCarryTheirKeys) {
    const std::map<std::string, std::string> expected = {
        {"Information3Click", "/TMIB_Info"},
        {"GeneralTable1Click", "/TIFMib_LastChangeTable"},
        {"IfTable1Click", "/TMIB_IFTable"},
        {"IFCounter1Click", "/TMIB_IFCounters"},
        {"IPCounters1Click", "/TMIB_IPCounters"},
        {"IPRouting1Click", "/TMIB_IPRouting"},
        {"IPAddressTable1Click", "/TMIB_IPAddress"},
        {"ICMPCounters1Click", "/TMIB_ICMPCounters"},
        {"UDPCounters1Click", "/TMIB_UDPCounters"},
        {"ARPTable1Click", "/TMIB_ARP"},
        {"Statistics1Click", "/TRmon_Statistics"},
        {"History1Click", "/TRmon_History"},
        {"AlarmEvent1Click", "/TRmon_AlarmEvent"},
        {"PortTable1Click", "/TBridge_Port"},
        {"ForwardingTable1Click", "/TBridge_Forwarding"},
        {"StaticTable1Click", "/TBridge_StaticFilter"},
        {"GlobalStateSettings4Click", "/TLayer3_PIM"},
    };
    std::map<std::string, std::string> keys;
    for (const MenuEntry* entry : Commands()) {
        if (entry->Command == CommandKind::Sibling) {
            keys[entry->Handler] = entry->ModuleKey;
        }
    }
    EXPECT_EQ(expected, keys);
}

TEST(MainMenuData, DedicatedCommandsCarryTheirOwnSteps) {
    int mainFormOwned = 0;
    std::set<std::string> local;
    std::map<std::string, int> arguments, multicast;
    std::set<std::string> raising, stpFirst;
    for (const MenuEntry* entry : Commands()) {
        if (entry->StpVersionFirst) {
            stpFirst.insert(entry->Handler);
        }
        if (entry->RaiseToV2c) {
            raising.insert(entry->Handler);
        }
        if (entry->Command != CommandKind::Dedicated) {
            continue;
        }
        EXPECT_NE(nullptr, entry->Dialog);
        EXPECT_EQ('T', entry->Dialog[0]) << entry->Handler;
        mainFormOwned += entry->Owner == DialogOwner::MainForm;
        if (entry->LocalPointer) {
            local.insert(entry->Handler);
        }
        if (entry->HasArgument) {
            arguments[entry->Handler] = entry->Argument;
        }
        if (entry->MulticastIpVersion) {
            multicast[entry->Handler] = entry->MulticastIpVersion;
        }
    }
    EXPECT_EQ(27, mainFormOwned);
    EXPECT_EQ((std::set<std::string>{"SummerTime1Click", "LoginMethodControl1Click",
                                     "EnableMethodControl1Click", "TrafficSegmentationTable1Click",
                                     "PortMirrorTable1Click", "PortTrunk2Click", "PermitTable1Click"}),
              local);
    EXPECT_EQ((std::map<std::string, int>{
                  {"LoginMethodControl1Click", 1}, {"EnableMethodControl1Click", 0}, {"ACCTMe1Click", 0}}),
              arguments);
    EXPECT_EQ((std::map<std::string, int>{{"GroupTable3Click", 1},
                                          {"GroupTable4Click", 2},
                                          {"MulticastFilterProfileTable1Click", 1},
                                          {"IPv6ProfileInformationTable1Click", 2}}),
              multicast);
    EXPECT_EQ(
        (std::set<std::string>{"IFXTable1Click", "PortSessionStatistics1Click", "SessionInformation1Click",
                               "Historical1Click", "HistoricalErrorCounter1Click",
                               "HistoricalUtilization1Click", "ACLCounterTable1Click", "CounterTable1Click"}),
        raising);
    EXPECT_EQ((std::set<std::string>{"Information2Click", "PortTableClick"}), stpFirst);
}

TEST(MainMenuData, PagedDialogsListTheirPagesInOrder) {
    struct Case {
        const char* Handler;
        std::vector<std::string> Pages;
        bool SizesBeforePages;
    };
    const Case cases[] = {
        {"DHCPv6RelaySettings1Click", {"Hop Count", "Control Table", "Information Table"}, false},
        {"MulticastRouteSettings1Click", {"Multicast Route Table", "RP Set Table"}, false},
        {"DVMRP1Click", {"General Information", "Neighbor Table", "Route Table", "Next Hop Table"}, false},
        {"OSPFGeneral2Click", {"Area Table", "Stub Area Table", "Area Aggregate Table"}, false},
        {"LsdbInformation1Click", {"Message", "External Message"}, false},
        {"NeighborInformation1Click", {"Neighbor Table", "Virtual Neighbor Table"}, false},
        {"RIP2RFC1724Click",
         {"Global Information", "Routing Information", "Routing Configuration", "Peer Table"},
         true},
        {"RIPngSettings1Click", {"Global Settings", "Interface Table"}, false},
    };
    for (const Case& c : cases) {
        const MenuEntry& entry = Command(c.Handler);
        ASSERT_TRUE(entry.IsPaged()) << c.Handler;
        std::vector<std::string> captions;
        for (const MenuPanel& page : entry.Pages) {
            captions.push_back(page.Caption);
        }
        EXPECT_EQ(c.Pages, captions) << c.Handler;
        EXPECT_EQ(c.SizesBeforePages, entry.SizesBeforePages) << c.Handler;
    }
    // The relay's last page carries the row settings: add and delete, no Edit, Stop.
    const MenuPanel& information = Command("DHCPv6RelaySettings1Click").Pages[2];
    EXPECT_EQ(3, information.AddRow);
    EXPECT_STREQ("createAndGo", information.AddValue);
    EXPECT_EQ(3, information.DeleteRow);
    ASSERT_EQ(2u, information.TuningList().size());
    EXPECT_EQ(TuningOp::HideEditNoDoubleClick, information.TuningList()[0].Op);
    EXPECT_EQ(TuningOp::StopButton, information.TuningList()[1].Op);
}

} // namespace main_menu_data_test
