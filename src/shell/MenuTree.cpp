#include "MenuTree.h"

#include "TMainMenu.h"

#include <stdexcept>

namespace {

constexpr MenuItemRecord kShellMenuItems[] = {
    // The menu bar. Three captions end in a blank, as the switch's users know them.
    {"", {"System"}, true},
    {"", {"Management"}, true},
    {"", {"Layer 2 "}, true},
    {"", {"Layer 3"}, true},
    {"", {"QoS "}, true},
    {"", {"ACL"}, true},
    {"", {"Security "}, true},
    {"", {"Network Application"}, true},
    {"", {"OAM"}, true},
    {"", {"Monitoring"}, true},
    {"", {"Help"}, true},
    {"RefreshPanel2", {"Refresh"}, true},

    {"VACM1", {"Management", "SNMP v3"}, true},
    {"Help2", {"Help", "Help"}, true},
    {"About1", {"Help", "About"}, true},

    // Hidden in every edition.
    {"SRED2", {"QoS ", "SRED"}, true},
    {"N8021pUserPriorityTable1", {"QoS ", "802.1p", "802.1p User Priority Table"}, true},
    {"ScheduleProfileTable1", {"QoS ", "Schedule Settings", "Profile Table"}, true},
    {"ScheduleGroupTable1", {"QoS ", "Schedule Settings", "Group Table"}, true},
    {"IPMulticastVLANReplication1", {"Layer 2 ", "IP Multicast VLAN Replication "}, true},
    {"SubNetVLAN1", {"Layer 2 ", "VLAN", "Subnet VLAN"}, false},
    {"mniVLANCounterSettings1", {"Layer 2 ", "VLAN", "VLAN Counter Settings"}, false},
    {"HostTable2", {"Layer 2 ", "IGMP Snooping", "Host Table"}, false},
    {"HostTable3", {"Layer 2 ", "MLD Snooping", "Host Table"}, false},
    {"LocalLoopback1", {"Layer 2 ", "Local Loopback Settings "}, true},
    {"RCP1", {"System", "RCP"}, false},
    {"MultipleConfigManagement1", {"System", "Agent Management", "Multiple Configuration Management"}, true},
    {"OutOfBand1", {"System", "Agent Management", "Out of Band Settings"}, true},
    {"PortErrorTable1", {"System", "Port Configuration", "Port Error Table"}, true},
    {"FTPSystemTable1", {"System", "FTP File System Table"}, true},
    {"MaxConcurrentRequests1", {"Monitoring", "Ping Management", "Max Concurrent Requests"}, true},
    {"MaxConcurrentRequests2", {"Monitoring", "Trace Route", "Max Concurrent Requests"}, true},

    // Hidden in the "KA" edition.
    {"IPMACBind1", {"Security ", "IP-MAC-Port Binding (IMPB)"}, true},
    {"sFlow2", {"Monitoring", "sFlow"}, true},
    {"GuestVLANTable1", {"Security ", "Compound Authentication ", "Guest VLAN Table"}, true},
    {"N8023OAM1", {"OAM", "802.3 OAM"}, true},
    {"EgressACL1", {"ACL", "Egress ACL"}, true},
    {"QinQ1", {"Layer 2 ", "Q-in-Q"}, true},
    {"ERPS1", {"Layer 2 ", "ERPS"}, true},
    {"CFMManagement1", {"OAM", "CFM "}, true},
    {"PPPoEManagement1", {"Network Application", "PPPoE Management"}, true},
    {"ULDTable1", {"Layer 2 ", "ULD Table"}, true},
    {"DDMMangement1", {"System", "Port Configuration", "DDM Mangement"}, true},
    {"VLANCounters1", {"Layer 2 ", "VLAN", "VLAN Counter Extension Table"}, true},
    {"VLANCounterExtensionClearTable1", {"Layer 2 ", "VLAN", "VLAN Counter Extension Clear Table"}, true},

    // Shown in the "KC" edition (the routing items; DHCP Management is visible as defined).
    {"DeviceCtrl1", {"Layer 3", "Device Global Settings"}, false},
    {"IPTunnel1", {"Layer 3", "IP Management", "IP Tunnel"}, false},
    {"PolicyRoute1", {"Layer 3", "Policy Route Table"}, false},
    {"RIPngSettings1", {"Layer 3", "RIPng Settings"}, false},
    {"RIP2RFC1724", {"Layer 3", "RIP2 Settings"}, false},
    {"RIPTimerSettings1", {"Layer 3", "RIP Timer Settings"}, false},
    {"OSPF", {"Layer 3", "OSPF"}, false},
    {"OSPFv3", {"Layer 3", "OSPFv3"}, false},
    {"VRRPRFC27871", {"Layer 3", "VRRP"}, false},
    {"DVMRP1", {"Layer 3", "DVMRP"}, false},
    {"PIM1", {"Layer 3", "PIM"}, false},
    {"PIMforIPv6", {"Layer 3", "PIM for IPv6"}, false},
    {"IGMPv31", {"Layer 3", "IGMPv3"}, false},
    {"MLD1", {"Layer 3", "Multicast Group Membership Discovery (MGMD)"}, false},
    {"IPMulticastRoute1", {"Layer 3", "IP Multicast Route"}, false},
    {"IGMPProxy1", {"Layer 2 ", "IGMP Proxy"}, false},
    {"IGMPProxy2", {"Layer 2 ", "MLD Proxy"}, false},
    {"MD5Information1", {"Layer 3", "MD5 Information Table"}, false},
    {"RouteRedistributionTable1", {"Layer 3", "Route Redistribution Table"}, false},
    {"RoutePreferenceTable1", {"Layer 3", "Route Preference Settings"}, false},
    {"N36", {"Layer 3", "-"}, false},
    {"N49", {"Layer 3", "-"}, false},
    {"RIPInboundRouterFilterTable1", {"Layer 3", "RIP Inbound Router Filter Table"}, false},
    {"IPv6RouteRedistributeTable1", {"Layer 3", "IPv6 Route Redistribution Table"}, false},
    {"LoopbackIPControlTable1", {"Layer 3", "IP Management", "Loopback IP Control Table"}, false},
    {"DVMRPInterfaceTable1", {"Layer 3", "DVMRP Interface Table"}, false},
    {"IPMulticastRouteTable1", {"Layer 3", "IP Management", "IP Multicast Static Route Table"}, false},
    {"DHCPServer1", {"Network Application", "DHCP Management"}, true},
    {"IPStaticTunnelTable1", {"Layer 3", "IP Management", "IP Static Route Tunnel Table"}, false},
    {"OSPFDefaultInformationSettings1", {"Layer 3", "OSPF Default Information Originate Settings"}, false},
    {"OSPFECMPManagement1", {"Layer 3", "OSPF ECMP Information Settings"}, false},
    // Hidden in the "KC" edition.
    {"DataDrivenlearningGroupTable1",
     {"Layer 2 ", "IGMP Snooping", "Data Driven Learning Group Table"},
     true},
    {"DataDrivenlearningGroupTable2", {"Layer 2 ", "MLD Snooping", "Data Driven Learning Group Table"}, true},

    // Shown only while the switch runs as a stack.
    {"Unitinformation1", {"Monitoring", "Equipment Management", "Unit Information"}, true},
    {"UnitTable1", {"Monitoring", "Equipment Management", "Unit Table"}, true},
};

TMenuItem* FindNamed(TComponent* owner, const char* name) {
    if (!*name) {
        return nullptr;
    }
    return dynamic_cast<TMenuItem*>(owner->FindComponent(name));
}

TMenuItem* NewItem(TComponent* owner, TMenuItem* parent, const std::string& caption) {
    auto* item = new TMenuItem(owner);
    item->SetCaption(caption);
    parent->Add(item);
    return item;
}

TMenuItem* FindOrCreateByPath(TMainMenu* menu, TComponent* owner, const MenuItemRecord& record) {
    TMenuItem* parent = menu->Items();
    int depth = 0;
    while (depth + 1 < 5 && record.Path[depth + 1]) {
        TMenuItem* sub = parent->Find(record.Path[depth]);
        parent = sub ? sub : NewItem(owner, parent, record.Path[depth]);
        ++depth;
    }
    const std::string caption = record.Path[depth];
    // Separators share their caption: only a named record finds one again.
    TMenuItem* item = caption == "-" ? nullptr : parent->Find(caption);
    return item ? item : NewItem(owner, parent, caption);
}

} // namespace

TMenuItem* AddMenuItem(TMainMenu* menu, TComponent* owner, const MenuItemRecord& record) {
    if (!record.Path[0]) {
        throw std::invalid_argument(std::string("menu item without a caption: ") + record.Name);
    }
    TMenuItem* item = FindNamed(owner, record.Name);
    if (!item) {
        item = FindOrCreateByPath(menu, owner, record);
    }
    if (*record.Name) {
        item->SetName(record.Name);
    }
    item->SetVisible(record.Visible);
    return item;
}

void AddMenuItems(TMainMenu* menu, TComponent* owner, std::span<const MenuItemRecord> records) {
    for (const MenuItemRecord& record : records) {
        AddMenuItem(menu, owner, record);
    }
}

std::string MenuItemPath(const TMenuItem* item) {
    std::string path;
    for (const TMenuItem* i = item; i && i->Parent(); i = i->Parent()) {
        path = path.empty() ? i->Caption() : i->Caption() + " > " + path;
    }
    return path;
}

std::span<const MenuItemRecord> ShellMenuItems() {
    return kShellMenuItems;
}
