// The table panel against the simulated switch: the list, the Add and Edit dialogs, Delete through
// the row-status column, list clicks and hints; and Stop against an agent whose table never ends.
#include "CatalogueOptionLists.h"
#include "GenericDialogFixture.h"
#include "HostileAgent.h"
#include "Oid_voicevlan.h"

#include <QtTest/QtTest>

namespace snmp_list_view_panel_test {

namespace {

const std::string kOui = "1.3.6.1.4.1.746.12.74.3.1.1.";
enum { kMac, kMask, kDescription, kRowStatus };

const char* const kOuiScenario = R"({"tables": [{"entry": "1.3.6.1.4.1.746.12.74.3.1.1",
    "columns": [[2, "hex", "rw"], [3, "string", "rw"], [4, "rowstatus"]],
    "rows": [["0.1.227.0.0.0", "FFFFFF000000", "Siemens", 1],
             ["0.208.184.0.0.0", "FFFFFF000000", "Veritel", 1]]}]})";

// The hostile agent's table: an integer and a text column.
constexpr MibTableRow kHostileTable[] = {
    {" ", "Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.99.1.1.2", "Speed", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.99.1.1.3", "Name", itDisplayString, acReadOnly},
    {},
};

class ListPanelTest : public GenericDialogTest {
protected:
    // The voice VLAN OUI table as its menu command builds it: rows are created with "createAndGo"
    // and deleted with "destroy" through the row-status column.
    void Build(const std::string& scenario = kOuiScenario) {
        Agent().LoadScenario(scenario);
        Dialog = NewDialog();
        Request = NewRequest(Dialog, VoiceVLANOUITable, MVT_UMV, 1);
        Panel = Dialog->SetListViewPanel(Request, kRowStatus, "createAndGo", kRowStatus, "destroy");
        Rows = Panel->Rows;
        List = Panel->ListPanel->ListView;
        Dialog->SetCaption("Voice VLAN OUI Table: " + Agent().Address());
    }
    void TearDown() override {
        delete Dialog;
        GenericDialogTest::TearDown();
    }
    void Run(const std::function<void()>& test,
             const std::vector<std::function<void(TForm*)>>& subDialogs = {}) {
        ShowAndRun(Dialog, Panel, test, subDialogs);
    }
    // Row `row` of the list, as the user sees it: the caption and the sub-items.
    std::vector<std::string> Row(int row) const {
        std::vector<std::string> cells{List->Items()[row]->Caption()};
        for (const std::string& s : List->Items()[row]->SubItems().List()) {
            cells.push_back(s);
        }
        return cells;
    }
    TCtrlBtnPanel* Buttons() const { return Panel->Buttons; }

    TConfigForm* Dialog = nullptr;
    VqSNMPRequest2Edits* Request = nullptr;
    TSNMPListViewPanel* Panel = nullptr;
    TEditsPanel* Rows = nullptr;
    TListView* List = nullptr;
};

} // namespace

TEST_F(ListPanelTest, ListsTheRowsWithTheirCount) {
    Build();
    Run([&] {
        ASSERT_EQ(2, List->Items().Count());
        EXPECT_EQ("2", Buttons()->CountText->Caption());
        EXPECT_EQ((std::vector<std::string>{"0001E3000000", "FFFFFF000000", "Siemens", "active"}), Row(0));
        EXPECT_EQ(nullptr, List->Selected());
        for (TBitBtn* b : {Buttons()->RefreshButton, Buttons()->EditButton, Buttons()->AddButton,
                           Buttons()->DeleteButton, Buttons()->CloseButton}) {
            EXPECT_TRUE(b->Visible()) << b->Caption();
        }
        EXPECT_FALSE(Buttons()->EditButton->Enabled());
        EXPECT_FALSE(Buttons()->DeleteButton->Enabled());
        EXPECT_TRUE(Buttons()->AddButton->Enabled());
        EXPECT_FALSE(Buttons()->SetButton->Visible());
        EXPECT_TRUE(Buttons()->SamplesLabel->Visible());
        ClickListRow(List, 1);
        EXPECT_TRUE(Buttons()->EditButton->Enabled());
        EXPECT_TRUE(Buttons()->DeleteButton->Enabled());
        ClickControl(Buttons()->RefreshButton);
        ASSERT_TRUE(WaitIdle(Request));
        EXPECT_FALSE(Buttons()->EditButton->Enabled());
        EXPECT_EQ("2", Buttons()->CountText->Caption());
    });
}

TEST_F(ListPanelTest, AddSendsOneSetAtTheTypedIndexAndTheRowAppears) {
    Build();
    auto subDialog = [&](TForm* add) {
        EXPECT_EQ("Voice VLAN OUI Table: " + Agent().Address() + " (Add)", add->Caption());
        const UISnmpVar& key = Rows->Rows[kMac];
        EXPECT_TRUE(key.CheckBox->Checked() && key.CheckBox->Visible() && !key.CheckBox->Enabled());
        const UISnmpVar& status = Rows->Rows[kRowStatus];
        EXPECT_FALSE(status.Control->Visible() || status.CheckBox->Visible() || status.Label->Visible());
        EXPECT_TRUE(status.CheckBox->Checked());
        EXPECT_EQ("createAndGo", ComboOf(Rows, kRowStatus)->Text());
        TSNMPPanel* panel = PanelOf(add);
        ASSERT_NE(nullptr, panel);
        EXPECT_FALSE(panel->Buttons->RefreshButton->Visible());
        EXPECT_EQ("Set Checked", panel->Buttons->SetButton->Caption());
        TypeText(EditOf(Rows, kMac), "00E0BB000000");
        ClickControl(Rows->Rows[kMask].CheckBox);
        TypeText(EditOf(Rows, kMask), "FFFFFF000000");
        ClickControl(Rows->Rows[kDescription].CheckBox);
        TypeText(EditOf(Rows, kDescription), "3Com");
        ClickControl(panel->Buttons->SetButton);
        EXPECT_NE(mrNone, add->ModalResult()) << "the Add dialog closes after its SET";
    };
    Run(
        [&] {
            // A click into the list (which stops a read) does not keep the new row from being written.
            ClickListRow(List, 0);
            ClickControl(Buttons()->AddButton);
            EXPECT_FALSE(Rows->Visible());
            EXPECT_EQ(Panel->ClientPanel, Rows->Parent());
            ASSERT_TRUE(WaitIdle(Request)); // the list is read again
            EXPECT_EQ(3, List->Items().Count());
            EXPECT_EQ("3", Buttons()->CountText->Caption());
        },
        {subDialog});
    const std::vector<SimSetPdu> log = Agent().SetLog();
    ASSERT_EQ(1u, log.size());
    const std::string instance = ".0.224.187.0.0.0";
    EXPECT_EQ((std::vector<SimVarBind>{
                  {kOui + "2" + instance, SimValue::Octets(std::string("\xFF\xFF\xFF\0\0\0", 6))},
                  {kOui + "3" + instance, SimValue::Octets("3Com")},
                  {kOui + "4" + instance, SimValue::Int(4)}}),
              log[0].VarBinds);
    EXPECT_EQ(SimValue::Int(1), Agent().Value(kOui + "4" + instance));
}

TEST_F(ListPanelTest, AnAddDialogWithAnEmptyCheckedRowStaysOpen) {
    Build();
    auto subDialog = [&](TForm* add) {
        TSNMPPanel* panel = PanelOf(add);
        ClickControl(Rows->Rows[kDescription].CheckBox);
        Dialogs.Expect("Some items are empty!");
        ClickControl(panel->Buttons->SetButton); // the key is empty too
        EXPECT_EQ(mrNone, add->ModalResult());
        ClickControl(panel->Buttons->CloseButton);
    };
    Run([&] { ClickControl(Buttons()->AddButton); }, {subDialog});
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(ListPanelTest, EditSendsEveryCheckedColumnOfTheSelectedRow) {
    Build();
    const std::vector<std::string> statusItems = ComboOf(Rows, kRowStatus)->Items().List();
    auto subDialog = [&](TForm* edit) {
        EXPECT_EQ("Voice VLAN OUI Table: " + Agent().Address() + " (Edit)", edit->Caption());
        TSNMPPanel* panel = PanelOf(edit);
        EXPECT_FALSE(panel->Buttons->SetButton->Enabled());
        EXPECT_TRUE(EditOf(Rows, kMac)->ReadOnly());
        EXPECT_EQ("0001E3000000", EditOf(Rows, kMac)->Text());
        EXPECT_EQ("Siemens", EditOf(Rows, kDescription)->Text());
        EXPECT_FALSE(Rows->Rows[kRowStatus].Control->Visible());
        // The values that create and delete rows are not offered while a row is edited.
        const std::vector<std::string> offered = ComboOf(Rows, kRowStatus)->Items().List();
        EXPECT_EQ((std::vector<std::string>{"active", "notInService", "notReady", "createAndWait"}), offered);
        ClickControl(Rows->Rows[kMask].CheckBox);
        ClickControl(Rows->Rows[kDescription].CheckBox);
        TypeText(EditOf(Rows, kDescription), " AG");
        ClickControl(panel->Buttons->SetButton);
    };
    Run(
        [&] {
            ClickListRow(List, 0);
            ClickControl(Buttons()->EditButton);
            ASSERT_TRUE(WaitIdle(Request)); // the list is read again
            ASSERT_EQ(2, List->Items().Count());
            EXPECT_EQ((std::vector<std::string>{"0001E3000000", "FFFFFF000000", "Siemens AG", "active"}),
                      Row(0));
        },
        {subDialog});
    EXPECT_EQ(statusItems, ComboOf(Rows, kRowStatus)->Items().List());
    const std::vector<SimSetPdu> log = Agent().SetLog();
    ASSERT_EQ(1u, log.size());
    const std::string instance = ".0.1.227.0.0.0";
    EXPECT_EQ((std::vector<SimVarBind>{
                  {kOui + "2" + instance, SimValue::Octets(std::string("\xFF\xFF\xFF\0\0\0", 6))},
                  {kOui + "3" + instance, SimValue::Octets("Siemens AG")}}),
              log[0].VarBinds);
}

TEST_F(ListPanelTest, DeleteAsksAndSendsOnlyTheDeleteValue) {
    Build();
    Run([&] {
        ClickListRow(List, 1);
        Dialogs.Expect(DialogKind::Dialog, "Confirmation", "Are you sure to delete it?", mrCancel);
        ClickControl(Buttons()->DeleteButton);
        EXPECT_TRUE(Agent().SetLog().empty());
        EXPECT_EQ(2, List->Items().Count());

        ClickListRow(List, 1);
        Dialogs.Expect("Are you sure to delete it?", mrOk);
        ClickControl(Buttons()->DeleteButton);
        // The list is read again before Delete returns.
        EXPECT_FALSE(Request->Busy);
        ASSERT_EQ(1, List->Items().Count());
        EXPECT_EQ("Siemens", Row(0)[2]);
        EXPECT_EQ(1, Request->Mode);
    });
    const std::vector<SimSetPdu> log = Agent().SetLog();
    ASSERT_EQ(1u, log.size());
    EXPECT_EQ((std::vector<SimVarBind>{{kOui + "4.0.208.184.0.0.0", SimValue::Int(6)}}), log[0].VarBinds);
    EXPECT_FALSE(Agent().Value(kOui + "3.0.208.184.0.0.0"));
}

TEST_F(ListPanelTest, ADoubleClickOpensTheEditDialogEvenWithEditHidden) {
    Build();
    Buttons()->EditButton->Hide();
    Buttons()->ArrangeButtons();
    auto subDialog = [&](TForm* edit) {
        EXPECT_EQ("Veritel", EditOf(Rows, kDescription)->Text());
        ClickControl(PanelOf(edit)->Buttons->CloseButton);
    };
    Run(
        [&] {
            int left, top, width, height;
            ASSERT_TRUE(List->RowRect(1, left, top, width, height));
            DoubleClickAt(List, left + width / 2, top + height / 2);
        },
        {subDialog});
}

TEST_F(ListPanelTest, ARowStatusOfferingOnlyTheAddValueLosesItsRowWhileEditing) {
    static const OptionSourceRow kCreateOnly[] = {{4, nullptr, "createAndGo"}, {}};
    static const VqOptionList kCreateOnlyList(kCreateOnly, olIntegerValues, false);
    static constexpr MibTableRow kTable[] = {
        {" ", "Index", itInteger, acNotAccess},
        {"1.3.6.1.4.1.746.99.7.1.1.2", "Name", itDisplayString, acReadWrite},
        {"1.3.6.1.4.1.746.99.7.1.1.3", "Status", itInteger, acReadWrite, &kCreateOnlyList},
        {},
    };
    Agent().LoadScenario(R"({"tables": [{"entry": "1.3.6.1.4.1.746.99.7.1.1",
        "columns": [[2, "string", "rw"], [3, "rowstatus"]], "rows": [["1", "one", 4]]}]})");
    Dialog = NewDialog();
    Request = NewRequest(Dialog, kTable, MVT_UMV, 1);
    Panel = Dialog->SetListViewPanel(Request, 2, "createAndGo", -1, nullptr);
    Rows = Panel->Rows;
    List = Panel->ListPanel->ListView;
    Rows->Rows[2].Control->SetTag(kTagKeepActive); // the Edit dialog would show the add row
    EXPECT_FALSE(Buttons()->DeleteButton->Visible());
    auto subDialog = [&](TForm* edit) {
        EXPECT_FALSE(Rows->Rows[2].Control->Visible());
        EXPECT_TRUE(Request->Request.VarList.GetVariable(2).Access & acHidden);
        ClickControl(PanelOf(edit)->Buttons->CloseButton);
    };
    Run(
        [&] {
            ClickListRow(List, 0);
            ClickControl(Buttons()->EditButton);
            EXPECT_TRUE(Rows->Rows[2].Control->Visible());
            EXPECT_FALSE(Request->Request.VarList.GetVariable(2).Access & acHidden);
            EXPECT_EQ((std::vector<std::string>{"createAndGo"}), ComboOf(Rows, 2)->Items().List());
        },
        {subDialog});
}

TEST_F(ListPanelTest, AClickIntoTheListStopsARunningWalkAndRefreshWaitsForIt) {
    std::string rows;
    for (int i = 1; i <= 8; ++i) {
        rows += (i > 1 ? "," : "") + std::string("[\"0.1.227.0.0.") + std::to_string(i) +
                R"(", "FFFFFF000000", "Vendor", 1])";
    }
    Build(R"({"tables": [{"entry": "1.3.6.1.4.1.746.12.74.3.1.1",
        "columns": [[2, "hex", "rw"], [3, "string", "rw"], [4, "rowstatus"]], "rows": [)" +
          rows + "]}]}");
    int reads = 0;
    Request->OnGetDone = [&](VqSNMPRequest2Controls*, const VqSNMPError&) { ++reads; };
    Run([&] {
        ASSERT_EQ(8, List->Items().Count());
        Agent().SetDelay(kOui, 150, SimOp::Next);
        ClickControl(Buttons()->RefreshButton);
        ASSERT_TRUE(WaitFor([&] { return List->Items().Count() >= 2; }));
        ClickControl(Buttons()->RefreshButton); // a read runs: nothing happens
        ClickListRow(List, 0);
        EXPECT_FALSE(Request->Request.Active);
        ASSERT_TRUE(WaitIdle(Request));
        EXPECT_LT(List->Items().Count(), 8);
        EXPECT_GE(List->Items().Count(), 2);
        EXPECT_EQ(2, reads);
        EXPECT_TRUE(Buttons()->EditButton->Enabled());
    });
}

TEST_F(ListPanelTest, TheHintListsEveryColumnWithItsValue) {
    static constexpr MibTableRow kPorts[] = {
        {" ", "Port", itInteger, acNotAccess},
        {"1.3.6.1.4.1.746.99.7.2.1.2", "State", itInteger, acReadWrite, &EnabledDisabledList},
        {},
    };
    Agent().LoadScenario(R"({"tables": [{"entry": "1.3.6.1.4.1.746.99.7.2.1",
        "columns": [[2, "int", "rw"]], "rows": [["1", 1], ["2", 2]]}]})");
    Dialog = NewDialog();
    Request = NewRequest(Dialog, kPorts, MVT_UMV, 1);
    Panel = Dialog->SetListViewPanel(Request, -1, nullptr, -1, nullptr);
    List = Panel->ListPanel->ListView;
    EXPECT_FALSE(Panel->Buttons->AddButton->Visible());
    EXPECT_FALSE(Panel->Buttons->DeleteButton->Visible());
    Run([&] {
        int left, top, width, height;
        ASSERT_TRUE(List->RowRect(1, left, top, width, height));
        MoveMouseTo(List, left + 5, top + height / 2);
        EXPECT_TRUE(List->ShowHint());
        EXPECT_EQ("Port\t  2\nState  disabled\n", List->Hint());
        MoveMouseTo(List, left + 5, top + 10 * height);
        EXPECT_FALSE(List->ShowHint());
    });
}

TEST_F(ListPanelTest, AnAddDialogAfterAReadOfAKind2TableOffersEnabledFields) {
    Agent().LoadScenario(kOuiScenario);
    Dialog = NewDialog();
    Request = NewRequest(Dialog, VoiceVLANOUITable, MVT_FMV, 1);
    Panel = Dialog->SetListViewPanel(Request, kRowStatus, "createAndGo", kRowStatus, "destroy");
    Rows = Panel->Rows;
    auto subDialog = [&](TForm* add) {
        for (int row : {kMac, kMask, kDescription}) {
            EXPECT_TRUE(EditOf(Rows, row)->Enabled()) << row;
        }
        add->Close();
    };
    Run([&] { ClickControl(Buttons()->AddButton); }, {subDialog});
}

TEST_F(ListPanelTest, WithTag100TheEditDialogShowsTheRowStatusAndWritesItActive) {
    Build();
    Rows->Rows[kRowStatus].Control->SetTag(kTagKeepActive);
    auto subDialog = [&](TForm* edit) {
        const UISnmpVar& status = Rows->Rows[kRowStatus];
        EXPECT_TRUE(status.Control->Visible() && status.CheckBox->Visible() && status.Label->Visible());
        EXPECT_EQ("active", ComboOf(Rows, kRowStatus)->Text());
        ClickControl(status.CheckBox);
        ClickControl(PanelOf(edit)->Buttons->SetButton);
    };
    Run(
        [&] {
            ClickListRow(List, 1);
            ClickControl(Buttons()->EditButton);
            ASSERT_TRUE(WaitIdle(Request));
        },
        {subDialog});
    ASSERT_EQ(1u, Agent().SetLog().size());
    EXPECT_EQ((std::vector<SimVarBind>{{kOui + "4.0.208.184.0.0.0", SimValue::Int(1)}}),
              Agent().SetLog()[0].VarBinds);
}

TEST_F(ListPanelTest, StopEndsTheWalkOfAnEndlessTableWithinOneReply) {
    HostileAgent& hostile = HostileAgent::Shared();
    hostile.Reset();
    hostile.SetScenario("endless-table");
    SessionParameters.Device = {hostile.Address(), static_cast<uint16_t>(hostile.Port())};
    Dialog = NewDialog();
    Request = NewRequest(Dialog, kHostileTable, MVT_UMV, 1);
    Panel = Dialog->SetListViewPanel(Request, -1, nullptr, -1, nullptr);
    Panel->ShowStopButton();
    List = Panel->ListPanel->ListView;
    ModalDriver driver;
    driver.Then([&](TForm*) {
        ASSERT_TRUE(WaitFor([&] { return List->Items().Count() >= 30; }, 10000));
        EXPECT_TRUE(Request->Busy);
        ClickControl(Buttons()->StopButton);
        const int atStop = List->Items().Count();
        ASSERT_TRUE(WaitIdle(Request));
        EXPECT_LE(List->Items().Count(), atStop + 1) << "more than the reply in flight was taken";
        EXPECT_EQ(hostile.Requests().size(), static_cast<size_t>(List->Items().Count()))
            << "a step after Stop";
        EXPECT_TRUE(Status(Panel).starts_with("Get: Stop, SNMP Request is not active. Receive at "))
            << Status(Panel);
        ClickControl(Buttons()->CloseButton);
    });
    Dialog->ShowModal();
    EXPECT_EQ(0, driver.Pending());
    EXPECT_EQ("", hostile.TakeErrors());
}

} // namespace snmp_list_view_panel_test
