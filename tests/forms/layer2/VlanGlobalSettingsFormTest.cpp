// The voice and surveillance VLAN global settings dialogs, one implementation: each case is asked
// of both through its menu command.
#include "VlanGlobalSettingsForm.h"

#include "CaptionCheck.h"
#include "FormsSimTest.h"
#include "PickerTicks.h"
#include "SurveillanceVLANGlobalFormUnit.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TLabel.h"
#include "TPageControl.h"
#include "VlanFeatureScenario.h"
#include "VoiceVLANGlobalFormUnit.h"

#include <gtest/gtest.h>

namespace vlan_global_settings_form_test {

namespace {

// One feature: its command, its group of scalars, the ID the scenario gives it and its words.
struct Feature {
    const char* Command;
    const char* Group;
    const char* Id;
    const char* Title;
    const char* IdCaption;
    const char* Refusal;
};
const Feature kVoice = {
    "GlobalSettings3Click",       kVoiceVlanGroup, "10",
    "Voice VLAN Global Settings", "Voice VLAN ID", "Voice VLAN ID cannot be changed as it is enabled."};
const Feature kSurveillance = {"GlobalSettings13Click",
                               kSurveillanceVlanGroup,
                               "30",
                               "Surveillance VLAN Global Settings",
                               "Surveillance VLAN ID",
                               "Surveillance VLAN ID cannot be changed as it is enabled."};

class VlanGlobalSim : public FormsSimTest {
protected:
    // Opens the feature's dialog through its command, the feature enabled or disabled on the switch.
    void Run(const Feature& f, bool enabled, const std::function<void(TVlanGlobalSettingsForm*)>& test) {
        Agent().LoadScenario(VlanFeatureScenario(enabled, enabled));
        Agent().ClearSetLog();
        if (f.Group == kVoice.Group) {
            RunDialog<TVoiceVLANGlobalForm>(f.Command, VoiceVLANGlobalForm, test);
        } else {
            RunDialog<TSurveillanceVLANGlobalForm>(f.Command, SurveillanceVLANGlobalForm, test);
        }
    }
    static SimVarBind Bind(const Feature& f, const char* arcs, int value) {
        return {std::string(f.Group) + arcs + ".0", SimValue::Int(value)};
    }
    static std::vector<SimVarBind> SettingsPdu(const Feature& f) {
        return {Bind(f, ".1.3", 5), Bind(f, ".1.4", 720), Bind(f, ".1.5", 2)};
    }
};

} // namespace

TEST_F(VlanGlobalSim, SetWritesTheIdAndTheStateApartAndTheIdOnlyWhileDisabled) {
    enum Outcome { Settings, Refused, StateOff, IdStateSettings, StateSettings, OutOfRange };
    const struct {
        bool Enabled;
        const char* Wanted;
        const char* TypedId; // null: the switch's
        Outcome Expected;
    } cases[] = {
        {true, "enabled", nullptr, Settings},   {true, "enabled", "11", Refused},
        {true, "disabled", "11", StateOff},     {false, "enabled", "100", IdStateSettings},
        {false, "enabled", "0", StateSettings}, {false, "enabled", "5000", OutOfRange},
        {false, "enabled", "abc", OutOfRange},
    };
    for (const Feature& f : {kVoice, kSurveillance}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(f.Title) + (c.Enabled ? " enabled to " : " disabled to ") + c.Wanted +
                         " " + (c.TypedId ? c.TypedId : f.Id));
            Run(f, c.Enabled, [&](TVlanGlobalSettingsForm* d) {
                ASSERT_EQ(d->tepVIDEdit->Text(), f.Id);
                if (c.TypedId) {
                    d->tepVIDEdit->SetText(c.TypedId);
                }
                ChooseOption(d->tempGlobalComboBox, c.Wanted);
                if (c.Expected == Refused) {
                    Dialogs.Expect(f.Refusal);
                } else if (c.Expected == OutOfRange) {
                    Dialogs.Expect(" Please enter a number between 1 and 4094!");
                }
                ClickControl(d->btnSet);
                EXPECT_EQ(Dialogs.Pending(), 0);
                std::vector<std::vector<SimVarBind>> expected;
                switch (c.Expected) {
                case Settings:
                    expected = {SettingsPdu(f)};
                    break;
                case Refused:
                case OutOfRange:
                    break;
                case StateOff:
                    expected = {{Bind(f, ".1.2", 2)}};
                    EXPECT_EQ(d->tepVIDEdit->Text(), f.Id); // the switch's ID shown again
                    break;
                case IdStateSettings:
                    expected = {{Bind(f, ".1.1", 100)}, {Bind(f, ".1.2", 1)}, SettingsPdu(f)};
                    break;
                case StateSettings:
                    expected = {{Bind(f, ".1.2", 1)}, SettingsPdu(f)};
                    break;
                }
                EXPECT_EQ(SetPdus(), expected);
                if (c.Expected == OutOfRange) {
                    d->tepVIDEdit->SetText(f.Id);
                }
            });
        }
    }
}

TEST_F(VlanGlobalSim, OpensShowingThePortsOnlyWhileEnabledInPickersThatOnlyShow) {
    for (const Feature& f : {kVoice, kSurveillance}) {
        SCOPED_TRACE(f.Title);
        WritableFacts().ModelName = "ZQS-4410-24RA";
        Run(f, false, [&](TVlanGlobalSettingsForm* d) {
            EXPECT_EQ(d->Caption(), std::string(f.Title) + ": " + Agent().Address());
            EXPECT_EQ(d->Label1->Caption(), f.IdCaption);
            EXPECT_FALSE(d->VIDEdit->Visible());
            EXPECT_FALSE(d->GlobalComboBox->Visible());
            EXPECT_EQ(d->tempGlobalComboBox->Text(), "disabled");
            EXPECT_EQ(d->PriorityEdit->Text(), "5");
            EXPECT_EQ(d->agTimeEdit->Text(), "720");
            EXPECT_EQ(d->logComboBox->Text(), "disabled");
            // The agent holds ports, which are not read while the feature is disabled.
            EXPECT_TRUE(TickedPorts(d->Pickers.Pickers[0]).empty());
            EXPECT_TRUE(TickedPorts(d->Pickers.Pickers[1]).empty());
            for (int page = 0; page < d->PageControl1->PageCount(); ++page) {
                ClickTab(d->PageControl1, page);
                EXPECT_TRUE(CaptionsReadWhole(d)) << "page " << page;
            }
        });
        Run(f, true, [&](TVlanGlobalSettingsForm* d) {
            EXPECT_EQ(TickedPorts(d->Pickers.Pickers[1]), (std::vector<int>{3, 4}));
            EXPECT_FALSE(d->Pickers.Pickers[0]->PortBoxes[0]->Enabled());
        });
    }
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(VlanGlobalSim, AStandAloneSwitchBindsThePortsOfItsModel) {
    const struct {
        const char* Model;
        const char* StackMode;
        size_t Bound;
    } cases[] = {{"ZQS-4410-24DA", "disabled", 26},
                 {"ZQS-4410-48RO", "disabled", 50},
                 {"ZQS-4410-48RO", "enabled", 64}, // the member list covers unit 1's 64 ports
                 {"", "disabled", 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.Model) + " " + c.StackMode);
        WritableFacts().ModelName = c.Model;
        WritableFacts().StackMode = c.StackMode;
        Run(kVoice, true, [&](TVlanGlobalSettingsForm* d) {
            // Member ports 1-64 on the switch: the boxes bound are the ones ticked.
            EXPECT_EQ(TickedPorts(d->Pickers.Pickers[0]).size(), c.Bound);
        });
    }
}

} // namespace vlan_global_settings_form_test
