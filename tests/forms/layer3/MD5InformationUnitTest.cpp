#include "MD5InformationUnit.h"

#include "CaptionCheck.h"
#include "CatalogueColumns.h"
#include "ColumnNames.h"
#include "DedicatedDialogRegistry.h"
#include "DedicatedDialogs.h"
#include "DialogLayout.h"
#include "FormsSimTest.h"
#include "MD5InformationEditUnit.h"
#include "RelayKeyScenario.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TStaticText.h"
#include "TStatusBar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace md5_information_unit_test {

namespace {

using namespace relay_key_scenario;

constexpr const char* kCommand = "MD5Information1Click";
constexpr const char* kTitle = "MD5 Information Table";
constexpr auto& kColumns = Columns::MD5Information;
const std::string kKeyOid = Md5Entry() + ".2";
const std::string kStatusOid = Md5Entry() + ".3";

class Md5KeySim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(Scenario());
    }
    // The edit dialog's handler, run inside its modal loop; the dialog closed if it stays open.
    static std::function<void(TForm*)> Edit(const std::function<void(TMD5InformationEditForm*)>& handler) {
        return SubForm<TMD5InformationEditForm>(handler);
    }
    static int Row(const TMD5InformationForm* d, const std::string& keyId) {
        return RowWhere(d->Table, {{ColumnOf(kColumns, "Key ID"), keyId}});
    }
};

} // namespace

TEST_F(Md5KeySim, ItsMenuCommandOpensItWithTheKeysAndEveryCaptionReadsWhole) {
    const std::vector<std::string> missing = ProgramDialogs().Missing();
    EXPECT_EQ(std::find(missing.begin(), missing.end(), "TMD5InformationForm"), missing.end());
    RunDialog<TMD5InformationForm>(
        kCommand, MD5InformationForm,
        [&](TMD5InformationForm* d) {
            EXPECT_EQ(d->Caption(), std::string(kTitle) + ": " + Agent().Address());
            EXPECT_EQ(d->ListView1->Columns().Count(), 3);
            EXPECT_EQ(d->StaticText1->Caption(), "2");
            EXPECT_TRUE(d->btnAdd->Enabled());
            EXPECT_FALSE(d->btnEdit->Enabled());
            EXPECT_FALSE(d->btnDelete->Enabled());
            EXPECT_TRUE(CaptionsReadWhole(d));
            const int row = Row(d, "5");
            ASSERT_GE(row, 0);
            EXPECT_EQ(d->Table.Request->CellText(d->ListView1->Items()[row], ColumnOf(kColumns, "Key")),
                      "ospfkey");
            ClickListRow(d->ListView1, row);
            EXPECT_FALSE(d->btnAdd->Enabled());
            EXPECT_TRUE(d->btnEdit->Enabled());
            EXPECT_TRUE(d->btnDelete->Enabled());
            EXPECT_TRUE(CaptionsReadWhole(d));
            ClickControl(d->btnEdit);
            EXPECT_EQ(d->ListView1->Selected(), nullptr); // the selection cleared after the edit
            EXPECT_FALSE(d->btnEdit->Enabled());
            EXPECT_FALSE(d->btnDelete->Enabled());
            ClickControl(d->btnAdd);
        },
        {Edit([&](TMD5InformationEditForm* e) {
             EXPECT_EQ(e->Caption(), std::string(kTitle) + ": " + Agent().Address() + " (Edit)");
             EXPECT_TRUE(CaptionsReadWhole(e));
             EXPECT_EQ(e->EditKeyID->Text(), "5");
             EXPECT_FALSE(e->EditKeyID->Enabled());
             EXPECT_EQ(e->KeyEdit->Text(), "ospfkey");
             EXPECT_TRUE(e->KeyEdit->Enabled());
             EXPECT_FALSE(e->CheckBox2->Visible());
             EXPECT_FALSE(e->CheckBox3->Visible());
             EXPECT_FALSE(e->cbxRowStatus->Visible());
         }),
         Edit([&](TMD5InformationEditForm* e) {
             EXPECT_EQ(e->Caption(), std::string(kTitle) + ": " + Agent().Address() + " (Add)");
             EXPECT_TRUE(CaptionsReadWhole(e));
             for (TEdit* edit : {e->EditKeyID, e->KeyEdit}) {
                 EXPECT_EQ(edit->Text(), "");
                 EXPECT_TRUE(edit->Enabled());
             }
             for (TCheckBox* box : {e->CheckBox2, e->CheckBox3}) {
                 EXPECT_TRUE(box->Visible());
                 EXPECT_TRUE(box->Checked());
                 EXPECT_FALSE(box->Enabled());
             }
         })});
    EXPECT_EQ(MD5InformationEditForm, nullptr); // it ended with its list dialog
    EXPECT_TRUE(Agent().SetLog().empty());
}

// Neither dialog scales for the screen: the designed size at every DPI.
TEST_F(Md5KeySim, BothDialogsKeepTheirDesignedSizeAtEveryDpi) {
    for (int ppi : {96, 120}) {
        SCOPED_TRACE(ppi);
        ScreenDpi dpi(ppi);
        auto* list = CreateForm<TMD5InformationForm>(Application);
        EXPECT_EQ(list->Width(), 438);
        EXPECT_EQ(list->Height(), 250);
        EXPECT_EQ(MD5InformationEditForm->Width(), 384);
        EXPECT_EQ(MD5InformationEditForm->Height(), 166);
        delete list;
        EXPECT_EQ(MD5InformationEditForm, nullptr);
    }
}

// Add: one PDU {Key, Row Status createAndGo} at the typed key ID; Edit: {Key} alone at the chosen
// key ID; each read again and listed. A key of 17 characters cannot be typed.
TEST_F(Md5KeySim, AddWritesTheKeyWithCreateAndGoAndEditTheKeyAlone) {
    RunDialog<TMD5InformationForm>(
        kCommand, MD5InformationForm,
        [&](TMD5InformationForm* d) {
            ClickControl(d->btnAdd);
            ASSERT_TRUE(WaitForSets(1));
            ASSERT_TRUE(WaitReads(1));
            EXPECT_EQ(d->StaticText1->Caption(), "3");
            ClickListRow(d->ListView1, Row(d, "1"));
            ClickControl(d->btnEdit);
            ASSERT_TRUE(WaitForSets(2));
            ASSERT_TRUE(WaitReads(2));
            const int row = Row(d, "1");
            ASSERT_GE(row, 0);
            EXPECT_EQ(d->Table.Request->CellText(d->ListView1->Items()[row], ColumnOf(kColumns, "Key")),
                      "changed");
        },
        {Edit([&](TMD5InformationEditForm* e) {
             TypeText(e->EditKeyID, "200");
             TypeText(e->KeyEdit, "abcdefghijklmnopq");
             EXPECT_EQ(e->KeyEdit->Text(), "abcdefghijklmnop");
             ClickControl(e->btnEdit);
             EXPECT_NE(e->ModalResult(), mrNone); // closed
         }),
         Edit([&](TMD5InformationEditForm* e) {
             e->KeyEdit->SetText("");
             TypeText(e->KeyEdit, "changed");
             ClickControl(e->btnEdit);
             EXPECT_NE(e->ModalResult(), mrNone);
         })});
    EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{
                             {{kKeyOid + ".200", SimValue::Octets("abcdefghijklmnop")},
                              {kStatusOid + ".200", SimValue::Int(4)}},
                             {{kKeyOid + ".1", SimValue::Octets("changed")}},
                         }));
    EXPECT_EQ(AgentRows(kStatusOid), (std::set<std::string>{"1", "5", "200"}));
}

TEST_F(Md5KeySim, AddWithoutAKeyIdIsRefusedAndSendsNothing) {
    RunDialog<TMD5InformationForm>(kCommand, MD5InformationForm,
                                   [&](TMD5InformationForm* d) { ClickControl(d->btnAdd); },
                                   {Edit([&](TMD5InformationEditForm* e) {
                                       TypeText(e->KeyEdit, "secret");
                                       Dialogs.Expect("Please input an index first");
                                       ClickControl(e->btnEdit);
                                       EXPECT_EQ(Dialogs.Pending(), 0);
                                       EXPECT_EQ(e->ModalResult(), mrNone);
                                       EXPECT_TRUE(e->EditKeyID->Focused());
                                   })});
    EXPECT_TRUE(Agent().SetLog().empty());
}

// Delete: the key as the edit dialog holds it with the row status destroy, no question; without a
// chosen key "Choose the item first." and Delete disabled all the same.
TEST_F(Md5KeySim, DeleteSendsTheKeyWithDestroyWithoutAQuestion) {
    RunDialog<TMD5InformationForm>(kCommand, MD5InformationForm, [&](TMD5InformationForm* d) {
        Dialogs.Expect("Choose the item first.");
        d->btnDeleteClick(d->btnDelete);
        EXPECT_EQ(Dialogs.Pending(), 0);
        EXPECT_FALSE(d->btnDelete->Enabled());

        ClickListRow(d->ListView1, Row(d, "5"));
        ClickControl(d->btnDelete); // no box: the script has none
        EXPECT_FALSE(d->btnDelete->Enabled());
        ASSERT_TRUE(WaitForSets(1));
        ASSERT_TRUE(WaitReads(1));
        EXPECT_EQ(d->StaticText1->Caption(), "1");
    });
    EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{{{kKeyOid + ".5", SimValue::Octets("ospfkey")},
                                                                {kStatusOid + ".5", SimValue::Int(6)}}}));
    EXPECT_EQ(AgentRows(kStatusOid), (std::set<std::string>{"1"}));
}

TEST_F(Md5KeySim, RefreshReadsTheTableAgainAndRewritesTheCount) {
    RunDialog<TMD5InformationForm>(kCommand, MD5InformationForm, [&](TMD5InformationForm* d) {
        Agent().LoadScenario(
            R"({"tables": [{"entry": ")" + Md5Entry() +
            R"(", "columns": [[2, "string", "rw", ""], [3, "rowstatus"]], "rows": [["9", "k", 1]]}]})");
        ClickListRow(d->ListView1, Row(d, "5"));
        ClickControl(d->btnGet);
        EXPECT_FALSE(d->btnEdit->Enabled());
        ASSERT_TRUE(WaitReads(1));
        EXPECT_EQ(d->StaticText1->Caption(), "1");
        EXPECT_GE(Row(d, "9"), 0);
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

// Closing while the first walk still runs (the agent is slow) stops and ends the request with the
// dialog (the sanitizers see none left behind).
TEST_F(Md5KeySim, ClosingDuringADelayedWalkLeavesNoRequestBehind) {
    Agent().SetDelay(Md5Entry(), 300, SimOp::Next);
    std::shared_ptr<const bool> alive;
    RunDialog<TMD5InformationForm>(kCommand, MD5InformationForm,
                                   [&](TMD5InformationForm* d) {
                                       ASSERT_TRUE(d->Table.Request->Busy);
                                       alive = d->Table.Request->Request.LifeToken();
                                       ClickControl(d->btnClose);
                                   },
                                   {}, {.WaitFirstRead = false, .CloseLeftOpen = false});
    ASSERT_NE(alive, nullptr);
    EXPECT_FALSE(*alive); // the request ended with the dialog
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(Md5KeySim, AnUnknownModelTakesTheUnsupportedPathAndSendsNothing) {
    WritableFacts().SysObjectId = "1.3.6.1.4.1.746.10.117.9.1";
    RunDialog<TMD5InformationForm>(kCommand, MD5InformationForm, [&](TMD5InformationForm* d) {
        EXPECT_EQ(StatusPanelOf(d->StatusBar1)->Text(), "Unsupported model");
        EXPECT_EQ(d->ListView1->Items().Count(), 0);
        for (TButton* button : {d->btnAdd, d->btnEdit, d->btnDelete}) {
            EXPECT_FALSE(button->Enabled());
        }
        ClickControl(d->btnGet);
        EXPECT_TRUE(CaptionsReadWhole(d));
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

} // namespace md5_information_unit_test
