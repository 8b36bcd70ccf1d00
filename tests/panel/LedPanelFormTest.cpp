#include "LedPanelForm.h"

#include "LedColorMaps.h"
#include "PanelTestSupport.h"
#include "PanelZQS441024SCDCFormUnit.h"
#include "PanelZQS441024SCFormUnit.h"
#include "PanelZQS441024TCFormUnit.h"
#include "PanelZQS441048TCFormUnit.h"
#include "TApplication.h"
#include "TImage.h"
#include "TLabel.h"
#include "TTimer.h"
#include "VqMessageTable.h"
#include "WindowRegion.h"

#include <gtest/gtest.h>

#include <QImage>

#include <functional>

namespace led_panel_form_test {

namespace {

using PanelFactory = std::function<TLedPanelForm*(TComponent*)>;

struct LinkModel {
    const char* Name;
    int Arc;
    PanelFactory Make;
    int PlainPort;    // a plain port of the model
    int StackIdOctet; // the first stack-ID octet
    int PolledShapes; // shapes of a build with a polled code and no combo media
};

template <class T> PanelFactory Factory() {
    return [](TComponent* owner) { return CreateForm<T>(owner); };
}

const LinkModel kLinkModels[] = {
    {"24RA", 2, Factory<TPanelZQS441024TCForm>(), 1, 56, 7 + 2 + 20 * 3},
    {"24ZO", 4, Factory<TPanelZQS441024SCForm>(), 9, 56, 7 + 2 + 16 * 3},
    {"48DA", 5, Factory<TPanelZQS441048TCForm>(), 1, 80, 6 + 2 + 44 * 3},
    {"24ZO-DC", 7, Factory<TPanelZQS441024SCDCForm>(), 9, 56, 7 + 2 + 16 * 3},
};

class LedPanelFormTest : public PanelTest {
protected:
    TLedPanelForm* BuildModel(const LinkModel& model, const std::map<int, int>& octets, int unit = 1) {
        LoadUnit(model.Name, model.Arc, octets);
        TLedPanelForm* form = model.Make(Window);
        form->UnitNumber = unit;
        form->BuildPanelLeds();
        return form;
    }
};

std::string Port(const char* prefix, int n, const char* suffix) {
    return prefix + std::to_string(n) + suffix;
}

} // namespace

// The port-status code of octets 10 and 11 decides how the ports are drawn: polled (0000, 0001,
// 0002), static green LEDs with polled bodies (0102), or not at all (any other code, and a value
// too short to hold one). The build ends with polling, the digit and the status target.
TEST_F(LedPanelFormTest, PortStatusCodeDecidesThePorts) {
    for (const LinkModel& model : kLinkModels) {
        for (const std::string c : {"0000", "0001", "0002", "0102", "0100", "short"}) {
            SCOPED_TRACE(std::string(model.Name) + " " + c);
            // "short": eight octets, too few to hold a code.
            LoadUnitLed(model.Name, model.Arc,
                        c == "short" ? "\"0001000000000000\"" : LedOctets(WithCode(c)));
            TLedPanelForm* form = model.Make(Window);
            form->UnitNumber = 1;
            form->BuildPanelLeds();
            const int n = model.PlainPort;
            const std::string led = Port("Port", n, "LedPanel"), body = Port("Port", n, "Panel"),
                              strip = Port("P", n, "Panel");
            if (c == "0000" || c == "0001" || c == "0002") {
                EXPECT_EQ(OnlyShape(*form, led), std::make_pair(31 + n, &PortLedColorMap));
                EXPECT_EQ(OnlyShape(*form, body), std::make_pair(31 + n, &PortBodyColorMap));
                EXPECT_EQ(OnlyShape(*form, strip), std::make_pair(31 + n, &PortStripColorMap));
                EXPECT_EQ(static_cast<int>(form->LedRequest->Leds.size()), model.PolledShapes);
            } else if (c == "0102") {
                EXPECT_TRUE(ShapesOn(*form, led).empty());
                EXPECT_EQ(PanelColor(*form, led), clLime);
                EXPECT_EQ(OnlyShape(*form, body), std::make_pair(31 + n, &PortBodyColorMap));
                EXPECT_EQ(PanelColor(*form, "Stack1Panel"), clLime);
                EXPECT_TRUE(ShapesOn(*form, "Stack2Panel").empty());
            } else {
                for (const std::string& name : {led, body, strip}) {
                    EXPECT_TRUE(ShapesOn(*form, name).empty()) << name;
                    EXPECT_TRUE(Visible(*form, name)) << name;
                }
                EXPECT_EQ(PanelColor(*form, led), clBtnFace);
                EXPECT_EQ(form->LedRequest->Leds.size(), model.StackIdOctet == 80 ? 8u : 9u)
                    << "system and stack";
            }
            EXPECT_TRUE(form->LedRequest->PollTimer->Running());
            EXPECT_EQ(form->LedRequest->PollTimer->Interval(), 5000);
            EXPECT_TRUE(form->LedRequest->HasStatusTarget());
            EXPECT_FALSE(form->Image2->Picture()->Empty()) << "the unit digit";
            delete form;
        }
    }
}

// The first read paints at once: the system LEDs, the ports and the stack-ID LEDs from the
// octets of this unit's status.
TEST_F(LedPanelFormTest, FirstReadPaintsTheLedsFromTheUnitsOctets) {
    TLedPanelForm* form = BuildModel(
        kLinkModels[0], {{1, 1}, {2, 5}, {3, 2}, {4, 1}, {5, 4}, {6, 2}, {32, 4}, {33, 5}, {56, 3}, {57, 0}});
    struct Case {
        const char* Panel;
        TColor Color;
    };
    const Case cases[] = {
        {"PowerLedPanel", clLime},   {"RPSPanel", clRed},        {"ConsoleLedPanel", clLime},
        {"MasterPanel", clLime},     {"FanPanel", clLime},       {"SDCardPanel", clLime},
        {"SDCardPanelLink", clLime}, {"Port1LedPanel", clLime},  {"Port1Panel", clLime},
        {"P1Panel", clLime},         {"Port2LedPanel", clBlack}, {"Port2Panel", clRed},
        {"Stack1Panel", clLime},     {"Stack2Panel", clBlack},   {"Port3LedPanel", kLedDarkGrey},
    };
    for (const Case& c : cases) {
        const auto shapes = ShapesOn(*form, c.Panel);
        ASSERT_EQ(shapes.size(), 1u) << c.Panel;
        EXPECT_EQ(shapes[0]->Color, c.Color) << c.Panel;
    }
    EXPECT_EQ(form->portspeedled->Caption().substr(0, 8), "00010502") << "the status as hex text";
}

// Stacking enabled: both stack LEDs follow octet 7 with their own maps; otherwise the two
// stack-ID octets after the last port (80 and 81 on the 48DA, which leaves ports 25 and 26 alone).
TEST_F(LedPanelFormTest, StackLedsFollowOctetSevenOrTheStackIdOctets) {
    StackMode = "enabled";
    struct Case {
        int Value;
        TColor First, Second;
    };
    for (const Case& c : {Case{1, clBlack, clLime}, Case{2, clLime, clBlack}, Case{3, clLime, clLime},
                          Case{4, clBlack, clLime}}) {
        TLedPanelForm* form = BuildModel(kLinkModels[0], {{7, c.Value}});
        EXPECT_EQ(OnlyShape(*form, "Stack1Panel"), std::make_pair(7, &Stack1LedColorMap));
        EXPECT_EQ(OnlyShape(*form, "Stack2Panel"), std::make_pair(7, &Stack2LedColorMap));
        EXPECT_EQ(ShapesOn(*form, "Stack1Panel")[0]->Color, c.First) << c.Value;
        EXPECT_EQ(ShapesOn(*form, "Stack2Panel")[0]->Color, c.Second) << c.Value;
        delete form;
    }

    StackMode = "other";
    TLedPanelForm* form = BuildModel(kLinkModels[2], {{80, 4}, {81, 3}, {56, 4}, {57, 5}});
    EXPECT_EQ(OnlyShape(*form, "Stack1Panel"), std::make_pair(80, &StackIdLedColorMap));
    EXPECT_EQ(OnlyShape(*form, "Stack2Panel"), std::make_pair(81, &StackIdLedColorMap));
    EXPECT_EQ(ShapesOn(*form, "Stack1Panel")[0]->Color, clLime);
    EXPECT_EQ(OnlyShape(*form, "Port25LedPanel"), std::make_pair(56, &PortLedColorMap));
    EXPECT_EQ(ShapesOn(*form, "Port26Panel")[0]->Color, clRed);
}

// Octet 9 at 01: every port shape and both stack-ID LEDs black and still, the system LEDs (and
// the static green LEDs of code 0102) as they are.
TEST_F(LedPanelFormTest, OctetNineDarkensThePortsButNotTheSystemLeds) {
    for (const char* code : {"0001", "0102"}) {
        TLedPanelForm* form = BuildModel(kLinkModels[0], WithCode(code, {{9, 1}, {1, 1}, {32, 3}, {56, 3}}));
        EXPECT_EQ(ShapesOn(*form, "PowerLedPanel")[0]->Color, clLime) << code;
        for (const char* port : {"Port1Panel", "P1Panel", "Stack1Panel"})
            if (!ShapesOn(*form, port).empty()) {
                EXPECT_EQ(ShapesOn(*form, port)[0]->Color, clBlack) << code << " " << port;
                EXPECT_FALSE(ShapesOn(*form, port)[0]->Blink) << code << " " << port;
            }
        if (std::string(code) == "0001")
            EXPECT_EQ(ShapesOn(*form, "Port1LedPanel")[0]->Color, clBlack);
        else
            EXPECT_EQ(PanelColor(*form, "Port1LedPanel"), clLime);
        delete form;
    }
}

TEST(ComboMediaTest, TheFirstTestThatHoldsDecides) {
    for (int v : {0x03, 0x13, 0x22, 0x43, 0x82})
        EXPECT_EQ(MediaOfOctet(v), ComboMedia::Sfp) << v;
    for (int v : {0x23, 0x61, 0x62, 0x63, 0x65})
        EXPECT_EQ(MediaOfOctet(v), ComboMedia::Copper) << v;
    for (int v : {0x00, 0x01, 0x04, 0x21, 0x24})
        EXPECT_EQ(MediaOfOctet(v), ComboMedia::None) << v;
}

// A combo port shows the side its media bits choose: its LED, body and strip, polled; the other
// side hidden. With code 0102 the LEDs are static green (both on the 24RA and 24ZO, the chosen
// one on the 48DA).
TEST_F(LedPanelFormTest, ComboPortsShowTheSideTheirMediaChooses) {
    struct Case {
        int Model; // index into kLinkModels
        std::string Code;
        int Port, Octet;
        std::vector<std::string> Polled, Green, Hidden;
    };
    const Case cases[] = {
        {0,
         "0000",
         21,
         0x23,
         {"Port21LedPanel", "Port21Panel", "P21Panel"},
         {},
         {"Port21LedPanelF", "Port22Panel", "P22Panel"}},
        {0,
         "0000",
         21,
         0x03,
         {"Port21LedPanelF", "Port22Panel", "P22Panel"},
         {},
         {"Port21LedPanel", "Port21Panel", "P21Panel"}},
        {0,
         "0000",
         24,
         0x01,
         {},
         {},
         {"Port24LedPanel", "Port27Panel", "P27Panel", "Port24LedPanelF", "Port28Panel"}},
        {0,
         "0102",
         22,
         0x03,
         {"Port24Panel", "P24Panel"},
         {"Port22LedPanel", "Port22LedPanelF"},
         {"Port23Panel", "P23Panel"}},
        {1,
         "0000",
         1,
         0x03,
         {"Port1LedPanelF", "Port1FPanel", "P1FPanel"},
         {},
         {"Port1LedPanel", "Port1TPanel", "P1TPanel"}},
        {1,
         "0102",
         2,
         0x01,
         {},
         {"Port2LedPanel", "Port2LedPanelF"},
         {"Port2TPanel", "P2TPanel", "Port2FPanel", "P2FPanel"}},
        {2,
         "0102",
         48,
         0x23,
         {"Port48Panel", "P48Panel"},
         {"Port48LedPanel"},
         {"Port48LedPanelF", "Port48FPanel", "P48FPanel"}},
        {2, "0102", 46, 0x01, {}, {}, {"Port46LedPanel", "Port46LedPanelF", "Port46Panel", "Port46FPanel"}},
    };
    for (const Case& c : cases) {
        const LinkModel& model = kLinkModels[c.Model];
        SCOPED_TRACE(std::string(model.Name) + " " + c.Code + " port " + std::to_string(c.Port));
        TLedPanelForm* form = BuildModel(model, WithCode(c.Code, {{31 + c.Port, c.Octet}}));
        for (const std::string& name : c.Polled) {
            EXPECT_TRUE(Visible(*form, name)) << name;
            EXPECT_EQ(OnlyShape(*form, name).first, 31 + c.Port) << name;
        }
        for (const std::string& name : c.Green) {
            EXPECT_TRUE(Visible(*form, name)) << name;
            EXPECT_EQ(PanelColor(*form, name), clLime) << name;
            EXPECT_TRUE(ShapesOn(*form, name).empty()) << name;
        }
        for (const std::string& name : c.Hidden) {
            EXPECT_FALSE(Visible(*form, name)) << name;
            EXPECT_TRUE(ShapesOn(*form, name).empty()) << name;
        }
        delete form;
    }
}

// One short reply must not leave the panel dead until Refresh: a combo port whose octet the value
// does not reach has no media, and the build still ends with digit, polling and status target.
TEST_F(LedPanelFormTest, StatusTooShortForAComboPortFinishesTheBuild) {
    // 53 octets: port 21 (octet 52) is there, ports 22 to 24 are not.
    std::string hex(53 * 2, '0');
    hex.replace(22, 2, "01");
    hex.replace(104, 2, "23");
    Agent().LoadScenario(R"({"model": "24RA", "units": [{"led": ")" + hex + R"("}]})");
    TLedPanelForm* form = Build<TPanelZQS441024TCForm>();
    EXPECT_EQ(OnlyShape(*form, "Port21LedPanel").first, 52);
    for (const char* hidden : {"Port22LedPanel", "Port22LedPanelF", "Port24LedPanel", "Port28Panel"})
        EXPECT_FALSE(Visible(*form, hidden)) << hidden;
    EXPECT_TRUE(form->LedRequest->PollTimer->Running());
    EXPECT_TRUE(form->LedRequest->HasStatusTarget());
    EXPECT_FALSE(form->Image2->Picture()->Empty());
}

// Unit 3 reads its own status instance (the stack's entries all lie under the master's model arc)
// and shows the third digit.
TEST_F(LedPanelFormTest, UnitThreeReadsItsOwnStatusAndShowsItsDigit) {
    StackMode = "enabled";
    Agent().LoadScenario(R"({"model": "48DA", "stack_mode": "enabled", "units": [{"led": {"1": 1}},
        {"model": "24RA", "led": {"1": 1}}, {"model": "24RA", "led": {"1": 5, "33": 3}}]})");
    SysObjectId = SysObjectIdOf(5);
    TLedPanelForm* form = Build<TPanelZQS441024TCForm>(3);
    EXPECT_EQ(form->LedRequest->Request.VarList.Instance, "3");
    EXPECT_EQ(form->LedRequest->Request.VarList.GetVariable(0).Oid, "1.3.6.1.4.1.746.11.117.5.1.4.1.1.1.2");
    EXPECT_EQ(ShapesOn(*form, "PowerLedPanel")[0]->Color, clRed);
    EXPECT_EQ(ShapesOn(*form, "Port2LedPanel")[0]->Color, clLime);
    TBitmap third;
    ASSERT_TRUE(Digits->GetBitmap(2, &third));
    EXPECT_EQ(form->Image2->Picture()->Image(), third.Image());
}

// The regions are made when the form is shown: port LEDs are triangles, SFP LEDs of the 24RA and
// the system LEDs stay square.
TEST_F(LedPanelFormTest, ShowingClipsThePortLedsToTriangles) {
    TLedPanelForm* form = BuildModel(kLinkModels[0], {});
    form->SetParent(Window);
    form->Show();
    struct Case {
        const char* Panel;
        int X, Y;
        bool Inside;
    };
    const Case cases[] = {
        {"Port1LedPanel", 3, 4, true},   {"Port1LedPanel", 0, 0, false}, // pointing up
        {"Port2LedPanel", 3, 1, true},   {"Port2LedPanel", 0, 5, false}, // pointing down
        {"Port21LedPanel", 0, 0, false}, {"Port21LedPanelF", 0, 0, true}, {"PowerLedPanel", 0, 0, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PtInWindowRgn(form->FindPanel(c.Panel), c.X, c.Y), c.Inside)
            << c.Panel << " " << c.X << "," << c.Y;
}

// Closing stops both timers, darkens every LED and frees the LED request; the form frees itself.
TEST_F(LedPanelFormTest, CloseStopsPollingAndFreesTheRequest) {
    for (const LinkModel& model : {kLinkModels[0], kLinkModels[1]}) {
        TLedPanelForm* form = BuildModel(model, {{1, 1}});
        ASSERT_TRUE(form->LedRequest);
        const TShape* power = ShapesOn(*form, "PowerLedPanel")[0]->Shape;
        const auto alive = form->AliveToken();
        form->Close();
        EXPECT_FALSE(form->LedRequest) << model.Name;
        EXPECT_EQ(const_cast<TShape*>(power)->Brush()->Color(), clBlack) << model.Name;
        for (int i = 0; i < form->ComponentCount(); ++i)
            EXPECT_EQ(dynamic_cast<TTimer*>(form->Components(i)), nullptr)
                << "a timer left on " << model.Name;
        EXPECT_TRUE(WaitFor([&] { return !IsAlive(alive); })) << "the form frees itself";
    }
}

// A sysObjectID of no listed model: nothing registered or polled, the digit shows, and the
// status panel says why.
TEST_F(LedPanelFormTest, UnsupportedModelShowsPictureAndDigitOnly) {
    Agent().LoadScenario(R"({"model": "24RA", "sys_object_id": "1.3.6.1.4.1.746.10.117.9.1"})");
    SysObjectId = "1.3.6.1.4.1.746.10.117.9.1";
    TLedPanelForm* form = Build<TPanelZQS441024TCForm>();
    EXPECT_FALSE(form->LedRequest);
    EXPECT_EQ(Status->Text(), "Unsupported model");
    EXPECT_FALSE(form->Image2->Picture()->Empty());
    EXPECT_FALSE(form->Image1->Picture()->Empty());
    EXPECT_EQ(form->portspeedled->Caption(), "portspeedled");
}

// A dead switch at build: no code, so no port shapes; the system LEDs wait black, polling runs,
// and its first failed poll says so in the status panel.
TEST_F(LedPanelFormTest, SilentSwitchAtBuildStillPolls) {
    Agent().DropReplies("");
    SessionParameters.Timeout = 10;
    TLedPanelForm* form = Build<TPanelZQS441024TCForm>();
    EXPECT_EQ(form->portspeedled->Caption(), "portspeedled");
    EXPECT_TRUE(ShapesOn(*form, "Port1LedPanel").empty());
    EXPECT_EQ(ShapesOn(*form, "PowerLedPanel")[0]->Color, clBlack);
    EXPECT_EQ(Status->Text(), "") << "the first read writes nothing";
    form->LedRequest->PollTimer->Tick();
    ASSERT_TRUE(WaitFor([&] { return !form->LedRequest->Busy; }));
    EXPECT_NE(Status->Text().find(MessageOfCode(-405)), std::string::npos) << Status->Text();
}

// A build that raises (here: an agent address that is no address) says so in the status panel.
TEST_F(LedPanelFormTest, BuildThatRaisesReportsItsError) {
    SessionParameters.Device.Address = "";
    TLedPanelForm* form = Build<TPanelZQS441024TCForm>();
    EXPECT_FALSE(form->LedRequest);
    EXPECT_EQ(Status->Text(), MessageOfCode(-509));
}

} // namespace led_panel_form_test
