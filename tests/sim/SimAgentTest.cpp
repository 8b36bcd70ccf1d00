// The simulated switch as a manager sees it: through net-snmp, over every SNMP version.
#include "NetSnmpTestClient.h"
#include "SilentPort.h"
#include "SimTest.h"
#include "SnmpdAgent.h"

// clang-format off
#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
// clang-format on

#include <gtest/gtest.h>

namespace sim_agent_test {

namespace {

constexpr const char* kSysObjectId = "1.3.6.1.2.1.1.2.0";
constexpr const char* kSysName = "1.3.6.1.2.1.1.5.0";
constexpr const char* kFirmwareType = "1.3.6.1.4.1.746.12.1.1.13.0";
constexpr const char* kStackMode = "1.3.6.1.4.1.746.12.11.1.9.6.0";

// The STP instance table: VLAN range (octets, read-write), priority (read-write), RowStatus.
constexpr const char* kInstanceEntry = "1.3.6.1.4.1.746.12.15.2.3.1";
constexpr const char* kInstanceScenario = R"({
  "tables": [{"entry": "1.3.6.1.4.1.746.12.15.2.3.1",
              "columns": [[2, "hex", "rw"], [12, "int", "rw", 32768], [24, "rowstatus"]],
              "rows": [["0", "FFFF", 32768, 1]]}]
})";

NetSnmpTarget Community(long version, const char* community = SimCredentials::kReadCommunity) {
    NetSnmpTarget t;
    t.Version = version;
    t.Peer = SimAgent::Shared().Peer();
    t.Community = community;
    return t;
}

NetSnmpTarget User(const char* user, const char* auth, const char* priv, const char* context) {
    NetSnmpTarget t;
    t.Version = SNMP_VERSION_3;
    t.Peer = SimAgent::Shared().Peer();
    t.User = user;
    t.AuthProtocol = auth;
    t.PrivProtocol = priv;
    t.Context = context;
    return t;
}

std::string Column(int column, const std::string& index) {
    return std::string(kInstanceEntry) + "." + std::to_string(column) + "." + index;
}

} // namespace

class SimAgentTest : public SimTest {};

TEST_F(SimAgentTest, SysObjectIdIsReadOverEveryVersionAndBothV3Contexts) {
    Agent().LoadScenario(R"({"model": "48DA"})");
    struct Case {
        const char* name;
        NetSnmpTarget target;
    } cases[] = {
        {"v1", Community(SNMP_VERSION_1)},
        {"v2c", Community(SNMP_VERSION_2c)},
        {"v3 MD5/DES, context tamber",
         User(SimCredentials::kUserMd5Des, "MD5", "DES", SimCredentials::kContext)},
        {"v3 SHA/AES, empty context", User(SimCredentials::kUserShaAes, "SHA", "AES", "")},
        {"v3 SHA/AES, context tamber",
         User(SimCredentials::kUserShaAes, "SHA", "AES", SimCredentials::kContext)},
        {"v3 SHA, no privacy", User(SimCredentials::kUserSha, "SHA", "", "")},
        {"v3 noAuthNoPriv", User(SimCredentials::kUserNoAuth, "", "", SimCredentials::kContext)},
    };
    for (const Case& c : cases) {
        NetSnmpTestClient client(c.target);
        NetSnmpReply reply = client.Get({kSysObjectId});
        EXPECT_EQ(reply.LibError, 0) << c.name;
        EXPECT_EQ(reply.Status, SNMP_ERR_NOERROR) << c.name;
        EXPECT_EQ(reply.VarBinds,
                  (std::vector<SimVarBind>{{kSysObjectId, SimValue::Oid("1.3.6.1.4.1.746.10.117.5.1")}}))
            << c.name;
    }
    EXPECT_TRUE(Agent().SetLog().empty()) << "a read wrote";
}

TEST_F(SimAgentTest, RowCreatedWithCreateAndGoIsWalkedActiveThenDestroyedAndGone) {
    Agent().LoadScenario(kInstanceScenario);
    NetSnmpTestClient writer(Community(SNMP_VERSION_2c, SimCredentials::kWriteCommunity));
    NetSnmpTestClient reader(Community(SNMP_VERSION_2c));
    const std::vector<SimVarBind> create = {{Column(24, "5"), SimValue::Int(4)},
                                            {Column(2, "5"), SimValue::Octets("\x0F\xF0")}};
    const std::vector<SimVarBind> destroy = {{Column(24, "5"), SimValue::Int(6)}};

    NetSnmpReply created = writer.Set(create);
    ASSERT_EQ(created.LibError, 0);
    EXPECT_EQ(created.Status, SNMP_ERR_NOERROR);
    std::vector<SimVarBind> withRow = {
        {Column(2, "0"), SimValue::Octets("\xFF\xFF")},
        {Column(2, "5"), SimValue::Octets("\x0F\xF0")},
        {Column(12, "0"), SimValue::Int(32768)},
        {Column(12, "5"), SimValue::Int(32768)}, // default
        {Column(24, "0"), SimValue::Int(1)},
        {Column(24, "5"), SimValue::Int(1)}, // active
    };
    EXPECT_EQ(reader.Walk(kInstanceEntry), withRow);

    NetSnmpReply destroyed = writer.Set(destroy);
    ASSERT_EQ(destroyed.LibError, 0);
    EXPECT_EQ(destroyed.Status, SNMP_ERR_NOERROR);
    std::vector<SimVarBind> withoutRow = {withRow[0], withRow[2], withRow[4]};
    EXPECT_EQ(reader.Walk(kInstanceEntry), withoutRow);

    EXPECT_EQ(Agent().SetLog(), (std::vector<SimSetPdu>{{"noError", 0, "v2c", "quindle", create},
                                                        {"noError", 0, "v2c", "quindle", destroy}}));
}

TEST_F(SimAgentTest, V3WriteThroughTheEmptyContextIsReadThroughTamberAndLoggedWithItsUser) {
    const std::vector<SimVarBind> rename = {{kSysName, SimValue::Octets("core-1")}};
    NetSnmpReply set = NetSnmpTestClient(User(SimCredentials::kUserShaAes, "SHA", "AES", "")).Set(rename);
    ASSERT_EQ(set.LibError, 0);
    EXPECT_EQ(set.Status, SNMP_ERR_NOERROR);
    NetSnmpReply get =
        NetSnmpTestClient(User(SimCredentials::kUserMd5Des, "MD5", "DES", SimCredentials::kContext))
            .Get({kSysName});
    EXPECT_EQ(get.VarBinds, rename);
    EXPECT_EQ(Agent().SetLog(), (std::vector<SimSetPdu>{{"noError", 0, "v3", "zqs-sha-aes", rename}}));
}

TEST_F(SimAgentTest, CreateAndWaitLeavesTheRowNotInService) {
    Agent().LoadScenario(kInstanceScenario);
    NetSnmpTestClient writer(Community(SNMP_VERSION_2c, SimCredentials::kWriteCommunity));
    EXPECT_EQ(writer.Set({{Column(24, "7"), SimValue::Int(5)}}).Status, SNMP_ERR_NOERROR);
    EXPECT_EQ(Agent().Value(Column(24, "7")), SimValue::Int(2));
    // A row that exists cannot be created again, and a value outside RowStatus is refused.
    EXPECT_EQ(writer.Set({{Column(24, "7"), SimValue::Int(4)}}).Status, SNMP_ERR_INCONSISTENTVALUE);
    EXPECT_EQ(writer.Set({{Column(24, "8"), SimValue::Int(9)}}).Status, SNMP_ERR_WRONGVALUE);
    // A column of a row that does not exist cannot be written on its own.
    EXPECT_EQ(writer.Set({{Column(12, "9"), SimValue::Int(1)}}).Status, SNMP_ERR_NOCREATION);
    EXPECT_FALSE(Agent().Value(Column(12, "9")).has_value());
}

// A valid/invalid status column: its valid value creates a row with the PDU's other columns and
// the entry's defaults, another value is stored in a row that exists, its invalid value removes
// the row; a row that neither exists nor is created takes neither. The two values are the
// column's: 3 and 2 by default, or as the scenario names them.
TEST_F(SimAgentTest, ValidStatusColumnCreatesStoresAndRemovesRowsByItsOwnTwoValues) {
    const struct {
        const char* Access;
        int Valid;
        int Invalid;
        int Other;
    } cases[] = {{"validstatus", 3, 2, 5}, {"validstatus:1:2", 1, 2, 3}};
    NetSnmpTestClient writer(Community(SNMP_VERSION_2c, SimCredentials::kWriteCommunity));
    NetSnmpTestClient reader(Community(SNMP_VERSION_2c));
    const std::string entry = "1.3.6.1.4.1.746.11.117.2.1.3.2.5.1";
    auto at = [&](int column, const std::string& index) {
        return entry + "." + std::to_string(column) + "." + index;
    };
    const std::string kept = "0.0.0.0.0.0.0.0.10.1.1.254";
    const std::string added = "10.0.0.0.255.0.0.0.10.1.1.1";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Access);
        Agent().LoadScenario(R"({"tables": [{"entry": ")" + entry +
                             R"(", "columns": [[5, "int", "rw", 1], [6, "int", ")" + c.Access +
                             R"("], [7, "int", "rw", 0]], "rows": [[")" + kept + R"(", 1, )" +
                             std::to_string(c.Valid) + ", 0]]}]}");
        EXPECT_EQ(writer.Set({{at(6, added), SimValue::Int(c.Invalid)}}).Status, SNMP_ERR_NOCREATION);
        EXPECT_EQ(writer.Set({{at(6, added), SimValue::Int(c.Other)}}).Status, SNMP_ERR_NOCREATION);
        EXPECT_EQ(writer.Set({{at(7, added), SimValue::Int(4)}}).Status, SNMP_ERR_NOCREATION);

        EXPECT_EQ(
            writer.Set({{at(5, added), SimValue::Int(9)}, {at(6, added), SimValue::Int(c.Valid)}}).Status,
            SNMP_ERR_NOERROR);
        EXPECT_EQ(reader.Walk(entry), (std::vector<SimVarBind>{
                                          {at(5, kept), SimValue::Int(1)},
                                          {at(5, added), SimValue::Int(9)},
                                          {at(6, kept), SimValue::Int(c.Valid)},
                                          {at(6, added), SimValue::Int(c.Valid)},
                                          {at(7, kept), SimValue::Int(0)},
                                          {at(7, added), SimValue::Int(0)}, // the default
                                      }));
        EXPECT_EQ(writer.Set({{at(6, added), SimValue::Int(c.Valid)}}).Status, SNMP_ERR_NOERROR);
        EXPECT_EQ(writer.Set({{at(6, added), SimValue::Int(c.Other)}}).Status, SNMP_ERR_NOERROR);
        EXPECT_EQ(Agent().Value(at(6, added)), SimValue::Int(c.Other));

        EXPECT_EQ(writer.Set({{at(6, added), SimValue::Int(c.Invalid)}}).Status, SNMP_ERR_NOERROR);
        EXPECT_EQ(reader.Walk(entry), (std::vector<SimVarBind>{{at(5, kept), SimValue::Int(1)},
                                                               {at(6, kept), SimValue::Int(c.Valid)},
                                                               {at(7, kept), SimValue::Int(0)}}));
    }
}

// A column writable only in the PDU that creates its row: accepted with the createAndGo (before
// or after it in the PDU), refused (notWritable, v1 noSuchName) in any other SET, the row's own
// included, and the PDU then changes nothing.
TEST_F(SimAgentTest, CreateOnlyColumnIsWrittenOnlyInThePduThatCreatesItsRow) {
    const std::string entry = "1.3.6.1.4.1.746.11.117.2.1.3.20.1";
    auto at = [&](int column, const std::string& index) {
        return entry + "." + std::to_string(column) + "." + index;
    };
    Agent().LoadScenario(
        R"({"tables": [{"entry": ")" + entry +
        R"(", "columns": [[3, "int", "createonly", 3], [4, "gauge", "rw", 0], [5, "rowstatus"]],)"
        R"( "rows": [["3.1", 3, 0, 1]]}]})");
    NetSnmpTestClient writer(Community(SNMP_VERSION_2c, SimCredentials::kWriteCommunity));
    NetSnmpTestClient v1(Community(SNMP_VERSION_1, SimCredentials::kWriteCommunity));

    EXPECT_EQ(writer.Set({{at(3, "4.2"), SimValue::Int(1)}, {at(5, "4.2"), SimValue::Int(4)}}).Status,
              SNMP_ERR_NOERROR);
    EXPECT_EQ(writer.Set({{at(5, "2.1"), SimValue::Int(4)}, {at(3, "2.1"), SimValue::Int(2)}}).Status,
              SNMP_ERR_NOERROR);
    EXPECT_EQ(Agent().Value(at(3, "4.2")), SimValue::Int(1));
    EXPECT_EQ(Agent().Value(at(3, "2.1")), SimValue::Int(2));
    EXPECT_EQ(writer.Set({{at(5, "1.2"), SimValue::Int(4)}}).Status, SNMP_ERR_NOERROR);
    EXPECT_EQ(Agent().Value(at(3, "1.2")), SimValue::Int(3)); // the default

    const struct {
        const char* Name;
        std::vector<SimVarBind> VarBinds;
    } refused[] = {
        {"an existing row", {{at(4, "3.1"), SimValue{"66", "7"}}, {at(3, "3.1"), SimValue::Int(1)}}},
        {"an existing row made active", {{at(3, "3.1"), SimValue::Int(1)}, {at(5, "3.1"), SimValue::Int(1)}}},
        {"a missing row", {{at(3, "4.1"), SimValue::Int(1)}}},
    };
    for (const auto& c : refused) {
        SCOPED_TRACE(c.Name);
        const NetSnmpReply reply = writer.Set(c.VarBinds);
        EXPECT_EQ(reply.Status, SNMP_ERR_NOTWRITABLE);
        EXPECT_EQ(v1.Set(c.VarBinds).Status, SNMP_ERR_NOSUCHNAME);
    }
    EXPECT_EQ(Agent().Value(at(3, "3.1")), SimValue::Int(3));
    EXPECT_EQ(Agent().Value(at(4, "3.1")), (SimValue{"66", "0"}));
    EXPECT_FALSE(Agent().Value(at(3, "4.1")).has_value());
}

TEST_F(SimAgentTest, RefusedSetsAnswerTheirErrorStatusAndChangeNothing) {
    struct Case {
        const char* name;
        long version;
        const char* community;
        std::vector<SimVarBind> varbinds;
        long status;
        long index;
        const char* logged;
    } cases[] = {
        {"wrong type, v2c",
         SNMP_VERSION_2c,
         "quindle",
         {{kStackMode, SimValue::Octets("1")}},
         SNMP_ERR_WRONGTYPE,
         1,
         "wrongType"},
        {"wrong type, v1",
         SNMP_VERSION_1,
         "quindle",
         {{kStackMode, SimValue::Octets("1")}},
         SNMP_ERR_BADVALUE,
         1,
         "badValue"},
        {"read-only, v2c",
         SNMP_VERSION_2c,
         "quindle",
         {{kFirmwareType, SimValue::Octets("KA")}},
         SNMP_ERR_NOTWRITABLE,
         1,
         "notWritable"},
        {"read-only, v1",
         SNMP_VERSION_1,
         "quindle",
         {{kFirmwareType, SimValue::Octets("KA")}},
         SNMP_ERR_NOSUCHNAME,
         1,
         "noSuchName"},
        {"good then read-only",
         SNMP_VERSION_2c,
         "quindle",
         {{kStackMode, SimValue::Int(1)}, {kFirmwareType, SimValue::Octets("KA")}},
         SNMP_ERR_NOTWRITABLE,
         2,
         "notWritable"},
        {"good then wrong type",
         SNMP_VERSION_2c,
         "quindle",
         {{kSysName, SimValue::Octets("renamed")}, {kStackMode, SimValue::Octets("1")}},
         SNMP_ERR_WRONGTYPE,
         2,
         "wrongType"},
        {"read community",
         SNMP_VERSION_2c,
         "tamber",
         {{kStackMode, SimValue::Int(1)}},
         SNMP_ERR_NOACCESS,
         1,
         "noAccess"},
    };
    const auto before = Agent().Store();
    for (const Case& c : cases) {
        Agent().ClearSetLog();
        NetSnmpTestClient client(Community(c.version, c.community));
        NetSnmpReply reply = client.Set(c.varbinds);
        EXPECT_EQ(reply.LibError, 0) << c.name;
        EXPECT_EQ(reply.Status, c.status) << c.name;
        EXPECT_EQ(reply.Index, c.index) << c.name;
        EXPECT_EQ(Agent().Store(), before) << c.name;
        const char* version = c.version == SNMP_VERSION_1 ? "v1" : "v2c";
        EXPECT_EQ(Agent().SetLog(), (std::vector<SimSetPdu>{{c.logged, static_cast<int>(c.index), version,
                                                             c.community, c.varbinds}}))
            << c.name;
    }
}

TEST_F(SimAgentTest, WrongV3CredentialsAreAnsweredBySnmpdWithUsmReports) {
    // One user per case: net-snmp keeps the keys of a user it has met per engine for the whole
    // process, so a wrong password for a user already used rightly would go unnoticed.
    struct Case {
        const char* name;
        const char* user;
        const char* auth;
        const char* priv;
        const char* authPassword;
        int libError;
    } cases[] = {
        {"wrong authentication password", SimCredentials::kUserMd5Des, "MD5", "DES", "not-the-auth-key",
         SNMPERR_AUTHENTICATION_FAILURE},
        {"unknown user", "zqs-nobody", "SHA", "AES", SimCredentials::kAuthPassword,
         SNMPERR_UNKNOWN_USER_NAME},
        {"right password", SimCredentials::kUserShaAes, "SHA", "AES", SimCredentials::kAuthPassword, 0},
    };
    for (const Case& c : cases) {
        NetSnmpTarget target;
        target.Version = SNMP_VERSION_3;
        target.Peer = SnmpdAgent::Shared().Peer();
        target.User = c.user;
        target.AuthProtocol = c.auth;
        target.PrivProtocol = c.priv;
        target.AuthPassword = c.authPassword;
        NetSnmpTestClient client(target);
        NetSnmpReply reply = client.Get({kSysObjectId});
        EXPECT_EQ(reply.LibError, c.libError) << c.name << ": " << snmp_api_errstring(reply.LibError);
        if (c.libError == 0) {
            EXPECT_EQ(reply.VarBinds,
                      (std::vector<SimVarBind>{{kSysObjectId, SimValue::Oid("1.3.6.1.4.1.746.10.117.2.1")}}));
        }
    }
}

TEST_F(SimAgentTest, InjectedErrorsRefuseWithTheirStatusAtTheMatchingVarBind) {
    NetSnmpTestClient reader(Community(SNMP_VERSION_2c));
    NetSnmpTestClient writer(Community(SNMP_VERSION_2c, SimCredentials::kWriteCommunity));
    Agent().InjectError(kFirmwareType, "genErr", SimOp::Get);
    NetSnmpReply get = reader.Get({kSysObjectId, kFirmwareType});
    EXPECT_EQ(get.Status, SNMP_ERR_GENERR);
    EXPECT_EQ(get.Index, 2);
    EXPECT_EQ(reader.Get({kStackMode}).Status, SNMP_ERR_NOERROR) << "other OIDs are served";

    Agent().InjectError(kStackMode, "commitFailed", SimOp::Set);
    NetSnmpReply set = writer.Set({{kSysName, SimValue::Octets("x")}, {kStackMode, SimValue::Int(1)}});
    EXPECT_EQ(set.Status, SNMP_ERR_COMMITFAILED);
    EXPECT_EQ(set.Index, 2);
    EXPECT_EQ(Agent().Value(kSysName), SimValue::Octets("zqs-sim"));

    Agent().ClearInjections();
    EXPECT_EQ(reader.Get({kFirmwareType}).Status, SNMP_ERR_NOERROR);
}

TEST_F(SimAgentTest, DelayedReplyComesAfterTheClientsTimeOutAndDroppedOneNever) {
    NetSnmpTarget impatient = Community(SNMP_VERSION_2c);
    impatient.TimeoutMs = 200;
    NetSnmpTarget patient = Community(SNMP_VERSION_2c);
    patient.TimeoutMs = 10000;

    Agent().SetDelay(kFirmwareType, 600);
    EXPECT_EQ(NetSnmpTestClient(impatient).Get({kFirmwareType}).LibError, SNMPERR_TIMEOUT);
    NetSnmpReply late = NetSnmpTestClient(patient).Get({kFirmwareType});
    EXPECT_EQ(late.LibError, 0);
    EXPECT_EQ(late.VarBinds.at(0).Value, SimValue::Octets("KB"));

    Agent().ClearInjections();
    Agent().DropReplies(kSysObjectId, SimOp::Get);
    EXPECT_EQ(NetSnmpTestClient(impatient).Get({kSysObjectId}).LibError, SNMPERR_TIMEOUT);
    EXPECT_EQ(NetSnmpTestClient(impatient).Get({kFirmwareType}).LibError, 0);
}

TEST_F(SimAgentTest, SilentPortNeverAnswers) {
    SilentPort silent;
    NetSnmpTarget target = Community(SNMP_VERSION_2c);
    target.Peer = silent.Peer();
    target.TimeoutMs = 200;
    EXPECT_EQ(NetSnmpTestClient(target).Get({kSysObjectId}).LibError, SNMPERR_TIMEOUT);
}

TEST_F(SimAgentTest, BrokenScenarioIsRefusedWithItsReason) {
    try {
        Agent().LoadScenario(R"({"model": "99XX"})");
        ADD_FAILURE() << "a scenario with an unknown model was taken";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("unknown model '99XX'"), std::string::npos) << e.what();
    }
    // Until a good store comes, the agent answers genErr rather than stale data.
    EXPECT_EQ(NetSnmpTestClient(Community(SNMP_VERSION_2c)).Get({kSysObjectId}).Status, SNMP_ERR_GENERR);
    Agent().LoadScenario("{}");
    EXPECT_EQ(NetSnmpTestClient(Community(SNMP_VERSION_2c)).Get({kSysObjectId}).Status, SNMP_ERR_NOERROR);
}

} // namespace sim_agent_test
