#include "ProbeBasicInformationFormUnit.h"

#include "CaptionCheck.h"
#include "DedicatedDialogRegistry.h"
#include "DedicatedDialogs.h"
#include "DialogLayout.h"
#include "FormsSimTest.h"
#include "ProbeScenario.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TStaticText.h"
#include "TStatusBar.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace probe_basic_information_form_unit_test {

namespace {

using namespace probe_scenario;
using D = TProbeBasicInformationForm;

constexpr const char* kCommand = "ProbeBasicInformation1Click";
constexpr const char* kTitle = "Probe Basic Information";

class ProbeSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(Scenario());
    }
    static std::string Status(D* d) { return StatusPanelOf(d->StatusBar1)->Text(); }
};

} // namespace

TEST_F(ProbeSim, ItsMenuCommandShowsTheRevisionsAndTheFixedCapabilitiesAndEveryCaptionReadsWhole) {
    const std::vector<std::string> missing = ProgramDialogs().Missing();
    EXPECT_EQ(std::find(missing.begin(), missing.end(), "TProbeBasicInformationForm"), missing.end());
    RunDialog<D>(kCommand, ProbeBasicInformationForm, [&](D* d) {
        EXPECT_EQ(d->Caption(), std::string(kTitle) + ": " + Agent().Address());
        EXPECT_EQ(d->stSoftware->Caption(), "Build 2.60.B012");
        EXPECT_EQ(d->stHardware->Caption(), "A1");
        EXPECT_EQ(d->cbxReset->Text(), "running");
        // The probe reports two groups; the line names the six the switch has.
        EXPECT_EQ(d->edtCap->Text(), "C0");
        EXPECT_EQ(d->stCap->Caption(), "etherStats,historyControl,etherHistory,alarm,event,probeConfig");
        EXPECT_FALSE(d->edtCap->Visible());
        EXPECT_NE(Status(d).find("Ok!"), std::string::npos) << Status(d);
        EXPECT_TRUE(CaptionsReadWhole(d));
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(ProbeSim, SetSendsTheResetControlAloneWithoutAQuestion) {
    RunDialog<D>(kCommand, ProbeBasicInformationForm, [&](D* d) {
        ChooseOption(d->cbxReset, "warmBoot");
        ClickControl(d->btnSet); // no box: the script has none
        EXPECT_NE(Status(d).find("Set: Ok!"), std::string::npos) << Status(d);
        EXPECT_EQ(Reads, 0); // not read again
    });
    EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{{{kResetControl, SimValue::Int(2)}}}));
}

TEST_F(ProbeSim, AFailedRefreshShowsItsTextInTheStatusLine) {
    RunDialog<D>(kCommand, ProbeBasicInformationForm, [&](D* d) {
        Agent().InjectError(kProbe, "genErr", SimOp::Get);
        ClickControl(d->btnGet);
        EXPECT_EQ(Reads, 1);
        EXPECT_EQ(Status(d).find("Ok!"), std::string::npos) << Status(d);
        EXPECT_NE(Status(d).find(d->Table.LastReadError.Message), std::string::npos) << Status(d);
        EXPECT_NE(d->Table.LastReadError.Code, 0);
    });
}

} // namespace probe_basic_information_form_unit_test
