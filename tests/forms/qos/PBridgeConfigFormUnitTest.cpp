#include "PBridgeConfigFormUnit.h"

#include "CaptionCheck.h"
#include "FormsSimTest.h"
#include "QosScenario.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"

#include <gtest/gtest.h>

namespace p_bridge_config_form_unit_test {

namespace {

constexpr const char* kCommand = "BasicConfigure2Click";
constexpr const char* kCapabilities =
    "dot1dExtendedFilteringServices,dot1dTrafficClasses,dot1qIVLCapable,dot1qConfigurablePvidTagging";

class PBridgeConfigSim : public FormsSimTest {};

} // namespace

TEST_F(PBridgeConfigSim, ShowsTheFixedCapabilitiesAndTheTrafficClassesStateAndWritesNothing) {
    const struct {
        int Value;
        const char* Shown;
    } cases[] = {{1, "true"}, {2, "false"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Shown);
        Agent().LoadScenario(qos_scenario::Scenario(c.Value));
        RunDialog<TPBridgeConfigForm>(kCommand, PBridgeConfigForm, [&](TPBridgeConfigForm* d) {
            EXPECT_EQ(d->Caption(), "802.1p Basic Configuration: " + Agent().Address());
            EXPECT_EQ(d->Edit_DeviceCapabilities->Text(), kCapabilities);
            EXPECT_EQ(d->Edit_DeviceCapabilities->Hint(), kCapabilities);
            EXPECT_TRUE(d->Edit_DeviceCapabilities->ShowHint());
            EXPECT_TRUE(d->Edit_DeviceCapabilities->ReadOnly());
            EXPECT_EQ(d->TrafficClassesState->Text(), c.Shown);
            EXPECT_FALSE(d->TrafficClassesState->Enabled());
            EXPECT_TRUE(CaptionsReadWhole(d));
            ClickControl(d->BT_Get);
            ASSERT_TRUE(WaitReads(1));
            EXPECT_EQ(d->TrafficClassesState->Text(), c.Shown);
        });
        EXPECT_TRUE(Agent().SetLog().empty());
    }
}

} // namespace p_bridge_config_form_unit_test
