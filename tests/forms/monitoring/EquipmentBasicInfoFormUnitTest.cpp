#include "EquipmentBasicInfoFormUnit.h"

#include "CaptionCheck.h"
#include "DedicatedDialogRegistry.h"
#include "DedicatedDialogs.h"
#include "FormsSimTest.h"
#include "StackingScenario.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace equipment_basic_info_form_unit_test {

namespace {

using namespace stacking_scenario;
using D = TEquipmentBasicInfoForm;
using Pdus = std::vector<std::vector<SimVarBind>>;

constexpr const char* kCommand = "Test1Click";

class EquipmentSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(Scenario());
    }
};

// The settings every Set writes: force master role, trap and log states; the mode between them.
std::vector<SimVarBind> Settings(std::optional<int> mode) {
    std::vector<SimVarBind> pdu = {{StackingOid(7), SimValue::Int(2)}};
    if (mode) {
        pdu.push_back({kMode, SimValue::Int(*mode)});
    }
    pdu.push_back({StackingOid(8), SimValue::Int(1)});
    pdu.push_back({StackingOid(9), SimValue::Int(1)});
    return pdu;
}

} // namespace

TEST_F(EquipmentSim, ItsMenuCommandShowsTheStackingSettingsAndEveryCaptionReadsWhole) {
    const std::vector<std::string> missing = ProgramDialogs().Missing();
    EXPECT_EQ(std::find(missing.begin(), missing.end(), "TEquipmentBasicInfoForm"), missing.end());
    RunDialog<D>(kCommand, EquipmentBasicInfoForm, [&](D* d) {
        EXPECT_EQ(d->Caption(), "Equipment Basic Information: " + Agent().Address());
        EXPECT_EQ(d->Edit1->Text(), "Fan, Redundant Power and Stacking"); // not what the switch says
        EXPECT_EQ(d->cbxStackMode->Text(), "enabled");
        EXPECT_EQ(d->cbxTopology->Text(), "stand-alone");
        EXPECT_FALSE(d->cbxTopology->Enabled());
        EXPECT_EQ(d->ForceMasterRoleComboBox->Text(), "disabled");
        EXPECT_TRUE(CaptionsReadWhole(d));
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

// The mode is written only when it differs from what the switch last said, after the warning.
TEST_F(EquipmentSim, TheModeIsWrittenOnlyWhenChangedAndAfterTheWarning) {
    RunDialog<D>(kCommand, EquipmentBasicInfoForm, [&](D* d) {
        ClickControl(d->bbtnSet); // no box: the script has none
        EXPECT_EQ(d->Table.Request->Request.Timeout, 500);
        EXPECT_EQ(SetPdus(), (Pdus{Settings(std::nullopt)}));

        Agent().ClearSetLog();
        ChooseOption(d->cbxStackMode, "disabled");
        Dialogs.Expect("The Device will reboot.");
        ClickControl(d->bbtnSet);
        EXPECT_EQ(Dialogs.Pending(), 0);
        EXPECT_EQ(SetPdus(), (Pdus{Settings(2)}));
        EXPECT_EQ(d->cbxStackMode->Text(), "disabled"); // read again

        Agent().ClearSetLog();
        ClickControl(d->bbtnSet); // the mode the switch now holds: no box, no mode
        EXPECT_EQ(SetPdus(), (Pdus{Settings(std::nullopt)}));
    });
}

} // namespace equipment_basic_info_form_unit_test
