#include "TableRowHelpers.h"

#include "DnsResolverTables.h"
#include "MessageWait.h"
#include "ShellSimTest.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TForm.h"
#include "TLabel.h"
#include "TListView.h"
#include "TStatusBar.h"
#include "UiTesting.h"
#include "VqMessageTable.h"
#include "VqSNMPRequest2Edits.h"

#include <gtest/gtest.h>

#include <memory>

namespace table_row_helpers_test {

namespace {

constexpr const char* kServerEntry = "1.3.6.1.4.1.746.12.85.1.3.1.1";
constexpr int kStatusColumn = 1;

// A list dialog over the static name servers of the DNS resolver: servers 1, 2 and 3.
class DeleteRowSim : public ShellSimTest {
protected:
    void SetUp() override {
        ShellSimTest::SetUp();
        Agent().LoadScenario(std::string(R"({"tables": [{"entry": ")") + kServerEntry +
                             R"(", "columns": [[2, "rowstatus"], [3, "ip", "rw"], [4, "int", "rw", 1]],
                             "rows": [["1", 1, "10.0.0.1", 1], ["2", 1, "10.0.0.2", 2],
                             ["3", 1, "10.0.0.3", 2]]}]})");
        Form.reset(CreateForm<TForm>(nullptr));
        List = new TListView(Form.get());
        List->SetParent(Form.get());
        Request = std::make_unique<VqSNMPRequest2Edits>(Form.get());
        Request->Request.VarList = VqSNMPVarList(DnsStaticNameServerTable, MVT_UMV, 1);
        Request->BindListView(List, true);
        ReadAll();
        Agent().ClearSetLog();
    }
    void TearDown() override {
        Request.reset();
        Form.reset();
        ShellSimTest::TearDown();
    }
    void ReadAll() {
        ASSERT_TRUE(Request->Get());
        ASSERT_TRUE(WaitOnEventQueue([&] { return !Request->Busy; }, 10000));
    }
    std::vector<std::string> Servers() const {
        std::vector<std::string> servers;
        for (int i = 0; i < List->Items().Count(); ++i) {
            servers.push_back(List->Items()[i]->SubItems()[1]);
        }
        return servers;
    }
    void ExpectRestored() {
        EXPECT_EQ(Request->Mode, 1);
        for (int v = 0; v < Request->Request.VarList.GetCount(); ++v) {
            EXPECT_EQ(Request->Request.VarList.GetVariable(v).Access & acInvalid, 0) << v;
        }
    }

    std::unique_ptr<TForm> Form;
    TListView* List = nullptr;
    std::unique_ptr<VqSNMPRequest2Edits> Request;
};

} // namespace

TEST_F(DeleteRowSim, CancelSendsNothing) {
    List->SetSelected(List->Items()[1]);
    ScriptedDialogs dialogs;
    dialogs.Expect(DialogKind::Dialog, "Confirmation", "Are you sure to delete it?", mrCancel);
    ConfirmDeleteRow(Request.get(), kStatusColumn, "destroy");
    EXPECT_TRUE(Agent().SetLog().empty());
    EXPECT_EQ(Servers(), (std::vector<std::string>{"10.0.0.1", "10.0.0.2", "10.0.0.3"}));
    ExpectRestored();
}

TEST_F(DeleteRowSim, OkSendsOneSetOfTheStatusOfTheSelectedRowThenReadsAgain) {
    List->SetSelected(List->Items()[1]);
    ScriptedDialogs dialogs;
    dialogs.Expect("Are you sure to delete it?", mrOk);
    ConfirmDeleteRow(Request.get(), kStatusColumn, "destroy");
    const auto log = Agent().SetLog();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].Status, "noError");
    EXPECT_EQ(log[0].VarBinds,
              (std::vector<SimVarBind>{{std::string(kServerEntry) + ".2.2", SimValue::Int(6)}}));
    EXPECT_TRUE(Request->Busy); // the re-read runs in the request's own mode
    ASSERT_TRUE(WaitOnEventQueue([&] { return !Request->Busy; }, 10000));
    EXPECT_EQ(Servers(), (std::vector<std::string>{"10.0.0.1", "10.0.0.3"}));
    ExpectRestored();
}

TEST_F(DeleteRowSim, ARefusedSetIsReportedAndTheTableReadAgain) {
    Agent().InjectError(kServerEntry, "genErr", SimOp::Set);
    List->SetSelected(List->Items()[0]);
    Request->Request.VarList.GetVariable(3).Access |= acInvalid; // flagged by the dialog: stays
    ScriptedDialogs dialogs;
    dialogs.Expect("Are you sure to delete it?", mrOk);
    dialogs.Expect(DialogKind::Box, kAppTitle, MessageOfCode(-105));
    ConfirmDeleteRow(Request.get(), kStatusColumn, "destroy");
    ASSERT_EQ(Agent().SetLog().size(), 1u);
    EXPECT_EQ(Agent().SetLog()[0].Status, "genErr");
    ASSERT_TRUE(WaitOnEventQueue([&] { return !Request->Busy; }, 10000));
    EXPECT_EQ(Servers().size(), 3u);
    EXPECT_EQ(Request->Mode, 1);
    EXPECT_NE(Request->Request.VarList.GetVariable(3).Access & acInvalid, 0);
    EXPECT_EQ(Request->Request.VarList.GetVariable(2).Access & acInvalid, 0);
}

TEST_F(DeleteRowSim, AnExceptionOutOfTheSetStaysOnTheStatusTarget) {
    auto* bar = new TStatusBar(Form.get());
    bar->SetParent(Form.get());
    bar->Panels().Add();
    Request->SetStatusPanel(bar->Panels()[0]);
    List->SetSelected(List->Items()[0]);
    ScriptedDialogs dialogs;
    dialogs.Expect("Are you sure to delete it?", mrOk);
    ConfirmDeleteRow(Request.get(), 9, "destroy"); // a status column the list does not have
    EXPECT_TRUE(Agent().SetLog().empty());
    EXPECT_FALSE(Request->Busy); // no read over the reason
    const std::string line = bar->Panels()[0]->Text();
    EXPECT_NE(line.find(MessageOfCode(-12)), std::string::npos) << line; // index out of range
    EXPECT_EQ(line.find("Ok!"), std::string::npos) << line;
    ExpectRestored();
}

TEST_F(DeleteRowSim, NoSelectedRowAsksNothingAndSendsNothing) {
    // The variables still hold the last row the walk read; it is not the user's choice.
    ConfirmDeleteRow(Request.get(), kStatusColumn, "destroy"); // the strict seams fail on any box
    EXPECT_TRUE(Agent().SetLog().empty());
    EXPECT_FALSE(Request->Busy);
}

TEST(ChildControls, ClearDisableAndEnableWhatTheOwnerOwns) {
    std::unique_ptr<TForm> form(CreateForm<TForm>(nullptr));
    auto* edit = new TEdit(form.get());
    auto* combo = new TComboBox(form.get());
    auto* check = new TCheckBox(form.get());
    auto* label = new TLabel(form.get());
    std::unique_ptr<TForm> other(CreateForm<TForm>(nullptr));
    auto* foreign = new TEdit(other.get()); // owned elsewhere: untouched
    for (TControl* c : {static_cast<TControl*>(edit), static_cast<TControl*>(combo),
                        static_cast<TControl*>(check), static_cast<TControl*>(label)}) {
        c->SetParent(form.get());
    }
    combo->SetStyle(csDropDownList);
    combo->Items().Assign({"first", "second"});
    auto reset = [&] {
        edit->SetText("text");
        combo->SetItemIndex(1);
        check->SetChecked(true);
        foreign->SetText("foreign");
        label->SetCaption("label");
    };

    reset();
    ClearChildControls(form.get(), true, true, true);
    EXPECT_EQ(edit->Text(), "");
    EXPECT_EQ(combo->ItemIndex(), 0);
    EXPECT_FALSE(check->Checked());
    EXPECT_EQ(foreign->Text(), "foreign");
    EXPECT_EQ(label->Caption(), "label");

    reset();
    check->SetChecked(false);
    ClearChildControls(form.get(), false, false, false);
    EXPECT_EQ(edit->Text(), "text");
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_TRUE(check->Checked()); // checked when the flag is clear

    DisableChildControls(form.get(), true, true, true);
    EXPECT_FALSE(edit->Enabled());
    EXPECT_EQ(edit->Color(), clBtnFace);
    EXPECT_FALSE(combo->Enabled());
    EXPECT_EQ(combo->Color(), clBtnFace);
    EXPECT_FALSE(check->Enabled());
    EXPECT_TRUE(foreign->Enabled());
    EnableChildControls(form.get(), true, false, true);
    EXPECT_TRUE(edit->Enabled());
    EXPECT_EQ(edit->Color(), clWindow);
    EXPECT_FALSE(combo->Enabled());
    EXPECT_TRUE(check->Enabled());
}

} // namespace table_row_helpers_test
