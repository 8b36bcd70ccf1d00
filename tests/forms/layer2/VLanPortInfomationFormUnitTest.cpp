#include "VLanPortInfomationFormUnit.h"

#include "BridgeScenario.h"
#include "CaptionCheck.h"
#include "DedicatedDialogRegistry.h"
#include "DedicatedDialogs.h"
#include "DialogTexts.h"
#include "FormsSimTest.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TStaticText.h"
#include "TStatusBar.h"
#include "VqMessageTable.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace v_lan_port_infomation_form_unit_test {

namespace {

constexpr const char* kTitle = "802.1Q VLAN Port Information Table";
constexpr const char* kCommand = "PortsInfo1Click";
const std::string kEntry = kPortVlanEntry;

// The index of the combo box's item of that text (-1: none).
int ItemOf(TComboBox* combo, const std::string& text) {
    for (int i = 0; i < combo->Items().Count(); ++i) {
        if (combo->Items()[i] == text) {
            return i;
        }
    }
    return -1;
}

class PortInformationSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(BridgeScenario());
    }
    static std::vector<std::string> Ports(TVLanPortInfomationForm* d) {
        std::vector<std::string> ports;
        for (int i = 0; i < d->LV_dot1qPortVlanEntry->Items().Count(); ++i) {
            ports.push_back(d->Table.Request->CellText(d->LV_dot1qPortVlanEntry->Items()[i], 0));
        }
        return ports;
    }
    // The listed row of a port as its cells, port number first.
    static std::vector<std::string> Row(TVLanPortInfomationForm* d, int port) {
        std::vector<std::string> cells;
        TListItem* item = d->LV_dot1qPortVlanEntry->Items()[port - 1];
        for (int column = 0; column < 7; ++column) {
            cells.push_back(d->Table.Request->CellText(item, column));
        }
        return cells;
    }
    static bool AnyFieldEnabled(TVLanPortInfomationForm* d) {
        return d->PortVLanID->Enabled() || d->AcceptableFrameTypes->Enabled() ||
               d->IngressFiltering->Enabled() || d->GvrpStatus->Enabled();
    }
};

} // namespace

TEST_F(PortInformationSim, ListsEveryBridgePortAndChoosingOneFillsItsFields) {
    const std::vector<std::string> missing = ProgramDialogs().Missing();
    EXPECT_EQ(std::find(missing.begin(), missing.end(), "TVLanPortInfomationForm"), missing.end());
    RunDialog<TVLanPortInfomationForm>(kCommand, VLanPortInfomationForm, [&](TVLanPortInfomationForm* d) {
        EXPECT_EQ(d->Caption(), std::string(kTitle) + ": " + Agent().Address());
        EXPECT_EQ(d->Width(), 593);
        EXPECT_EQ(d->Height(), 365);
        ASSERT_EQ(Ports(d).size(), static_cast<size_t>(kBridgePorts));
        EXPECT_EQ(Ports(d).front(), "1");
        EXPECT_EQ(Ports(d).back(), "28");
        EXPECT_EQ(d->ST_Count->Caption(), "28");
        EXPECT_EQ(Row(d, 5),
                  (std::vector<std::string>{"5", "1", "admitAll", "false", "enabled", "3", "0011223344AA"}));
        // The status bar is one line of text.
        EXPECT_TRUE(d->StatusBar1->SimplePanel());
        EXPECT_NE(d->StatusBar1->SimpleText().find("Ok!"), std::string::npos) << d->StatusBar1->SimpleText();
        EXPECT_FALSE(AnyFieldEnabled(d));
        EXPECT_TRUE(CaptionsReadWhole(d));

        ClickListRow(d->LV_dot1qPortVlanEntry, 4);
        EXPECT_TRUE(d->PortVLanID->Enabled());
        EXPECT_TRUE(d->GvrpStatus->Enabled());
        EXPECT_EQ(d->PortVLanID->Text(), "1");
        EXPECT_EQ(d->AcceptableFrameTypes->Text(), "admitAll");
        EXPECT_EQ(d->IngressFiltering->Text(), "false");
        EXPECT_EQ(d->GvrpStatus->Text(), "enabled");
        EXPECT_TRUE(CaptionsReadWhole(d));

        // Refresh leaves no port chosen: the fields wait for one.
        ClickControl(d->RefreshBtn);
        ASSERT_TRUE(WaitReads(1));
        EXPECT_EQ(Ports(d).size(), static_cast<size_t>(kBridgePorts));
        EXPECT_FALSE(AnyFieldEnabled(d));
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(PortInformationSim, SetWritesTheFourColumnsOfTheChosenPortInOnePduAndTheReReadListsThem) {
    RunDialog<TVLanPortInfomationForm>(kCommand, VLanPortInfomationForm, [&](TVLanPortInfomationForm* d) {
        ClickListRow(d->LV_dot1qPortVlanEntry, 2); // port 3
        d->PortVLanID->SetText("");
        TypeText(d->PortVLanID, "10");
        ChooseComboItem(d->AcceptableFrameTypes, ItemOf(d->AcceptableFrameTypes, "admitOnlyVLANTagged"));
        ChooseComboItem(d->IngressFiltering, ItemOf(d->IngressFiltering, "true"));
        ChooseComboItem(d->GvrpStatus, ItemOf(d->GvrpStatus, "disabled"));
        ClickControl(d->SetBtn);
        ASSERT_TRUE(WaitForSets(1));
        ASSERT_TRUE(WaitReads(1)); // the framework's re-read
        EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{{
                                 {kEntry + ".1.3", {"66", "10"}},
                                 {kEntry + ".2.3", SimValue::Int(2)},
                                 {kEntry + ".3.3", SimValue::Int(1)},
                                 {kEntry + ".4.3", SimValue::Int(2)},
                             }}));
        EXPECT_EQ(Agent().Value(kEntry + ".1.3"), (SimValue{"66", "10"}));
        EXPECT_EQ(Agent().Value(kEntry + ".2.3"), SimValue::Int(2));
        EXPECT_EQ(Row(d, 3), (std::vector<std::string>{"3", "10", "admitOnlyVLANTagged", "true", "disabled",
                                                       "0", "000000000000"}));
        EXPECT_EQ(d->ST_Count->Caption(), "28");
        EXPECT_FALSE(AnyFieldEnabled(d));
    });
    EXPECT_EQ(Agent().SetLog().size(), 1u);
}

TEST_F(PortInformationSim, SetWithNoPortChosenSendsNothing) {
    RunDialog<TVLanPortInfomationForm>(kCommand, VLanPortInfomationForm, [&](TVLanPortInfomationForm* d) {
        ASSERT_EQ(d->LV_dot1qPortVlanEntry->Selected(), nullptr);
        ClickControl(d->SetBtn);
        EXPECT_FALSE(d->Table.Request->Busy);
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(PortInformationSim, RefreshAndSetDuringAWalkSayRefreshNotCompleteAndSendNothing) {
    Agent().SetDelay(kEntry, 150, SimOp::Next);
    RunDialog<TVLanPortInfomationForm>(
        kCommand, VLanPortInfomationForm,
        [&](TVLanPortInfomationForm* d) {
            ASSERT_TRUE(WaitFor([d] { return d->LV_dot1qPortVlanEntry->Items().Count() >= 2; }, 10000));
            ASSERT_TRUE(d->Table.Request->Busy);
            ClickListRow(d->LV_dot1qPortVlanEntry, 0);
            Dialogs.Expect(DialogText::kRefreshNotComplete).Expect(DialogText::kRefreshNotComplete);
            ClickControl(d->RefreshBtn);
            ClickControl(d->SetBtn);
            Agent().ClearInjections();
            ASSERT_TRUE(WaitFor([d] { return d->Table.DataComplete && !d->Table.Request->Busy; }, 20000));
            EXPECT_EQ(Reads, 1); // the first walk alone
            EXPECT_EQ(d->ST_Count->Caption(), "28");
        },
        {}, {.WaitFirstRead = false});
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(PortInformationSim, AFailureIsTheStatusBarsText) {
    RunDialog<TVLanPortInfomationForm>(kCommand, VLanPortInfomationForm, [&](TVLanPortInfomationForm* d) {
        Agent().InjectError(kEntry, "genErr", SimOp::Next);
        ClickControl(d->RefreshBtn);
        ASSERT_TRUE(WaitReads(1));
        Agent().ClearInjections();
        EXPECT_NE(d->StatusBar1->SimpleText().find(MessageOfCode(-105)), std::string::npos)
            << d->StatusBar1->SimpleText();
        EXPECT_EQ(d->StatusBar1->ShownText(), d->StatusBar1->SimpleText());
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

} // namespace v_lan_port_infomation_form_unit_test
