#include "MibCatalogue.h"
#include "CatalogueOptionLists.h"
#include "SnmpTypes.h"
#include "VqSNMPVarList.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <tuple>

namespace mib_catalogue_test {

namespace {

bool IsBlankOid(const char* oid) {
    return std::string_view(oid).find_first_not_of(' ') == std::string_view::npos;
}

struct ModuleCounts {
    const char* Module;
    int Tables;
    int ModelSets;
    int Unopened;
};

// Model-set copies count as tables: a set adds six.
constexpr ModuleCounts kModules[] = {
    {"Oid_acl", 32, 0, 2},
    {"Oid_egressacl", 13, 0, 1},
    {"Oid_qos", 28, 0, 9},
    {"Oid_bridge", 39, 0, 17},
    {"Oid_privatevlan", 2, 0, 0},
    {"Oid_protocolvlan", 3, 0, 0},
    {"Oid_macbasedvlan", 2, 0, 1},
    {"Oid_subnetvlan", 3, 0, 1},
    {"Oid_vlancomm", 24, 4, 0},
    {"Oid_vlancounter", 4, 0, 1},
    {"Oid_vlantrunk", 6, 1, 0},
    {"Oid_voicevlan", 7, 0, 0},
    {"Oid_surveillancevlan", 6, 0, 0},
    {"Oid_trafficsegmentation", 6, 1, 0},
    {"Oid_lldp", 46, 0, 3},
    {"Oid_lagoam", 14, 0, 0},
    {"Oid_dot3unit", 5, 0, 0},
    {"Oid_cfm", 25, 2, 2},
    {"Oid_qinq", 7, 0, 4},
    {"Oid_multicast", 57, 0, 3},
    {"Oid_mcastproxy", 10, 0, 2},
    {"Oid_mldsnooping", 4, 0, 4},
    {"Oid_multicastreplication", 5, 0, 0},
    {"Oid_l3", 219, 34, 6},
    {"Oid_policyroute", 1, 0, 0},
    {"Oid_udphelper", 3, 0, 0},
    {"Oid_ospf", 9, 0, 3},
    {"Oid_ospfv3", 14, 0, 3},
    {"Oid_rip", 13, 0, 2},
    {"Oid_vrrp", 5, 0, 1},
    {"Oid_pim", 18, 0, 3},
    {"Oid_mcastrouting", 29, 0, 5},
    {"Oid_aac", 13, 0, 2},
    {"Oid_dot1x", 13, 0, 2},
    {"Oid_dot1xconfig", 6, 0, 0},
    {"Oid_accounting", 3, 0, 0},
    {"Oid_mba", 17, 0, 2},
    {"Oid_multipleauth", 4, 0, 0},
    {"Oid_jwac", 10, 0, 2},
    {"Oid_wac", 6, 0, 2},
    {"Oid_ipmacbind", 9, 0, 0},
    {"Oid_portsecurity", 6, 0, 0},
    {"Oid_arpspoofingprevent", 1, 0, 0},
    {"Oid_bpduprotection", 2, 0, 0},
    {"Oid_commonsecurity", 3, 0, 0},
    {"Oid_filternetbios", 2, 0, 0},
    {"Oid_lbd", 3, 0, 0},
    {"Oid_safeguard", 2, 0, 0},
    {"Oid_ssh", 9, 0, 0},
    {"Oid_ssl", 4, 0, 0},
    {"Oid_trusthost", 3, 0, 1},
    {"Oid_dhcpserver", 21, 0, 0},
    {"Oid_system", 25, 1, 2},
    {"Oid_time", 5, 0, 1},
    {"Oid_timerange", 3, 0, 0},
    {"Oid_systemlogunit", 6, 0, 1},
    {"Oid_fileserver", 5, 0, 1},
    {"Oid_filesystem", 21, 0, 3},
    {"Oid_autobackup", 3, 0, 0},
    {"Oid_sim", 7, 0, 0},
    {"Oid_snmpengine", 1, 0, 0},
    {"Oid_snmpmpd", 1, 0, 0},
    {"Oid_snmptarget", 8, 0, 0},
    {"Oid_snmpusm", 3, 0, 0},
    {"Oid_snmpvacm", 5, 0, 2},
    {"Oid_utilization", 3, 0, 0},
    {"Oid_pingtraceroute", 11, 0, 4},
    {"Oid_rmonprobe", 3, 0, 0},
    {"Oid_sflow", 4, 0, 0},
    {"Oid_smtp", 2, 0, 0},
    {"Oid_poe", 7, 0, 0},
    {"Oid_ddm", 5, 0, 1},
    {"Oid_model", 214, 21, 8},
};

TEST(MibCatalogue, HoldsEveryTableSetAndRow) {
    int rows = 0, unopened = 0;
    for (const MibTableInfo& info : MibTables()) {
        rows += VqSNMPVarList::CountRows(info.Table);
        unopened += info.Unopened();
    }
    EXPECT_EQ(MibTables().size(), 1138u);
    EXPECT_EQ(MibModelSets().size(), 64u);
    EXPECT_EQ(unopened, 107);
    EXPECT_EQ(rows, 6700);
}

TEST(MibCatalogue, EachModuleHoldsItsTablesSetsAndUnopenedTables) {
    std::map<std::string, ModuleCounts> found;
    std::set<std::string> setsSeen;
    for (const MibTableInfo& info : MibTables()) {
        ModuleCounts& counts =
            found.try_emplace(info.Module, ModuleCounts{info.Module, 0, 0, 0}).first->second;
        ++counts.Tables;
        counts.Unopened += info.Unopened();
        if (info.Model && setsSeen.insert(info.Name).second)
            ++counts.ModelSets;
    }
    ASSERT_EQ(found.size(), std::size(kModules));
    for (const ModuleCounts& expected : kModules) {
        SCOPED_TRACE(expected.Module);
        ASSERT_TRUE(found.count(expected.Module));
        const ModuleCounts& got = found.at(expected.Module);
        EXPECT_EQ(got.Tables, expected.Tables);
        EXPECT_EQ(got.ModelSets, expected.ModelSets);
        EXPECT_EQ(got.Unopened, expected.Unopened);
    }
}

TEST(MibCatalogue, ItemTypesAccessCodesAndBlankOidsOccurAsOften) {
    std::map<int, int> types, access;
    std::map<std::string, int> blanks;
    for (const MibTableInfo& info : MibTables())
        for (const MibTableRow* row = info.Table; row->Oid; ++row) {
            ++types[row->ItemType];
            ++access[row->Access];
            if (IsBlankOid(row->Oid))
                ++blanks[row->Oid];
        }
    const std::map<int, int> expectedTypes = {
        {itInteger, 4108},   {itBitString, 12},   {itOctetString, 178}, {itObjectId, 14},
        {itIpAddress, 450},  {itCounter, 434},    {itGauge, 336},       {itTimeTicks, 92},
        {itCounter64, 63},   {itMacAddress, 103}, {itDateTime, 11},     {itDisplayString, 609},
        {itIpv6Address, 73}, {itBitList, 130},    {itInetAddress, 87},
    };
    const std::map<int, int> expectedAccess = {
        {acNotAccess, 1288},           {acReadOnly, 2121},          {acReadWrite, 3273},
        {acNotAccess | acImplied, 12}, {acReadOnly | acImplied, 6},
    };
    const std::map<std::string, int> expectedBlanks = {{" ", 216}, {"", 2}, {"  ", 1}};
    EXPECT_EQ(types, expectedTypes);
    EXPECT_EQ(access, expectedAccess);
    EXPECT_EQ(blanks, expectedBlanks);
}

TEST(MibCatalogue, EveryRowIsWellFormedAndEveryTableEndsAtTheNullRow) {
    for (const MibTableInfo& info : MibTables()) {
        SCOPED_TRACE(info.Name);
        const int count = VqSNMPVarList::CountRows(info.Table);
        ASSERT_GT(count, 0);
        const MibTableRow& end = info.Table[count];
        EXPECT_TRUE(!end.Caption && !end.ItemType && !end.Access && !end.OptionList);
        for (int i = 0; i < count; ++i) {
            const MibTableRow& row = info.Table[i];
            SCOPED_TRACE(i);
            ASSERT_NE(row.Caption, nullptr);
            EXPECT_FALSE(row.ReadExpression || row.WriteExpression || row.ExtraText || row.InitialValue ||
                         row.InitialLastOid);
            if (IsBlankOid(row.Oid))
                // A column without an OID takes its value from the row instance: it can only be a key.
                EXPECT_EQ(row.Access & ~acImplied, acNotAccess);
            else
                EXPECT_TRUE(SnmpOid::Parse(row.Oid).has_value()) << row.Oid;
        }
    }
}

TEST(MibCatalogue, EveryNamedOptionListIsACatalogueListAndOnlyEmptyListIsEmpty) {
    std::set<const VqOptionList*> catalogue;
    for (const VqOptionList* list : CatalogueOptionLists())
        catalogue.insert(list);
    std::set<const VqOptionList*> used;
    for (const MibTableInfo& info : MibTables())
        for (const MibTableRow* row = info.Table; row->Oid; ++row)
            if (row->OptionList) {
                EXPECT_TRUE(catalogue.count(row->OptionList)) << info.Name << " " << row->Caption;
                used.insert(row->OptionList);
            }
    EXPECT_EQ(used, catalogue) << "every catalogue list serves some column";
    for (const VqOptionList* list : used)
        EXPECT_EQ(list->Count() == 0, list == &EmptyList) << list->Name;
}

TEST(MibCatalogue, OpenersGiveKindsAndKeyCountsThatFitTheirTable) {
    int openedTwice = 0;
    for (const MibTableInfo& info : MibTables()) {
        SCOPED_TRACE(info.Name);
        ASSERT_GE(info.OpenerCount, 0);
        ASSERT_LE(info.OpenerCount, 2);
        openedTwice += info.OpenerCount == 2;
        for (const MibOpener& opener : info.OpenedAs()) {
            EXPECT_GE(opener.Kind, SVT_SV);
            EXPECT_LE(opener.Kind, MVT_UMV);
            EXPECT_GE(opener.KeyCount, 0);
            EXPECT_LE(opener.KeyCount, VqSNMPVarList::CountRows(info.Table));
            if (opener.Kind == SVT_SV) {
                EXPECT_EQ(opener.KeyCount, 0);
            }
        }
    }
    EXPECT_EQ(openedTwice, 1);
    const MibTableInfo* filtering = FindMibTable("FilteringInformation", 0);
    ASSERT_NE(filtering, nullptr);
    ASSERT_EQ(filtering->OpenerCount, 2);
    EXPECT_EQ(filtering->Openers[0].Kind, MVT_FMV);
    EXPECT_EQ(filtering->Openers[0].KeyCount, 2);
    EXPECT_EQ(filtering->Openers[1].Kind, MVT_UMV);
    EXPECT_EQ(filtering->Openers[1].KeyCount, 2);
}

TEST(MibCatalogue, TableNamesAreUniquePerModel) {
    std::set<std::pair<std::string, int>> seen;
    for (const MibTableInfo& info : MibTables())
        EXPECT_TRUE(seen.emplace(info.Name, info.Model).second) << info.Name << " m=" << info.Model;
}

// What the openers do: build a variable list over the table with their kind and key count. A table
// opened by no code must still build, here as a plain walk.
TEST(MibCatalogue, EveryTableBuildsAVariableListWithItsKindsAndKeyCounts) {
    const MibOpener kUnopened[] = {{MVT_UMV, 0}};
    int built = 0;
    for (const MibTableInfo& info : MibTables()) {
        SCOPED_TRACE(testing::Message() << info.Name << " m=" << info.Model);
        const int count = VqSNMPVarList::CountRows(info.Table);
        for (const MibOpener& opener :
             info.Unopened() ? std::span<const MibOpener>(kUnopened) : info.OpenedAs()) {
            const VqSNMPVarList list(info.Table, opener.Kind, opener.KeyCount);
            ++built;
            EXPECT_EQ(list.Kind, opener.Kind);
            EXPECT_EQ(list.KeyCount, opener.KeyCount);
            ASSERT_EQ(list.GetCount(), count);
            for (int i = 0; i < count; ++i) {
                const SnmpVariable& v = list.GetVariable(i);
                const MibTableRow& row = info.Table[i];
                EXPECT_EQ(v.Oid, row.Oid);
                EXPECT_EQ(v.Caption, row.Caption);
                EXPECT_EQ(v.ItemType, row.ItemType);
                EXPECT_EQ(v.Access, row.Access);
                EXPECT_EQ(v.OptionList, row.OptionList);
                EXPECT_TRUE(v.ValueText.empty() && v.LastOid.empty());
                if (IsBlankOid(row.Oid)) {
                    EXPECT_FALSE(list.IsGettable(i)) << "column " << i << " has no OID to read";
                }
                if (i < opener.KeyCount && (opener.Kind == MVT_FMV || opener.Kind == MVT_UMV)) {
                    EXPECT_TRUE(list.IsSettable(i)) << "key column " << i << " names the row written";
                }
            }
        }
    }
    EXPECT_EQ(built, 1138 + 1); // one table is opened in two ways
}

// The OID with the model arc after 1.3.6.1.4.1.746.11.117 replaced by "m"; blank OIDs stay as they are.
std::string WithoutModelArc(const std::string& oid, int model) {
    const std::string prefix = "1.3.6.1.4.1.746.11.117." + std::to_string(model) + ".";
    if (oid.rfind(prefix, 0) != 0)
        return oid;
    return "1.3.6.1.4.1.746.11.117.m." + oid.substr(prefix.size());
}

TEST(MibCatalogue, SixCopiesOfASetDifferOnlyInTheModelArcAndTwoNotedCaptions) {
    // {set, model, column, caption of that copy}: the 24ZO-DC copies name one column differently.
    const std::map<std::tuple<std::string, int, int>, std::string> kOwnCaptions = {
        {{"OSPFVirtualInterfaceTable", 7, 5}, "Retransmit Dead Interval"},
        {{"OSPFInterfaceTable", 7, 6}, "Transit Delay"},
    };
    int captionsSeen = 0;
    for (const MibModelSet* set : MibModelSets()) {
        SCOPED_TRACE(set->Name);
        const MibTableRow* first = set->ForModel(MibModelSet::kFirstModel);
        const int count = VqSNMPVarList::CountRows(first);
        for (int m = MibModelSet::kFirstModel; m <= MibModelSet::kLastModel; ++m) {
            const MibTableRow* copy = set->ForModel(m);
            ASSERT_EQ(VqSNMPVarList::CountRows(copy), count) << "m=" << m;
            bool hasModelArc = false;
            for (int i = 0; i < count; ++i) {
                SCOPED_TRACE(testing::Message() << "m=" << m << " column " << i);
                const std::string oid = copy[i].Oid;
                hasModelArc |= WithoutModelArc(oid, m) != oid;
                EXPECT_EQ(WithoutModelArc(oid, m), WithoutModelArc(first[i].Oid, MibModelSet::kFirstModel));
                EXPECT_EQ(copy[i].ItemType, first[i].ItemType);
                EXPECT_EQ(copy[i].Access, first[i].Access);
                EXPECT_EQ(copy[i].OptionList, first[i].OptionList);
                const auto own = kOwnCaptions.find({set->Name, m, i});
                if (own != kOwnCaptions.end()) {
                    EXPECT_STREQ(copy[i].Caption, own->second.c_str());
                    EXPECT_STRNE(first[i].Caption, copy[i].Caption);
                    ++captionsSeen;
                } else {
                    EXPECT_STREQ(copy[i].Caption, first[i].Caption);
                }
            }
            EXPECT_TRUE(hasModelArc) << "m=" << m;
        }
    }
    EXPECT_EQ(captionsSeen, 2);
}

TEST(MibCatalogue, IndexListsEachSetCopyUnderItsModelWithTheSameOpeners) {
    for (const MibModelSet* set : MibModelSets()) {
        SCOPED_TRACE(set->Name);
        const MibTableInfo* first = FindMibTable(set->Name, MibModelSet::kFirstModel);
        ASSERT_NE(first, nullptr);
        for (int m = MibModelSet::kFirstModel; m <= MibModelSet::kLastModel; ++m) {
            const MibTableInfo* info = FindMibTable(set->Name, m);
            ASSERT_NE(info, nullptr);
            EXPECT_EQ(info->Model, m);
            EXPECT_EQ(info->Table, set->ForModel(m));
            EXPECT_STREQ(info->Module, first->Module);
            ASSERT_EQ(info->OpenerCount, first->OpenerCount);
            for (int k = 0; k < info->OpenerCount; ++k) {
                EXPECT_EQ(info->Openers[k].Kind, first->Openers[k].Kind);
                EXPECT_EQ(info->Openers[k].KeyCount, first->Openers[k].KeyCount);
            }
        }
    }
}

TEST(MibCatalogue, UnknownModelFindsNoModelSpecificTable) {
    const MibModelSet* set = MibModelSets().front();
    for (int m : {-1, 0, 1, 8, 117})
        EXPECT_EQ(set->ForModel(m), nullptr) << m;

    struct Case {
        const char* Name;
        int Model;
        bool Found;
    };
    const Case cases[] = {
        {"VLANPortInfomationTable", 2, true},
        {"VLANPortInfomationTable", 7, true},
        {"VLANPortInfomationTable", 0, false},
        {"VLANPortInfomationTable", 1, false},
        {"VLANPortInfomationTable", 8, false},
        {"EthernetProfileTable", 0, true},
        {"EthernetProfileTable", 4, true},
        {"EthernetProfileTable", 9, true},
        {"NoSuchTable", 0, false},
        {"NoSuchTable", 3, false},
    };
    for (const Case& c : cases) {
        const MibTableInfo* info = FindMibTable(c.Name, c.Model);
        EXPECT_EQ(info != nullptr, c.Found) << c.Name << " m=" << c.Model;
        if (info) {
            EXPECT_STREQ(info->Name, c.Name);
        }
    }
    EXPECT_STREQ(FindMibTable("VLANPortInfomationTable", 5)->Table[0].Oid,
                 "1.3.6.1.4.1.746.11.117.5.1.2.2.3.1.1");
}

// Dialogs address columns by position and show captions as they stand, blanks included.
TEST(MibCatalogue, ColumnsKeepTheirOrderAndCaptionsTheirBlanks) {
    struct Case {
        const char* Table;
        int Model;
        int Column;
        const char* Oid; // null: not checked
        const char* Caption;
    };
    const Case cases[] = {
        {"EthernetProfileTable", 0, 0, "1.3.6.1.4.1.746.12.9.2.1.1.1", "Profile ID "},
        {"EthernetProfileRuleTable", 0, 2, "1.3.6.1.4.1.746.12.9.3.1.1.21", "Rule VLAN ID"},
        {"EthernetProfileRuleTable", 0, 3, "1.3.6.1.4.1.746.12.9.3.1.1.3", "VLAN"},
        {"VLANTrunkSettings", 3, 1, "1.3.6.1.4.1.746.11.117.3.1.2.9.6.1.2", "State   "},
        {"HighCapacityPortTable", 0, 0, "1.3.6.1.2.1.17.4.4.1.1", " Port Index"},
        {"IGMPSnoopingGroup", 0, 0, " ", "VLAN ID"},
        {"IGMPSnoopingGroup", 0, 1, nullptr, "Source  Address"},
        {"TpBridgePortCounterTable", 0, 0, "1.3.6.1.2.1.17.4.4.1.1", ""},
        {"TpBridgePortCounterTable", 0, 2, "1.3.6.1.2.1.17.4.4.1.3", "          Input Frames"},
        {"OSPFInterfaceTable", 6, 6, "1.3.6.1.4.1.746.11.117.6.1.3.8.1.7", "Transmit Delay"},
        {"OSPFInterfaceTable", 7, 6, "1.3.6.1.4.1.746.11.117.7.1.3.8.1.7", "Transit Delay"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Table << " m=" << c.Model << " column " << c.Column);
        const MibTableInfo* info = FindMibTable(c.Table, c.Model);
        ASSERT_NE(info, nullptr);
        ASSERT_LT(c.Column, VqSNMPVarList::CountRows(info->Table));
        const MibTableRow& row = info->Table[c.Column];
        if (c.Oid) {
            EXPECT_STREQ(row.Oid, c.Oid);
        }
        EXPECT_STREQ(row.Caption, c.Caption);
    }
}

} // namespace

} // namespace mib_catalogue_test
