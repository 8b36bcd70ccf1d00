#include "ModuleCommandLine.h"

#include "SiblingFolder.h"
#include "TApplication.h"
#include "UiTesting.h"
#include "VqSNMPSession.h"

#include <gtest/gtest.h>

namespace module_command_line_test {

using Argv = std::vector<std::string>;

namespace {

// The texts and the version byte a command line leaves.
struct Start {
    CommandLineTexts Texts;
    uint8_t Version = 0;
};

Start Started(const Argv& args) {
    VqSessionParameters p;
    p.Security.Version = 0;
    Start s;
    std::string address;
    ParseCommandLine(args, s.Texts, address, p);
    s.Version = p.Security.Version;
    return s;
}

} // namespace

TEST(ModuleCommandLineTest, ProgramNameIsTheKeyUpToTheFirstUnderscore) {
    const struct {
        const char* Key;
        const char* Program;
    } cases[] = {{"/TMIB_IFTable", "MIB"},
                 {"/TIFMib_LastChangeTable", "IFMib"},
                 {"/TRmon_Alarm_Event", "Rmon"},
                 {"/TLayer3_PIM", "Layer3"},
                 {"/TNoUnderscore", ""},
                 {"_x", ""},
                 {"", ""}};
    for (const auto& c : cases) {
        EXPECT_EQ(ModuleProgramName(c.Key), c.Program) << c.Key;
    }
}

TEST(ModuleCommandLineTest, CommandLinesCarryTheTypedValues) {
    const struct {
        const char* Label;
        Argv Args;
        const char* Key;
        Argv Expected;
    } cases[] = {
        {"v1: communities, no version",
         {"/I10.1.1.1", "/Rpub", "/Wpriv"},
         "/TMIB_IFTable",
         {"MIB", "/I10.1.1.1", "/Rpub", "/Wpriv", "/TMIB_IFTable"}},
        {"v2c is not passed on",
         {"/I10.1.1.1", "/v1"},
         "/TBridge_Port",
         {"Bridge", "/I10.1.1.1", "/R", "/W", "/TBridge_Port"}},
        {"v3: all eleven options, empty ones too",
         {"/I10.1.1.1", "/v3", "/nadmin"},
         "/TRmon_History",
         {"Rmon", "/I10.1.1.1", "/t", "/v3", "/d", "/m", "/nadmin", "/l", "/a", "/p", "/A", "/P", "/c",
          "/TRmon_History"}},
        {"v3 with every value, a blank staying inside its argument",
         {"/I127.0.0.2", "/v3", "/t1161", "/ctam ber", "/dE", "/m3", "/l3", "/nu", "/Aap", "/Ppp", "/a2",
          "/p2"},
         "/TMIB_Info",
         {"MIB", "/I127.0.0.2", "/t1161", "/v3", "/dE", "/m3", "/nu", "/l3", "/a2", "/p2", "/Aap", "/Ppp",
          "/ctam ber", "/TMIB_Info"}},
        {"a key without _ names no program",
         {"/I10.1.1.1"},
         "/TMIB",
         {"", "/I10.1.1.1", "/R", "/W", "/TMIB"}},
    };
    for (const auto& c : cases) {
        Start s = Started(c.Args);
        EXPECT_EQ(BuildModuleCommandLine(s.Texts, s.Version, c.Key), c.Expected) << c.Label;
    }
}

TEST(ModuleCommandLineTest, TheVersionByteAloneMakesAnSnmpV3Line) {
    CommandLineTexts texts;
    texts.AddressText = "10.1.1.1";
    Argv argv = BuildModuleCommandLine(texts, 3, "/TMIB_ARP");
    ASSERT_EQ(argv.size(), 14u);
    EXPECT_EQ(argv[2], "/t");
    EXPECT_EQ(argv[3], "/v");
}

TEST(ModuleCommandLineTest, StartsTheProgramBesideTheExecutable) {
    SiblingFolder folder({"MIB", "Rmon"});
    RecordingLauncher launcher;
    Start v1 = Started({"/I10.1.1.1", "/Rpub", "/Wpriv"});
    Start v3 = Started({"/I10.1.1.1", "/v3", "/nadmin", "/t1161"});

    EXPECT_EQ(StartModule(v1.Texts, v1.Version, "/TMIB_IFTable"), "");
    EXPECT_EQ(StartModule(v3.Texts, v3.Version, "/TRmon_History"), "");

    ASSERT_EQ(launcher.Launches.size(), 2u);
    EXPECT_EQ(launcher.Launches[0],
              (Argv{folder.Path("MIB"), "/I10.1.1.1", "/Rpub", "/Wpriv", "/TMIB_IFTable"}));
    EXPECT_EQ(launcher.Launches[1], (Argv{folder.Path("Rmon"), "/I10.1.1.1", "/t1161", "/v3", "/d", "/m",
                                          "/nadmin", "/l", "/a", "/p", "/A", "/P", "/c", "/TRmon_History"}));
}

TEST(ModuleCommandLineTest, AProgramThatCannotStartIsNamed) {
    SiblingFolder folder({"MIB"});
    RecordingLauncher launcher;
    Start s = Started({"/I10.1.1.1"});
    EXPECT_EQ(StartModule(s.Texts, s.Version, "/TZqsNoSuchSibling_Port"),
              "Cannot start the program \"ZqsNoSuchSibling\".");
    EXPECT_EQ(StartModule(s.Texts, s.Version, "/TMIBTable"),
              "The key \"/TMIBTable\" names no program to start.");
    EXPECT_TRUE(launcher.Launches.empty());
}

} // namespace module_command_line_test
