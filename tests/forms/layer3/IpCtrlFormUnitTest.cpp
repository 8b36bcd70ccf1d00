#include "IpCtrlFormUnit.h"

#include "CaptionCheck.h"
#include "DialogLayout.h"
#include "FormsSimTest.h"
#include "IPCtrlEdtFormUnit.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TStaticText.h"
#include "TStatusBar.h"

#include <gtest/gtest.h>

namespace ip_ctrl_form_unit_test {

namespace {

constexpr const char* kTitle = "IP Control Table";
constexpr const char* kCommand = "IPControlTable1Click";
const std::string kEntry = "1.3.6.1.4.1.746.11.117.2.1.3.2.1.3.1";

// The row instance of an interface name: its length, then its characters.
std::string Instance(const std::string& name) {
    std::string instance = std::to_string(name.size());
    for (char c : name) {
        instance += "." + std::to_string(static_cast<unsigned char>(c));
    }
    return instance;
}

// Interfaces "System" (VLAN default), "ip2" (VLAN v2) and "system" (VLAN v3) on a 24RA.
std::string Scenario() {
    const char* columns = R"([[2, "int", "ro", 0], [3, "ip", "rw", "0.0.0.0"], [4, "ip", "rw", "0.0.0.0"],
        [5, "string", "rw", ""], [6, "int", "rw", 2], [7, "int", "rw", 2], [8, "int", "rw", 1], [9, "int", "rw", 1],
        [10, "int", "rw", 1], [12, "int", "rw", 2], [14, "hex", "ro", "00000000000000000000000000000000"],
        [15, "int", "ro", 0], [16, "rowstatus"], [17, "int", "rw", 3], [18, "int", "rw", 2], [20, "int", "rw", 2],
        [21, "int", "rw", 2], [22, "int", "rw", 2], [23, "string", "rw", ""], [28, "int", "rw", 2],
        [29, "int", "rw", 2], [30, "int", "rw", 2]])";
    auto row = [](const std::string& name, int index, const char* ip, const char* vlan) {
        return "[\"" + Instance(name) + "\", " + std::to_string(index) + ", \"" + ip +
               "\", \"255.0.0.0\", \"" + vlan +
               R"(", 2, 2, 1, 1, 1, 2, "FE800000000000000000000000000001", 64, 1, 3, 2, 2, 2, 2, "", 2, 2, 2])";
    };
    return std::string(R"({"tables": [{"entry": ")") + kEntry + R"(", "columns": )" + columns +
           R"(, "rows": [)" + row("System", 1, "10.90.90.90", "default") + ", " +
           row("ip2", 2, "20.0.0.1", "v2") + ", " + row("system", 3, "30.0.0.1", "v3") + "]}]}";
}

class IpCtrlSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(Scenario());
    }
    // An edit dialog's handler, run inside its modal loop; the dialog closed if it stays open.
    static std::function<void(TForm*)> Edit(const std::function<void(TIPCtrlEdtForm*)>& handler) {
        return SubForm<TIPCtrlEdtForm>(handler);
    }
    static int Row(TIpCtrlForm* d, const std::string& name) {
        for (int i = 0; i < d->ListView1->Items().Count(); ++i) {
            if (d->ListView1->Items()[i]->Caption() == name) {
                return i;
            }
        }
        return -1;
    }
    static void Choose(TComboBox* box, const std::string& text) {
        const int index = box->Items().IndexOf(text);
        ASSERT_GE(index, 0) << text;
        ChooseComboItem(box, index);
    }
    // The add dialog's fields of a new interface; the address lines ticked.
    static void FillNew(TIPCtrlEdtForm* e, const std::string& name, const std::string& vlan,
                        const std::string& ip, const std::string& mask) {
        TypeText(e->edtInterface, name);
        TypeText(e->edtVlan, vlan);
        TypeText(e->edtIPAddr, ip);
        TypeText(e->edtMask, mask);
        for (TCheckBox* box : {e->CheckBox2, e->CheckBox3, e->CheckBox4}) {
            box->SetChecked(true);
        }
    }
};

} // namespace

TEST_F(IpCtrlSim, EachEditionReadsItsOwnTable) {
    const struct {
        const char* Edition;
        int Columns;
        bool BroadcastLine;
    } cases[] = {{"KC", 23, true}, {"KA", 22, false}, {"KB", 22, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Edition);
        WritableFacts().FirmwareMode = c.Edition;
        RunDialog<TIpCtrlForm>(
            kCommand, IpCtrlForm,
            [&](TIpCtrlForm* d) {
                EXPECT_EQ(d->ListView1->Columns().Count(), c.Columns);
                EXPECT_EQ(d->ListView1->Columns()[c.Columns - 1]->Caption(), "State");
                EXPECT_EQ(d->ListView1->Items().Count(), 3);
                EXPECT_EQ(d->StaticText1->Caption(), "3");
                EXPECT_TRUE(CaptionsReadWhole(d));
                ClickControl(d->btnAdd);
            },
            {Edit([&](TIPCtrlEdtForm* e) {
                EXPECT_EQ(e->Caption(), "IP Control Table: " + Agent().Address() + " (Add)");
                EXPECT_TRUE(CaptionsReadWhole(e));
                EXPECT_EQ(e->ComboBox_IPDirectedBroadcastState->Visible(), c.BroadcastLine);
                EXPECT_EQ(e->CheckBox_IPDirectedBroadcastState->Visible(), c.BroadcastLine);
                EXPECT_EQ(e->CheckBox_IPDirectedBroadcastState->Caption(), "IP  Directed Broadcast State");
                EXPECT_EQ(e->btnSet->Caption(), "Add");
            })});
    }
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(IpCtrlSim, TheSystemInterfaceCannotBeDeletedAndAnotherGoesWithoutAQuestion) {
    RunDialog<TIpCtrlForm>(kCommand, IpCtrlForm, [&](TIpCtrlForm* d) {
        ClickListRow(d->ListView1, Row(d, "System"));
        EXPECT_FALSE(d->btnDel->Enabled());
        EXPECT_TRUE(d->btnEdit->Enabled());
        Dialogs.Expect("The system IP interface can't be deleted.");
        d->btnDelClick(d->btnDel);
        EXPECT_TRUE(Agent().SetLog().empty());

        ClickListRow(d->ListView1, Row(d, "system"));
        ASSERT_TRUE(d->btnDel->Enabled());
        ClickControl(d->btnDel);
        // A blocking SET: in the log at once.
        EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{
                                 {{kEntry + ".16." + Instance("system"), SimValue::Int(6)}}}));
        EXPECT_EQ(d->Table.Request->Mode, 1);
        EXPECT_FALSE(d->btnDel->Enabled());
        ASSERT_TRUE(WaitReads(1));
        EXPECT_EQ(Row(d, "system"), -1);
        EXPECT_EQ(d->StaticText1->Caption(), "2");
    });
}

TEST_F(IpCtrlSim, AnEditWritesTheTickedLinesAndTheStateOnly) {
    RunDialog<TIpCtrlForm>(kCommand, IpCtrlForm,
                           [&](TIpCtrlForm* d) {
                               ClickListRow(d->ListView1, Row(d, "ip2"));
                               ClickControl(d->btnEdit);
                               ASSERT_TRUE(WaitForSets(1));
                               ASSERT_TRUE(WaitReads(1));
                               EXPECT_FALSE(d->btnEdit->Enabled());
                               EXPECT_EQ(d->ListView1->Selected(), nullptr);
                           },
                           {Edit([&](TIPCtrlEdtForm* e) {
                               EXPECT_EQ(e->btnSet->Caption(), "Edit");
                               EXPECT_TRUE(CaptionsReadWhole(e));
                               EXPECT_EQ(e->edtInterface->Text(), "ip2");
                               EXPECT_FALSE(e->edtInterface->Enabled());
                               EXPECT_EQ(e->cbxMode->Text(), "other");
                               Choose(e->cbxAdmin, "disabled");
                               e->CheckBox7->SetChecked(true);
                               Choose(e->cbxMode, "dhcp"); // its line is not ticked
                               TypeText(e->edtHostName, "host");
                               ClickControl(e->btnSet);
                               EXPECT_EQ(e->ModalResult(), mrCancel); // closed
                           })});
    EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{{
                             {kEntry + ".9." + Instance("ip2"), SimValue::Int(2)},
                             {kEntry + ".16." + Instance("ip2"), SimValue::Int(1)},
                         }}));
    EXPECT_EQ(Agent().Value(kEntry + ".8." + Instance("ip2")), SimValue::Int(1));
}

TEST_F(IpCtrlSim, AddChecksTheAddressAndKeepsWhatWasTyped) {
    RunDialog<TIpCtrlForm>(kCommand, IpCtrlForm,
                           [&](TIpCtrlForm* d) {
                               ClickControl(d->btnAdd);
                               ASSERT_TRUE(WaitForSets(1));
                               ASSERT_TRUE(WaitReads(1));
                               EXPECT_GE(Row(d, "ip4"), 0);
                           },
                           {Edit([&](TIPCtrlEdtForm* e) {
                               FillNew(e, "ip4", "v4", "40.0.0.1", "255.0.255.0");
                               Dialogs.Expect("Please input valid Subnet Mask.");
                               ClickControl(e->btnSet);
                               EXPECT_EQ(Dialogs.Pending(), 0);
                               EXPECT_TRUE(Agent().SetLog().empty());
                               EXPECT_EQ(e->ModalResult(), mrNone);
                               EXPECT_EQ(e->edtInterface->Text(), "ip4");
                               EXPECT_EQ(e->edtVlan->Text(), "v4");
                               EXPECT_EQ(e->edtIPAddr->Text(), "40.0.0.1");
                               EXPECT_EQ(e->edtMask->Text(), "255.0.255.0");
                               EXPECT_TRUE(e->edtMask->Focused());

                               e->edtIPAddr->SetText("40.0.0");
                               Dialogs.Expect("Please input a valid IP.");
                               ClickControl(e->btnSet);
                               EXPECT_EQ(Dialogs.Pending(), 0);
                               EXPECT_TRUE(Agent().SetLog().empty());

                               e->edtIPAddr->SetText("40.0.0.1");
                               e->edtMask->SetText("255.255.0.0");
                               ClickControl(e->btnSet);
                               EXPECT_EQ(e->ModalResult(), mrCancel);
                           })});
    const std::string at = "." + Instance("ip4");
    EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{{
                             {kEntry + ".3" + at, {"64", "40.0.0.1"}},
                             {kEntry + ".4" + at, {"64", "255.255.0.0"}},
                             {kEntry + ".5" + at, SimValue::Octets("v4")},
                             {kEntry + ".16" + at, SimValue::Int(4)},
                         }}));
}

TEST_F(IpCtrlSim, AddWithoutAddressSendsNeitherAddressNorMask) {
    RunDialog<TIpCtrlForm>(kCommand, IpCtrlForm, [&](TIpCtrlForm* d) { ClickControl(d->btnAdd); },
                           {Edit([&](TIPCtrlEdtForm* e) {
                               FillNew(e, "dhcp1", "v9", "", "");
                               e->CheckBox6->SetChecked(true);
                               Choose(e->cbxMode, "dhcp");
                               ClickControl(e->btnSet);
                               ASSERT_TRUE(WaitForSets(1));
                           })});
    const std::string at = "." + Instance("dhcp1");
    EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{{
                             {kEntry + ".5" + at, SimValue::Octets("v9")},
                             {kEntry + ".8" + at, SimValue::Int(4)},
                             {kEntry + ".16" + at, SimValue::Int(4)},
                         }}));
}

TEST_F(IpCtrlSim, AddRefusesMissingAndTakenNames) {
    const struct {
        const char* Name;
        const char* Vlan;
        bool Secondary;
        const char* Message; // null: sent
    } cases[] = {
        {"", "v9", false, "Please input Interface Name."},
        {"ip2", "v9", false, "Please input different Interface Name."},
        {"ip9", "", false, "Please input a VLAN name."},
        {"ip9", "v2", false, "The VLAN already has a IP Interface."},
        {"ip9", "v2", true, nullptr},
    };
    RunDialog<TIpCtrlForm>(kCommand, IpCtrlForm, [&](TIpCtrlForm* d) { ClickControl(d->btnAdd); },
                           {Edit([&](TIPCtrlEdtForm* e) {
                               for (const auto& c : cases) {
                                   SCOPED_TRACE(c.Name + std::string("/") + c.Vlan);
                                   e->edtInterface->SetText(c.Name);
                                   e->edtVlan->SetText(c.Vlan);
                                   Choose(e->cbxSecondary, c.Secondary ? "true" : "false");
                                   if (c.Message) {
                                       Dialogs.Expect(c.Message);
                                   }
                                   ClickControl(e->btnSet);
                                   EXPECT_EQ(Dialogs.Pending(), 0);
                                   EXPECT_EQ(e->ModalResult() == mrNone, c.Message != nullptr);
                               }
                           })});
    ASSERT_TRUE(WaitForSets(1));
    EXPECT_EQ(Agent().SetLog().size(), 1u);
}

TEST_F(IpCtrlSim, AnUnknownModelOpensWithoutATable) {
    WritableFacts().SysObjectId = "1.3.6.1.4.1.746.10.117.9.1";
    RunDialog<TIpCtrlForm>(kCommand, IpCtrlForm, [&](TIpCtrlForm* d) {
        EXPECT_EQ(StatusPanelOf(d->stbResult)->Text(), "Unsupported model");
        EXPECT_EQ(d->Table.Request, nullptr);
        for (TButton* button : {d->btnEdit, d->btnAdd, d->btnDel}) {
            EXPECT_FALSE(button->Enabled()) << button->Caption();
        }
        ClickControl(d->btnRefresh);
        EXPECT_EQ(d->ListView1->Items().Count(), 0);
        ClickControl(d->btnClose);
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(IpCtrlSim, ItsMenuCommandOpensItInItsInstancePointer) {
    RunDialog<TIpCtrlForm>(kCommand, IpCtrlForm, [&](TIpCtrlForm* d) {
        EXPECT_EQ(d->Caption(), std::string(kTitle) + ": " + Agent().Address());
        ASSERT_TRUE(WaitIdle(d->Table));
        EXPECT_EQ(d->ListView1->Items().Count(), 3);
        ClickControl(d->btnClose);
    });
    EXPECT_EQ(IPCtrlEdtForm, nullptr); // it ended with its list dialog
    EXPECT_TRUE(Agent().SetLog().empty());
}

} // namespace ip_ctrl_form_unit_test
