#include "RowInstances.h"

#include "CoreTestHelpers.h"
#include "VqSNMPVarList.h"

#include <gtest/gtest.h>

#include <vector>

namespace row_instances_test {

namespace {

constexpr OptionSourceRow kStatusRows[] = {
    {1, nullptr, "active"}, {6, nullptr, "destroy"}, {0, nullptr, nullptr}};
constinit const VqOptionList kStatus("kStatus", kStatusRows);

struct Key {
    int type;
    int access = acNotAccess;
    const VqOptionList* options = nullptr;
};

constexpr int kImplied = acNotAccess | acImplied;

// A table walk list whose key columns are the given ones, followed by one read-only column.
VqSNMPVarList KeyList(const std::vector<Key>& keys, int keyCount = -1) {
    std::vector<MibTableRow> rows;
    for (const Key& k : keys)
        rows.push_back({" ", "key", k.type, k.access, k.options});
    rows.push_back({"1.3.6.1.4.1.746.1", "value", itInteger, acReadOnly});
    rows.push_back({});
    return VqSNMPVarList(rows.data(), MVT_UMV, keyCount < 0 ? static_cast<int>(keys.size()) : keyCount);
}

const std::string kIpv6Arcs = "254.128.0.0.0.0.0.0.2.17.34.255.254.51.68.85";
const std::string kIpv6Hex = "FE80000000000000021122FFFE334455";
const std::string kDateArcs = "7.221.12.8.13.30.15.0.43.0.0";

} // namespace

TEST(DecodeIndex, TakesEachKeyTypeOffTheInstance) {
    struct Case {
        std::vector<Key> keys;
        int position;
        std::string instance;
        std::string value;
        std::string rest;
        int keyCount = -1;
    } cases[] = {
        {{{itInteger}, {itIpAddress}}, 0, "5.10.1.2.3", "5", "10.1.2.3"},
        {{{itInteger}, {itIpAddress}}, 1, "10.1.2.3", "10.1.2.3", ""},
        {{{itInteger}}, 0, "4294967295", "-1", ""},
        {{{itBoolean}, {itInteger}}, 0, "2.7", "true", "7"},
        {{{itBoolean}}, 0, "0", "false", ""},
        {{{itGauge}}, 0, "4294967295", "4294967295", ""},
        {{{itTimeTicks}}, 0, "8640000", "1 day 0:00:00.00", ""},
        {{{itCounter64}}, 0, "1.2", "4294967298", ""},
        {{{itDouble}}, 0, "0.1072693248", "1", ""},
        {{{itBcDateTime}}, 0, "0.1088705042", "2013/12/08 13:30:00", ""},
        {{{itNsapAddress}, {itInteger}}, 0, "1.2.3.4.5", "1.2.3.4", "5"},
        {{{itMacAddress}}, 0, "0.17.34.51.68.85", "001122334455", ""},
        {{{itDateTime}, {itInteger}}, 0, kDateArcs + ".5", "2013-12-8,13:30:15.0", "5"},
        {{{itNull}, {itInteger}}, 0, "7", "(NULL)", "7"},
        {{{itObjectId}, {itInteger}}, 0, "3.1.3.6.9", "1.3.6", "9"},
        {{{itObjectId, kImplied}}, 0, "1.3.6.1", "1.3.6.1", ""},
        {{{itObjectId}}, 0, "2.1.3", "1.3", ""},
        {{{itDisplayString, kImplied}}, 0, "97.98.99", "abc", ""},
        {{{itDisplayString}}, 0, "3.97.98.99", "abc", ""},
        {{{itDisplayString}, {itInteger}}, 0, "3.97.0.99.4", "a", "4"}, // ends at a zero octet
        {{{itIpv6Address}, {itInteger}}, 0, kIpv6Arcs + ".9", kIpv6Hex, "9"},
        {{{itIpv6Address, kImplied}}, 0, "1.2", "0102", ""},
        {{{itOctetString}, {itInteger}}, 0, "3.65.66.67.9", "414243", "9"},
        {{{itOctetString}}, 0, "3.65.66.67", "414243", ""},         // last: all after the length
        {{{itOctetString, kImplied}}, 0, "65.66.67", "414243", ""}, // implied: no length arc
        {{{itBitList}, {itInteger}}, 0, "1.232.2", "E8", "2"},
        // A fixed-size octet-string key in second place: 8 octets without a length arc.
        {{{itInteger}, {itOctetString}, {itInteger}}, 1, "1.2.3.4.5.6.7.8.9", "0102030405060708", "9"},
        {{{itInteger}, {itOctetString}, {itInteger}}, 1, "1.2.3.4.5.6.7.8.9.10", "02", "3.4.5.6.7.8.9.10"},
        {{{itOctetString}, {itOctetString}, {itInteger}}, 0, "1.2.3.4.5.6.7.8.9", "02", "3.4.5.6.7.8.9"},
        {{{itInetAddress}, {itInteger}}, 0, "4.10.1.2.3.7", "10.1.2.3", "7"},
        {{{itInetAddress}, {itInteger}}, 0, "10.1.2.3", "10.1.2.3", ""},
        {{{itInetAddress}, {itInteger}}, 0, "16." + kIpv6Arcs + ".9", kIpv6Hex, "9"},
        {{{itInetAddress}, {itInteger}},
         0,
         "4.10.1.2.3.1.2.3.4.5.6.7.8.9.10.11",
         "4.10.1.2",
         "3.1.2.3.4.5.6.7.8.9.10.11"},
        // An IPv4 key before many more arcs (a policy OID of nine arcs and a next hop).
        {{{itInetAddress}, {itObjectId}, {itInetAddress}},
         0,
         "4.10.1.2.0.9.1.3.6.1.4.1.746.1.2.4.10.0.0.1",
         "10.1.2.0",
         "9.1.3.6.1.4.1.746.1.2.4.10.0.0.1"},
        {{{itInetAddress}, {itInteger}, {itInteger}, {itInteger}, {itInteger}, {itInteger}},
         0,
         "4.10.1.2.3.1.2.3.4.5.6.7.8.9.10.11",
         "10.1.2.3",
         "1.2.3.4.5.6.7.8.9.10.11"},
        {{{itInetAddress}}, 0, "4.10.1.2.3", "10.1.2.3", ""},
        {{{itInetAddress}}, 0, "10.1.2.3", "10.1.2.3", ""},
        {{{itInetAddress}}, 0, "16." + kIpv6Arcs, kIpv6Hex, ""},
        {{{itInetAddress}}, 0, "17." + kIpv6Arcs + ".0.12", kIpv6Hex + "%0.12", ""}, // with zone
        {{{itInetAddress, kImplied}, {itInteger}}, 0, "4.10.1.2.3", "10.1.2.3", ""},
        {{{itInteger, acNotAccess, &kStatus}}, 0, "6", "destroy", ""},
        {{{itInteger, acNotAccess, &kStatus}}, 0, "3", "3", ""},
    };
    for (Case& c : cases) {
        VqSNMPVarList list = KeyList(c.keys, c.keyCount);
        std::string rest;
        const int code = RaisedCode([&] { rest = DecodeIndex(list, c.position, c.instance); });
        EXPECT_EQ(code, 0) << c.instance;
        EXPECT_EQ(list.GetVariable(c.position).ValueText, c.value) << c.instance;
        EXPECT_EQ(rest, c.rest) << c.instance;
    }
}

TEST(DecodeIndex, InstanceShorterThanTheColumnNeedsRaisesBadKeyCount) {
    struct Case {
        std::vector<Key> keys;
        std::string instance;
    } cases[] = {
        {{{itInteger}}, ""},
        {{{itIpAddress}}, "10.1"},
        {{{itCounter64}}, "1"},
        {{{itMacAddress}}, "0.17.34.51.68"},
        {{{itDateTime}}, "7.221.12.8.13.30.15.0.43.0"},
        {{{itOctetString}, {itInteger}}, "5.1.2"},
        {{{itOctetString}, {itInteger}}, "4294967295.1"},
        {{{itDisplayString}, {itInteger}}, ""},
        {{{itObjectId}, {itInteger}}, "3.1.3"},
        {{{itIpv6Address}, {itInteger}}, "1.2.3"},
        {{{itInetAddress}, {itInteger}}, "10.1.2"},
        {{{itInetAddress}}, "1.2.3"},
        {{{itInteger}}, "1..2"}, // no dotted decimal at all
        {{{itInteger}}, "a.b"},
    };
    for (const Case& c : cases) {
        VqSNMPVarList list = KeyList(c.keys);
        list.GetVariable(0).ValueText = "before";
        RaisedError e = Raised([&] { DecodeIndex(list, 0, c.instance); });
        EXPECT_EQ(e.Code, -514) << c.instance;
        EXPECT_EQ(e.Message, "Bad key count of SNMP variable list!");
        EXPECT_EQ(list.GetVariable(0).ValueText, "before") << c.instance;
    }
}

TEST(EncodeIndex, WritesEachKeyTypeAsArcs) {
    const std::string ipv6Zone = kIpv6Hex + "%0.12";
    struct Case {
        std::vector<Key> keys;
        int position;
        std::string value;
        std::string arcs;
    } cases[] = {
        {{{itBoolean}}, 0, "true", "1"},
        {{{itBoolean}}, 0, "True", "0"},
        {{{itInteger}}, 0, "-1", "4294967295"},
        {{{itInteger}}, 0, "abc", "0"},
        {{{itUInteger}}, 0, "4294967295", "4294967295"},
        {{{itNull}}, 0, "(NULL)", ""},
        {{{itTimeTicks}}, 0, "1 day 0:00:00.00", "8640000"},
        {{{itCounter64}}, 0, "4294967298", "1.2"},
        {{{itDouble}}, 0, "1", "0.1072693248"},
        {{{itBcDateTime}}, 0, "2013/12/08 13:30:00", "0.1088705042"},
        {{{itIpAddress}}, 0, "10.1.2.3", "10.1.2.3"},
        {{{itObjectId}, {itInteger}}, 0, "1.3.6", "3.1.3.6"},
        {{{itObjectId, kImplied}}, 0, "1.3.6", "1.3.6"},
        {{{itObjectId}}, 0, "", "0"},
        {{{itOctetString}, {itInteger}}, 0, "414243", "3.65.66.67"},
        {{{itOctetString}}, 0, "414243", "3.65.66.67"},
        {{{itOctetString, kImplied}}, 0, "414243", "65.66.67"},
        {{{itOctetString, kImplied}, {itInteger}}, 0, "414243", "3.65.66.67"}, // implied but not last
        {{{itBitList}}, 0, "", "0"},
        {{{itDisplayString}}, 0, "abc", "3.97.98.99"},
        {{{itDisplayString, kImplied}}, 0, "abc", "97.98.99"},
        {{{itMacAddress}}, 0, "001122334455", "0.17.34.51.68.85"},
        {{{itMacAddress}}, 0, "0011223344", ""}, // fewer than 12 digits: no arcs
        {{{itIpv6Address}}, 0, kIpv6Hex, kIpv6Arcs},
        {{{itIpv6Address}}, 0, "FE80", ""},
        {{{itDateTime}}, 0, "2013-12-8,13:30:15.0", kDateArcs},
        {{{itInetAddress}}, 0, "10.1.2.3", "4.10.1.2.3"},
        {{{itInetAddress, kImplied}}, 0, "10.1.2.3", "4.10.1.2.3"},
        {{{itInetAddress}}, 0, kIpv6Hex, "16." + kIpv6Arcs},
        {{{itInetAddress, kImplied}}, 0, kIpv6Hex, kIpv6Arcs},
        {{{itInetAddress}}, 0, kIpv6Hex + "%", "17." + kIpv6Arcs},
        {{{itInetAddress}}, 0, ipv6Zone, "17." + kIpv6Arcs + ".0.12"},
        {{{itInetAddress}}, 0, kIpv6Hex + "0.12", "17." + kIpv6Arcs + ".0.12"},
        {{{itInteger, acNotAccess, &kStatus}}, 0, "destroy", "6"},
    };
    for (const Case& c : cases) {
        VqSNMPVarList list = KeyList(c.keys);
        list.GetVariable(c.position).ValueText = c.value;
        EXPECT_EQ(EncodeIndex(list, c.position), c.arcs) << c.value;
    }
}

TEST(RowInstances, KeyValuesSurviveEncodingAndDecoding) {
    struct Case {
        std::vector<Key> keys;
        std::vector<std::string> values;
    } cases[] = {
        {{{itInteger}, {itIpAddress}, {itOctetString}, {itDisplayString, kImplied}},
         {"5", "10.1.2.3", "414243", "abc"}},
        {{{itDateTime}, {itInetAddress}, {itOctetString, kImplied}},
         {"2013-12-8,13:30:15.0,-5:30", "10.1.2.3", "0A0B"}},
        {{{itMacAddress}, {itCounter64}, {itObjectId}, {itInetAddress}},
         {"001122334455", "18446744073709551615", "1.3.6.1", kIpv6Hex}},
        {{{itIpv6Address}, {itTimeTicks}, {itInetAddress}},
         {kIpv6Hex, "2 days, 0:00:00.05", kIpv6Hex + "%0.12"}},
        {{{itBoolean}, {itBcDateTime}, {itDouble}}, {"true", "2013/12/08 13:30:00", "-2.25"}},
    };
    for (const Case& c : cases) {
        VqSNMPVarList list = KeyList(c.keys);
        std::string instance;
        for (size_t i = 0; i < c.values.size(); ++i) {
            list.GetVariable(static_cast<int>(i)).ValueText = c.values[i];
            const std::string arcs = EncodeIndex(list, static_cast<int>(i));
            instance += (instance.empty() || arcs.empty() ? "" : ".") + arcs;
        }
        VqSNMPVarList decoded = KeyList(c.keys);
        std::string rest = instance;
        for (size_t i = 0; i < c.values.size(); ++i) {
            rest = DecodeIndex(decoded, static_cast<int>(i), rest);
            EXPECT_EQ(decoded.GetVariable(static_cast<int>(i)).ValueText, c.values[i]) << instance;
        }
        EXPECT_EQ(rest, "");
    }
}

TEST(RowInstances, BadTypeOrPositionRaises) {
    VqSNMPVarList list = KeyList({{7}, {itInteger}});
    EXPECT_EQ(RaisedCode([&] { DecodeIndex(list, 0, "1.2"); }), -511);
    EXPECT_EQ(RaisedCode([&] { EncodeIndex(list, 0); }), -511);
    EXPECT_EQ(RaisedCode([&] { DecodeIndex(list, 3, "1"); }), -12);
    EXPECT_EQ(RaisedCode([&] { EncodeIndex(list, -1); }), -12);
}

TEST(IsPastColumn, WalkColumnsEndWhenTheReplyLeavesThem) {
    const std::string column = "1.3.6.1.2.1.2.2.1.1";
    struct Case {
        std::string lastOid;
        std::string returned;
        bool past;
    } cases[] = {
        {"", "1.3.6.1.2.1.2.2.1.1.5", false},
        {"1.3.6.1.2.1.2.2.1.1.4", "1.3.6.1.2.1.2.2.1.1.5", false},
        {"", "1.3.6.1.2.1.2.2.1.10.5", true},                     // a longer sibling column
        {"1.3.6.1.2.1.2.2.1.1.5", "1.3.6.1.2.1.2.2.1.1.5", true}, // the agent repeats itself
        {"", column, true},
        {"", "1.3.6.1.2.1.2.2.1", true},
        {"", "1.3.6.1.2.1.2.2.1.2.1", true},
        {"", "", true},
    };
    for (unsigned char kind : {MVT_FMV, MVT_UMV}) {
        VqSNMPVarList list = KeyList({{itInteger}});
        list.Kind = kind;
        for (const Case& c : cases)
            EXPECT_EQ(IsPastColumn(list, column, c.lastOid, c.returned), c.past) << c.returned;
    }
    for (unsigned char kind : {SVT_SV, MVT_SV}) {
        VqSNMPVarList list = KeyList({{itInteger}});
        list.Kind = kind;
        for (const Case& c : cases)
            EXPECT_FALSE(IsPastColumn(list, column, c.lastOid, c.returned)) << c.returned;
    }
}

namespace {

VqSNMPVarList ExpressionList() {
    std::vector<MibTableRow> rows = {
        {"1.0", "a", itInteger, acReadWrite},       {"1.1", "b", itBoolean, acReadWrite},
        {"1.2", "c", itDisplayString, acReadWrite}, {"1.3", "d", itTimeTicks, acReadWrite},
        {"1.4", "e", itBcDateTime, acReadWrite},    {"1.5", "f", itInteger, acReadWrite, &kStatus},
        {"1.6", "g", itInteger, acReadWrite},       {"1.7", "h", itCounter64, acReadWrite},
        {"1.8", "i", itObjectId, acReadWrite},      {"1.9", "j", itInt16, acReadWrite},
        {"1.10", "k", itBool8, acReadWrite},        {"1.11", "l", itDouble, acReadWrite},
        {"1.12", "m", itUInteger, acReadWrite},     {},
    };
    VqSNMPVarList list(rows.data(), SVT_SV, 0);
    const char* values[] = {"7",
                            "true",
                            "ab$1",
                            "0:00:01.00",
                            "2013/12/08 13:30:00",
                            "destroy",
                            "(NULL)",
                            "18446744073709551615",
                            "1.3.6",
                            "65535",
                            "false",
                            "-2.25",
                            "12"};
    for (int i = 0; i < list.GetCount(); ++i)
        list.GetVariable(i).ValueText = values[i];
    return list;
}

} // namespace

TEST(SubstituteVariables, PutsNumericFormsInPlaceOfMarkers) {
    const VqSNMPVarList list = ExpressionList();
    struct Case {
        const char* text;
        bool quote;
        const char* marker;
        const char* result;
    } cases[] = {
        {"$1 > $12", false, "$", "1 > 12"},
        {"$0 + $3", false, "$", "7 + 100"},
        {"$", false, "$", "7"}, // no digits: variable 0
        {"$0$0", false, "$", "77"},
        {"$4", false, "$", "41616.5625"},
        {"$5", false, "$", "6"}, // through the option list
        {"$7-$9+$10*$11", false, "$", "18446744073709551615-65535+0*-2.25"},
        {"$2 = \"ab\"", true, "$", "\"ab$1\" = \"ab\""}, // inserted markers stay
        {"$8", true, "$", "\"1.3.6\""},
        {"%0 $0", false, "%", "7 $0"},
        {"$0", false, "", "$0"},
        {"no marker", false, "$", "no marker"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SubstituteVariables(list, c.text, c.quote, c.marker), c.result) << c.text;
}

TEST(SubstituteVariables, NullTextAndBadPositionsRaise) {
    const VqSNMPVarList list = ExpressionList();
    struct Case {
        const char* text;
        bool quote;
        int code;
        const char* message;
    } cases[] = {
        {"$6", true, -512, "Null value in the expression!"},
        {"$2", false, -513, "Bad SNMP syntax in the expression!"},
        {"$8 = 1", false, -513, "Bad SNMP syntax in the expression!"},
        {"$13", true, -12, " Out of range at index of array or list!"},
        {"$99999999999999999999", true, -12, " Out of range at index of array or list!"},
    };
    for (const Case& c : cases) {
        RaisedError e = Raised([&] { SubstituteVariables(list, c.text, c.quote, "$"); });
        EXPECT_EQ(e.Code, c.code) << c.text;
        EXPECT_EQ(e.Message, c.message) << c.text;
    }
}

} // namespace row_instances_test
