// The four DDM dialogs: caption, list kind, layout and height of each, and what each lets the
// user write.
#include "DDMDialogs.h"

#include "GenericDialogFixture.h"

namespace ddm_dialogs_test {

namespace {

const std::string kDdm = "1.3.6.1.4.1.746.12.72.";

const char* const kDdmScenario = R"({
  "objects": [["1.3.6.1.4.1.746.12.72.1.1.0", "int", 1, "rw"], ["1.3.6.1.4.1.746.12.72.1.2.0", "int", 2, "rw"],
              ["1.3.6.1.4.1.746.12.72.1.3.0", "int", 1, "rw"]],
  "tables": [
    {"entry": "1.3.6.1.4.1.746.12.72.2.1.1.1", "columns": [[2, "string"], [3, "string"], [4, "string"],
      [5, "string"], [6, "string"]],
     "rows": [["25", "35.2", "3.30", "6.1", "-2.2", "-5.0"], ["26", "36.0", "3.29", "6.4", "-2.0", "-4.8"]]},
    {"entry": "1.3.6.1.4.1.746.12.72.3.1.1.1", "columns": [[2, "string", "rw"], [3, "string", "rw"],
      [4, "string", "rw"], [5, "string", "rw"]],
     "rows": [["25.1", "80", "-10", "75", "-5"], ["25.2", "3.6", "3.0", "3.5", "3.1"]]},
    {"entry": "1.3.6.1.4.1.746.12.72.3.2.2.1", "columns": [[1, "int", "rw"], [2, "int", "rw"]],
     "rows": [["25", 1, 1], ["26", 2, 3]]}]})";

using DdmDialogsTest = GenericDialogTest;

} // namespace

TEST_F(DdmDialogsTest, EachDialogHasItsCaptionListAndHeight) {
    Agent().LoadScenario(kDdmScenario);
    const struct {
        void (*Show)(const std::string&, double);
        const char* Caption;
        int Kind;
        int KeyCount;
        uint8_t FormType;
        int Rows; // read from the switch
    } cases[] = {
        {ShowDDMInformationSettings, "DDM Information Settings: ", MVT_FMV, 0, TConfigForm::ftEditor, 1},
        {ShowDDMStatusTable, "DDM Status Table: ", MVT_FMV, 1, TConfigForm::ftTable, 2},
        {ShowDDMThresholdManagementTable, "DDM Threshold Management Table: ", MVT_UMV, 2,
         TConfigForm::ftTable, 2},
        {ShowDDMPortManagementTable, "DDM Port Management Table: ", MVT_UMV, 1, TConfigForm::ftTable, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Caption);
        int heights[2] = {0, 0};
        const double scales[2] = {1.0, 1.25};
        for (int s = 0; s < 2; ++s) {
            const std::string address = s == 0 ? Agent().Address() : "";
            ModalDriver driver;
            driver.Then([&](TForm* form) {
                struct {
                    TConfigForm* Dialog;
                    TSNMPPanel* Panel;
                } shown{dynamic_cast<TConfigForm*>(form), PanelOf(form)};
                ASSERT_NE(nullptr, shown.Dialog);
                ASSERT_NE(nullptr, shown.Panel);
                EXPECT_EQ(c.Caption + address, form->Caption());
                EXPECT_EQ(c.FormType, shown.Dialog->FormType);
                ASSERT_EQ(1u, shown.Dialog->Requests.size());
                VqSNMPRequest2Edits* request = shown.Dialog->Requests[0];
                EXPECT_EQ(c.Kind, request->Request.VarList.Kind);
                EXPECT_EQ(c.KeyCount, request->Request.VarList.KeyCount);
                ASSERT_TRUE(WaitIdle(request));
                EXPECT_EQ(c.Rows, request->RowCount);
                EXPECT_TRUE(Status(shown.Panel).starts_with("Get: Ok!")) << Status(shown.Panel);
                heights[s] = form->Height();
                ClickControl(shown.Panel->Buttons->CloseButton);
            });
            c.Show(address, scales[s]);
        }
        if (c.FormType == TConfigForm::ftEditor) {
            EXPECT_EQ(heights[0], heights[1]); // the editor keeps the height its layout gives it
        } else {
            EXPECT_EQ(450, heights[0]);
            EXPECT_EQ(562, heights[1]);
        }
    }
}

TEST_F(DdmDialogsTest, TheTablesAreNeverAddedToAndOnlyTheSettingTablesEdited) {
    Agent().LoadScenario(kDdmScenario);
    const struct {
        void (*Show)(const std::string&, double);
        bool Edit;
    } cases[] = {{ShowDDMStatusTable, false},
                 {ShowDDMThresholdManagementTable, true},
                 {ShowDDMPortManagementTable, true}};
    for (const auto& c : cases) {
        ModalDriver driver;
        driver.Then([&](TForm* form) {
            auto* panel = PanelOf<TSNMPListViewPanel>(form);
            ASSERT_NE(nullptr, panel);
            EXPECT_EQ(c.Edit, panel->Buttons->EditButton->Visible());
            EXPECT_FALSE(panel->Buttons->AddButton->Visible());
            EXPECT_FALSE(panel->Buttons->DeleteButton->Visible());
            ClickControl(panel->Buttons->CloseButton);
        });
        c.Show(Agent().Address(), 1.0);
    }
}

TEST_F(DdmDialogsTest, TheStatusTableOpensAnEditDialogThatCannotWrite) {
    Agent().LoadScenario(kDdmScenario);
    ModalDriver driver;
    driver.Then([&](TForm* form) {
        auto* panel = PanelOf<TSNMPListViewPanel>(form);
        ASSERT_NE(nullptr, panel);
        ASSERT_TRUE(WaitIdle(panel->Request));
        TListView* list = panel->ListPanel->ListView;
        ASSERT_EQ(2, list->Items().Count());
        EXPECT_EQ("35.2", list->Items()[0]->SubItems()[0]);
        int left, top, width, height;
        ASSERT_TRUE(list->RowRect(0, left, top, width, height));
        DoubleClickAt(list, left + width / 2, top + height / 2);
        ClickControl(panel->Buttons->CloseButton);
    });
    driver.Then([&](TForm* edit) {
        EXPECT_EQ("DDM Status Table: " + Agent().Address() + " (Edit)", edit->Caption());
        TSNMPPanel* panel = PanelOf(edit);
        ASSERT_NE(nullptr, panel);
        EXPECT_FALSE(panel->Buttons->SetButton->Visible());
        EXPECT_FALSE(panel->Buttons->CheckAllButton->Visible());
        EXPECT_FALSE(panel->Buttons->ClearChecksButton->Visible());
        ClickControl(panel->Buttons->CloseButton);
    });
    ShowDDMStatusTable(Agent().Address(), 1.0);
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(DdmDialogsTest, ASetInTheInformationSettingsLandsAtTheScalarInstance) {
    Agent().LoadScenario(kDdmScenario);
    ModalDriver driver;
    driver.Then([&](TForm* form) {
        auto* panel = PanelOf<TSNMPEditorPanel>(form);
        ASSERT_NE(nullptr, panel);
        ASSERT_TRUE(WaitIdle(panel->Request));
        EXPECT_EQ("enabled", ComboOf(panel->Rows, 0)->Text());
        ClickControl(panel->Rows->Rows[0].CheckBox);
        Choose(ComboOf(panel->Rows, 0), "disabled");
        ClickControl(panel->Buttons->SetButton);
        ClickControl(panel->Buttons->CloseButton);
    });
    ShowDDMInformationSettings(Agent().Address(), 1.25);
    const std::vector<SimSetPdu> log = Agent().SetLog();
    ASSERT_EQ(1u, log.size());
    EXPECT_EQ((std::vector<SimVarBind>{{kDdm + "1.1.0", SimValue::Int(2)}}), log[0].VarBinds);
}

} // namespace ddm_dialogs_test
