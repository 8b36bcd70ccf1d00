#include "DialogFrame.h"

#include "DialogTexts.h"
#include "EditSubDialog.h"
#include "FieldTable.h"
#include "KitDialog.h"
#include "TButton.h"
#include "UiTesting.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace dialog_frame_test {

namespace {

// A list dialog over the static name servers declared the kit's way: a frame, fields with rules,
// the routine handlers of the table, and a companion scalar-like table read by Refresh.
struct FrameForm : TForm {
    explicit FrameForm(TComponent* owner) : TForm(owner), Table(DialogGuard::Flag("Get data not complete")) {
        TPanel* rows = BuildFrame(this, Frame(), Table);
        Fields = BuildFields<FrameForm>(this, rows, Declared());
        Table.StatusColumn = KitDialog::kRowStatus;
    }
    static const DialogFrame<FrameForm>& Frame();
    static std::span<const Field<FrameForm>> Declared();

    TPanel* Buttons = nullptr;
    TStaticText* Count = nullptr;
    TListView* List = nullptr;
    TPanel* FieldArea = nullptr;
    TStatusBar* Bar = nullptr;
    TButton* Refresh = nullptr;
    TButton* Delete = nullptr;
    TButton* Close = nullptr;
    TEdit* Index = nullptr;
    TEdit* Address = nullptr;
    TComboBox* Status = nullptr;
    FieldSet Fields;
    TableDialogController Table;
    std::vector<bool> States; // every run of the state function

    void RefreshClick(TObject*) { Table.Refresh(); }
    void DeleteClick(TObject*) { Table.Delete(); }
    void CloseClick(TObject*) { TForm::Close(); }
    void UpdateButtons(bool rowChosen) {
        States.push_back(rowChosen);
        Delete->SetEnabled(rowChosen);
    }
};
using F = FrameForm;

constexpr ButtonSpec<F> kButtons[] = {
    {&F::Refresh, "Refresh", &F::RefreshClick},
    {&F::Delete, "Delete", &F::DeleteClick},
    {&F::Close, "Close", &F::CloseClick},
};
constexpr DialogFrame<F> kFrame = {.Width = 500,
                                   .Height = 400,
                                   .Caption = "Frame",
                                   .Buttons = kButtons,
                                   .CountAfter = 2,
                                   .ListHeight = 120,
                                   .ClearOnNoRow = true,
                                   .ButtonPanel = &F::Buttons,
                                   .Count = &F::Count,
                                   .List = &F::List,
                                   .FieldPanel = &F::FieldArea,
                                   .StatusBar = &F::Bar,
                                   .State = &F::UpdateButtons};
constexpr Field<F> kFields[] = {
    {.Column = KitDialog::kIndex,
     .Edit = &F::Index,
     .Place = {0, 0, 8, 8, 60},
     .EnabledWhen = {.Mode = RowMode::NoRow, .How = FieldEnabling::KeepValue}},
    {.Column = KitDialog::kRowStatus, .Combo = &F::Status, .Place = {0, 0, 8, 32, 60}, .Flags = kFieldHidden},
    {.Column = KitDialog::kAddress, .Edit = &F::Address, .Place = {0, 0, 8, 56, 100}},
};
const DialogFrame<F>& FrameForm::Frame() {
    return kFrame;
}
std::span<const Field<F>> FrameForm::Declared() {
    return kFields;
}

class DialogFrameSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(ServerScenario());
        Form.reset(CreateForm<F>(nullptr));
        DialogRequest& request = Form->Table.CreateRequest(Form.get(), DnsStaticNameServerTable, MVT_UMV, 1);
        BindFields<F>(Form.get(), nullptr, request, kFields);
        Form->Table.StatusCombo = Form->Status;
        Form->Table.AfterRead = [this, state = Form->Table.AfterRead] {
            state();
            ++ReadsEnded;
        };
        Form->Table.Read();
        ASSERT_TRUE(WaitReadsEnded(1));
        Agent().ClearSetLog();
    }
    void TearDown() override {
        if (Form) {
            Form->Table.Closing();
            Form.reset();
        }
        FormsSimTest::TearDown();
    }
    bool WaitReadsEnded(int n) {
        return WaitFor([&] { return ReadsEnded >= n; }, 10000);
    }
    std::unique_ptr<F> Form;
    int ReadsEnded = 0;
};

} // namespace

TEST_F(DialogFrameSim, TheFrameBuildsItsPiecesIntoTheMembersAndWiresTheTable) {
    F& d = *Form;
    EXPECT_EQ(d.Caption(), "Frame");
    ASSERT_TRUE(d.Buttons && d.Count && d.List && d.FieldArea && d.Bar);
    // The count after the first two buttons, Close below it.
    EXPECT_GT(d.Count->Top(), d.Delete->Top());
    EXPECT_GT(d.Close->Top(), d.Count->Top());
    EXPECT_EQ(d.Table.List, d.List);
    EXPECT_EQ(d.Table.CountLabel, d.Count);
    EXPECT_EQ(d.Table.Fields, &d.Fields);
    EXPECT_EQ(d.Count->Caption(), "3"); // the list's changes reach the count
    EXPECT_NE(d.Bar->Panels()[0]->Text().find("Ok!"), std::string::npos);
    ASSERT_FALSE(d.States.empty()); // the end of the read ran the state function, no row chosen
    EXPECT_FALSE(d.States.back());
}

TEST_F(DialogFrameSim, ASelectionFillsTheFieldsThenFixesTheKeyAndNoRowClearsThem) {
    F& d = *Form;
    ClickListRow(d.List, 1);
    EXPECT_TRUE(d.States.back());
    EXPECT_TRUE(d.Delete->Enabled());
    EXPECT_EQ(d.Address->Text(), "10.0.0.2");
    // The request enables every bound control when it fills them; the key's rule comes after it.
    EXPECT_FALSE(d.Index->Enabled());
    EXPECT_EQ(d.Index->Text(), "2");
    d.List->SetSelected(nullptr);
    EXPECT_FALSE(d.States.back());
    EXPECT_TRUE(d.Index->Enabled());
    EXPECT_EQ(d.Index->Text(), "");
    EXPECT_EQ(d.Address->Text(), "");
}

TEST_F(DialogFrameSim, RefreshReadsTheCompanionsAndTheTableAndLeavesNoRow) {
    F& d = *Form;
    KitDialog companion(DialogGuard::None());
    companion.Open();
    ASSERT_TRUE(companion.WaitRead());
    d.Table.Companions = {&companion.Table};
    ClickListRow(d.List, 0);
    ClickControl(d.Refresh);
    EXPECT_FALSE(d.States.back());
    EXPECT_EQ(d.Address->Text(), "");
    ASSERT_TRUE(WaitReadsEnded(2));
    EXPECT_TRUE(companion.WaitRead());
    EXPECT_TRUE(Agent().SetLog().empty());
    d.Table.Companions.clear();
}

// Refresh says whether it ran: the guard refuses it while a read runs, and then leaves the row.
TEST_F(DialogFrameSim, RefreshSaysWhetherTheGuardLetItRun) {
    F& d = *Form;
    ClickListRow(d.List, 0);
    Agent().SetDelay(kServerEntry, 200, SimOp::Next);
    EXPECT_TRUE(d.Table.Refresh());
    const size_t states = d.States.size();
    EXPECT_FALSE(d.Table.Refresh()); // the first read runs: refused silently, nothing left
    EXPECT_EQ(d.States.size(), states);
    ASSERT_TRUE(WaitReadsEnded(2));
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(DialogFrameSim, DeleteWithoutARowSaysItsTextAndSendsNothingElseDestroysTheRowAlone) {
    F& d = *Form;
    d.Table.Deleting.NoRowText = DialogText::kChooseTheItemFirst;
    Dialogs.Expect(DialogText::kChooseTheItemFirst);
    ClickControl(d.Delete); // disabled: the handler itself
    d.DeleteClick(d.Delete);
    EXPECT_EQ(Dialogs.Pending(), 0);
    EXPECT_TRUE(Agent().SetLog().empty());

    ClickListRow(d.List, 2);
    ClickControl(d.Delete);
    ASSERT_TRUE(WaitForSets(1));
    EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{
                             {{std::string(kServerEntry) + ".2.3", SimValue::Int(6)}}}));
    EXPECT_EQ(d.List->Selected(), nullptr); // the default plan leaves no row
    ASSERT_TRUE(WaitReadsEnded(2));
    EXPECT_EQ(d.Count->Caption(), "2");
}

TEST_F(DialogFrameSim, AConfirmedDeleteAsksFirstAndCancelSendsNothing) {
    F& d = *Form;
    d.Table.Deleting.Style = DeleteStyle::Confirmed;
    ClickListRow(d.List, 0);
    Dialogs.Expect("Are you sure to delete it?", mrCancel);
    ClickControl(d.Delete);
    EXPECT_EQ(Dialogs.Pending(), 0);
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(DialogFrameSim, FindRowMatchesCellsAsTextsOrByTheGivenComparison) {
    F& d = *Form;
    EXPECT_EQ(d.Table.FindRow({{KitDialog::kAddress, "10.0.0.2"}}), d.List->Items()[1]);
    EXPECT_EQ(d.Table.FindRow({{KitDialog::kAddress, "10.0.0.2"}, {KitDialog::kIndex, "3"}}), nullptr);
    // The cells as a list the dialog builds (its key fields, say).
    std::vector<CellMatch> keys = {{KitDialog::kIndex, "3"}, {KitDialog::kAddress, "10.0.0.3"}};
    EXPECT_EQ(d.Table.FindRow(keys), d.List->Items()[2]);
    keys.back().Text = "10.0.0.2";
    EXPECT_EQ(d.Table.FindRow(keys), nullptr);
    const auto sameFirstOctets = [](std::string_view listed, std::string_view typed) {
        return listed.substr(0, 6) == typed.substr(0, 6);
    };
    EXPECT_EQ(d.Table.FindRow({{KitDialog::kAddress, "10.0.0.99", sameFirstOctets}}), d.List->Items()[0]);
}

TEST_F(DialogFrameSim, AWriteLeavesWhatItsPlanSaysAfterSuccessAndFailure) {
    F& d = *Form;
    d.Table.ClearOnNoRow = false; // a deselection alone leaves the fields
    const struct {
        AfterWrite Leaves;
        bool Fails;
        bool RowAfter;
        bool AddressKept;
    } cases[] = {
        {AfterWrite::NoRow, false, false, false},
        {AfterWrite::NoRowKept, false, false, true},
        {AfterWrite::Unchanged, true, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.Leaves));
        ClickListRow(d.List, 0);
        d.Address->SetText("10.0.0.9");
        const WritePlan plan{.After = ReRead::None,
                             .Leaves = c.Fails ? AfterWrite::NoRow : c.Leaves,
                             .LeavesFailed = c.Fails ? c.Leaves : AfterWrite::NoRow};
        d.Table.Write(
            [&] {
                if (c.Fails) {
                    throw std::runtime_error("refused");
                }
            },
            plan);
        EXPECT_EQ(d.List->Selected() != nullptr, c.RowAfter);
        EXPECT_EQ(d.Address->Text() == "10.0.0.9", c.AddressKept) << d.Address->Text();
        d.List->SetSelected(nullptr);
    }
}

namespace {

// A frame whose field panel holds the field rows over a panel for an embedded port picker.
struct PickerFrameForm : TForm {
    explicit PickerFrameForm(TComponent* owner);
    TListView* List = nullptr;
    TPanel* FieldArea = nullptr;
    TPanel* Rows = nullptr;
    TPanel* Ports = nullptr;
    TPanel* Built = nullptr; // what BuildFrame returned
};
constexpr DialogFrame<PickerFrameForm> kPickerFrame = {.Width = 400,
                                                       .Height = 300,
                                                       .ListHeight = 100,
                                                       .PortsHeight = 90,
                                                       .List = &PickerFrameForm::List,
                                                       .FieldPanel = &PickerFrameForm::FieldArea,
                                                       .Rows = &PickerFrameForm::Rows,
                                                       .PortPanel = &PickerFrameForm::Ports};
PickerFrameForm::PickerFrameForm(TComponent* owner) : TForm(owner) {
    Built = BuildFrame(this, kPickerFrame);
}

} // namespace

TEST(DialogFramePorts, APortPanelStandsAtTheBottomOfTheFieldPanelUnderTheRows) {
    std::unique_ptr<PickerFrameForm> form(CreateForm<PickerFrameForm>(nullptr));
    ASSERT_TRUE(form->Rows && form->Ports && form->FieldArea);
    EXPECT_EQ(form->Built, form->Rows); // the fields go into the rows panel
    EXPECT_EQ(form->Rows->Parent(), form->FieldArea);
    EXPECT_EQ(form->Ports->Parent(), form->FieldArea);
    EXPECT_EQ(form->Ports->Align(), alBottom);
    EXPECT_EQ(form->Ports->Height(), 90);
    EXPECT_EQ(form->Rows->Align(), alClient);
}

namespace {

// An edit sub-dialog of the frame dialog.
struct FrameSubForm : TEditSubDialog {
    explicit FrameSubForm(TComponent* owner) : TEditSubDialog(owner, 300, 200) {}
    void BindTo(DialogRequest&) override {}
    std::vector<int> ModesShown;

protected:
    void ModeDefaults() override { ModesShown.push_back(Mode); }
};
FrameSubForm* Sub = nullptr;

} // namespace

TEST_F(DialogFrameSim, ASubDialogIsLinkedToItsListShownInAModeAndForgottenWithIt) {
    Form->SetCaption("Frame: 10.0.0.1");
    FrameSubForm* sub = CreateSubDialog(Form.get(), Form->Table, Sub);
    EXPECT_EQ(Sub, sub);
    EXPECT_EQ(sub->List, &Form->Table);
    ModalDriver driver;
    driver.Then([&](TForm* form) {
        EXPECT_EQ(form->Caption(), "Frame: 10.0.0.1 (Add)");
        // A write through the list that reads nothing again.
        EXPECT_TRUE(sub->WriteThroughList([](DialogRequest&) {}, {.After = ReRead::None}));
    });
    sub->ShowFor(2, " (Add)");
    EXPECT_EQ(driver.Pending(), 0);
    EXPECT_EQ(sub->ModesShown, std::vector<int>{2});
    EXPECT_EQ(ReadsEnded, 1);
    Form->Table.Closing();
    Form.reset(); // the sub-dialog goes with its owner
    EXPECT_EQ(Sub, nullptr);
}

} // namespace dialog_frame_test
