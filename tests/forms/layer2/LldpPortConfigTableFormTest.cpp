#include "LldpPortConfigTableForm.h"

#include "CaptionCheck.h"
#include "CatalogueColumns.h"
#include "DedicatedDialogRegistry.h"
#include "DedicatedDialogs.h"
#include "DialogLayout.h"
#include "FormsSimTest.h"
#include "LldpTablesScenario.h"
#include "Lldpdot3portconfigtable.h"
#include "Lldpportconfigtable.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TStaticText.h"
#include "TStatusBar.h"
#include "VqMessageTable.h"

#include <gtest/gtest.h>

#include <QTimer>

#include <algorithm>
#include <chrono>

namespace lldp_port_config_table_form_test {

namespace {

using Form = TLldpPortConfigTableForm;
using Chooser = TLldpTlvChooserForm;
using Pdus = std::vector<std::vector<SimVarBind>>;

constexpr const char* kPortConfigCommand = "PortConfig1Click";
constexpr const char* kDot3Command = "PortConfigTable1Click";
constexpr int kTlvs = ColumnOf(Columns::LLDPPortConfig, "TLVs TX Enable");
constexpr int kDot3Tlvs = ColumnOf(Columns::LLDPDot3PortConfig, "TLVs TX Enable");
const std::string kEntry = kLldpPortConfigEntry;
const std::string kDot3Entry = kLldpDot3PortConfigEntry;

// The captions of the chooser's ticked boxes, visible or not.
std::vector<std::string> Ticked(const Chooser* c) {
    std::vector<std::string> names;
    for (const TCheckBox* box : c->Boxes) {
        if (box->Checked()) {
            names.push_back(box->Caption());
        }
    }
    return names;
}
std::vector<std::string> Shown(const Chooser* c) {
    std::vector<std::string> names;
    for (const TCheckBox* box : c->Boxes) {
        if (box->Visible()) {
            names.push_back(box->Caption());
        }
    }
    return names;
}
TCheckBox* BoxCaptioned(const Chooser* c, const std::string& caption) {
    for (TCheckBox* box : c->Boxes) {
        if (box->Caption() == caption) {
            return box;
        }
    }
    ADD_FAILURE() << "no box " << caption;
    return nullptr;
}

class LldpPortConfigSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(LldpScenario());
    }
    void RunPortConfig(const std::function<void(Form*)>& test,
                       const std::vector<std::function<void(TForm*)>>& subForms = {}, DialogRun how = {}) {
        RunDialog<TLLDPPortConfigForm>(kPortConfigCommand, LLDPPortConfigForm, test, subForms, how);
    }
    void RunDot3(const std::function<void(Form*)>& test,
                 const std::vector<std::function<void(TForm*)>>& subForms = {}) {
        RunDialog<TLLDPDot3PortConfigForm>(kDot3Command, LLDPDot3PortConfigForm, test, subForms);
    }
    static std::string StatusText(Form* d) { return StatusPanelOf(d->StatusBar1)->Text(); }
};

} // namespace

TEST_F(LldpPortConfigSim, OpensWithEveryPortAndItsTlvsAsNamesAndEveryCaptionReadsWhole) {
    const std::vector<std::string> missing = ProgramDialogs().Missing();
    for (const char* name : {"TLLDPPortConfigForm", "TLLDPDot3PortConfigForm", "TLLDPDot3LinkAggForm",
                             "TLLDPLocSysDataForm", "TLLDPRemoteForm", "TLLDPConfigProtocolForm",
                             "TLLDPConfigProtocolVLANForm", "TLLDPConfigVLANNameForm"}) {
        EXPECT_EQ(std::count(missing.begin(), missing.end(), name), 0) << name;
    }
    RunPortConfig(
        [&](Form* d) {
            EXPECT_EQ(d->Caption(), "LLDP Port Configuration Table: " + Agent().Address());
            EXPECT_EQ(d->StaticText1->Caption(), "3");
            EXPECT_EQ(ColumnCells(d->Table, kTlvs),
                      (std::vector<std::string>{
                          " Port Description,System Name,System Description,System Capabilities", " ",
                          " System Name,System Description"}));
            EXPECT_EQ(d->EditButton->Caption(), "Set");
            EXPECT_FALSE(d->EditButton->Enabled());
            EXPECT_FALSE(d->PortEditLabel->Enabled());
            EXPECT_TRUE(CaptionsReadWhole(d));
            ClickListRow(d->ListView1, 0);
            EXPECT_EQ(d->PortText->Caption(), "1");
            EXPECT_EQ(d->AdminStateComboBox->Text(), "txAndrx");
            EXPECT_EQ(d->NotificationComboBox->Text(), "true");
            EXPECT_TRUE(d->EditButton->Enabled());
            EXPECT_TRUE(CaptionsReadWhole(d));
            ClickControl(d->TLVsEdit);
        },
        {SubForm<Chooser>([&](Chooser* c) {
            EXPECT_EQ(c->Caption(), "Port Configuration Table Setting: " + Agent().Address());
            EXPECT_EQ(Shown(c), (std::vector<std::string>{"Port Description", "System Name",
                                                          "System Description", "System Capabilities"}));
            EXPECT_EQ(Ticked(c), Shown(c));
            EXPECT_TRUE(CaptionsReadWhole(c));
        })});
    EXPECT_TRUE(Agent().SetLog().empty());
}

// The chooser ticks what the field names (it never unticks), "Set Checked" writes the ticked names
// back and unticks them, "Close" only unticks; Set then sends the chosen port's admin state,
// notification and TLV octet, and the table is read again.
TEST_F(LldpPortConfigSim, TheChooserComposesTheTlvsAndSetWritesTheChosenPortAlone) {
    Chooser* chooser = nullptr;
    RunPortConfig(
        [&](Form* d) {
            ClickListRow(d->ListView1, 2); // 60
            ChooseOption(d->AdminStateComboBox, "rxOnly");
            ChooseOption(d->NotificationComboBox, "true");
            ClickControl(d->TLVsEdit);
            EXPECT_EQ(d->TLVsEdit->Text(), " Port Description,System Name,System Description");
            EXPECT_EQ(Ticked(chooser), std::vector<std::string>{});
            ClickControl(d->TLVsEdit);
            EXPECT_EQ(d->TLVsEdit->Text(), " Port Description,System Name,System Description");
            ClickControl(d->EditButton);
            // The click returns once the switch has answered; the fields are empty, no row chosen.
            EXPECT_EQ(SetPdus(), (Pdus{{{kEntry + ".2.3", SimValue::Int(2)},
                                        {kEntry + ".3.3", SimValue::Int(1)},
                                        {kEntry + ".4.3", {"4x", "E0"}}}}));
            EXPECT_EQ(d->TLVsEdit->Text(), "");
            EXPECT_EQ(d->PortText->Caption(), " ");
            EXPECT_FALSE(d->EditButton->Enabled());
            ASSERT_TRUE(WaitReads(1));
            EXPECT_EQ(ColumnCells(d->Table, kTlvs)[2], " Port Description,System Name,System Description");
            EXPECT_NE(StatusText(d).find("Ok!"), std::string::npos) << StatusText(d);
        },
        {SubForm<Chooser>([&](Chooser* c) {
             chooser = c;
             EXPECT_EQ(Ticked(c), (std::vector<std::string>{"System Name", "System Description"}));
             BoxCaptioned(c, "Port Description")->SetChecked(true);
             ClickControl(c->SetButton);
         }),
         SubForm<Chooser>([&](Chooser* c) {
             EXPECT_EQ(Ticked(c),
                       (std::vector<std::string>{"Port Description", "System Name", "System Description"}));
             BoxCaptioned(c, "System Name")->SetChecked(false);
             ClickControl(c->CloseButton); // the field stays as it was
             EXPECT_EQ(Ticked(c), std::vector<std::string>{});
         })});
    EXPECT_EQ(Agent().Value(kEntry + ".4.3"), (SimValue{"4x", "E0"}));
    EXPECT_EQ(Agent().Value(kEntry + ".4.1"), (SimValue{"4x", "F0"}));
}

// A names text typed into the field counts only where it holds the exact names, in any order.
TEST_F(LldpPortConfigSim, TypedNamesAreSentAsTheirBits) {
    const struct {
        const char* Typed;
        const char* Sent;
    } cases[] = {{"System Name x", "40"},
                 {"system name", "00"},
                 {"System Capabilities,Port Description", "90"},
                 {" ", "00"}};
    RunPortConfig([&](Form* d) {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.Typed);
            Agent().ClearSetLog();
            ClickListRow(d->ListView1, 1);
            d->TLVsEdit->SetText(c.Typed);
            ClickControl(d->EditButton);
            ASSERT_EQ(SetPdus().size(), 1u);
            EXPECT_EQ(SetPdus()[0].back(), (SimVarBind{kEntry + ".4.2", {"4x", c.Sent}}));
            ASSERT_TRUE(WaitIdle(d->Table));
        }
    });
}

TEST_F(LldpPortConfigSim, ARefusedSetAndAFailedReadAreShownInTheStatusLine) {
    RunPortConfig([&](Form* d) {
        Agent().InjectError(kEntry, "genErr", SimOp::Set);
        ClickListRow(d->ListView1, 0);
        ClickControl(d->EditButton);
        EXPECT_NE(StatusText(d).find(MessageOfCode(-105)), std::string::npos) << StatusText(d);
        EXPECT_TRUE(d->Table.DataComplete);
        EXPECT_EQ(Reads, 0); // nothing changed on the switch: the list stays as read
        Agent().ClearInjections();

        Agent().InjectError(kEntry, "genErr", SimOp::Next);
        ClickControl(d->GetButton);
        ASSERT_TRUE(WaitReads(1));
        EXPECT_NE(StatusText(d).find(MessageOfCode(-105)), std::string::npos) << StatusText(d);
        EXPECT_TRUE(d->Table.DataComplete);
        Agent().ClearInjections();
    });
    EXPECT_EQ(Agent().Value(kEntry + ".2.1"), SimValue::Int(3));
}

// A switch that never answers the SET: the wait ends within its bound (twice the time-out and a
// second), and the dialog is usable again.
TEST_F(LldpPortConfigSim, TheWaitForASilentSwitchEndsWithinItsBound) {
    RunPortConfig([&](Form* d) {
        d->Table.Request->Request.Timeout = 20; // 0.2 s a try
        Agent().DropReplies(kEntry, SimOp::Set);
        ClickListRow(d->ListView1, 0);
        const auto start = std::chrono::steady_clock::now();
        ClickControl(d->EditButton);
        EXPECT_LE(std::chrono::steady_clock::now() - start,
                  std::chrono::milliseconds(ReplyWaitBoundMs(20, d->Table.Request->Request.Retries) + 500));
        EXPECT_TRUE(d->Table.DataComplete);
        EXPECT_NE(StatusText(d).find(MessageOfCode(-405)), std::string::npos) << StatusText(d);
        Agent().ClearInjections();
    });
}

// Stop ends the wait at once and no read follows it; Refresh then reads without a second Stop.
TEST_F(LldpPortConfigSim, StopEndsTheWaitAndRefreshThenReadsAtOnce) {
    RunPortConfig([&](Form* d) {
        d->Table.Request->Request.Timeout = 50; // the stopped SET still times out, later
        Agent().DropReplies(kEntry, SimOp::Set);
        ClickListRow(d->ListView1, 0);
        QTimer::singleShot(50, [d] { ClickControl(d->StopButton); });
        const auto start = std::chrono::steady_clock::now();
        ClickControl(d->EditButton);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(900));
        EXPECT_EQ(Reads, 0);
        EXPECT_TRUE(d->Table.DataComplete);
        // The SET's own end comes later and is reported as the framework reports any SET's.
        Dialogs.Expect(DialogKind::Box, kAppTitle, MessageOfCode(-405));
        ClickControl(d->GetButton);
        ASSERT_TRUE(WaitReads(1));
        EXPECT_EQ(d->StaticText1->Caption(), "3");
        ASSERT_TRUE(WaitFor([&] { return !d->Table.Request->Busy && Dialogs.Pending() == 0; }, 10000));
        Agent().ClearInjections();
    });
}

// While the first read runs (a slow agent) Refresh and Set refuse; Stop unlocks them.
TEST_F(LldpPortConfigSim, RefreshAndSetRefuseWhileTheFirstReadRuns) {
    Agent().SetDelay(kEntry, 300, SimOp::Next);
    RunPortConfig(
        [&](Form* d) {
            ASSERT_TRUE(WaitFor([d] { return d->ListView1->Items().Count() >= 1; }, 10000));
            ASSERT_FALSE(d->Table.DataComplete);
            Dialogs.Expect("Get data not complete");
            ClickControl(d->GetButton);
            ClickListRow(d->ListView1, 0);
            Dialogs.Expect("Get data not complete");
            ClickControl(d->EditButton);
            EXPECT_EQ(Dialogs.Pending(), 0);
            ClickControl(d->StopButton);
            EXPECT_TRUE(d->Table.DataComplete);
            ASSERT_TRUE(WaitFor([d] { return !d->Table.Request->Busy; }, 10000));
        },
        {}, {.WaitFirstRead = false});
    EXPECT_TRUE(Agent().SetLog().empty());
}

// A Refresh whose read cannot be sent (a device address that does not parse) says why in the status
// line and leaves the dialog unlocked: the next Refresh is not refused.
TEST_F(LldpPortConfigSim, ARefreshThatCannotBeSentLeavesTheDialogUsable) {
    RunPortConfig([&](Form* d) {
        d->Table.Request->Request.Device.Address = "300.1.2.3";
        ClickControl(d->GetButton);
        EXPECT_TRUE(d->Table.DataComplete);
        EXPECT_EQ(StatusText(d).find("Ok!"), std::string::npos) << StatusText(d);
        EXPECT_FALSE(StatusText(d).empty());
        d->Table.Request->Request.Device.Address = Agent().Address();
        ClickControl(d->GetButton); // no refusal box
        ASSERT_TRUE(WaitIdle(d->Table));
        EXPECT_NE(StatusText(d).find("Ok!"), std::string::npos) << StatusText(d);
    });
}

// The 802.3 dialog: a port at 40 (power via MDI only) is offered no ticked box, the hidden bit goes
// back as it came, and ticking linkAggregation sends 60.
TEST_F(LldpPortConfigSim, TheDot3ChooserPassesTheHiddenPowerViaMdiBitThrough) {
    RunDot3(
        [&](Form* d) {
            EXPECT_EQ(d->Caption(), "LLDP-Dot3 Port Configuration Table: " + Agent().Address());
            EXPECT_EQ(d->EditButton->Caption(), "Edit");
            EXPECT_EQ(ColumnCells(d->Table, kDot3Tlvs),
                      (std::vector<std::string>{" powerViaMDI",
                                                " macPhyConfigStatus,linkAggregation,maxFrameSize", " "}));
            EXPECT_TRUE(CaptionsReadWhole(d));
            ClickListRow(d->ListView1, 0);
            EXPECT_TRUE(CaptionsReadWhole(d));
            for (const char* sent : {"40", "60"}) {
                SCOPED_TRACE(sent);
                Agent().ClearSetLog();
                ClickListRow(d->ListView1, 0);
                ClickControl(d->TLVsEdit);
                ClickControl(d->EditButton);
                EXPECT_EQ(SetPdus(), (Pdus{{{kDot3Entry + ".1.1", {"4x", sent}}}}));
                ASSERT_TRUE(WaitIdle(d->Table));
            }
            EXPECT_EQ(ColumnCells(d->Table, kDot3Tlvs)[0], " powerViaMDI,linkAggregation");
        },
        {SubForm<Chooser>([&](Chooser* c) {
             EXPECT_EQ(c->Caption(), "LLDP Dot3 Port Configuration Table Setting: " + Agent().Address());
             EXPECT_EQ(Shown(c),
                       (std::vector<std::string>{"macPhyConfigStatus", "linkAggregation", "maxFrameSize"}));
             EXPECT_EQ(Ticked(c), std::vector<std::string>{"powerViaMDI"});
             EXPECT_TRUE(CaptionsReadWhole(c));
             ClickControl(c->SetButton);
         }),
         SubForm<Chooser>([&](Chooser* c) {
             BoxCaptioned(c, "linkAggregation")->SetChecked(true);
             ClickControl(c->SetButton);
         })});
}

} // namespace lldp_port_config_table_form_test
