#include "SSLManagementFormUnit.h"

#include "CaptionCheck.h"
#include "DedicatedDialogRegistry.h"
#include "DedicatedDialogs.h"
#include "DialogLayout.h"
#include "FormsSimTest.h"
#include "SecurityScalarsScenario.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TStatusBar.h"
#include "UserDialogs.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace ssl_management_form_unit_test {

namespace {

using namespace security_scalars;
using D = TSSLManagementForm;
using Pdus = std::vector<std::vector<SimVarBind>>;

constexpr const char* kCommand = "SSLManagement1Click";
constexpr const char* kTitle = "SSL Global Settings";

class SslSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(Scenario());
    }
    static std::vector<std::string> Suites(D* d) {
        return {d->cbxciphersuites1->Text(), d->cbxciphersuites2->Text(), d->cbxciphersuites3->Text(),
                d->cbxciphersuites4->Text()};
    }
    static std::vector<TComboBox*> Boxes(D* d) {
        return {d->cbxciphersuites1, d->cbxciphersuites2, d->cbxciphersuites3, d->cbxciphersuites4};
    }
};

const std::vector<std::string> kE0 = {"enabled", "enabled", "enabled", "disabled"};

} // namespace

TEST_F(SslSim, ItsMenuCommandShowsTheScalarsAndTheSuitesOfTheBitStringAndEveryCaptionReadsWhole) {
    const std::vector<std::string> missing = ProgramDialogs().Missing();
    EXPECT_EQ(std::find(missing.begin(), missing.end(), "TSSLManagementForm"), missing.end());
    RunDialog<D>(kCommand, SSLManagementForm, [&](D* d) {
        EXPECT_EQ(d->Caption(), std::string(kTitle) + ": " + Agent().Address());
        EXPECT_EQ(d->cbxSSLVersion->Text(), "enabled");
        EXPECT_EQ(d->edtCacheTimeOut->Text(), "600");
        EXPECT_FALSE(d->edtciphersuites->Visible());
        EXPECT_EQ(Suites(d), kE0);
        EXPECT_TRUE(CaptionsReadWhole(d));
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

// Only a 2-digit value is decoded, by its first digit; a longer one leaves the boxes as they were.
TEST_F(SslSim, TheSuitesFollowTheFirstDigitOfATwoDigitValueOnly) {
    struct Case {
        std::string Received;
        std::vector<std::string> Shown;
    };
    const Case cases[] = {
        {"10", {"disabled", "disabled", "disabled", "enabled"}},
        {"1000", {"disabled", "disabled", "disabled", "enabled"}}, // as the read before left them
        {"E0", kE0},
    };
    RunDialog<D>(kCommand, SSLManagementForm, [&](D* d) {
        int reads = 0;
        for (const Case& c : cases) {
            SCOPED_TRACE(c.Received);
            Agent().LoadScenario(Scenario(false, c.Received));
            ClickControl(d->btnGet);
            ASSERT_TRUE(WaitReads(++reads));
            EXPECT_EQ(d->edtciphersuites->Text(), c.Received);
            EXPECT_EQ(Suites(d), c.Shown);
        }
    });
}

// The suites go out as one octet whose low digit is zero, with the state and the time-out.
TEST_F(SslSim, SetWritesTheSuitesAsOneOctetWithTheStateAndTheTimeOutInOnePdu) {
    struct Case {
        std::vector<std::string> Chosen;
        std::string Sent;
    };
    const Case cases[] = {
        {{"enabled", "enabled", "enabled", "enabled"}, "F0"},
        {{"disabled", "enabled", "disabled", "disabled"}, "40"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Sent);
        RunDialog<D>(kCommand, SSLManagementForm, [&](D* d) {
            for (size_t i = 0; i < c.Chosen.size(); ++i) {
                ChooseOption(Boxes(d)[i], c.Chosen[i]);
            }
            ClickControl(d->btnSet);
            ASSERT_TRUE(WaitForSets(1));
            EXPECT_EQ(d->edtciphersuites->Text(), c.Sent);
        });
        EXPECT_EQ(SetPdus(), (Pdus{{{kSslState, SimValue::Int(3)},
                                    {kSslCipherSuites, {"4x", c.Sent}},
                                    {kSslCacheTimeout, {"66", "600"}}}}));
    }
}

TEST_F(SslSim, AnEmptyItemIsAWarningAndNothingIsSent) {
    RunDialog<D>(kCommand, SSLManagementForm, [&](D* d) {
        d->edtCacheTimeOut->SetText("");
        Dialogs.Expect(DialogKind::Dialog, MessageDlgTitle(mtWarning), "Some items are empty.");
        ClickControl(d->btnSet);
        EXPECT_EQ(Dialogs.Pending(), 0);
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(SslSim, ARefreshAgainstASilentSwitchShowsTheTimeOutAndKeepsTheSuites) {
    RunDialog<D>(kCommand, SSLManagementForm, [&](D* d) {
        d->Table.Request->Request.Timeout = 10; // 0.1 s a try
        Agent().LoadScenario(Scenario(false, "10"));
        Agent().DropReplies(kSsl, SimOp::Get);
        ClickControl(d->btnGet); // no box: the script has none
        ASSERT_TRUE(WaitReads(1));
        EXPECT_NE(StatusPanelOf(d->StatusBar1)->Text().find("SNMP request timed out!"), std::string::npos)
            << StatusPanelOf(d->StatusBar1)->Text();
        EXPECT_EQ(Suites(d), kE0);
    });
}

} // namespace ssl_management_form_unit_test
