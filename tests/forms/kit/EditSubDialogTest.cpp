#include "EditSubDialog.h"

#include "ColumnWrites.h"
#include "KitDialog.h"
#include "SkipFlagScope.h"
#include "TApplication.h"
#include "VqMessageTable.h"

#include <gtest/gtest.h>

namespace edit_sub_dialog_test {

namespace {

class EditSubDialogSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(ServerScenario());
        List.Open();
        ASSERT_TRUE(List.WaitRead());
        List.Area.List->SetSelected(List.Area.List->Items()[1]); // server 2
        Agent().ClearSetLog();
        Sub.reset(CreateForm<TForm>(nullptr));
    }
    void TearDown() override {
        Sub.reset();
        FormsSimTest::TearDown();
    }
    // Shows the sub-dialog; `set` runs as its Set button would. Whether it was still open after.
    bool RunSub(const std::function<void()>& set) {
        bool open = false;
        ModalDriver driver;
        driver.Then([&](TForm* form) {
            set();
            Application->ProcessMessages();
            open = form->ModalResult() == mrNone;
            if (open) {
                form->Close();
            }
        });
        Sub->ShowModal();
        return open;
    }

    KitDialog List;
    std::unique_ptr<TForm> Sub;
};

} // namespace

TEST_F(EditSubDialogSim, AWriteGoesThroughTheListWhichIsReadAgainAndTheSubDialogCloses) {
    for (ListLock lock : {ListLock::Lock, ListLock::Leave}) {
        SCOPED_TRACE(static_cast<int>(lock));
        Agent().ClearSetLog();
        List.Area.List->SetSelected(List.Area.List->Items()[1]);
        const std::string address = lock == ListLock::Lock ? "10.0.0.20" : "10.0.0.21";
        List.Address->SetText(address);
        bool lockedDuringRead = false;
        const bool open = RunSub([&] {
            EXPECT_TRUE(WriteThroughList(
                Sub.get(), &List.Table,
                [](DialogRequest& request) { SetOnly(request, {KitDialog::kAddress}); }, lock));
            lockedDuringRead = !List.Table.DataComplete;
        });
        EXPECT_FALSE(open);
        EXPECT_EQ(lockedDuringRead, lock == ListLock::Lock);
        ASSERT_TRUE(List.WaitRead());
        EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{
                                 {{std::string(kServerEntry) + ".3.2", {"64", address}}}}));
        EXPECT_EQ(List.Area.List->Items()[1]->SubItems()[1], address);
    }
}

// A failed write: the list says why and is usable again, every column flagged in the write is
// restored, and the sub-dialog stays open with what was typed or closes as the caller chose.
TEST_F(EditSubDialogSim, AFailedWriteStaysOpenOrClosesAsChosenAndTheListSaysWhyAndIsUsable) {
    std::vector<int> saved;
    for (int v = 0; v < List.Table.Request->Request.VarList.GetCount(); ++v) {
        saved.push_back(List.Table.Request->Request.VarList.GetVariable(v).Access);
    }
    for (SubDialogFailure failure : {SubDialogFailure::StayOpen, SubDialogFailure::Close}) {
        SCOPED_TRACE(static_cast<int>(failure));
        List.Table.StatusPanel->SetText("");
        const bool open = RunSub([&] {
            EXPECT_FALSE(WriteThroughList(
                Sub.get(), &List.Table,
                [](DialogRequest& request) {
                    SkipFlagScope skipped(request.Request);
                    skipped.Skip(KitDialog::kPriority);
                    throw std::runtime_error("cannot write the row");
                },
                ListLock::Lock, failure));
        });
        EXPECT_EQ(open, failure == SubDialogFailure::StayOpen);
        EXPECT_EQ(List.StatusText(), "cannot write the row");
        EXPECT_TRUE(List.Table.DataComplete);
        for (int v = 0; v < List.Table.Request->Request.VarList.GetCount(); ++v) {
            EXPECT_EQ(List.Table.Request->Request.VarList.GetVariable(v).Access,
                      saved[static_cast<size_t>(v)])
                << v;
        }
    }
    EXPECT_TRUE(Agent().SetLog().empty());
}

// A write with its own plan: the list's own re-read, or the framework's alone (one read, not two),
// and a refused SET leaves the list usable.
TEST_F(EditSubDialogSim, AWriteWithItsOwnPlanReadsAsThePlanSays) {
    const struct {
        const char* Name;
        bool FrameworkReRead; // the SET asks the framework to read again, the plan reads nothing
        bool Refused;
    } cases[] = {{"the list's re-read", false, false},
                 {"the framework's re-read alone", true, false},
                 {"a refused SET", true, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        List.Area.List->SetSelected(List.Area.List->Items()[1]);
        List.Address->SetText(c.Refused ? "10.0.0.40" : "10.0.0.30");
        if (c.Refused) {
            Agent().InjectError(kServerEntry, "genErr", SimOp::Set);
            Dialogs.Expect(DialogKind::Box, kAppTitle, MessageOfCode(-105));
        }
        const int readsBefore = List.ReadsEnded;
        const WritePlan plan =
            c.FrameworkReRead ? WritePlan{.After = ReRead::None, .Locks = false} : WritePlan{};
        RunSub([&] {
            EXPECT_TRUE(WriteThroughList(
                Sub.get(), &List.Table,
                [&](DialogRequest& request) {
                    WriteCarry::Only({KitDialog::kAddress}).Send(request, c.FrameworkReRead);
                },
                plan, SubDialogFailure::Close));
        });
        ASSERT_TRUE(WaitFor([&] { return !List.Table.Request->Busy; }, 10000));
        Application->WaitUntil([] { return false; }, 100); // a second read would have started
        EXPECT_EQ(List.ReadsEnded - readsBefore, c.Refused ? 0 : 1);
        EXPECT_TRUE(List.Table.DataComplete);
        EXPECT_EQ(Dialogs.Pending(), 0);
        Agent().ClearInjections();
        List.ReadsWaited = List.ReadsEnded;
    }
}

TEST_F(EditSubDialogSim, WithoutAListTableTheSubDialogJustCloses) {
    bool called = false;
    const bool open = RunSub([&] {
        List.Table.MarkUnsupported({});
        EXPECT_FALSE(WriteThroughList(
            Sub.get(), &List.Table, [&](DialogRequest&) { called = true; }, ListLock::Lock));
    });
    EXPECT_FALSE(open);
    EXPECT_FALSE(called);
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST(EditSubDialog, CaptionNamesTheListTheDeviceAndTheMode) {
    WritableFacts().DeviceAddress = "127.0.0.9";
    EXPECT_EQ(SubDialogCaption("IP Control Table", " (Add)"), "IP Control Table: 127.0.0.9 (Add)");
    WritableFacts().DeviceAddress.clear();
}

} // namespace edit_sub_dialog_test
