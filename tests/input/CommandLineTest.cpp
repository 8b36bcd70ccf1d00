#include "CommandLine.h"

#include "StrToInt.h"
#include "VqSNMPSession.h"

#include <functional>
#include <gtest/gtest.h>

namespace command_line_test {

namespace {

// The record as the session leaves it before the command line is read.
void SetDefaults(VqSessionParameters& p) {
    p.Device = {"127.0.0.1", 161};
    p.Scope = {"", ""};
    p.Security = {0, "tamber", "quindle", 1, 1, "", "", "", 1, 1};
    p.Timeout = 100;
}

struct Parsed {
    VqSNMPDevice Device;
    VqSNMPScope Scope;
    VqSNMPSecurity Security;
    CommandLineTexts Texts;
    std::string DeviceAddress;
};

Parsed Defaults() {
    VqSessionParameters p;
    SetDefaults(p);
    return {p.Device, p.Scope, p.Security, {}, ""};
}

Parsed Parse(const std::vector<std::string>& args) {
    VqSessionParameters p;
    SetDefaults(p);
    Parsed out;
    EXPECT_TRUE(ParseCommandLine(args, out.Texts, out.DeviceAddress, p));
    out.Device = p.Device;
    out.Scope = p.Scope;
    out.Security = p.Security;
    return out;
}

void ExpectSame(const Parsed& got, const Parsed& want, const std::string& label) {
    SCOPED_TRACE(label);
    EXPECT_EQ(got.Device.Address, want.Device.Address);
    EXPECT_EQ(got.Device.Port, want.Device.Port);
    EXPECT_EQ(got.Scope.ContextEngineId, want.Scope.ContextEngineId);
    EXPECT_EQ(got.Scope.ContextName, want.Scope.ContextName);
    const VqSNMPSecurity& g = got.Security;
    const VqSNMPSecurity& w = want.Security;
    EXPECT_EQ(g.Version, w.Version);
    EXPECT_EQ(g.ReadCommunity, w.ReadCommunity);
    EXPECT_EQ(g.WriteCommunity, w.WriteCommunity);
    EXPECT_EQ(g.SecurityModel, w.SecurityModel);
    EXPECT_EQ(g.SecurityLevel, w.SecurityLevel);
    EXPECT_EQ(g.SecurityName, w.SecurityName);
    EXPECT_EQ(g.AuthPassword, w.AuthPassword);
    EXPECT_EQ(g.PrivPassword, w.PrivPassword);
    EXPECT_EQ(g.AuthProtocol, w.AuthProtocol);
    EXPECT_EQ(g.PrivProtocol, w.PrivProtocol);
    EXPECT_TRUE(got.Texts == want.Texts);
    EXPECT_EQ(got.DeviceAddress, want.DeviceAddress);
}

struct Case {
    const char* Label;
    std::vector<std::string> Args;
    std::function<void(Parsed&)> Expect; // applied to the defaults
};

} // namespace

TEST(CommandLineTest, OptionsFillTheRecordAndTheTexts) {
    const Case cases[] = {
        {"address alone: v1, port 161, default communities",
         {"/I10.1.1.1"},
         [](Parsed& e) { e.Device.Address = e.Texts.AddressText = e.DeviceAddress = "10.1.1.1"; }},
        {"v2c ignores /t",
         {"/Rpub", "/v1", "/t1161"},
         [](Parsed& e) {
             e.Security.ReadCommunity = e.Texts.ReadCommunityText = "pub";
             e.Security.Version = 1;
             e.Texts.VersionText = "1";
         }},
        {"/t before /v3 is ignored",
         {"/t1161", "/v3"},
         [](Parsed& e) {
             e.Security.Version = 3;
             e.Texts.VersionText = "3";
         }},
        {"/t after /v3 sets the port",
         {"/v3", "/t1161"},
         [](Parsed& e) {
             e.Security.Version = 3;
             e.Texts.VersionText = "3";
             e.Device.Port = 1161;
             e.Texts.PortText = "1161";
         }},
        {"every SNMPv3 option",
         {"/I127.0.0.9", "/v3", "/t1161", "/ctamber", "/dENGINE", "/m3", "/l3", "/nzqs-md5-des",
          "/Atamber-auth-key", "/Pquindle-priv-key", "/a2", "/p2"},
         [](Parsed& e) {
             e.Device = {"127.0.0.9", 1161};
             e.Scope = {"ENGINE", "tamber"};
             e.Security = {3, "tamber", "quindle", 3, 3, "zqs-md5-des", "tamber-auth-key", "quindle-priv-key",
                           2, 2};
             e.Texts = {"127.0.0.9",
                        "",
                        "",
                        "3",
                        "1161",
                        "tamber",
                        "ENGINE",
                        "3",
                        "3",
                        "zqs-md5-des",
                        "tamber-auth-key",
                        "quindle-priv-key",
                        "2",
                        "2"};
             e.DeviceAddress = "127.0.0.9";
         }},
        {"level 0 and protocol 0 are stored but not copied; a later /a2 is",
         {"/v3", "/l0", "/a0", "/p0", "/a2"},
         [](Parsed& e) {
             e.Security.Version = 3;
             e.Texts.VersionText = "3";
             e.Security.SecurityLevel = 0;
             e.Security.PrivProtocol = 0;
             e.Security.AuthProtocol = 2;
             e.Texts.AuthProtocolText = "2";
         }},
        {"empty context name and engine ID; empty passwords are not copied",
         {"/v3", "/ctamber", "/c", "/d", "/A", "/P"},
         [](Parsed& e) {
             e.Security.Version = 3;
             e.Texts.VersionText = "3";
             e.Texts.ContextNameText = "tamber"; // the empty /c does not clear it
         }},
        {"characters before an option are dropped",
         {"xx/Rpublic", "ab/I10.0.0.1"},
         [](Parsed& e) {
             e.Security.ReadCommunity = e.Texts.ReadCommunityText = "public";
             e.Device.Address = e.Texts.AddressText = e.DeviceAddress = "10.0.0.1";
         }},
        {"a token without an option that holds /I is an address",
         {"/v3", "x/ny/Iz"},
         [](Parsed& e) {
             e.Security.Version = 3;
             e.Texts.VersionText = "3";
             e.Device.Address = e.Texts.AddressText = e.DeviceAddress = "z";
         }},
        {"a password holding /R stays a password; a user holding /c stays a user",
         {"/v3", "/Apass/Rword", "/nuser/cx", "/W/Iw"},
         [](Parsed& e) {
             e.Security.Version = 3;
             e.Texts.VersionText = "3";
             e.Security.AuthPassword = e.Texts.AuthPasswordText = "pass/Rword";
             e.Security.SecurityName = e.Texts.SecurityNameText = "user/cx";
             e.Security.WriteCommunity = e.Texts.WriteCommunityText = "/Iw";
         }},
        {"an SNMPv3 option before /v3 is ignored as a whole, not searched",
         {"/Apass/Rword", "/v3"},
         [](Parsed& e) {
             e.Security.Version = 3;
             e.Texts.VersionText = "3";
         }},
        {"a later token overwrites; a token with no option is ignored",
         {"/Ra", "hello", "/Rb"},
         [](Parsed& e) { e.Security.ReadCommunity = e.Texts.ReadCommunityText = "b"; }},
        {"version and port keep their low 8 and 16 bits",
         {"/v259", "/t70000"},
         [](Parsed& e) {
             e.Security.Version = 3;
             e.Texts.VersionText = "3";
             e.Device.Port = 70000 & 0xFFFF;
             e.Texts.PortText = "4464";
         }},
        {"an SNMPv3 number option before /v3 is not converted",
         {"/mabc", "/v0"},
         [](Parsed& e) { e.Texts.VersionText = "0"; }},
    };
    for (const Case& c : cases) {
        Parsed want = Defaults();
        c.Expect(want);
        ExpectSame(Parse(c.Args), want, c.Label);
    }
}

TEST(CommandLineTest, NoArgumentsChangeNothing) {
    VqSessionParameters p;
    SetDefaults(p);
    CommandLineTexts texts;
    std::string address = "before";
    EXPECT_FALSE(ParseCommandLine({}, texts, address, p));
    EXPECT_EQ(address, "before");
    EXPECT_TRUE(texts == CommandLineTexts{});
    EXPECT_EQ(p.Device.Address, "127.0.0.1");
}

TEST(CommandLineTest, ABadNumberRaisesTheConversionError) {
    const struct {
        std::vector<std::string> Args;
        const char* Message;
    } cases[] = {
        {{"/v3", "/mabc"}, "'abc' is not a valid integer value"},
        {{"/v"}, "'' is not a valid integer value"},
        {{"/v3", "/t12x"}, "'12x' is not a valid integer value"},
        {{"/v3", "/l"}, "'' is not a valid integer value"},
    };
    for (const auto& c : cases) {
        VqSessionParameters p;
        SetDefaults(p);
        CommandLineTexts texts;
        std::string address;
        try {
            ParseCommandLine(c.Args, texts, address, p);
            ADD_FAILURE() << "no raise for " << c.Args.back();
        } catch (const EConvertError& e) {
            EXPECT_STREQ(e.what(), c.Message);
        }
    }
}

} // namespace command_line_test
