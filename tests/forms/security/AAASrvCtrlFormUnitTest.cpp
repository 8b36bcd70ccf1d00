#include "AAASrvCtrlFormUnit.h"

#include "AaaScenario.h"
#include "CaptionCheck.h"
#include "DedicatedDialogRegistry.h"
#include "DedicatedDialogs.h"
#include "FormsSimTest.h"
#include "OptionItems.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TStatusBar.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace aaa_srv_ctrl_form_unit_test {

namespace {

using aaa_scenario::GroupControlInstance;
using aaa_scenario::kGroupControlEntry;
using Pdus = std::vector<std::vector<SimVarBind>>;

constexpr const char* kCommand = "ServerControl1Click";

SimVarBind RowState(const std::string& instance, int value) {
    return {kGroupControlEntry + ".4." + instance, SimValue::Int(value)};
}

class AAASrvCtrlSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(aaa_scenario::Scenario());
    }
    static std::string Status(TAAASrvCtrlForm* d) { return d->stbResult->Panels()[0]->Text(); }
    // The user's entries; a null protocol or operation: none chosen.
    static void Fill(TAAASrvCtrlForm* d, const char* group, const char* address, const char* protocol,
                     const char* operation) {
        d->edtSrvGrpName->SetText(group);
        d->edtSrvIP->SetText(address);
        if (protocol) {
            SelectOption(d->cbxAuthPtcl, protocol);
        } else {
            SelectNoOption(d->cbxAuthPtcl);
        }
        if (operation) {
            SelectOption(d->cbxOper, operation);
        } else {
            SelectNoOption(d->cbxOper);
        }
    }
};

} // namespace

TEST_F(AAASrvCtrlSim, OpensThroughItsMenuCommandWithEmptyEntriesAndReadsWithoutWriting) {
    const std::vector<std::string> missing = ProgramDialogs().Missing();
    EXPECT_EQ(std::find(missing.begin(), missing.end(), "TAAASrvCtrlForm"), missing.end());
    RunDialog<TAAASrvCtrlForm>(kCommand, AAASrvCtrlForm, [&](TAAASrvCtrlForm* d) {
        EXPECT_EQ(d->Caption(), "AAC Server Settings: " + Agent().Address());
        EXPECT_NE(d->Table.Request->Mode, 0); // asynchronous
        // The walk went into the list nobody sees.
        EXPECT_FALSE(d->lvOper->Visible());
        EXPECT_EQ(d->lvOper->Items().Count(), 1);
        EXPECT_EQ(d->edtSrvGrpName->Text(), "");
        EXPECT_EQ(d->edtSrvIP->Text(), "");
        EXPECT_EQ(d->cbxAuthPtcl->ItemIndex(), -1);
        EXPECT_EQ(d->cbxOper->ItemIndex(), -1);
        EXPECT_EQ(d->cbxOper->Items().Count(), 2);
        EXPECT_TRUE(CaptionsReadWhole(d));
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(AAASrvCtrlSim, SetSendsTheOperationAloneAtGroupAddressAndProtocolAndKeepsTheEntries) {
    const std::string instance = GroupControlInstance("grp1", "10.1.1.1", 4);
    ASSERT_EQ(instance, "4.103.114.112.49.10.1.1.1.4");
    RunDialog<TAAASrvCtrlForm>(kCommand, AAASrvCtrlForm, [&](TAAASrvCtrlForm* d) {
        TypeText(d->edtSrvGrpName, "grp1");
        TypeText(d->edtSrvIP, "10.1.1.1");
        ChooseOption(d->cbxAuthPtcl, "radius");
        ChooseOption(d->cbxOper, "add");
        ClickControl(d->btnSet);
        ASSERT_TRUE(WaitFor([&] { return Status(d).find("Set: Ok!") != std::string::npos; }, 10000))
            << Status(d);
        EXPECT_EQ(SetPdus(), (Pdus{{RowState(instance, 1)}}));
        EXPECT_EQ(Agent().Value(kGroupControlEntry + ".4." + instance), SimValue::Int(1));
        EXPECT_FALSE(d->Table.Request->Busy);
        EXPECT_EQ(Reads, 0); // no read follows the Set

        // The entries stay: the same server is taken out again by choosing "delete".
        EXPECT_EQ(d->edtSrvGrpName->Text(), "grp1");
        EXPECT_EQ(d->edtSrvIP->Text(), "10.1.1.1");
        EXPECT_EQ(d->cbxAuthPtcl->Text(), "radius");
        d->stbResult->Panels()[0]->SetText("");
        ChooseOption(d->cbxOper, "delete");
        ClickControl(d->btnSet);
        ASSERT_TRUE(WaitFor([&] { return Status(d).find("Set: Ok!") != std::string::npos; }, 10000))
            << Status(d);
        EXPECT_EQ(SetPdus(), (Pdus{{RowState(instance, 1)}, {RowState(instance, 2)}}));
        EXPECT_EQ(Reads, 0);
    });
}

TEST_F(AAASrvCtrlSim, SetRefusesAMissingEntryInItsOrderAndAnAddressThatIsNoneAndSendsNothing) {
    const struct {
        const char* Group;
        const char* Address;
        const char* Protocol;
        const char* Operation;
        const char* Message;
    } cases[] = {
        {"", "", nullptr, nullptr, "Please input Server Group Name."},
        {"grp1", "", nullptr, nullptr, "Please input Server IP Address."},
        {"grp1", "1.2.3", "radius", "add", "Please input a valid IP."},
        {"grp1", "10.1.1.1", nullptr, nullptr, "Please choose Server Authentication Protocol."},
        {"grp1", "10.1.1.1", "radius", nullptr, "Please choose Operate."},
    };
    RunDialog<TAAASrvCtrlForm>(kCommand, AAASrvCtrlForm, [&](TAAASrvCtrlForm* d) {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.Message);
            Fill(d, c.Group, c.Address, c.Protocol, c.Operation);
            Dialogs.Expect(c.Message);
            ClickControl(d->btnSet);
            EXPECT_EQ(Dialogs.Pending(), 0);
        }
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

} // namespace aaa_srv_ctrl_form_unit_test
