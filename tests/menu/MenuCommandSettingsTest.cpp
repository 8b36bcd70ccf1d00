// The settings of single commands that their data alone does not show working: checkers on their
// fields, time-outs, button places, sizes around pages, the paged DHCPv6 dialog, the OAM rendering
// and the two-step row creation.
#include "DedicatedDialogRegistry.h"
#include "GUIConfigForm.h"
#include "MainFormFixture.h"
#include "MainMenuData.h"
#include "MainMenuTree.h"
#include "MenuCommands.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TPageControl.h"
#include "TableDialogRules.h"
#include "UiTesting.h"
#include "VqSNMPRequest2Edits.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <stdexcept>
#include <string>

namespace menu_command_settings_test {

namespace {

const MenuEntry& Command(const char* handler) {
    const MenuEntry* entry = FindMenuCommand(handler);
    if (!entry) {
        throw std::logic_error(std::string("no menu command ") + handler);
    }
    return *entry;
}

template <class T = TSNMPEditorPanel> T* PanelOf(TComponent* form) {
    for (int i = 0; i < form->ComponentCount(); ++i) {
        if (auto* panel = dynamic_cast<T*>(form->Components(i))) {
            return panel;
        }
    }
    return nullptr;
}

// The panel of every page in page order, or the one panel.
std::vector<TSNMPEditorPanel*> PanelsOf(TConfigForm* form) {
    std::vector<TSNMPEditorPanel*> panels;
    if (!form->PageControl) {
        panels.push_back(PanelOf(form));
        return panels;
    }
    for (int i = 0; i < form->PageControl->PageCount(); ++i) {
        panels.push_back(PanelOf(form->PageControl->Pages(i)));
    }
    return panels;
}

class MenuCommandSettings : public MainFormTest {
protected:
    void SetUp() override {
        MainFormTest::SetUp();
        Open("{}");
        WritableFacts().SysObjectId = "1.3.6.1.4.1.746.10.117.2.1";
    }
    static std::unique_ptr<TConfigForm> Build(const MenuEntry& entry) {
        return std::unique_ptr<TConfigForm>(BuildTableDialog(entry));
    }
    static std::unique_ptr<TConfigForm> Build(const char* handler) { return Build(Command(handler)); }

    ScriptedDialogs Dialogs;
};

TEST_F(MenuCommandSettings, EveryCheckerRefusesAndAcceptsOnItsField) {
    const struct Sample {
        const char* Good;
        const char* Bad;
        const char* Message; // shown for the bad text, or "" for a silent refusal
    } kSamples[] = {
        /* None */ {},
        /* CheckIPv4Text */ {"192.168.0.1", "256.1.1.1", "Please input a valid IP."},
        /* CheckIPv6HexText */
        {"20010DB8000000000000000000000001", "2001:0DB8::1",
         "Please enter a valid IPv6 address whose length is 32 without ':'."},
        /* IsNetmaskText */ {"255.255.255.0", "255.0.255.0", ""},
        /* IsMacText */ {"00-11-22-33-44-55", "00-11-22-33-44", ""},
        /* IsHexWordText */ {"FfFf", "12G", ""},
        /* CheckZeroOr60To1000000Text */ {"60", "59", "Pleaase Input a Number between 60 and 1000000 or 0."},
        /* CheckZeroOr8To10240000Text */ {"8", "7", "Please Input a Number between 8-10240000 or 0."},
        /* CheckMinusOneOr1To2048Text */ {"-1", "0", "Please Input a Number between 1-2048 or -1."},
        /* CheckMinusOneOr60To1000000Text */ {"-1", "59", "Please Input a Number between 60-1000000 or -1."},
    };
    int checked = 0;
    for (const MenuEntry* entry : MainMenuEntries()) {
        if (entry->Command != CommandKind::TableDialog || !CommandReady(*entry, DedicatedDialogRegistry())) {
            continue;
        }
        const MenuPanel& last = Panels(*entry).back();
        WritableFacts().FirmwareMode = last.Edition ? last.Edition : "KB";
        for (const Tuning& tuning : last.TuningList()) {
            if (tuning.Op != TuningOp::Checker) {
                continue;
            }
            SCOPED_TRACE(std::string(entry->Handler) + " row " + std::to_string(tuning.Row));
            auto form = Build(*entry);
            TSNMPEditorPanel* panel = PanelsOf(form.get()).back();
            auto* edit = dynamic_cast<TEdit*>(panel->Rows->Rows.at(tuning.Row).Control);
            ASSERT_NE(edit, nullptr);
            EditConstraintRecord* record = panel->Request->Constraints.FindConstraint(edit);
            ASSERT_NE(record, nullptr);
            ASSERT_TRUE(static_cast<bool>(record->CheckFunction));
            const Sample& sample = kSamples[static_cast<int>(tuning.Check)];
            edit->SetText(sample.Bad);
            if (*sample.Message) {
                Dialogs.Expect(sample.Message);
            }
            EXPECT_FALSE(record->CheckFunction(edit)) << sample.Bad;
            edit->SetText(sample.Good);
            EXPECT_TRUE(record->CheckFunction(edit)) << sample.Good;
            ++checked;
        }
    }
    EXPECT_GT(checked, 0);
    EXPECT_EQ(Dialogs.Pending(), 0);
}

TEST_F(MenuCommandSettings, TimeOutsHoldForTheirRequestOnly) {
    int seen = 0;
    for (const MenuEntry* entry : MainMenuEntries()) {
        if (entry->Command != CommandKind::TableDialog || entry->IsPaged() || entry->Panel.Timeout == 0) {
            continue;
        }
        EXPECT_EQ(Build(*entry)->Requests.at(0)->Request.Timeout, entry->Panel.Timeout) << entry->Handler;
        ++seen;
    }
    EXPECT_GT(seen, 0);
    EXPECT_EQ(Build("OUITable1Click")->Requests.at(0)->Request.Timeout, SessionParameters.Timeout);
}

TEST_F(MenuCommandSettings, PublicKeyOwnersAreAddedButNeverDeletedAndKeepTheirStatus) {
    auto form = Build("PulicKeyOwnerTable1Click");
    auto* panel = PanelOf<TSNMPListViewPanel>(form.get());
    EXPECT_TRUE(panel->Buttons->AddButton->Visible());
    EXPECT_FALSE(panel->Buttons->DeleteButton->Visible());
    EXPECT_EQ(panel->Rows->Rows.at(5).Control->Tag(), kTagKeepActive);
}

TEST_F(MenuCommandSettings, HeightOffsetsAddTheScaledAmountUpOrDown) {
    int seen = 0;
    for (const MenuEntry* entry : MainMenuEntries()) {
        if (entry->Command != CommandKind::TableDialog || entry->Sizes[0].Op != SizeOp::HeightPlus ||
            entry->Sizes[1].Op != SizeOp::None) {
            continue;
        }
        Form->ScaleFactor = 1.0;
        const int plain = Build(*entry)->Height();
        Form->ScaleFactor = 1.25;
        const int scaled = Build(*entry)->Height();
        const int n = entry->Sizes[0].Value;
        // The layout does not depend on the scale: what differs is the offset's scaling alone.
        EXPECT_EQ(scaled - plain, ScaledSize(n, 1.25) - n) << entry->Handler;
        ++seen;
    }
    EXPECT_GT(seen, 0);
}

TEST_F(MenuCommandSettings, SizesBeforeThePagesAreFittedByThemSizesAfterThemWin) {
    WritableFacts().FirmwareMode = "KC";
    // Set before the pages: the pages still fit the dialog, keeping the wider width but no more
    // client height than a panel's largest.
    auto before = Build("RIP2RFC1724Click");
    EXPECT_GE(before->Width(), 600);
    EXPECT_EQ(before->ClientHeight(), 550);
    EXPECT_LT(before->Height(), 600);
    // Set after them: the values given win.
    EXPECT_EQ(Build("RIPngSettings1Click")->Height(), 250);
    EXPECT_EQ(Build("DHCPv6RelaySettings1Click")->Width(), 650);
}

TEST_F(MenuCommandSettings, TheDhcpv6RelayDialogHasItsThreePages) {
    auto form = Build("DHCPv6RelaySettings1Click");
    ASSERT_NE(form->PageControl, nullptr);
    const std::vector<TSNMPEditorPanel*> panels = PanelsOf(form.get());
    ASSERT_EQ(panels.size(), 3u);
    const char* captions[] = {"Hop Count", "Control Table", "Information Table"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(form->PageControl->Pages(i)->Caption(), captions[i]);
    }
    EXPECT_EQ(dynamic_cast<TSNMPListViewPanel*>(panels[0]), nullptr) << "an editor page";
    auto* control = dynamic_cast<TSNMPListViewPanel*>(panels[1]);
    auto* information = dynamic_cast<TSNMPListViewPanel*>(panels[2]);
    ASSERT_TRUE(control && information);
    EXPECT_FALSE(control->Buttons->AddButton->Visible() || control->Buttons->DeleteButton->Visible());
    EXPECT_TRUE(information->Buttons->AddButton->Visible() && information->Buttons->DeleteButton->Visible());
    // The command's settings act on the last page only.
    EXPECT_TRUE(information->Buttons->StopButton->Visible());
    EXPECT_FALSE(information->Buttons->EditButton->Visible());
    EXPECT_FALSE(control->Buttons->StopButton->Visible());
    EXPECT_EQ(form->Width(), 650);
}

TEST_F(MenuCommandSettings, OamTablesShowTheFunctionsAsNames) {
    Agent().LoadScenario(R"({"tables": [{"entry": "1.3.6.1.2.1.158.1.1.1",
        "columns": [[1, "int", "rw"], [2, "int"], [3, "int", "rw"], [4, "gauge"], [5, "gauge"], [6, "hex"]],
        "rows": [["1", 1, 3, 2, 1518, 1, "F0"], ["2", 2, 1, 1, 1518, 1, "08"]]}]})");
    ModalDriver driver;
    driver.Then([&](TForm* form) {
        auto* panel = PanelOf<TSNMPListViewPanel>(form);
        ASSERT_TRUE(WaitFor([&] { return !panel->Request->Busy; }));
        TListView* list = panel->ListPanel->ListView;
        ASSERT_EQ(list->Items().Count(), 2);
        const int functions = kOamFunctionsColumn - 1; // the sub-item after the index column
        EXPECT_EQ(list->Items()[0]->SubItems()[functions],
                  "Variable Request, Link Monitoring, Remote Loopback, Unidirection");
        EXPECT_EQ(list->Items()[1]->SubItems()[functions], "Variable Request");
        ClickControl(panel->Buttons->CloseButton);
    });
    RunMenuCommand(Command("OAMTable1Click"));
    EXPECT_EQ(driver.Pending(), 0);
}

TEST_F(MenuCommandSettings, SecurityGroupRowsAreCreatedWaitingAndPutInServiceFromEdit) {
    const std::string entry = "1.3.6.1.6.3.16.1.2.1.";
    Agent().LoadScenario(R"({"tables": [{"entry": "1.3.6.1.6.3.16.1.2.1",
        "columns": [[3, "string", "rw"], [4, "int", "rw"], [5, "rowstatus"]], "rows": []}]})");
    enum { kModel, kName, kGroup, kStorage, kStatus };
    ModalDriver driver;
    TSNMPListViewPanel* panel = nullptr;
    driver.Then([&](TForm* form) {
        panel = PanelOf<TSNMPListViewPanel>(form);
        ASSERT_TRUE(WaitFor([&] { return !panel->Request->Busy; }));
        ClickControl(panel->Buttons->AddButton);
        ASSERT_TRUE(WaitFor([&] { return !panel->Request->Busy; }));
        ASSERT_EQ(panel->ListPanel->ListView->Items().Count(), 1);
        ClickListRow(panel->ListPanel->ListView, 0);
        ClickControl(panel->Buttons->EditButton);
        ASSERT_TRUE(WaitFor([&] { return !panel->Request->Busy; }));
        ClickControl(panel->Buttons->CloseButton);
    });
    driver.Then([&](TForm* add) {
        TEditsPanel* rows = panel->Rows;
        EXPECT_EQ(dynamic_cast<TComboBox*>(rows->Rows[kStatus].Control)->Text(), "createAndWait");
        TypeText(rows->Rows[kModel].Control, "3");
        TypeText(rows->Rows[kName].Control, "ops");
        ClickControl(rows->Rows[kGroup].CheckBox);
        TypeText(rows->Rows[kGroup].Control, "admins");
        ClickControl(PanelOf<TSNMPPanel>(add)->Buttons->SetButton);
    });
    driver.Then([&](TForm* edit) {
        // Kept active: the Edit dialog shows the status, and "active" puts the row in service.
        const UISnmpVar& status = panel->Rows->Rows[kStatus];
        EXPECT_TRUE(status.Control->Visible());
        auto* box = dynamic_cast<TComboBox*>(status.Control);
        ChooseComboItem(box, box->Items().IndexOf("active"));
        ClickControl(status.CheckBox);
        ClickControl(PanelOf<TSNMPPanel>(edit)->Buttons->SetButton);
    });
    RunMenuCommand(Command("SecurityTable1Click"));
    EXPECT_EQ(driver.Pending(), 0);
    const std::string instance = ".3.3.111.112.115";
    const std::vector<SimSetPdu> log = Agent().SetLog();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].VarBinds, (std::vector<SimVarBind>{{entry + "3" + instance, SimValue::Octets("admins")},
                                                        {entry + "5" + instance, SimValue::Int(5)}}));
    EXPECT_EQ(log[1].VarBinds.back(), (SimVarBind{entry + "5" + instance, SimValue::Int(1)}));
    EXPECT_EQ(Agent().Value(entry + "5" + instance), SimValue::Int(1));
}

} // namespace

} // namespace menu_command_settings_test
