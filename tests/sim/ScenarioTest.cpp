// The data generator: a few lines of scenario become the store a real stack would show.
#include "NetSnmpTestClient.h"
#include "SimTest.h"

// clang-format off
#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
// clang-format on

#include <gtest/gtest.h>

#include <map>

namespace scenario_test {

namespace {

constexpr const char* kUnitEntry = "1.3.6.1.4.1.746.12.11.1.9.4.1";

struct UnitRow {
    std::string ModuleName;
    int64_t ExistState;
    int64_t CurrentMode;
    size_t LedOctets;

    bool operator==(const UnitRow&) const = default;
};

std::ostream& operator<<(std::ostream& out, const UnitRow& r) {
    return out << "{" << r.ModuleName << ", exist " << r.ExistState << ", mode " << r.CurrentMode << ", "
               << r.LedOctets << " LED octets}";
}

std::string UnitColumn(int column, int unit) {
    return std::string(kUnitEntry) + "." + std::to_string(column) + "." + std::to_string(unit);
}

std::string LedStatus(int model, int unit) {
    return "1.3.6.1.4.1.746.11.117." + std::to_string(model) + ".1.4.1.1.1.2." + std::to_string(unit);
}

class ScenarioTest : public SimTest {
protected:
    SimValue At(const std::string& oid) {
        auto value = Agent().Value(oid);
        EXPECT_TRUE(value.has_value()) << oid << " is missing";
        return value.value_or(SimValue{});
    }

    std::vector<UnitRow> Units() {
        std::vector<UnitRow> rows;
        for (int unit = 1; unit <= 6; ++unit) {
            rows.push_back({At(UnitColumn(9, unit)).Bytes(), std::stoll(At(UnitColumn(15, unit)).Text),
                            std::stoll(At(UnitColumn(7, unit)).Text),
                            At(UnitColumn(5, unit)).Bytes().size()});
        }
        return rows;
    }
};

} // namespace

TEST_F(ScenarioTest, TwoUnitStackListsBothUnitsAndFourEmptySlots) {
    Agent().LoadScenario(R"({"model": "24RA", "stack_mode": "enabled", "firmware": "KC",
                             "units": [{"model": "24RA"}, {"model": "48DA", "led": {"32": 3, "9": 1}}]})");
    EXPECT_EQ(At("1.3.6.1.2.1.1.2.0"), SimValue::Oid("1.3.6.1.4.1.746.10.117.2.1"));
    EXPECT_EQ(At("1.3.6.1.4.1.746.12.11.1.9.6.0"), SimValue::Int(1)); // enabled
    EXPECT_EQ(At("1.3.6.1.4.1.746.12.1.1.13.0"), SimValue::Octets("KC"));
    const UnitRow absent{"NOT_EXIST", 2, 1, 0};
    EXPECT_EQ(Units(), (std::vector<UnitRow>{{"ZQS-4410-24RA", 1, 4, 58}, // master
                                             {"ZQS-4410-48DA", 1, 5, 82}, // slave
                                             absent,
                                             absent,
                                             absent,
                                             absent}));
    // Both units' LED status lies under the master's model arc (2), whatever the unit's model.
    std::string led2 = At(LedStatus(2, 2)).Bytes();
    ASSERT_EQ(led2.size(), 82u);
    EXPECT_EQ(led2[32], 3);
    EXPECT_EQ(led2[9], 1);
    EXPECT_EQ(led2[1], 1) << "power LED green by default";
    EXPECT_EQ(At(UnitColumn(5, 2)).Bytes(), led2) << "the unit table shows the same LED octets";
    EXPECT_EQ(At(LedStatus(2, 1)).Bytes().size(), 58u);
    EXPECT_FALSE(Agent().Value(LedStatus(2, 3)).has_value());
    EXPECT_FALSE(Agent().Value(LedStatus(5, 2)).has_value());

    // The agent serves what the store holds: a walk of the module names over SNMPv1.
    NetSnmpTarget target;
    target.Version = SNMP_VERSION_1;
    target.Peer = Agent().Peer();
    std::vector<SimVarBind> names = NetSnmpTestClient(target).Walk(std::string(kUnitEntry) + ".9");
    ASSERT_EQ(names.size(), 6u);
    EXPECT_EQ(names[1], (SimVarBind{UnitColumn(9, 2), SimValue::Octets("ZQS-4410-48DA")}));
}

TEST_F(ScenarioTest, SixUnitStackOfEveryModel) {
    Agent().LoadScenario(R"({"model": "48RO", "stack_mode": "enabled",
                             "units": [{"model": "24RA"}, {"model": "24DA"}, {"model": "24ZO"},
                                       {"model": "48DA"}, {"model": "48RO", "mode": "master"},
                                       {"model": "24ZO-DC", "mode": "backup-master"}]})");
    EXPECT_EQ(At("1.3.6.1.2.1.1.2.0"), SimValue::Oid("1.3.6.1.4.1.746.10.117.6.1"));
    EXPECT_EQ(At("1.3.6.1.4.1.746.12.1.1.13.0"), SimValue::Octets("KB")); // default edition
    EXPECT_EQ(Units(), (std::vector<UnitRow>{{"ZQS-4410-24RA", 1, 4, 58},
                                             {"ZQS-4410-24DA", 1, 5, 58},
                                             {"ZQS-4410-24ZO", 1, 5, 58},
                                             {"ZQS-4410-48DA", 1, 5, 82},
                                             {"ZQS-4410-48RO", 1, 4, 82},
                                             {"ZQS-4410-24ZO-DC", 1, 6, 58}}));
    for (int unit = 1; unit <= 6; ++unit) {
        EXPECT_TRUE(Agent().Value(LedStatus(6, unit)).has_value()) << "unit " << unit;
    }
}

TEST_F(ScenarioTest, ExtraObjectsTablesAndOmissions) {
    Agent().LoadScenario(R"({"stack_mode": "disabled",
        "objects": [["1.3.6.1.4.1.746.12.15.1.2.0", "int", 2, "rw"],
                    ["1.3.6.1.4.1.746.99.1.0", "ip", "10.1.2.3"],
                    ["1.3.6.1.4.1.746.99.2.0", "counter64", "18446744073709551615"],
                    ["1.3.6.1.4.1.746.99.3.0", "string", " padded "]],
        "tables": [{"entry": "1.3.6.1.4.1.746.99.5.1", "columns": [[2, "string"], [3, "timeticks"]],
                    "rows": [["1.4", "a", 100], ["2.0", null, 200]]}],
        "omit": ["1.3.6.1.4.1.746.12.1.1.13"]})");
    const std::map<std::string, SimValue> expected = {
        {"1.3.6.1.4.1.746.12.15.1.2.0", SimValue::Int(2)},
        {"1.3.6.1.4.1.746.99.1.0", {"64", "10.1.2.3"}},
        {"1.3.6.1.4.1.746.99.2.0", {"70", "18446744073709551615"}},
        {"1.3.6.1.4.1.746.99.3.0", SimValue::Octets(" padded ")},
        {"1.3.6.1.4.1.746.99.5.1.2.1.4", SimValue::Octets("a")},
        {"1.3.6.1.4.1.746.99.5.1.3.1.4", {"67", "100"}},
        {"1.3.6.1.4.1.746.99.5.1.3.2.0", {"67", "200"}},
        {"1.3.6.1.4.1.746.12.11.1.9.6.0", SimValue::Int(2)}, // disabled
    };
    for (auto& [oid, value] : expected) {
        EXPECT_EQ(Agent().Value(oid), value) << oid;
    }
    EXPECT_FALSE(Agent().Value("1.3.6.1.4.1.746.99.5.1.2.2.0").has_value()) << "null leaves a cell out";
    EXPECT_FALSE(Agent().Value("1.3.6.1.4.1.746.12.1.1.13.0").has_value()) << "omitted";

    // The added scalar is writable; the omitted one answers as missing.
    NetSnmpTarget target;
    target.Version = SNMP_VERSION_2c;
    target.Peer = Agent().Peer();
    target.Community = SimCredentials::kWriteCommunity;
    NetSnmpTestClient client(target);
    EXPECT_EQ(client.Set({{"1.3.6.1.4.1.746.12.15.1.2.0", SimValue::Int(0)}}).Status, SNMP_ERR_NOERROR);
    EXPECT_EQ(Agent().Value("1.3.6.1.4.1.746.12.15.1.2.0"), SimValue::Int(0));
    EXPECT_EQ(client.Get({"1.3.6.1.4.1.746.12.1.1.13.0"}).VarBinds.at(0).Value.Tag, "128"); // noSuchObject
}

TEST_F(ScenarioTest, SnmprecStoreIsServedAsWritten) {
    Agent().LoadSnmprec("#!object 1.3.6.1.4.1.746.99.7 2 rw\n"
                        "1.3.6.1.4.1.746.99.7.0|2|-5\n"
                        "1.3.6.1.2.1.1.2.0|6|1.3.6.1.4.1.746.10.117.7.1\n");
    EXPECT_EQ(Agent().Store(), (std::vector<std::pair<std::string, SimValue>>{
                                   {"1.3.6.1.2.1.1.2.0", SimValue::Oid("1.3.6.1.4.1.746.10.117.7.1")},
                                   {"1.3.6.1.4.1.746.99.7.0", SimValue::Int(-5)}}));
}

TEST_F(ScenarioTest, StepCountersGrowAtEveryReadThatReturnsThemAndWrap) {
    // Port 1 counts up from 10 by 1000, port 2 starts just below 2^32; column 4 steps by 3.
    Agent().LoadScenario(R"({"tables": [{"entry": "1.3.6.1.2.1.17.4.4.1",
        "columns": [[1, "int"], [3, "counter+1000"], [4, "counter+3"]],
        "rows": [["1", 1, 10, 0], ["2", 2, 4294967000, 7]]}]})");
    NetSnmpTarget target;
    target.Version = SNMP_VERSION_2c;
    target.Peer = Agent().Peer();
    NetSnmpTestClient client(target);
    const auto read = [&](bool next, const std::vector<std::string>& oids) {
        const NetSnmpReply reply = next ? client.GetNext(oids) : client.Get(oids);
        EXPECT_EQ(reply.Status, SNMP_ERR_NOERROR);
        return reply.VarBinds;
    };
    const auto counter = [](const char* oid, int64_t value) {
        return SimVarBind{oid, {"65", std::to_string(value)}};
    };
    struct Step {
        bool Next;
        std::vector<std::string> Oids;
        std::vector<SimVarBind> Expected;
    };
    const Step steps[] = {
        // A GET returns the value as loaded; the next read returns it a step further on.
        {false, {"1.3.6.1.2.1.17.4.4.1.3.1"}, {counter("1.3.6.1.2.1.17.4.4.1.3.1", 10)}},
        {false, {"1.3.6.1.2.1.17.4.4.1.3.1"}, {counter("1.3.6.1.2.1.17.4.4.1.3.1", 1010)}},
        // GET-NEXT at port - 1, as a poller of one port reads: each column at its own step; the
        // plain integer column does not move.
        {true,
         {"1.3.6.1.2.1.17.4.4.1.1.1", "1.3.6.1.2.1.17.4.4.1.3.1", "1.3.6.1.2.1.17.4.4.1.4.1"},
         {{"1.3.6.1.2.1.17.4.4.1.1.2", SimValue::Int(2)},
          counter("1.3.6.1.2.1.17.4.4.1.3.2", 4294967000),
          counter("1.3.6.1.2.1.17.4.4.1.4.2", 7)}},
        {true,
         {"1.3.6.1.2.1.17.4.4.1.1.1", "1.3.6.1.2.1.17.4.4.1.3.1", "1.3.6.1.2.1.17.4.4.1.4.1"},
         {{"1.3.6.1.2.1.17.4.4.1.1.2", SimValue::Int(2)},
          counter("1.3.6.1.2.1.17.4.4.1.3.2", 704), // (4294967000 + 1000) mod 2^32
          counter("1.3.6.1.2.1.17.4.4.1.4.2", 10)}},
        // Port 1's counter was not returned meanwhile: it moved on by one step only.
        {false, {"1.3.6.1.2.1.17.4.4.1.3.1"}, {counter("1.3.6.1.2.1.17.4.4.1.3.1", 2010)}},
    };
    for (const Step& step : steps) {
        EXPECT_EQ(read(step.Next, step.Oids), step.Expected) << step.Oids.front();
    }
    // A read answered with an error returned nothing: the counter does not move.
    Agent().InjectError("1.3.6.1.2.1.17.4.4.1.3", "genErr", SimOp::Get);
    EXPECT_EQ(client.Get({"1.3.6.1.2.1.17.4.4.1.3.1"}).Status, SNMP_ERR_GENERR);
    Agent().ClearInjections();
    EXPECT_EQ(read(false, {"1.3.6.1.2.1.17.4.4.1.3.1"}),
              (std::vector<SimVarBind>{counter("1.3.6.1.2.1.17.4.4.1.3.1", 3010)}));

    try {
        Agent().LoadScenario(R"({"objects": [["1.3.6.1.4.1.746.99.1.0", "counter+0", 1]]})");
        ADD_FAILURE() << "a step counter with step 0 was taken";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("is not 1..4294967295"), std::string::npos) << e.what();
    }
}

} // namespace scenario_test
