#include "MenuCommands.h"

#include "CaptionCheck.h"
#include "DedicatedDialogRegistry.h"
#include "DedicatedDialogs.h"
#include "GUIConfigForm.h"
#include "MainFormFixture.h"
#include "MainMenuData.h"
#include "MainMenuTree.h"
#include "MenuTree.h"
#include "SiblingFolder.h"
#include "TEditsPanel.h"
#include "TMainMenu.h"
#include "TableDialogRules.h"
#include "UiTesting.h"
#include "VqSNMPRequest2Edits.h"

#include <QFile>
#include <QScrollArea>
#include <QScrollBar>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>

namespace menu_commands_test {

namespace {

const std::string kModelIds[] = {"1.3.6.1.4.1.746.10.117.2.1", "1.3.6.1.4.1.746.10.117.3.1",
                                 "1.3.6.1.4.1.746.10.117.4.1", "1.3.6.1.4.1.746.10.117.5.1",
                                 "1.3.6.1.4.1.746.10.117.6.1", "1.3.6.1.4.1.746.10.117.7.1"};

const MenuEntry& Command(const char* handler) {
    const MenuEntry* entry = FindMenuCommand(handler);
    if (!entry) {
        throw std::logic_error(std::string("no menu command ") + handler);
    }
    return *entry;
}

// The voice VLAN OUI table with two rows: its command lists them, creates rows with "createAndGo"
// and deletes them with "destroy".
const char* const kOuiScenario = R"({"tables": [{"entry": "1.3.6.1.4.1.746.12.74.3.1.1",
    "columns": [[2, "hex", "rw"], [3, "string", "rw"], [4, "rowstatus"]],
    "rows": [["0.1.227.0.0.0", "FFFFFF000000", "Alpha", 1],
             ["0.208.184.0.0.0", "FFFFFF000000", "Beta", 1]]}]})";

class MenuCommandsTest : public MainFormTest {
protected:
    void SetUp() override {
        MainFormTest::SetUp();
        InstallMainMenu();
    }
    void TearDown() override {
        MainMenuBuilder = nullptr;
        MainFormTest::TearDown();
    }

    // A dialog as the command builds it, not shown.
    static std::unique_ptr<TConfigForm> Build(const char* handler) {
        return std::unique_ptr<TConfigForm>(BuildTableDialog(Command(handler)));
    }
    static TSNMPEditorPanel* PanelOf(TForm* form) {
        for (int i = 0; i < form->ComponentCount(); ++i) {
            if (auto* panel = dynamic_cast<TSNMPEditorPanel*>(form->Components(i))) {
                return panel;
            }
        }
        return nullptr;
    }
    static std::string FirstOid(const TConfigForm* form) {
        const VqSNMPVarList& list = form->Requests.at(0)->Request.VarList;
        for (int i = 0; i < list.GetCount(); ++i) {
            if (list.GetVariable(i).Oid != " ") {
                return list.GetVariable(i).Oid;
            }
        }
        return "";
    }

    ScriptedDialogs Dialogs;
};

TEST_F(MenuCommandsTest, CaptionIsTheTitleAndTheAddressOrTheTitleAlone) {
    Open("{}");
    const std::string address = Agent().Address();
    const struct {
        const char* Handler;
        std::string Caption;
    } cases[] = {
        {"OUITable1Click", "Voice VLAN OUI Table: " + address},
        {"VLANPortInfomation1Click", "VLAN Port Information Table: " + address}, // title joined to ": "
        {"Option18Settings1Click", DialogCaption(Command("Option18Settings1Click"), "")},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Build(c.Handler)->Caption(), c.Caption) << c.Handler;
    }
    EXPECT_TRUE(Command("Option18Settings1Click").TitleOnly);
    EXPECT_EQ(std::string(Command("Option18Settings1Click").Title), cases[2].Caption);
}

TEST_F(MenuCommandsTest, SizesScaleByTheMainWindowsFactorTruncated) {
    Open("{}");
    WritableFacts().SysObjectId = kModelIds[0];
    for (double scale : {1.0, 1.25}) {
        Form->ScaleFactor = scale;
        // "height 450": 450 at 96 DPI, 562 otherwise.
        EXPECT_EQ(Build("PortInformation1Click")->Height(), scale == 1.0 ? 450 : 562);
    }
    // "height +N" and "width +N" add the scaled amount to what the layout gave.
    for (const MenuEntry* entry : MainMenuEntries()) {
        if (entry->Command != CommandKind::TableDialog || entry->IsPaged() ||
            entry->Sizes[0].Op != SizeOp::HeightPlus || entry->Sizes[1].Op != SizeOp::None) {
            continue;
        }
        Form->ScaleFactor = 1.0;
        const int plain = std::unique_ptr<TConfigForm>(BuildTableDialog(*entry))->Height();
        Form->ScaleFactor = 1.25;
        const int scaled = std::unique_ptr<TConfigForm>(BuildTableDialog(*entry))->Height();
        const int n = entry->Sizes[0].Value;
        EXPECT_EQ(scaled - plain, ScaledSize(n, 1.25) - n) << entry->Handler;
        break;
    }
}

TEST_F(MenuCommandsTest, PerModelCommandsReadTheCopyOfTheSwitchsModel) {
    Open("{}");
    for (int m = 2; m <= 7; ++m) {
        WritableFacts().SysObjectId = kModelIds[m - 2];
        EXPECT_EQ(FirstOid(Build("PortInformation1Click").get())
                      .rfind("1.3.6.1.4.1.746.11.117." + std::to_string(m) + ".", 0),
                  0u)
            << "model " << m;
    }
}

TEST_F(MenuCommandsTest, AnUnknownModelOpensTheDialogEmptyAndReadsNothing) {
    Open("{}");
    WritableFacts().SysObjectId = "1.3.6.1.4.1.746.10.117.9.1";
    ModalDriver driver;
    driver.Then([&](TForm* form) {
        auto* dialog = dynamic_cast<TConfigForm*>(form);
        ASSERT_NE(dialog, nullptr);
        TSNMPEditorPanel* panel = PanelOf(dialog);
        // The first-read message has run once the dialog is idle; it started nothing.
        ASSERT_TRUE(WaitFor([&] { return !dialog->Requests.at(0)->Busy; }));
        Application->ProcessMessages();
        EXPECT_EQ(dialog->Requests.at(0)->Request.VarList.GetCount(), 0);
        EXPECT_EQ(dialog->Requests.at(0)->RowCount, 0);
        EXPECT_EQ(panel->MsgPanel->MsgBar->SimpleText(), kUnsupportedModelText);
        ClickControl(panel->Buttons->RefreshButton);
        EXPECT_EQ(panel->MsgPanel->MsgBar->SimpleText(), kUnsupportedModelText);
        ClickControl(panel->Buttons->CloseButton);
    });
    // A list with Add and Delete over a per-model table: neither is offered without the table.
    const MenuEntry& entry = Command("PortInformation1Click");
    RunMenuCommand(entry);
    EXPECT_EQ(driver.Pending(), 0);
    EXPECT_TRUE(Agent().SetLog().empty());
}

// A generic dialog whose four fields fit shows no scroll bar, and its captions read whole.
TEST_F(MenuCommandsTest, BasicInformationShowsItsFourFieldsWithoutAScrollBar) {
    Open("{}");
    ModalDriver driver;
    driver.Then([&](TForm* form) {
        auto* dialog = dynamic_cast<TConfigForm*>(form);
        ASSERT_NE(dialog, nullptr);
        ASSERT_TRUE(WaitFor([&] { return !dialog->Requests.at(0)->Busy; }));
        Application->ProcessMessages();
        TEditsPanel* rows = PanelOf(dialog)->Rows;
        EXPECT_EQ(rows->RowCount(), 4);
        auto* area = static_cast<QScrollArea*>(rows->ScrollBox->Widget());
        EXPECT_FALSE(area->verticalScrollBar()->isVisible());
        EXPECT_FALSE(area->horizontalScrollBar()->isVisible());
        EXPECT_TRUE(CaptionsReadWhole(dialog));
        form->Close();
    });
    RunMenuCommand(Command("BasicInfo1Click"));
    EXPECT_EQ(driver.Pending(), 0);
}

TEST_F(MenuCommandsTest, EditionVariantsTakeTheirTableOnlyForTheirExactEdition) {
    Open("{}");
    WritableFacts().SysObjectId = kModelIds[0];
    int seen = 0;
    for (const MenuEntry* entry : MainMenuEntries()) {
        if (entry->Command != CommandKind::TableDialog || entry->IsPaged() || !entry->Panel.Edition) {
            continue;
        }
        const MenuPanel& panel = entry->Panel;
        for (const char* mode : {"KA", "KB", "KC", ""}) {
            WritableFacts().FirmwareMode = mode;
            const MenuTable& table = Facts().FirmwareMode == panel.Edition ? panel.EditionTable : panel.Table;
            const MibTableRow* expected = table.Set ? table.Set->ForModel(2) : table.Table;
            const int count = std::unique_ptr<TConfigForm>(BuildTableDialog(*entry))
                                  ->Requests.at(0)
                                  ->Request.VarList.GetCount();
            EXPECT_EQ(count, VqSNMPVarList::CountRows(expected)) << entry->Handler << " in " << mode;
        }
        ++seen;
    }
    EXPECT_GT(seen, 0);
}

TEST_F(MenuCommandsTest, ButtonSettingsHideEditWithOrWithoutTheDoubleClickAndPlaceStop) {
    Open("{}");
    WritableFacts().SysObjectId = kModelIds[0];
    {
        auto dialog = Build("MACBasedVLAN2Click"); // Edit hidden, the double-click still edits
        auto* panel = dynamic_cast<TSNMPListViewPanel*>(PanelOf(dialog.get()));
        ASSERT_NE(panel, nullptr);
        EXPECT_FALSE(panel->Buttons->EditButton->Visible());
        EXPECT_TRUE(static_cast<bool>(panel->ListPanel->ListView->OnDblClick));
    }
    {
        auto dialog = Build("OUITable1Click"); // Edit hidden and nothing opens the Edit dialog
        auto* panel = dynamic_cast<TSNMPListViewPanel*>(PanelOf(dialog.get()));
        ASSERT_NE(panel, nullptr);
        EXPECT_FALSE(panel->Buttons->EditButton->Visible());
        EXPECT_FALSE(static_cast<bool>(panel->ListPanel->ListView->OnDblClick));
        EXPECT_TRUE(panel->Buttons->AddButton->Visible());
        EXPECT_TRUE(panel->Buttons->DeleteButton->Visible());
    }
    {
        auto dialog = Build("RouteTable2Click"); // Stop shown, the column laid out again
        TCtrlBtnPanel* buttons = PanelOf(dialog.get())->Buttons;
        EXPECT_TRUE(buttons->StopButton->Visible());
        EXPECT_LT(buttons->StopButton->Top(), buttons->CloseButton->Top());
    }
}

TEST_F(MenuCommandsTest, DeleteThroughTheCommandsDialogSendsDestroyAndConfigFormNamesTheDialog) {
    Open(kOuiScenario);
    ModalDriver driver;
    driver.Then([&](TForm* form) {
        EXPECT_EQ(static_cast<TForm*>(ConfigForm), form);
        auto* dialog = dynamic_cast<TConfigForm*>(form);
        auto* panel = dynamic_cast<TSNMPListViewPanel*>(PanelOf(dialog));
        ASSERT_TRUE(WaitFor([&] { return !dialog->Requests.at(0)->Busy; }));
        ASSERT_EQ(panel->ListPanel->ListView->Items().Count(), 2);
        ClickListRow(panel->ListPanel->ListView, 1);
        Dialogs.Expect("Are you sure to delete it?", mrOk);
        ClickControl(panel->Buttons->DeleteButton);
        EXPECT_EQ(panel->ListPanel->ListView->Items().Count(), 1);
        ClickControl(panel->Buttons->CloseButton);
    });
    Agent().ClearSetLog();
    RunMenuCommand(Command("OUITable1Click"));
    EXPECT_EQ(driver.Pending(), 0);
    EXPECT_EQ(ConfigForm, nullptr);
    const std::vector<SimSetPdu> log = Agent().SetLog();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].VarBinds,
              (std::vector<SimVarBind>{{"1.3.6.1.4.1.746.12.74.3.1.1.4.0.208.184.0.0.0", SimValue::Int(6)}}));
}

TEST_F(MenuCommandsTest, CounterTablesTalkV2cWhileOpenAndTheVersionComesBack) {
    Open(kOuiScenario);
    SessionParameters.Security.Version = 0;
    SessionParameters.Security.ReadCommunity = "tamber";
    SessionParameters.Security.WriteCommunity = "quindle";
    ModalDriver driver;
    driver.Then([&](TForm* form) {
        auto* dialog = dynamic_cast<TConfigForm*>(form);
        EXPECT_EQ(dialog->Requests.at(0)->Request.Security.Version, 1);
        ASSERT_TRUE(WaitFor([&] { return !dialog->Requests.at(0)->Busy; }));
        ClickControl(PanelOf(dialog)->Buttons->CloseButton);
    });
    RunMenuCommand(Command("Historical1Click"));
    EXPECT_EQ(driver.Pending(), 0);
    EXPECT_EQ(SessionParameters.Security.Version, 0);

    // A dedicated counter dialog that cannot be made: the raise is undone all the same.
    DedicatedDialogRegistry registry;
    registry.Register("TACLCounterForm", [](TComponent*, int) -> TForm* {
        EXPECT_EQ(SessionParameters.Security.Version, 1);
        throw std::runtime_error("no dialog");
    });
    EXPECT_THROW(RunMenuCommand(Command("ACLCounterTable1Click"), registry), std::runtime_error);
    EXPECT_EQ(SessionParameters.Security.Version, 0);
}

class ProbeDialog : public TForm {
public:
    using TForm::TForm;
};
ProbeDialog* ProbeInstance = nullptr;

TEST_F(MenuCommandsTest, DedicatedDialogsLiveInTheirPointerWhileShown) {
    Open("{}");
    DedicatedDialogRegistry registry;
    TComponent* owner = nullptr;
    auto factory = [&owner](TComponent* o, int) -> TForm* {
        owner = o;
        return CreateForm<ProbeDialog>(o);
    };
    auto setter = [](TForm* dialog) { ProbeInstance = static_cast<ProbeDialog*>(dialog); };
    registry.Register("TMcastProxyGroupForm", factory, setter);
    registry.Register("TPortTrunkForm", factory, setter);
    registry.Register("TIPv6ProfileForm", factory, setter);
    const struct {
        const char* Handler;
        bool KeepsPointer;
        TComponent* Owner;
        int Multicast;
    } cases[] = {
        {"GroupTable4Click", true, Application, 2},
        {"PortTrunk2Click", false, Application, 2}, // a local pointer; the multicast choice stays
        {"IPv6MaskInformation1Click", true, Form, 2},
    };
    for (const auto& c : cases) {
        const MenuEntry& entry = Command(c.Handler);
        ModalDriver driver;
        driver.Then([&](TForm* form) {
            EXPECT_EQ(ProbeInstance, c.KeepsPointer ? form : nullptr) << c.Handler;
            EXPECT_EQ(form->Caption(), DialogCaption(entry, Agent().Address()));
            EXPECT_EQ(Facts().MulticastIpVersion, c.Multicast);
            form->Close();
        });
        RunMenuCommand(entry, registry);
        EXPECT_EQ(driver.Pending(), 0) << c.Handler;
        EXPECT_EQ(owner, c.Owner) << c.Handler;
        EXPECT_EQ(ProbeInstance, nullptr) << c.Handler;
    }

    // A class whose construction yields no dialog: nothing is shown (a modal form would fail).
    DedicatedDialogRegistry none;
    none.Register("TPortTrunkForm", [](TComponent*, int) -> TForm* { return nullptr; });
    RunMenuCommand(Command("PortTrunk2Click"), none);
}

TEST_F(MenuCommandsTest, StpVersionIsReadBeforeItsDialogIsMade) {
    // The dedicated dialog's command and the table dialog's, each over a switch of its own version;
    // the table dialog reads the version before it is shown.
    const struct {
        const char* Handler;
        int Version;
        const char* Text;
    } cases[] = {{"Information2Click", 2, "mstp"}, {"PortTableClick", 1, "rstp"}};
    Open("{}");
    DedicatedDialogRegistry registry;
    std::string seen;
    registry.Register("TSTP_Info", [&seen](TComponent*, int) -> TForm* {
        seen = MainForm->ST_STPVersion->Caption();
        return nullptr;
    });
    auto run = [&](const char* handler) {
        seen.clear();
        ModalDriver driver;
        if (Command(handler).Command == CommandKind::TableDialog) {
            driver.Then([&](TForm* form) {
                seen = MainForm->ST_STPVersion->Caption();
                form->Close();
            });
        }
        RunMenuCommand(Command(handler), registry);
        EXPECT_EQ(driver.Pending(), 0) << handler;
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Handler);
        Agent().ClearInjections();
        Agent().LoadScenario(R"({"objects": [["1.3.6.1.4.1.746.12.15.1.2.0", "int", )" +
                             std::to_string(c.Version) + R"(, "rw"]]})");
        MainForm->ST_STPVersion->SetCaption("");
        run(c.Handler);
        EXPECT_EQ(seen, c.Text);

        // A switch that does not answer leaves the text as it was, says nothing, and the dialog is
        // made.
        Agent().LoadScenario(R"({"objects": [["1.3.6.1.4.1.746.12.15.1.2.0", "int", 0, "rw"]]})");
        Agent().SetDelay("1.3.6.1.4.1.746.12.15.1.2.0", 5000);
        Form->SetStatusText("");
        run(c.Handler);
        EXPECT_EQ(seen, c.Text);
        EXPECT_EQ(Form->StatusText(), "");
    }
}

TEST_F(MenuCommandsTest, SiblingCommandsStartTheirModuleWithTheKeyLast) {
    Open("{}");
    SiblingFolder folder({"MIB", "IFMib"});
    RecordingLauncher launcher;
    RunMenuCommand(Command("Information3Click"));
    RunMenuCommand(Command("GeneralTable1Click"));
    ASSERT_EQ(launcher.Launches.size(), 2u);
    EXPECT_EQ(launcher.Launches[0].front(), folder.Path("MIB"));
    EXPECT_EQ(launcher.Launches[0].back(), "/TMIB_Info");
    EXPECT_EQ(launcher.Launches[1].front(), folder.Path("IFMib"));
    EXPECT_EQ(launcher.Launches[1].back(), "/TIFMib_LastChangeTable");
}

// Help hands the file beside the executable to the viewer at its contents page, there or not: a
// missing file is the viewer's to report, so the command says nothing of its own.
TEST_F(MenuCommandsTest, HelpHandsTheFileBesideTheExecutableToTheViewer) {
    Open("{}");
    SiblingFolder folder({});
    RecordingHelp help;
    Form->SetStatusText("");
    RunMenuCommand(Command("Help2Click"));
    QFile file(QString::fromStdString(folder.Path(kHelpFileName)));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    RunMenuCommand(Command("Help2Click"));
    EXPECT_EQ(help.Opened,
              (std::vector<std::string>{folder.Path(kHelpFileName), folder.Path(kHelpFileName)}));
    EXPECT_EQ(Form->StatusText(), "");
}

// The whole menu after start-up: visible leaves by edition and stack mode, enabled ones less the
// dialogs not built, and the SNMP v3 menu only with /v3.
struct MenuCase {
    const char* Edition;
    bool Stacking;
};

class MainMenuVisibility : public MenuCommandsTest, public ::testing::WithParamInterface<MenuCase> {};

bool ShownByPasses(const MenuEntry& entry, const MenuCase& c) {
    const std::string edition = c.Edition;
    bool visible = entry.Visible;
    if (entry.Passes.HideAtStart || (edition == "KA" && entry.Passes.HideInKA) ||
        (edition == "KC" && entry.Passes.HideInKC)) {
        visible = false;
    }
    if (edition == "KC" && entry.Passes.ShowInKC) {
        visible = true;
    }
    if (entry.Passes.StackModeOnly) {
        visible = c.Stacking;
    }
    return visible;
}

TEST_P(MainMenuVisibility, VisibleAndEnabledLeavesFollowThePasses) {
    const MenuCase c = GetParam();
    Open(std::string(R"({"firmware": ")") + c.Edition + R"(", "stack_mode": ")" +
         (c.Stacking ? "enabled" : "disabled") + R"(", "units": [{"model": "24RA"}, {"model": "48DA"}]})");
    ASSERT_EQ(Facts().FirmwareMode, c.Edition);

    const std::vector<std::string> missing = ProgramDialogs().Missing();
    const std::set<std::string> missingSet(missing.begin(), missing.end());
    std::set<std::string> expectedVisible, expectedEnabled, visible, enabled;
    // What the passes decide for each submenu, by its depth on the current path.
    std::vector<bool> shown, usable;
    for (const MenuEntry* entry : MainMenuEntries()) {
        const int depth = entry->Depth();
        shown.resize(depth - 1);
        usable.resize(depth - 1);
        const bool parentShown = std::all_of(shown.begin(), shown.end(), [](bool b) { return b; });
        const bool parentUsable = std::all_of(usable.begin(), usable.end(), [](bool b) { return b; });
        const bool itemShown = parentShown && ShownByPasses(*entry, c);
        // The fixture starts the program with /v3, so the items enabled only with it are usable.
        const bool itemUsable = parentUsable;
        if (entry->Item == MenuItemKind::Submenu) {
            shown.push_back(ShownByPasses(*entry, c));
            usable.push_back(true);
            continue;
        }
        if (entry->Item != MenuItemKind::Item || entry->Command == CommandKind::None) {
            continue;
        }
        const std::string path = MenuItemPath(FindMenuItem(Form->MainMenu1, *entry));
        if (itemShown) {
            expectedVisible.insert(path);
            const char* dialog = entry->Command == CommandKind::Dedicated ? entry->Dialog
                                 : entry->Command == CommandKind::Ddm     ? DdmBuilderName(entry->Ddm)
                                                                          : nullptr;
            const bool tableReady = CommandReady(*entry, ProgramDialogs()) || dialog;
            if (itemUsable && tableReady && !(dialog && missingSet.count(dialog))) {
                expectedEnabled.insert(path);
            }
        }
        // What the user sees: the item and every submenu above it visible (and enabled).
        bool isVisible = true, isEnabled = true;
        for (TMenuItem* item = FindMenuItem(Form->MainMenu1, *entry); item && item->Parent();
             item = item->Parent()) {
            isVisible = isVisible && item->Visible();
            isEnabled = isEnabled && item->Enabled();
        }
        if (isVisible) {
            visible.insert(path);
            if (isEnabled) {
                enabled.insert(path);
            }
        }
    }
    EXPECT_EQ(visible, expectedVisible);
    EXPECT_EQ(enabled, expectedEnabled);
    EXPECT_GT(visible.size(), 300u);
    EXPECT_TRUE(Form->MenuItem("VACM1")->Enabled()) << "started with /v3";
}

INSTANTIATE_TEST_SUITE_P(EditionsAndStackModes, MainMenuVisibility,
                         ::testing::Values(MenuCase{"KA", true}, MenuCase{"KA", false}, MenuCase{"KB", true},
                                           MenuCase{"KB", false}, MenuCase{"KC", true},
                                           MenuCase{"KC", false}),
                         [](const auto& info) {
                             return std::string(info.param.Edition) +
                                    (info.param.Stacking ? "Stack" : "Alone");
                         });

} // namespace

} // namespace menu_commands_test
