// Every table command of the main menu, run as the menu runs it, against a simulated switch that
// holds the catalogue tables of every command: the dialog opens with its caption, each panel's read
// ends with "Ok!" and shows the rows the switch holds, every caption of each page reads whole,
// closing leaves no dialog behind, and nothing is written. Commands of an edition variant run once in that
// edition and once in another; the models take turns, so that every model-set copy is read by some command.
#include "CaptionCheck.h"
#include "CatalogueScenario.h"
#include "GUIConfigForm.h"
#include "MainFormFixture.h"
#include "MainMenuData.h"
#include "MainUnit.h"
#include "MenuCommands.h"
#include "SimAgent.h"
#include "TApplication.h"
#include "TSNMPListViewPanel.h"
#include "TableDialogRules.h"
#include "UiTesting.h"
#include "VqSNMPRequest2Edits.h"
#include "VqSNMPSession.h"

#include <gtest/gtest.h>

#include <chrono>
#include <iostream>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace menu_smoke_test {

namespace {

constexpr const char* kOtherEdition = "KB"; // the edition no variant is made for
constexpr uint64_t kReadBoundMs = 15000;

std::string ModelId(int model) {
    return "1.3.6.1.4.1.746.10.117." + std::to_string(model) + ".1";
}

struct SmokeCase {
    const MenuEntry* Entry = nullptr;
    std::string Name;
    int Model = 0;
    std::string Firmware;
    bool Apart = false; // its tables cannot share the store with the others': loaded alone
};

void PrintTo(const SmokeCase& c, std::ostream* os) {
    *os << c.Name;
}

// The tables a case's panels read, as the engine chooses them.
std::vector<const MibTableRow*> TablesOf(const SmokeCase& c) {
    std::vector<const MibTableRow*> tables;
    for (const MenuPanel& panel : Panels(*c.Entry)) {
        tables.push_back(ChooseTable(panel, ModelId(c.Model), c.Firmware));
    }
    return tables;
}

void AddTables(CatalogueScenario& scenario, const SmokeCase& c) {
    const std::span<const MenuPanel> panels = Panels(*c.Entry);
    const std::vector<const MibTableRow*> tables = TablesOf(c);
    for (size_t i = 0; i < panels.size(); ++i) {
        scenario.Add(tables[i], panels[i].Kind, panels[i].Keys);
    }
}

// The shared store: the tables of every case that can share it.
struct SharedStore {
    CatalogueScenario Scenario;
    std::vector<SmokeCase> Cases; // those first, in menu order; then the cases loaded apart
};

SharedStore BuildCases() {
    SharedStore store;
    std::vector<SmokeCase> cases;
    std::map<std::string, int> names;
    int turn = 0;
    for (const MenuEntry* entry : MainMenuEntries()) {
        if (entry->Command != CommandKind::TableDialog) {
            continue;
        }
        std::set<std::string> firmwares{kOtherEdition};
        for (const MenuPanel& panel : Panels(*entry)) {
            if (panel.Edition) {
                firmwares.insert(panel.Edition);
            }
        }
        for (const std::string& firmware : firmwares) {
            SmokeCase c;
            c.Entry = entry;
            c.Model =
                MibModelSet::kFirstModel + turn++ % (MibModelSet::kLastModel - MibModelSet::kFirstModel + 1);
            c.Firmware = firmware;
            c.Name = entry->Handler + (firmwares.size() > 1 ? "_" + firmware : std::string());
            if (const int seen = names[c.Name]++) {
                c.Name += "_" + std::to_string(seen + 1); // a handler two items share
            }
            AddTables(store.Scenario, c);
            cases.push_back(std::move(c));
        }
    }
    std::set<const MibTableRow*> conflicting;
    for (const auto& conflict : store.Scenario.Conflicts()) {
        conflicting.insert(conflict.Table);
    }
    CatalogueScenario shared;
    for (SmokeCase& c : cases) {
        for (const MibTableRow* table : TablesOf(c)) {
            c.Apart = c.Apart || conflicting.contains(table);
        }
        if (!c.Apart) {
            AddTables(shared, c);
            store.Cases.push_back(c);
        }
    }
    for (const SmokeCase& c : cases) {
        if (c.Apart) {
            store.Cases.push_back(c);
        }
    }
    store.Scenario = std::move(shared);
    return store;
}

const SharedStore& Store() {
    static const SharedStore store = BuildCases();
    return store;
}

// The panel of a request among the components a component owns, at any depth (a page owns its
// panel).
TSNMPPanel* PanelOf(const TComponent* owner, const VqSNMPRequest2Edits* request) {
    for (int i = 0; i < owner->ComponentCount(); ++i) {
        TComponent* component = owner->Components(i);
        auto* panel = dynamic_cast<TSNMPPanel*>(component);
        if (panel && panel->Request == request) {
            return panel;
        }
        if (TSNMPPanel* found = PanelOf(component, request)) {
            return found;
        }
    }
    return nullptr;
}

// What a walk of a table shows from the store: one row per instance any read column holds, and
// "(NOTDONE)" for each read column an instance lacks (the store's own unit table has rows and
// columns beside those the catalogue's content adds).
struct WalkView {
    int Rows = 0;
    int NotDone = 0;
};

WalkView ViewOf(const std::set<SnmpOid>& store, const MibTableRow* table) {
    std::vector<SnmpOid> columns;
    for (const MibTableRow* row = table; row->Oid; ++row) {
        if (CatalogueScenario::IsRead(*row)) {
            columns.push_back(SnmpOid::Parse(row->Oid).value_or(SnmpOid()));
        }
    }
    std::set<SnmpOid> instances;
    for (const SnmpOid& column : columns) {
        for (auto it = store.upper_bound(column); it != store.end() && it->StartsWith(column); ++it) {
            instances.insert(
                SnmpOid({it->Arcs.begin() + static_cast<std::ptrdiff_t>(column.Size()), it->Arcs.end()}));
        }
    }
    WalkView view{static_cast<int>(instances.size()), 0};
    for (const SnmpOid& instance : instances) {
        for (SnmpOid cell : columns) {
            cell.Append(instance);
            view.NotDone += store.contains(cell) ? 0 : 1;
        }
    }
    return view;
}

int NotDoneCells(const TListItem* item) {
    int count = item->Caption() == "(NOTDONE)" ? 1 : 0;
    for (int i = 0; i < item->SubItems().Count(); ++i) {
        count += item->SubItems()[i] == "(NOTDONE)" ? 1 : 0;
    }
    return count;
}

class MenuSmokeTest : public ::testing::TestWithParam<SmokeCase> {
protected:
    static SimAgent& Agent() { return SimAgent::Shared(); }

    // The switch holding every shared table, and the main window started against it (SNMPv3, as
    // the program is run).
    static void SetUpTestSuite() {
        Agent().Reset();
        LoadShared();
        ProgramArguments() = MainWindowArguments(Agent());
        Form = CreateForm<TMainForm>(Application);
    }
    static void TearDownTestSuite() {
        delete Form;
        Form = nullptr;
        ProgramArguments().clear();
        WritableFacts() = {};
        Agent().Reset();
    }

    static void LoadShared() {
        const std::string json = Store().Scenario.Scenario();
        const auto start = std::chrono::steady_clock::now();
        Agent().LoadScenario(json);
        TakeStore();
        const auto ms =
            std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start)
                .count();
        std::cout << "[ store    ] " << Store().Scenario.CellCount() << " cells of the tables of "
                  << Store().Cases.size() << " cases taken up in " << ms << " ms\n";
        Current = nullptr;
    }

    // The store a case reads: the shared one, or its own tables alone.
    static void UseStoreOf(const SmokeCase& c) {
        if (!c.Apart) {
            if (Current) {
                LoadShared();
            }
            return;
        }
        CatalogueScenario own;
        AddTables(own, c);
        Agent().LoadScenario(own.Scenario());
        TakeStore();
        Current = &c;
    }

    static void TakeStore() {
        Held.clear();
        for (const auto& [oid, value] : Agent().Store()) {
            Held.insert(SnmpOid::Parse(oid).value_or(SnmpOid()));
        }
    }

    void SetUp() override {
        Saved = SessionParameters.EventProcessor.ExceptionHandler;
        SessionParameters.EventProcessor.ExceptionHandler = [this](std::exception_ptr failure) {
            try {
                std::rethrow_exception(failure);
            } catch (const std::exception& e) {
                Escaped.push_back(e.what());
            } catch (...) {
                Escaped.push_back("an unknown exception");
            }
        };
    }
    void TearDown() override {
        SessionParameters.EventProcessor.ExceptionHandler = Saved;
        EXPECT_EQ(Agent().TakeErrors(), "") << "the simulated switch reported faults";
    }

    // Checks the panel of page `page` (0 outside a paged dialog) once its read has ended.
    static void CheckPanel(TConfigForm* dialog, const SmokeCase& c, size_t page,
                           const CatalogueScenario& scenario) {
        const MenuPanel& panel = Panels(*c.Entry)[page];
        VqSNMPRequest2Edits* request = dialog->Requests.at(page);
        if (page > 0) {
            ClickTab(dialog->PageControl, static_cast<int>(page));
        }
        ASSERT_TRUE(
            WaitFor([&] { return dialog->CurrentRequest == request && !request->Busy; }, kReadBoundMs))
            << "the read of page " << page << " did not end";
        EXPECT_TRUE(CaptionsReadWhole(dialog)) << "page " << page;
        TSNMPPanel* shown = PanelOf(dialog, request);
        ASSERT_NE(nullptr, shown);
        const std::string status = shown->MsgPanel->MsgBar->SimpleText();
        EXPECT_TRUE(status.starts_with("Get: Ok!")) << "page " << page << ": " << status;
        const MibTableRow* table = ChooseTable(panel, Facts().SysObjectId, Facts().FirmwareMode);
        const CatalogueScenario::Filled* filled = scenario.Find(table, panel.Kind, panel.Keys);
        ASSERT_NE(nullptr, filled);
        if (auto* list = dynamic_cast<TSNMPListViewPanel*>(shown)) {
            const bool walk = panel.Kind == MVT_FMV || panel.Kind == MVT_UMV;
            const WalkView expected = walk ? ViewOf(Held, table) : WalkView{1, 0};
            EXPECT_GE(expected.Rows, static_cast<int>(filled->Rows.size())) << "rows the switch holds";
            const TListItems& items = list->ListPanel->ListView->Items();
            EXPECT_EQ(expected.Rows, items.Count()) << "rows of page " << page;
            int notDone = 0;
            for (int i = 0; i < items.Count(); ++i) {
                notDone += NotDoneCells(items[i]);
            }
            EXPECT_EQ(expected.NotDone, notDone) << "cells of page " << page << " without an entry";
        } else {
            const VqSNMPVarList& variables = request->Request.VarList;
            for (int v = 0; v < variables.GetCount(); ++v) {
                if (variables.IsGettable(v)) {
                    EXPECT_NE("(NOTDONE)", variables.GetVariable(v).ValueText)
                        << variables.GetVariable(v).Caption;
                }
            }
        }
    }

    static TMainForm* Form;
    static const SmokeCase* Current; // the case loaded apart, null for the shared store
    static std::set<SnmpOid> Held;   // the OIDs the store holds

    ScriptedDialogs Dialogs; // none expected: a message box fails the command
    std::function<void(std::exception_ptr)> Saved;
    std::vector<std::string> Escaped;
};

TMainForm* MenuSmokeTest::Form = nullptr;
const SmokeCase* MenuSmokeTest::Current = nullptr;
std::set<SnmpOid> MenuSmokeTest::Held;

} // namespace

TEST_P(MenuSmokeTest, OpensReadsEveryPageWithOkAndClosesWithoutWriting) {
    const SmokeCase& c = GetParam();
    UseStoreOf(c);
    CatalogueScenario own;
    AddTables(own, c);
    WritableFacts().SysObjectId = ModelId(c.Model);
    WritableFacts().FirmwareMode = c.Firmware;
    WritableFacts().DeviceAddress = Agent().Address();
    const std::string caption = std::string(c.Entry->Title) + (c.Entry->TitleJoin ? c.Entry->TitleJoin : "") +
                                (c.Entry->TitleOnly ? "" : Facts().DeviceAddress);

    bool shown = false;
    ModalDriver driver;
    driver.Then([&](TForm* form) {
        shown = true;
        auto* dialog = dynamic_cast<TConfigForm*>(form);
        ASSERT_NE(nullptr, dialog);
        EXPECT_EQ(ConfigForm, dialog);
        EXPECT_EQ(caption, dialog->Caption());
        const size_t pages = Panels(*c.Entry).size();
        ASSERT_EQ(pages, dialog->Requests.size());
        for (size_t page = 0; page < pages; ++page) {
            CheckPanel(dialog, c, page, own);
        }
        form->Close();
    });
    EXPECT_NO_THROW(RunMenuCommand(*c.Entry));
    EXPECT_TRUE(shown);
    EXPECT_EQ(nullptr, ConfigForm);
    EXPECT_TRUE(Escaped.empty()) << Escaped.front();
    const auto writes = Agent().SetLog();
    EXPECT_TRUE(writes.empty()) << writes.size() << " SET PDUs, the first to "
                                << writes.front().VarBinds.at(0).Oid;
    if (!writes.empty()) {
        Agent().ClearSetLog();
    }
}

INSTANTIATE_TEST_SUITE_P(MainMenu, MenuSmokeTest, ::testing::ValuesIn(Store().Cases),
                         [](const ::testing::TestParamInfo<SmokeCase>& info) { return info.param.Name; });

} // namespace menu_smoke_test
