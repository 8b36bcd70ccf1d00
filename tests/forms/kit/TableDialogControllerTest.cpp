#include "TableDialogController.h"

#include "DialogTexts.h"
#include "FieldSet.h"
#include "KitDialog.h"
#include "TButton.h"
#include "VqMessageTable.h"

#include <gtest/gtest.h>

#include <QTimer>

#include <chrono>

namespace table_dialog_controller_test {

namespace {

class TableControllerSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(ServerScenario());
    }
};

std::vector<std::string> Column(TListView* list, int subItem) {
    std::vector<std::string> cells;
    for (int i = 0; i < list->Items().Count(); ++i) {
        cells.push_back(list->Items()[i]->SubItems()[subItem]);
    }
    return cells;
}

} // namespace

TEST(TableController, GuardMatrix) {
    constexpr const char* kText = "Get data not complete";
    struct Case {
        const char* Name;
        DialogGuard Guard;
        bool Complete;
        bool Busy;
        bool Act;     // Set, Add, Edit, Delete go ahead (else the refusal box)
        bool Refresh; // Refresh goes ahead
        bool RefreshSays;
        bool Close;          // the dialog may close (else the refusal box)
        bool ActSays = true; // a refused action shows the text (else it refuses silently)
    };
    const Case cases[] = {
        {"flag", DialogGuard::Flag(kText), false, false, false, false, false, false},
        {"flag", DialogGuard::Flag(kText), false, true, false, false, false, false},
        {"flag", DialogGuard::Flag(kText), true, true, false, false, false, true},
        {"flag", DialogGuard::Flag(kText), true, false, true, true, false, true},
        {"busy", DialogGuard::Busy(kText), false, true, false, false, true, true},
        {"busy", DialogGuard::Busy(kText), false, false, true, true, false, true},
        {"none", DialogGuard::None(), false, true, true, true, false, true},
        // The rule editors' DataComplete: the flag alone counts, Refresh says so, Close never refuses.
        {"family", DialogGuard::Family(kText), false, false, false, false, true, true},
        {"family", DialogGuard::Family(kText), true, true, true, true, false, true},
        // A guard set per action: acting refuses on the busy request alone, Refresh never, Close on
        // the flag.
        {"mixed",
         {kText, RefuseWhen::Busy, RefuseWhen::Never, nullptr, RefuseWhen::Incomplete, false},
         false,
         false,
         true,
         true,
         false,
         false},
        {"mixed",
         {kText, RefuseWhen::Busy, RefuseWhen::Never, nullptr, RefuseWhen::Incomplete, false},
         true,
         true,
         false,
         true,
         false,
         true},
        // Each handler's own text: a busy Refresh refused silently, a busy Delete with the text.
        {"busy, Refresh silent",
         {kText, RefuseWhen::Busy, RefuseWhen::Busy, nullptr, RefuseWhen::Never, false},
         true,
         true,
         false,
         false,
         false,
         true},
        // The set-and-wait dialogs': acting waits for the flag and the request, Refresh for the flag.
        {"awaiting", DialogGuard::Awaiting(kText, kText), false, false, false, false, true, true},
        {"awaiting", DialogGuard::Awaiting(kText, kText), true, true, false, true, false, true},
        // A null text refuses acting and closing silently too.
        {"silent",
         {nullptr, RefuseWhen::Incomplete, RefuseWhen::Never, nullptr, RefuseWhen::Incomplete, false},
         false,
         false,
         false,
         true,
         false,
         false,
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Name << " complete " << c.Complete << " busy " << c.Busy);
        KitDialog dialog(c.Guard);
        dialog.Table.CreateRequest(dialog.Form.get(), DnsStaticNameServerTable, MVT_UMV, 1);
        dialog.Table.DataComplete = c.Complete;
        dialog.Table.Request->Busy = c.Busy;
        {
            ScriptedDialogs boxes;
            if (!c.Act && c.ActSays) {
                boxes.Expect(DialogKind::Message, kAppTitle, "Get data not complete");
            }
            EXPECT_EQ(dialog.Table.MayAct(), c.Act);
        }
        {
            ScriptedDialogs boxes;
            if (c.RefreshSays) {
                boxes.Expect("Get data not complete");
            }
            EXPECT_EQ(dialog.Table.MayRefresh(), c.Refresh);
        }
        {
            ScriptedDialogs boxes;
            if (!c.Close && c.ActSays) {
                boxes.Expect("Get data not complete");
            }
            EXPECT_EQ(dialog.Table.MayClose(), c.Close);
        }
        dialog.Table.Request->Busy = false;
    }
}

TEST_F(TableControllerSim, FirstReadFillsTheListCountsAndSetsTheFlag) {
    KitDialog dialog;
    dialog.Open();
    EXPECT_FALSE(dialog.Table.DataComplete); // an asynchronous walk is under way
    ASSERT_TRUE(dialog.WaitRead());
    EXPECT_EQ(Column(dialog.Area.List, 1), (std::vector<std::string>{"10.0.0.1", "10.0.0.2", "10.0.0.3"}));
    EXPECT_EQ(dialog.Buttons->Count->Caption(), "3");
    EXPECT_NE(dialog.StatusText().find("Ok!"), std::string::npos) << dialog.StatusText();
}

TEST_F(TableControllerSim, CountReadsZeroAfterAReadWithoutRows) {
    KitDialog dialog;
    dialog.Open();
    ASSERT_TRUE(dialog.WaitRead());
    ASSERT_EQ(dialog.Buttons->Count->Caption(), "3");
    Agent().LoadScenario(ServerScenario("[]"));
    ASSERT_TRUE(dialog.Table.Read());
    ASSERT_TRUE(dialog.WaitRead());
    EXPECT_EQ(dialog.Area.List->Items().Count(), 0);
    EXPECT_EQ(dialog.Buttons->Count->Caption(), "0");
}

TEST_F(TableControllerSim, AFailedReadUnlocksTheDialogAndSaysWhy) {
    Agent().InjectError(kServerEntry, "genErr", SimOp::Next);
    KitDialog dialog;
    dialog.Open();
    ASSERT_TRUE(dialog.WaitRead());
    EXPECT_NE(dialog.StatusText().find(MessageOfCode(-105)), std::string::npos) << dialog.StatusText();
    EXPECT_TRUE(dialog.Table.MayClose());
}

TEST_F(TableControllerSim, AReadThatCannotBeSentUnlocksTheDialogAndSaysWhy) {
    KitDialog dialog;
    DialogRequest& request =
        dialog.Table.CreateRequest(dialog.Form.get(), DnsStaticNameServerTable, MVT_UMV, 1);
    request.Request.Device.Address = "300.1.2.3"; // no address: the send is refused
    dialog.Table.Read();
    EXPECT_TRUE(dialog.Table.DataComplete);
    EXPECT_FALSE(request.Busy);
    EXPECT_FALSE(dialog.StatusText().empty());
    EXPECT_EQ(dialog.StatusText().find("Ok!"), std::string::npos) << dialog.StatusText();
}

TEST_F(TableControllerSim, AWriteThatRaisesUnlocksAndShowsThePlainMessage) {
    KitDialog dialog;
    dialog.Open();
    ASSERT_TRUE(dialog.WaitRead());
    Agent().ClearSetLog();
    const bool written = dialog.Table.Write([] { throw std::runtime_error("the write could not be built"); });
    EXPECT_FALSE(written);
    EXPECT_TRUE(dialog.Table.DataComplete);
    EXPECT_EQ(dialog.StatusText(), "the write could not be built");
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(TableControllerSim, CloseIsRefusedDuringTheFirstWalkAndAllowedOnceStopped) {
    Agent().SetDelay(kServerEntry, 300, SimOp::Next);
    KitDialog dialog;
    dialog.Open();
    ASSERT_TRUE(WaitFor([&] { return dialog.Area.List->Items().Count() >= 1; }, 10000));
    {
        ScriptedDialogs boxes;
        boxes.Expect("Get data not complete");
        EXPECT_FALSE(dialog.Table.MayClose());
    }
    dialog.Table.Stop();
    ASSERT_TRUE(dialog.WaitRead());
    EXPECT_LT(dialog.Area.List->Items().Count(), 3); // the rows read so far stay
    EXPECT_NE(dialog.StatusText().find(VqSNMPRequest2Controls::kStopText), std::string::npos);
    EXPECT_TRUE(dialog.Table.MayClose());
}

TEST_F(TableControllerSim, RowStatusWritesCarryTheItemsTheTableNames) {
    KitDialog dialog;
    DialogRequest& request = dialog.Open();
    ASSERT_TRUE(dialog.WaitRead());
    Agent().ClearSetLog();
    const std::string entry = kServerEntry;

    dialog.Area.List->SetSelected(dialog.Area.List->Items()[1]);
    ASSERT_TRUE(dialog.Table.DeleteRow());
    ASSERT_TRUE(dialog.WaitRead());
    dialog.Area.List->SetSelected(nullptr);
    dialog.Index->SetText("7");
    dialog.Address->SetText("10.0.0.7");
    dialog.Priority->SetItemIndex(1);
    ASSERT_TRUE(
        dialog.Table.Write([&] { dialog.Table.CreateRow(WriteCarry::RowWithout({KitDialog::kPriority})); }));
    ASSERT_TRUE(dialog.WaitRead());

    EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{
                             {{entry + ".2.2", SimValue::Int(6)}},
                             {{entry + ".2.7", SimValue::Int(4)}, {entry + ".3.7", {"64", "10.0.0.7"}}},
                         }));
    EXPECT_EQ(Column(dialog.Area.List, 1), (std::vector<std::string>{"10.0.0.1", "10.0.0.3", "10.0.0.7"}));
    for (int v = 0; v < request.Request.VarList.GetCount(); ++v) {
        EXPECT_EQ(request.Request.VarList.GetVariable(v).Access & acInvalid, 0) << v;
    }
}

TEST_F(TableControllerSim, EachWriteCarriesWhatItDeclares) {
    KitDialog dialog;
    dialog.Open();
    ASSERT_TRUE(dialog.WaitRead());
    dialog.Area.List->SetSelected(dialog.Area.List->Items()[1]);
    dialog.Address->SetText("10.0.0.9");
    dialog.Status->SetItemIndex(0); // active
    Agent().ClearSetLog();
    const std::string entry = kServerEntry;
    const SimVarBind address{entry + ".3.2", {"64", "10.0.0.9"}};
    const SimVarBind active{entry + ".2.2", SimValue::Int(1)};

    const WriteCarry writes[] = {
        WriteCarry::Only({KitDialog::kAddress}),
        WriteCarry::RowWithout({KitDialog::kPriority})
            .Without(KitDialog::kRowStatus)
            .Without(KitDialog::kPriority),
        WriteCarry::EachAlone({KitDialog::kRowStatus, KitDialog::kAddress}),
    };
    for (const WriteCarry& carry : writes) {
        dialog.Area.List->SetSelected(dialog.Area.List->Items()[1]);
        dialog.Address->SetText("10.0.0.9");
        dialog.Status->SetItemIndex(0);
        ASSERT_TRUE(dialog.Table.Write(carry));
        ASSERT_TRUE(dialog.WaitRead());
    }
    EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{{address}, {address}, {active}, {address}}));
}

TEST_F(TableControllerSim, AWriteReadAgainWhateverHappenedShowsItsFailureAfterTheRead) {
    KitDialog dialog;
    DialogRequest& request = dialog.Open();
    ASSERT_TRUE(dialog.WaitRead());
    request.Mode = 0; // blocking: the read has ended when Write returns
    const int readsBefore = dialog.ReadsEnded;
    EXPECT_FALSE(dialog.Table.Write([] { throw std::runtime_error("the write could not be built"); },
                                    {.After = ReRead::Always}));
    EXPECT_EQ(dialog.ReadsEnded, readsBefore + 1);
    EXPECT_EQ(dialog.StatusText(), "the write could not be built");
    EXPECT_TRUE(dialog.Table.DataComplete);
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(TableControllerSim, StopSetsTheFlagAtOnceOnlyWhereTheGuardSaysSo) {
    for (const bool family : {false, true}) {
        SCOPED_TRACE(family ? "family" : "flag");
        Agent().SetDelay(kServerEntry, 300, SimOp::Next);
        KitDialog dialog(family ? DialogGuard::Family("Get data not complete.")
                                : DialogGuard::Flag("Get data not complete"));
        dialog.Open();
        EXPECT_FALSE(dialog.Table.DataComplete);
        dialog.Table.Stop();
        EXPECT_EQ(dialog.Table.DataComplete, family);
        ASSERT_TRUE(dialog.WaitRead());
        EXPECT_TRUE(dialog.Table.DataComplete);
    }
}

TEST_F(TableControllerSim, AFailedSetUnlocksADialogThatWaitsForTheFrameworkReRead) {
    Agent().InjectError(kServerEntry, "genErr", SimOp::Set);
    KitDialog dialog(DialogGuard::Flag("Get data not complete"), WriteStyle::FrameworkReRead);
    dialog.Open();
    ASSERT_TRUE(dialog.WaitRead());
    dialog.Area.List->SetSelected(dialog.Area.List->Items()[0]);
    Dialogs.Expect(DialogKind::Box, kAppTitle, MessageOfCode(-105));
    ASSERT_TRUE(dialog.Table.Write([&] { dialog.Table.DestroyRow(); }));
    EXPECT_FALSE(dialog.Table.DataComplete);
    ASSERT_TRUE(WaitFor([&] { return dialog.Table.DataComplete; }, 10000));
    EXPECT_EQ(Dialogs.Pending(), 0);
}

TEST_F(TableControllerSim, ABlockingWriteUnderTheFrameworkReReadEndsItsReadAsEveryReadEnds) {
    // A SET that goes through and one the switch refuses: each is followed by one read, which sets
    // the flag, runs the end-of-read hook and tells its outcome.
    for (const bool refused : {false, true}) {
        SCOPED_TRACE(refused);
        Agent().LoadScenario(ServerScenario());
        Agent().ClearSetLog();
        if (refused) {
            Agent().InjectError(kServerEntry, "genErr", SimOp::Set);
            Dialogs.Expect(DialogKind::Box, kAppTitle, MessageOfCode(-105));
        }
        KitDialog dialog(DialogGuard::Busy(nullptr), WriteStyle::FrameworkReRead);
        DialogRequest& request = dialog.Table.CreateRequest(dialog.Form.get(), DnsStaticNameServerTable,
                                                            MVT_UMV, 1, {.Blocking = true});
        request.BindEdits(KitDialog::kIndex, "%i", dialog.Index);
        request.BindComboBox(KitDialog::kRowStatus, dialog.Status);
        ASSERT_TRUE(dialog.Table.Read());
        ASSERT_EQ(dialog.Area.List->Items().Count(), 3);
        const int readsBefore = dialog.ReadsEnded;
        dialog.Area.List->SetSelected(dialog.Area.List->Items()[0]);
        EXPECT_TRUE(dialog.Table.Write([&] { dialog.Table.DestroyRow(); }));
        EXPECT_EQ(Agent().SetLog().size(), 1u);
        EXPECT_EQ(dialog.ReadsEnded, readsBefore + 1);
        EXPECT_TRUE(dialog.Table.DataComplete);
        EXPECT_EQ(dialog.Table.LastReadError.Code, 0);
        EXPECT_EQ(dialog.Area.List->Items().Count(), refused ? 3 : 2);
        EXPECT_EQ(Dialogs.Pending(), 0);
        Agent().ClearInjections();
    }
}

TEST_F(TableControllerSim, AnUnknownModelHasNoTableAndStaysClosable) {
    KitDialog dialog;
    auto* add = dialog.Buttons->Add("Add", nullptr);
    auto* refresh = dialog.Buttons->Add("Refresh", nullptr);
    dialog.Table.MarkUnsupported({add});
    EXPECT_FALSE(add->Enabled());
    EXPECT_TRUE(refresh->Enabled());
    EXPECT_EQ(dialog.StatusText(), DialogText::kUnsupportedModel);
    EXPECT_EQ(dialog.Table.Request, nullptr);
    EXPECT_FALSE(dialog.Table.MayAct()); // silently: the strict seams fail on any box
    EXPECT_FALSE(dialog.Table.MayRefresh());
    EXPECT_FALSE(dialog.Table.Read());
    EXPECT_TRUE(dialog.Table.MayClose());
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(TableControllerSim, ABarTargetTakesTheReportsAndTheCaughtFailuresAsItsSimpleText) {
    KitDialog dialog;
    TStatusBar* bar = AddSimpleStatusBar(dialog.Form.get());
    dialog.Table.StatusBar = bar;
    dialog.Open();
    ASSERT_TRUE(dialog.WaitRead());
    EXPECT_TRUE(bar->SimplePanel());
    EXPECT_NE(bar->SimpleText().find("Ok!"), std::string::npos) << bar->SimpleText();
    EXPECT_EQ(bar->ShownText(), bar->SimpleText());
    EXPECT_EQ(dialog.StatusText(), ""); // panel 0 of the other bar is no target then

    EXPECT_FALSE(dialog.Table.Write([] { throw std::runtime_error("the write could not be built"); }));
    EXPECT_EQ(bar->SimpleText(), "the write could not be built");
    EXPECT_FALSE(dialog.Table.Write([] { throw std::runtime_error("no row to address"); },
                                    {.Report = FailureReport::Template}));
    EXPECT_NE(bar->SimpleText().find("no row to address"), std::string::npos) << bar->SimpleText();
    EXPECT_NE(bar->SimpleText(), "no row to address"); // inside the template of the last operation
    EXPECT_EQ(dialog.StatusText(), "");
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(TableControllerSim, AnAwaitedWriteEndsOnTheReplyOnStopOrAtOnceAndReportsWhereTheTableDoes) {
    KitDialog dialog;
    dialog.Open();
    ASSERT_TRUE(dialog.WaitRead());
    dialog.Area.List->SetSelected(dialog.Area.List->Items()[0]);
    const int readsBefore = dialog.ReadsEnded;

    // The reply: the write returns once the switch has answered, then the re-read runs.
    dialog.Address->SetText("10.0.0.11");
    ASSERT_TRUE(dialog.Table.Write(WriteCarry::Only({KitDialog::kAddress}), {.AwaitReply = true}));
    EXPECT_EQ(Agent().Value(std::string(kServerEntry) + ".3.1"), (SimValue{"64", "10.0.0.11"}));
    ASSERT_TRUE(dialog.WaitRead());
    EXPECT_EQ(dialog.ReadsEnded, readsBefore + 1);

    // Nothing sent: no wait at all.
    EXPECT_TRUE(dialog.Table.Write([] {}, {.After = ReRead::None, .AwaitReply = true}));

    // A refusal goes to the status panel, not a box; the write failed.
    dialog.Area.List->SetSelected(dialog.Area.List->Items()[0]);
    Agent().InjectError(kServerEntry, "genErr", SimOp::Set);
    EXPECT_FALSE(dialog.Table.Write(WriteCarry::Only({KitDialog::kAddress}), {.AwaitReply = true}));
    EXPECT_NE(dialog.StatusText().find(MessageOfCode(-105)), std::string::npos) << dialog.StatusText();
    EXPECT_TRUE(dialog.Table.DataComplete);
    Agent().ClearInjections();

    // Stop ends the wait, and no re-read follows.
    dialog.Area.List->SetSelected(dialog.Area.List->Items()[0]);
    Agent().DropReplies(kServerEntry, SimOp::Set);
    dialog.Table.Request->Request.Timeout = 50; // the stopped SET still times out, later
    const int readsAtStop = dialog.ReadsEnded;
    QTimer::singleShot(50, [&] { dialog.Table.Stop(); });
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(dialog.Table.Write(WriteCarry::Only({KitDialog::kAddress}), {.AwaitReply = true}));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_TRUE(dialog.Table.DataComplete);
    // Its end comes later and is reported as any SET's; no read follows it either.
    Dialogs.Expect(DialogKind::Box, kAppTitle, MessageOfCode(-405));
    ASSERT_TRUE(WaitFor([&] { return !dialog.Table.Request->Busy; }, 10000));
    EXPECT_EQ(Dialogs.Pending(), 0);
    EXPECT_EQ(dialog.ReadsEnded, readsAtStop);
}

TEST_F(TableControllerSim, AnAwaitedWriteToASilentSwitchEndsWithinItsBound) {
    KitDialog dialog;
    dialog.Open();
    ASSERT_TRUE(dialog.WaitRead());
    dialog.Area.List->SetSelected(dialog.Area.List->Items()[0]);
    dialog.Table.Request->Request.Timeout = 20; // 0.2 s a try
    Agent().DropReplies(kServerEntry, SimOp::Set);
    const auto start = std::chrono::steady_clock::now();
    dialog.Table.Write(WriteCarry::Only({KitDialog::kAddress}), {.AwaitReply = true});
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_LE(waited,
              std::chrono::milliseconds(ReplyWaitBoundMs(20, dialog.Table.Request->Request.Retries) + 500));
    EXPECT_TRUE(dialog.Table.DataComplete);
}

// The fields empty and the state is that of no row while the switch answers; afterwards no row is
// chosen, a write that went through is read again and a refused one is not.
TEST_F(TableControllerSim, ASetAndWaitWriteEmptiesTheFieldsWhileTheSwitchAnswersAndLeavesNoRow) {
    KitDialog dialog(DialogGuard::Awaiting("Get data not complete", "Get data not complete."));
    FieldSet fields;
    fields.Lines.push_back({.Column = KitDialog::kAddress, .Value = dialog.Address});
    dialog.Table.Fields = &fields;
    std::vector<bool> states;
    dialog.Table.State = [&](bool rowChosen) { states.push_back(rowChosen); };
    dialog.Open();
    ASSERT_TRUE(dialog.WaitRead());
    const int readsBefore = dialog.ReadsEnded;

    dialog.Area.List->SetSelected(dialog.Area.List->Items()[1]);
    dialog.Address->SetText("10.0.0.12");
    Agent().SetDelay(kServerEntry, 200, SimOp::Set);
    std::string addressWhileWaiting = "?";
    std::vector<bool> statesWhileWaiting;
    QTimer::singleShot(50, [&] {
        addressWhileWaiting = dialog.Address->Text();
        statesWhileWaiting = states;
        Dialogs.Expect("Get data not complete");
        dialog.Table.MayAct();
    });
    states.clear();
    ASSERT_TRUE(dialog.Table.WriteAndAwait(WriteCarry::Only({KitDialog::kAddress})));
    EXPECT_EQ(Dialogs.Pending(), 0);
    EXPECT_EQ(addressWhileWaiting, "");
    EXPECT_EQ(statesWhileWaiting, std::vector<bool>{false});
    EXPECT_EQ(Agent().Value(std::string(kServerEntry) + ".3.2"), (SimValue{"64", "10.0.0.12"}));
    EXPECT_EQ(dialog.Area.List->Selected(), nullptr);
    ASSERT_TRUE(dialog.WaitRead());
    EXPECT_EQ(dialog.ReadsEnded, readsBefore + 1);
    Agent().ClearInjections();

    dialog.Area.List->SetSelected(dialog.Area.List->Items()[0]);
    Agent().InjectError(kServerEntry, "genErr", SimOp::Set);
    EXPECT_FALSE(dialog.Table.WriteAndAwait(WriteCarry::Only({KitDialog::kAddress})));
    EXPECT_NE(dialog.StatusText().find(MessageOfCode(-105)), std::string::npos) << dialog.StatusText();
    EXPECT_EQ(dialog.Area.List->Selected(), nullptr);
    EXPECT_TRUE(dialog.Table.DataComplete);
    EXPECT_EQ(dialog.ReadsEnded, readsBefore + 1);
}

TEST_F(TableControllerSim, TheLastReadsOutcomeIsKnownToTheEndOfReadHookAsynchronousAndBlocking) {
    for (const bool blocking : {false, true}) {
        SCOPED_TRACE(blocking);
        Agent().ClearInjections();
        KitDialog dialog;
        int seen = -1;
        dialog.Table.AfterRead = [&] { seen = dialog.Table.LastReadError.Code; };
        DialogRequest& request = dialog.Table.CreateRequest(dialog.Form.get(), DnsStaticNameServerTable,
                                                            MVT_UMV, 1, {.Blocking = blocking});
        request.BindEdits(KitDialog::kAddress, "%s", dialog.Address);
        EXPECT_TRUE(dialog.Table.Read());
        ASSERT_TRUE(WaitFor([&] { return seen != -1; }, 10000));
        EXPECT_EQ(seen, 0);
        seen = -1;
        Agent().InjectError(kServerEntry, "genErr", SimOp::Next);
        const bool read = dialog.Table.Read();
        EXPECT_EQ(read, !blocking); // an asynchronous read was sent; a blocking one failed
        ASSERT_TRUE(WaitFor([&] { return seen != -1; }, 10000));
        EXPECT_EQ(seen, -105);
        EXPECT_EQ(dialog.Table.LastReadError.Code, -105);
        dialog.Table.Close();
    }
}

namespace {

// A dialog's own request: it keeps every row's address and marks the collection.
class OwnRequest : public DialogRequest {
public:
    using DialogRequest::DialogRequest;
    std::vector<std::string> Rows;
    bool Collected = false;

protected:
    void RowReceived() override {
        DialogRequest::RowReceived();
        Rows.push_back(Request.VarList.GetVariable(KitDialog::kAddress).ValueText);
    }
    void PrepareSet() override {
        Collected = true;
        DialogRequest::PrepareSet();
    }
};

} // namespace

TEST_F(TableControllerSim, TheDialogsOwnRequestIsSetUpAsTheTablesAndKeepsTheCollectionHooks) {
    KitDialog dialog;
    auto own = std::make_unique<OwnRequest>(dialog.Form.get());
    OwnRequest* request = own.get();
    ASSERT_EQ(&dialog.Table.CreateRequest(std::move(own), DnsStaticNameServerTable, MVT_UMV, 1), request);
    request->BindEdits(KitDialog::kAddress, "%s", dialog.Address);
    request->BindComboBox(KitDialog::kRowStatus, dialog.Status);
    dialog.Table.Read();
    ASSERT_TRUE(dialog.WaitRead()); // the end-of-read hook is the table's
    EXPECT_EQ(request->Rows, (std::vector<std::string>{"10.0.0.1", "10.0.0.2", "10.0.0.3"}));
    EXPECT_EQ(dialog.Buttons->Count->Caption(), "3");              // the list is the table's
    EXPECT_NE(dialog.StatusText().find("Ok!"), std::string::npos); // so is the status target
    bool hooked = false;
    request->AfterCollect.push_back([&](VqSNMPVarList&) { hooked = true; });
    dialog.Area.List->SetSelected(dialog.Area.List->Items()[1]);
    dialog.Address->SetText("10.0.0.12");
    ASSERT_TRUE(dialog.Table.Write(WriteCarry::Only({KitDialog::kAddress}), {.AwaitReply = true}));
    EXPECT_TRUE(request->Collected);
    EXPECT_TRUE(hooked);
    EXPECT_EQ(Agent().Value(std::string(kServerEntry) + ".3.2"), (SimValue{"64", "10.0.0.12"}));
}

} // namespace table_dialog_controller_test
