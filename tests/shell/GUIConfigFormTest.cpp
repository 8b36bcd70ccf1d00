// The generic dialog: its layouts and their refusals, the first read inside the modal loop, pages
// read when shown, and closing while a read runs.
#include "CatalogueOptionLists.h"
#include "DeviceFacts.h"
#include "GenericDialogFixture.h"
#include "Oid_voicevlan.h"
#include "Oid_wac.h"

namespace gui_config_form_test {

namespace {

const std::string kTable = "1.3.6.1.4.1.746.99.8.1.1";

constexpr MibTableRow kRows[] = {
    {" ", "Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.99.8.1.1.2", "Name", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.99.8.1.1.3", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};
constexpr MibTableRow kOtherRows[] = {
    {" ", "Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.99.8.2.1.2", "Speed", itInteger, acReadOnly},
    {},
};
constexpr MibTableRow kGroup[] = {
    {"1.3.6.1.4.1.746.99.8.3", "Contact", itDisplayString, acReadWrite},
    {},
};

// Two tables of `count` rows each and one scalar.
std::string Scenario(int count) {
    std::string first;
    std::string second;
    for (int i = 1; i <= count; ++i) {
        const std::string sep = i > 1 ? "," : "";
        first += sep + "[\"" + std::to_string(i) + "\", \"row " + std::to_string(i) + "\", 1]";
        second += sep + "[\"" + std::to_string(i) + "\", " + std::to_string(i * 100) + "]";
    }
    return R"({"objects": [["1.3.6.1.4.1.746.99.8.3.0", "string", "admin", "rw"]], "tables": [
        {"entry": "1.3.6.1.4.1.746.99.8.1.1", "columns": [[2, "string", "rw"], [3, "rowstatus"]], "rows": [)" +
           first + R"(]},
        {"entry": "1.3.6.1.4.1.746.99.8.2.1", "columns": [[2, "int"]], "rows": [)" +
           second + "]}]}";
}

using ConfigFormTest = GenericDialogTest;

std::string Refusal(const std::function<void()>& call) {
    try {
        call();
    } catch (const std::exception& e) {
        return e.what();
    }
    return "no exception";
}

} // namespace

TEST_F(ConfigFormTest, ALayoutIsChosenOnceAndPagesOnlyInAPagedDialog) {
    const struct {
        const char* Name;
        std::function<void(TConfigForm*)> Call;
        const char* Message;
    } cases[] = {
        {"editor after list",
         [](TConfigForm* d) {
             d->SetListViewPanel(NewRequest(d, kRows, MVT_UMV, 1), -1, nullptr, -1, nullptr);
             std::unique_ptr<VqSNMPRequest2Edits> refused(NewRequest(d, kGroup, SVT_SV, 0));
             d->SetEditorPanel(refused.get());
         },
         "Can not change Type of a Config Form!"},
        {"pages after editor",
         [](TConfigForm* d) {
             d->SetEditorPanel(NewRequest(d, kGroup, SVT_SV, 0));
             d->SetPagePanel();
         },
         "Can not change Type of a Config Form!"},
        {"editor page without pages",
         [](TConfigForm* d) {
             std::unique_ptr<VqSNMPRequest2Edits> refused(NewRequest(d, kGroup, SVT_SV, 0));
             d->AddEditorPage("Settings", refused.get());
         },
         "Can not add editor page to a none-page pannel!"},
        {"list page in an editor",
         [](TConfigForm* d) {
             d->SetEditorPanel(NewRequest(d, kGroup, SVT_SV, 0));
             std::unique_ptr<VqSNMPRequest2Edits> refused(NewRequest(d, kRows, MVT_UMV, 1));
             d->AddListViewPage("Rows", refused.get(), -1, nullptr, -1, nullptr);
         },
         "Can not add listview page to a none-page pannel!"},
        {"add value not offered",
         [](TConfigForm* d) {
             d->SetListViewPanel(NewRequest(d, kRows, MVT_UMV, 1), 2, "enabled", 2, "destroy");
         },
         "TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:enabled"},
        {"delete value not offered",
         [](TConfigForm* d) {
             d->SetListViewPanel(NewRequest(d, kRows, MVT_UMV, 1), 2, "createAndGo", 2, "gone");
         },
         "TSNMPListViewPanel::SetDeleteStatus - Wrong DeleteStatusValue:gone"},
        {"delete value on a row without options",
         [](TConfigForm* d) {
             d->SetListViewPanel(NewRequest(d, kRows, MVT_UMV, 1), -1, nullptr, 1, "destroy");
         },
         "TSNMPListViewPanel::SetDeleteStatus - Wrong DeleteStatusValue:destroy"},
    };
    for (const auto& c : cases) {
        std::unique_ptr<TConfigForm> dialog(NewDialog());
        EXPECT_EQ(c.Message, Refusal([&] { c.Call(dialog.get()); })) << c.Name;
    }
}

TEST_F(ConfigFormTest, TheFirstReadRunsInsideTheModalLoop) {
    Agent().LoadScenario(Scenario(3));
    std::unique_ptr<TConfigForm> dialog(NewDialog());
    EXPECT_EQ("ConfigForm", dialog->Caption());
    VqSNMPRequest2Edits* request = NewRequest(dialog.get(), kRows, MVT_UMV, 1);
    TSNMPListViewPanel* panel = dialog->SetListViewPanel(request, 2, "createAndGo", -1, nullptr);
    EXPECT_TRUE(panel->Buttons->AddButton->Visible());
    EXPECT_FALSE(panel->Buttons->DeleteButton->Visible());
    EXPECT_EQ(TConfigForm::ftTable, dialog->FormType);
    EXPECT_GE(dialog->ClientWidth(), 350);
    EXPECT_EQ(nullptr, dialog->CurrentRequest);
    ModalDriver driver;
    driver.Then([&](TForm*) {
        EXPECT_EQ(request, dialog->CurrentRequest);
        ASSERT_TRUE(WaitIdle(request));
        EXPECT_EQ(3, panel->ListPanel->ListView->Items().Count());
        EXPECT_TRUE(Status(panel).starts_with("Get: Ok!")) << Status(panel);
        ClickControl(panel->Buttons->CloseButton);
    });
    dialog->ShowModal();
    EXPECT_TRUE(dialog->Requests.empty());
    EXPECT_EQ(nullptr, dialog->CurrentRequest);
}

TEST_F(ConfigFormTest, ADialogWithoutLayoutOrPagesReadsNothing) {
    for (bool paged : {false, true}) {
        std::unique_ptr<TConfigForm> dialog(NewDialog());
        if (paged) {
            dialog->SetPagePanel();
        }
        ModalDriver driver;
        driver.Then([&](TForm* form) {
            Application->ProcessMessages();
            EXPECT_EQ(nullptr, dialog->CurrentRequest);
            form->Close();
        });
        dialog->ShowModal();
    }
}

TEST_F(ConfigFormTest, APagedDialogReadsTheShownPageAndStopsTheReadOfThePageLeft) {
    Agent().LoadScenario(Scenario(8));
    std::unique_ptr<TConfigForm> dialog(NewDialog());
    dialog->SetBounds(0, 0, 600, 600);
    dialog->SetPagePanel();
    VqSNMPRequest2Edits* first = NewRequest(dialog.get(), kRows, MVT_UMV, 1);
    TSNMPListViewPanel* firstPanel = dialog->AddListViewPage("Names", first, 2, "createAndGo", 2, "destroy");
    VqSNMPRequest2Edits* second = NewRequest(dialog.get(), kOtherRows, MVT_UMV, 1);
    TSNMPListViewPanel* secondPanel = dialog->AddListViewPage("Speeds", second, -1, nullptr, -1, nullptr);
    VqSNMPRequest2Edits* third = NewRequest(dialog.get(), kGroup, SVT_SV, 0);
    TSNMPEditorPanel* thirdPanel = dialog->AddEditorPage("Contact", third);
    ASSERT_EQ(3, dialog->PageControl->PageCount());
    EXPECT_EQ(2, dialog->PageControl->Pages(2)->Tag());
    EXPECT_EQ((std::vector<VqSNMPRequest2Edits*>{first, second, third}), dialog->Requests);
    TListView* names = firstPanel->ListPanel->ListView;
    TListView* speeds = secondPanel->ListPanel->ListView;
    ModalDriver driver;
    driver.Then([&](TForm*) {
        ASSERT_TRUE(WaitIdle(first));
        EXPECT_EQ(8, names->Items().Count());
        EXPECT_EQ(0, speeds->Items().Count()); // a page not shown is not read

        // Turning to another page while the first one is read stops that read.
        Agent().SetDelay("1.3.6.1.4.1.746.99.8.1", 150, SimOp::Next);
        ClickControl(firstPanel->Buttons->RefreshButton);
        ASSERT_TRUE(WaitFor([&] { return names->Items().Count() >= 1; }));
        ClickTab(dialog->PageControl, 1);
        EXPECT_EQ(second, dialog->CurrentRequest);
        EXPECT_FALSE(first->Request.Active);
        ASSERT_TRUE(WaitIdle(first));
        ASSERT_TRUE(WaitIdle(second));
        EXPECT_LT(names->Items().Count(), 8);
        EXPECT_EQ(8, speeds->Items().Count());
        EXPECT_EQ("800", speeds->Items()[7]->SubItems()[0]);

        ClickTab(dialog->PageControl, 2);
        ASSERT_TRUE(WaitIdle(third));
        EXPECT_EQ("admin", EditOf(thirdPanel->Rows, 0)->Text());
        // Nothing is cached: the first page is read again, whole.
        Agent().ClearInjections();
        ClickTab(dialog->PageControl, 0);
        ASSERT_TRUE(WaitIdle(first));
        EXPECT_EQ(8, names->Items().Count());
        ClickControl(firstPanel->Buttons->CloseButton);
    });
    dialog->ShowModal();
    EXPECT_TRUE(dialog->Requests.empty());
}

TEST_F(ConfigFormTest, APageControlGrowsTheDialogBeyondWhatOnePanelMayTake) {
    std::unique_ptr<TConfigForm> dialog(NewDialog());
    dialog->SetPagePanel();
    TSNMPEditorPanel* panel =
        dialog->AddEditorPage("Settings", NewRequest(dialog.get(), WACGlobalSettings, SVT_SV, 0));
    EXPECT_GT(panel->Rows->Height(), 550);
    EXPECT_GT(dialog->ClientHeight(), 550);
    EXPECT_EQ(alClient, dialog->PageControl->Align());

    std::unique_ptr<TConfigForm> editor(NewDialog());
    editor->SetEditorPanel(NewRequest(editor.get(), WACGlobalSettings, SVT_SV, 0));
    EXPECT_EQ(550, editor->ClientHeight());
}

TEST_F(ConfigFormTest, ClosingDuringAWalkWaitsForItsReplyBeforeDeletingTheRequest) {
    Agent().LoadScenario(Scenario(8));
    std::unique_ptr<TConfigForm> dialog(NewDialog());
    VqSNMPRequest2Edits* request = NewRequest(dialog.get(), kRows, MVT_UMV, 1);
    TSNMPListViewPanel* panel = dialog->SetListViewPanel(request, -1, nullptr, -1, nullptr);
    Agent().SetDelay(kTable, 200, SimOp::Next);
    ModalDriver driver;
    driver.Then([&](TForm*) {
        ASSERT_TRUE(WaitFor([&] { return panel->ListPanel->ListView->Items().Count() >= 1; }));
        ASSERT_TRUE(request->Busy);
        ClickControl(panel->Buttons->CloseButton);
    });
    dialog->ShowModal();
    EXPECT_TRUE(dialog->Requests.empty());
    EXPECT_LT(panel->ListPanel->ListView->Items().Count(), 8);
}

// A switch that holds its reply past the request's own wait: closing waits one reply's whole wait
// on the clock seam and no longer, then the request goes all the same.
TEST_F(ConfigFormTest, ClosingWaitsForAHeldReplyOneReplyBoundAndNoLonger) {
    Agent().LoadScenario(Scenario(8));
    std::unique_ptr<TConfigForm> dialog(NewDialog());
    VqSNMPRequest2Edits* request = NewRequest(dialog.get(), kRows, MVT_UMV, 1);
    dialog->SetListViewPanel(request, -1, nullptr, -1, nullptr);
    request->Request.Timeout = 100; // the program's own 1 s a try
    const uint64_t bound = ReplyWaitBoundMs(request->Request.Timeout, request->Request.Retries);
    Agent().SetDelay(kTable, 5000, SimOp::Next); // past the close's bound even on the real clock
    // The dialog closes after the handler that asked for it, so the clock spans the whole showing.
    FakeClock clock(/*stepPerRead=*/250);
    uint64_t closedAt = 0;
    ModalDriver driver;
    driver.Then([&](TForm* form) {
        ASSERT_TRUE(request->Busy);
        closedAt = clock.Ticks;
        form->Close();
    });
    dialog->ShowModal();
    EXPECT_EQ(driver.Pending(), 0);
    EXPECT_TRUE(dialog->Requests.empty());
    EXPECT_GE(clock.Ticks - closedAt, bound) << "gave up before the reply could come";
    EXPECT_LE(clock.Ticks - closedAt, bound + 500) << "waited past one reply's wait";
}

TEST_F(ConfigFormTest, AReadThatRaisesLeavesItsMessageInTheStatusLine) {
    std::unique_ptr<TConfigForm> dialog(NewDialog());
    VqSNMPRequest2Edits* request = NewRequest(dialog.get(), kRows, MVT_UMV, 1);
    TSNMPListViewPanel* panel = dialog->SetListViewPanel(request, -1, nullptr, -1, nullptr);
    request->Request.VarList.Kind = 9; // no kind a request can read
    ModalDriver driver;
    driver.Then([&](TForm* form) {
        Application->ProcessMessages();
        EXPECT_EQ(request, dialog->CurrentRequest);
        EXPECT_TRUE(request->Request.Active);
        EXPECT_FALSE(Status(panel).empty());
        EXPECT_NE(std::string::npos, Status(panel).find("Get: ")) << Status(panel);
        EXPECT_TRUE(form->Visible());
        ClickControl(panel->Buttons->CloseButton);
    });
    dialog->ShowModal();
}

TEST_F(ConfigFormTest, TheAddDialogOfAPageIsCaptionedWithThePageAndTheDeviceAddress) {
    Agent().LoadScenario(Scenario(2));
    const std::string savedAddress = Facts().DeviceAddress;
    WritableFacts().DeviceAddress = "10.90.90.90";
    std::unique_ptr<TConfigForm> dialog(NewDialog());
    dialog->SetPagePanel();
    VqSNMPRequest2Edits* request = NewRequest(dialog.get(), kRows, MVT_UMV, 1);
    TSNMPListViewPanel* panel = dialog->AddListViewPage("Names", request, 2, "createAndGo", 2, "destroy");
    dialog->SetCaption("Names: 10.90.90.90");
    ModalDriver driver;
    driver.Then([&](TForm*) {
        ASSERT_TRUE(WaitIdle(request));
        ClickControl(panel->Buttons->AddButton);
        ClickControl(panel->Buttons->CloseButton);
    });
    driver.Then([&](TForm* add) {
        EXPECT_EQ("Names: 10.90.90.90 (Add)", add->Caption());
        add->Close();
    });
    dialog->ShowModal();
    WritableFacts().DeviceAddress = savedAddress;
}

} // namespace gui_config_form_test
