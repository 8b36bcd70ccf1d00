#include "SMTPControlFormUnit.h"

#include "CaptionCheck.h"
#include "DedicatedDialogRegistry.h"
#include "DedicatedDialogs.h"
#include "DialogLayout.h"
#include "FormsSimTest.h"
#include "OptionItems.h"
#include "Progress2.h"
#include "SmtpScenario.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TLabel.h"
#include "TProgressBar.h"
#include "TStatusBar.h"
#include "TTimer.h"
#include "UserDialogs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

namespace smtp_control_form_unit_test {

namespace {

using namespace smtp_scenario;
using D = TSMTPControlForm;
using Pdus = std::vector<std::vector<SimVarBind>>;

constexpr const char* kCommand = "GlobalSettings10Click";
constexpr const char* kMayTakeLong = "To Send the mail may take a long time. Do you want to go on?";

class SmtpSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(Scenario());
    }
    static std::string Status(D* d) { return StatusPanelOf(d->StatusBar1)->Text(); }
    // The placeholders of "nothing" typed into the server and the switch's own address.
    static void Placeholders(D* d) {
        d->Ed_SourceAddress->SetText("0.0.0.0");
        d->Ed_SelfMailAddress->SetText("NULL");
    }
};

// The writable values but the server and the switch's own address, as the scenario holds them;
// with the send request when asked.
std::vector<SimVarBind> Settings(bool send) {
    std::vector<SimVarBind> pdu = {{SmtpOid(1), SimValue::Int(3)},
                                   {SmtpOid(3), SimValue::Int(25)},
                                   {SmtpOid(5), SimValue::Octets("Test")},
                                   {SmtpOid(6), SimValue::Octets("Hello")}};
    if (send) {
        pdu.push_back({SmtpOid(7), SimValue::Int(1)});
    }
    return pdu;
}

} // namespace

TEST_F(SmtpSim, ItsMenuCommandShowsTheSettingsAndEveryCaptionReadsWhole) {
    const std::vector<std::string> missing = ProgramDialogs().Missing();
    EXPECT_EQ(std::find(missing.begin(), missing.end(), "TSMTPControlForm"), missing.end());
    RunDialog<D>(kCommand, SMTPControlForm, [&](D* d) {
        EXPECT_EQ(d->Caption(), "SMTP Global Settings: " + Agent().Address());
        EXPECT_EQ(d->Width(), 451 + d->Width() - d->ClientWidth()); // not scaled
        EXPECT_EQ(d->Table.Request->Request.Timeout, 4000);
        EXPECT_EQ(d->CB_Status->Text(), "enabled");
        EXPECT_EQ(d->Ed_SourceAddress->Text(), "10.1.1.5");
        EXPECT_EQ(d->Ed_SelfMailAddress->Text(), "switch@example.com");
        EXPECT_EQ(d->CB_SendTestStatus->Text(), "success");
        EXPECT_TRUE(CaptionsReadWhole(d));
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

// "noAction": one SET of the settings without the send request or the placeholders, no progress
// form (the driver has none), the values read again.
TEST_F(SmtpSim, ASetWithoutTheTestMailLeavesThePlaceholdersOutAndReadsAgain) {
    RunDialog<D>(kCommand, SMTPControlForm, [&](D* d) {
        Placeholders(d);
        ClickControl(d->Btn_Set);
        ASSERT_TRUE(WaitReads(1));
        EXPECT_EQ(d->Ed_SelfMailAddress->Text(), "switch@example.com"); // what the switch holds
    });
    EXPECT_EQ(SetPdus(), (Pdus{Settings(false)}));
    EXPECT_EQ(ProgressForm2, nullptr);
}

// Each refusal sends nothing; only the declined question reads the values again.
TEST_F(SmtpSim, SetRefusesAnEmptyOrMalformedServerAndATestMailWithSmtpDisabled) {
    RunDialog<D>(kCommand, SMTPControlForm, [&](D* d) {
        d->Ed_SourceAddress->SetText("");
        ClickControl(d->Btn_Set); // in the status line, no box
        EXPECT_EQ(Status(d), "Please input value.");

        d->Ed_SourceAddress->SetText("10.1.1");
        Dialogs.Expect("Please input a valid IP.");
        ClickControl(d->Btn_Set);
        EXPECT_EQ(Dialogs.Pending(), 0);

        d->Ed_SourceAddress->SetText("10.1.1.5");
        SelectOption(d->CB_SendTest, "send");
        SelectOption(d->CB_Status, "disabled");
        Dialogs.Expect("Enable SMTP first if you want send a mail");
        ClickControl(d->Btn_Set);
        EXPECT_EQ(Dialogs.Pending(), 0);
        EXPECT_EQ(Reads, 0);

        SelectOption(d->CB_Status, "enabled");
        Dialogs.Expect(kMayTakeLong, mrCancel);
        ClickControl(d->Btn_Set);
        EXPECT_EQ(Dialogs.Pending(), 0);
        ASSERT_TRUE(WaitReads(1));
        EXPECT_EQ(d->CB_SendTest->Text(), "noAction"); // as read again
    });
    EXPECT_TRUE(Agent().SetLog().empty());
    EXPECT_EQ(ProgressForm2, nullptr);
}

// OK: one SET with the send request, answered while the progress form runs to its end.
TEST_F(SmtpSim, TheConfirmedTestMailIsSentWhileTheProgressFormRuns) {
    ManualTimers timers;
    RunDialog<D>(kCommand, SMTPControlForm,
                 [&](D* d) {
                     Placeholders(d);
                     SelectOption(d->CB_SendTest, "send");
                     Dialogs.Expect(DialogKind::Dialog, MessageDlgTitle(mtConfirmation), kMayTakeLong, mrOk);
                     ClickControl(d->Btn_Set);
                     EXPECT_EQ(Dialogs.Pending(), 0);
                     EXPECT_EQ(ProgressForm2, nullptr);
                     ASSERT_TRUE(WaitReads(1));
                 },
                 {[&](TForm* form) {
                     ASSERT_EQ(form, ProgressForm2);
                     EXPECT_EQ(form->Caption(), "Send the mail Progress");
                     EXPECT_EQ(ProgressForm2->LB_Prompt->Caption(), "Send the mail is processing...");
                     EXPECT_EQ(ProgressForm2->ProgressBar->Max(), 80);
                     EXPECT_TRUE(CaptionsReadWhole(form));
                     ASSERT_TRUE(WaitForSets(1)); // sent before the wait
                     for (int ticks = 0; form->ModalResult() == mrNone && ticks < 50; ++ticks) {
                         timers.Fire();
                     }
                     EXPECT_EQ(ProgressForm2->ProgressBar->Position(), 80);
                 }});
    EXPECT_EQ(SetPdus(), (Pdus{Settings(true)}));
    EXPECT_EQ(ProgressForm2, nullptr);
}

// A write that cannot be built raises before anything is sent: its text is in the status line, no
// progress form was shown and nothing is read.
TEST_F(SmtpSim, AWriteThatRaisesShowsWhyAndLeavesNoProgressForm) {
    RunDialog<D>(kCommand, SMTPControlForm, [&](D* d) {
        d->Table.Request->AfterCollect.push_back(
            [](VqSNMPVarList&) { throw std::runtime_error("the settings could not be written"); });
        SelectOption(d->CB_SendTest, "send");
        Dialogs.Expect(kMayTakeLong, mrOk);
        ClickControl(d->Btn_Set);
        EXPECT_EQ(Dialogs.Pending(), 0);
        EXPECT_EQ(Status(d), "the settings could not be written");
        EXPECT_EQ(Reads, 0);
    });
    EXPECT_TRUE(Agent().SetLog().empty());
    EXPECT_EQ(ProgressForm2, nullptr);
}

} // namespace smtp_control_form_unit_test
