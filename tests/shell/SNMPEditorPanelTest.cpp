// The editor panel against the simulated switch: reading a group of scalars, writing the checked
// rows in one SET, the empty-row refusal and its exempt position, and Refresh, Stop and fitting.
#include "CatalogueOptionLists.h"
#include "GenericDialogFixture.h"
#include "Oid_wac.h"

#include <QtTest/QtTest>

namespace snmp_editor_panel_test {

namespace {

const std::string kWac = "1.3.6.1.4.1.746.12.27.1.";

// The web-based access control settings: 21 read-write scalars, row 17 is "Notification Line 2".
std::string WacScenario() {
    const struct {
        int Arc;
        const char* Type;
        const char* Value;
    } objects[] = {
        {1, "int", "3"},
        {2, "int", "1"},
        {5, "string", "\"/home\""},
        {7, "ip", "\"10.90.90.90\""},
        {8, "int", "1"},
        {9, "int", "80"},
        {11, "int", "2"},
        {12, "int", "1"},
        {13, "int", "1"},
        {14, "hex", "\"FE800000000000000000000000000001\""},
        {15, "int", "2"},
        {30, "string", "\"Page\""},
        {31, "string", "\"Login\""},
        {32, "string", "\"User\""},
        {33, "string", "\"Secret\""},
        {34, "string", "\"Logout\""},
        {35, "string", "\"Line one\""},
        {36, "string", "\"Line two\""},
        {37, "string", "\"Line three\""},
        {38, "string", "\"Line four\""},
        {39, "string", "\"Line five\""},
    };
    std::string json = R"({"objects": [)";
    for (const auto& o : objects) {
        json += (json.back() == '[' ? "" : ",") + std::string("[\"") + kWac + std::to_string(o.Arc) +
                ".0\", \"" + o.Type + "\", " + o.Value + ", \"rw\"]";
    }
    return json + "]}";
}

void ClearEdit(TEdit* edit) {
    FocusControl(edit);
    PressKey(edit, Qt::Key_A, Qt::ControlModifier);
    PressKey(edit, Qt::Key_Backspace);
}

class EditorPanelTest : public GenericDialogTest {
protected:
    void SetUp() override {
        GenericDialogTest::SetUp();
        Agent().LoadScenario(WacScenario());
        Dialog = NewDialog();
        Request = NewRequest(Dialog, WACGlobalSettings, SVT_SV, 0);
        Panel = Dialog->SetEditorPanel(Request);
        Rows = Panel->Rows;
        Dialog->SetCaption("Web-based Access Control Global Settings: " + Agent().Address());
    }
    void TearDown() override {
        delete Dialog;
        GenericDialogTest::TearDown();
    }
    void Run(const std::function<void()>& test) { ShowAndRun(Dialog, Panel, test); }
    TCheckBox* Check(int row) const { return Rows->Rows.at(row).CheckBox; }
    bool AnyLeftOut() const {
        for (int i = 0; i < Request->Request.VarList.GetCount(); ++i) {
            if (Request->Request.VarList.GetVariable(i).Access & acInvalid) {
                return true;
            }
        }
        return false;
    }

    TConfigForm* Dialog = nullptr;
    VqSNMPRequest2Edits* Request = nullptr;
    TSNMPEditorPanel* Panel = nullptr;
    TEditsPanel* Rows = nullptr;
};

} // namespace

TEST_F(EditorPanelTest, ReadsTheGroupAndWritesTheCheckedRowsInOneSet) {
    Run([&] {
        EXPECT_TRUE(Status(Panel).starts_with("Get: Ok!")) << Status(Panel);
        EXPECT_EQ("enabled", ComboOf(Rows, 0)->Text());
        EXPECT_EQ("10.90.90.90", EditOf(Rows, 3)->Text());
        EXPECT_EQ("Line two", EditOf(Rows, 17)->Text());
        EXPECT_EQ("Set Checked", Panel->Buttons->SetButton->Caption());
        EXPECT_FALSE(Panel->Buttons->SetButton->Enabled());

        ClickControl(Check(2));
        ClickControl(Check(17));
        TypeText(EditOf(Rows, 17), "!");
        Choose(ComboOf(Rows, 6), "enabled"); // changed but not checked: not written
        ClickControl(Panel->Buttons->SetButton);
        EXPECT_TRUE(Status(Panel).starts_with("Set: Ok!")) << Status(Panel);
        EXPECT_FALSE(AnyLeftOut());
        EXPECT_EQ(1, Request->Mode) << "the request is asynchronous again";
    });
    const std::vector<SimSetPdu> log = Agent().SetLog();
    ASSERT_EQ(1u, log.size());
    EXPECT_EQ("noError", log[0].Status);
    EXPECT_EQ((std::vector<SimVarBind>{{kWac + "5.0", SimValue::Octets("/home")},
                                       {kWac + "36.0", SimValue::Octets("Line two!")}}),
              log[0].VarBinds);
    EXPECT_EQ(SimValue::Octets("Line two!"), Agent().Value(kWac + "36.0"));
    EXPECT_EQ(SimValue::Int(2), Agent().Value(kWac + "11.0"));
}

TEST_F(EditorPanelTest, AnEmptyCheckedRowStopsTheWriteExceptAtPosition17) {
    const struct {
        int Row;
        bool Refused;
    } cases[] = {{16, true}, {17, false}, {18, true}};
    Run([&] {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.Row);
            Agent().ClearSetLog();
            ClickControl(Panel->Buttons->ClearChecksButton);
            ClickControl(Check(c.Row));
            ClearEdit(EditOf(Rows, c.Row));
            if (c.Refused) {
                Dialogs.Expect(DialogKind::Dialog, "Warning", "Some items are empty!");
            }
            ClickControl(Panel->Buttons->SetButton);
            EXPECT_EQ(0, Dialogs.Pending());
            EXPECT_FALSE(AnyLeftOut());
            if (c.Refused) {
                EXPECT_TRUE(Agent().SetLog().empty());
            } else {
                ASSERT_EQ(1u, Agent().SetLog().size());
                EXPECT_EQ((std::vector<SimVarBind>{{kWac + "36.0", SimValue::Octets("")}}),
                          Agent().SetLog()[0].VarBinds);
            }
        }
    });
}

TEST_F(EditorPanelTest, AFailedSetIsReportedAndLeavesOnlyTheCallersFlags) {
    // A variable the caller keeps out of every request stays out after a write.
    Request->Request.VarList.GetVariable(20).Access |= acInvalid;
    Agent().InjectError(kWac, "genErr", SimOp::Set);
    Run([&] {
        ClickControl(Panel->Buttons->CheckAllButton);
        Dialogs.Expect(DialogKind::Box, "ZQS-4410-Series", "(SNMP) Cannot perform operation, General Error!");
        ClickControl(Panel->Buttons->SetButton);
        EXPECT_EQ(0, Dialogs.Pending());
        for (int i = 0; i < 20; ++i) {
            EXPECT_FALSE(Request->Request.VarList.GetVariable(i).Access & acInvalid) << i;
        }
        EXPECT_TRUE(Request->Request.VarList.GetVariable(20).Access & acInvalid);
    });
    ASSERT_EQ(1u, Agent().SetLog().size());
    EXPECT_EQ(20u, Agent().SetLog()[0].VarBinds.size()); // every row ticked, row 20 kept out
}

TEST_F(EditorPanelTest, AStoppedReadDoesNotStopTheNextWrite) {
    Run([&] {
        Panel->Buttons->StopButton->Show();
        Panel->Buttons->ArrangeButtons();
        ClickControl(Panel->Buttons->StopButton);
        EXPECT_FALSE(Request->Request.Active);
        ClickControl(Check(10));
        ClickControl(Panel->Buttons->SetButton);
    });
    ASSERT_EQ(1u, Agent().SetLog().size());
    EXPECT_EQ((std::vector<SimVarBind>{{kWac + "15.0", SimValue::Int(2)}}), Agent().SetLog()[0].VarBinds);
}

TEST_F(EditorPanelTest, RefreshDuringAReadOnlyActivatesItAndStopReenablesRefresh) {
    int reads = 0;
    Request->OnGetDone = [&](VqSNMPRequest2Controls*, const VqSNMPError&) { ++reads; };
    Run([&] {
        ASSERT_EQ(1, reads);
        Agent().SetDelay(kWac, 400, SimOp::Get);
        ClickControl(Panel->Buttons->RefreshButton);
        ASSERT_TRUE(Request->Busy);
        Request->Request.Active = false;
        ClickControl(Panel->Buttons->RefreshButton);
        EXPECT_TRUE(Request->Request.Active);
        EXPECT_TRUE(Request->Busy);
        ASSERT_TRUE(WaitIdle(Request));
        EXPECT_EQ(2, reads);

        Panel->Buttons->StopButton->Show();
        Panel->Buttons->ArrangeButtons();
        Panel->Buttons->RefreshButton->SetEnabled(false);
        ClickControl(Panel->Buttons->StopButton);
        EXPECT_TRUE(Panel->Buttons->RefreshButton->Enabled());
        EXPECT_FALSE(Request->Request.Active);
    });
}

TEST_F(EditorPanelTest, ARowShowingActiveBehindAHiddenBoxIsWrittenOnlyWithTag100) {
    static constexpr MibTableRow kStatusGroup[] = {
        {"1.3.6.1.4.1.746.99.6.1", "Uptime", itTimeTicks, acReadOnly},
        {"1.3.6.1.4.1.746.99.6.2", "Status", itInteger, acReadWrite, &RowStatusList},
        {},
    };
    Agent().LoadScenario(R"({"objects": [["1.3.6.1.4.1.746.99.6.1.0", "timeticks", 100],
                                         ["1.3.6.1.4.1.746.99.6.2.0", "int", 1, "rw"]]})");
    for (int tag : {0, kTagKeepActive}) {
        SCOPED_TRACE(tag);
        Agent().ClearSetLog();
        TConfigForm* dialog = NewDialog();
        VqSNMPRequest2Edits* request = NewRequest(dialog, kStatusGroup, SVT_SV, 0);
        TSNMPEditorPanel* panel = dialog->SetEditorPanel(request);
        panel->Rows->Rows[1].Control->SetTag(tag);
        ShowAndRun(dialog, panel, [&] {
            EXPECT_EQ("active", ComboOf(panel->Rows, 1)->Text());
            EXPECT_EQ("Set", panel->Buttons->SetButton->Caption());
            ClickControl(panel->Buttons->SetButton);
        });
        delete dialog;
        const std::vector<SimSetPdu> log = Agent().SetLog();
        if (tag == kTagKeepActive) {
            ASSERT_EQ(1u, log.size());
            EXPECT_EQ((std::vector<SimVarBind>{{"1.3.6.1.4.1.746.99.6.2.0", SimValue::Int(1)}}),
                      log[0].VarBinds);
        } else {
            EXPECT_TRUE(log.empty());
        }
    }
}

TEST_F(EditorPanelTest, AFormOfItsOwnHostsThePanelWithinBounds) {
    static constexpr MibTableRow kOne[] = {{"1.3.6.1.4.1.746.99.6.3", "Name", itDisplayString, acReadWrite},
                                           {}};
    const struct {
        const char* Name;
        const MibTableRow* Table;
    } cases[] = {{"narrow", kOne}, {"tall", WACGlobalSettings}};
    for (const auto& c : cases) {
        std::unique_ptr<TForm> form(CreateForm<TForm>(Application));
        form->SetClientWidth(100);
        form->SetClientHeight(50);
        VqSNMPRequest2Edits request(form.get());
        request.Request.VarList = VqSNMPVarList(c.Table, SVT_SV, 0);
        auto* panel = new TSNMPEditorPanel(form.get(), &request);
        const int naturalHeight = panel->Height();
        panel->FitForm(form.get());
        EXPECT_EQ(form.get(), panel->HostForm);
        EXPECT_EQ(poMainFormCenter, form->Position());
        EXPECT_GE(form->ClientWidth(), 350) << c.Name;
        EXPECT_LE(form->ClientWidth(), 800) << c.Name;
        EXPECT_EQ(std::min(naturalHeight, 550), form->ClientHeight()) << c.Name;
        EXPECT_EQ(alClient, panel->Align());
        form.reset();
    }
}

} // namespace snmp_editor_panel_test
