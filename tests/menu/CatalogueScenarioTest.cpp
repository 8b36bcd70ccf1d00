// Scenario content built from catalogue tables: the simulated switch takes it up, and the generic
// dialog shows every row the builder made, keys decoded to the texts they were encoded from and
// every value in its item type's text, with "Ok!".
#include "CatalogueScenario.h"
#include "GenericDialogFixture.h"
#include "MibCatalogue.h"
#include "Oid_qos.h"
#include "VqSNMPVarList.h"

#include <algorithm>
#include <optional>
#include <set>

namespace catalogue_scenario_test {

namespace {

bool IsWalk(int kind) {
    return kind == MVT_FMV || kind == MVT_UMV;
}

// The key columns' shape: item type, implied length, last key, option list.
std::string KeyShape(const MibTableRow* table, int keyCount) {
    std::string shape;
    for (int k = 0; k < keyCount; ++k) {
        shape += std::to_string(table[k].ItemType) + ((table[k].Access & acImplied) ? "i" : "") +
                 (table[k].OptionList ? "o" : "") + (k == keyCount - 1 ? "L" : "") + " ";
    }
    return shape;
}

struct Pick {
    const MibTableInfo* Info;
    MibOpener Opener;
};

// Tables as the program opens them: one walked table for every shape of keys, and further tables
// (walked or scalar groups) until every item type of a readable variable is held once.
std::vector<Pick> TablesOfEveryShape() {
    std::vector<Pick> picks;
    std::set<std::string> shapes;
    std::set<std::pair<bool, int>> valueTypes;
    for (const MibTableInfo& info : MibTables()) {
        if (info.Model > MibModelSet::kFirstModel) {
            continue; // one copy of a model set
        }
        for (const MibOpener& opener : info.OpenedAs()) {
            const bool walk = IsWalk(opener.Kind);
            bool wanted = walk && shapes.insert(KeyShape(info.Table, opener.KeyCount)).second;
            for (const MibTableRow* row = info.Table; row->Oid; ++row) {
                if (CatalogueScenario::IsRead(*row) && valueTypes.insert({walk, row->ItemType}).second) {
                    wanted = true;
                }
            }
            if (wanted) {
                picks.push_back({&info, opener});
            }
        }
    }
    return picks;
}

// The cells a list row shows for a filled row: the hidden variables' cells first, then the
// visible ones'. Left out (nullopt): variables the walk does not read or whose text is derived.
std::vector<std::optional<std::string>> ExpectedCells(const MibTableRow* table, int kind, int keyCount,
                                                      const CatalogueScenario::Row& row) {
    const VqSNMPVarList list(table, kind, keyCount);
    std::vector<std::optional<std::string>> cells;
    for (bool hiddenGroup : {true, false}) {
        for (int v = 0; v < list.GetCount(); ++v) {
            if (!(hiddenGroup ? list.IsHiddenColumn(v) : list.IsVisible(v))) {
                continue;
            }
            const MibTableRow& variable = table[v];
            if (v < keyCount) {
                cells.emplace_back(row.Keys[static_cast<size_t>(v)]);
            } else if (CatalogueScenario::IsRead(variable) && !variable.ReadExpression &&
                       variable.ItemType != itBitList) {
                cells.emplace_back(CatalogueScenario::ValueText(variable, row.Index));
            } else {
                cells.emplace_back();
            }
        }
    }
    return cells;
}

std::vector<std::string> CellsOf(const TListItem* item) {
    std::vector<std::string> cells{item->Caption()};
    for (int i = 0; i < item->SubItems().Count(); ++i) {
        cells.push_back(item->SubItems()[i]);
    }
    return cells;
}

bool Matches(const std::vector<std::string>& shown, const std::vector<std::optional<std::string>>& expected) {
    if (shown.size() != expected.size()) {
        return false;
    }
    for (size_t c = 0; c < shown.size(); ++c) {
        if (expected[c] && *expected[c] != shown[c]) {
            return false;
        }
    }
    return true;
}

std::string Joined(const std::vector<std::string>& cells) {
    std::string text;
    for (const std::string& cell : cells) {
        text += (text.empty() ? "" : " | ") + cell;
    }
    return text;
}

using CatalogueScenarioTest = GenericDialogTest;

} // namespace

TEST_F(CatalogueScenarioTest, EveryShapeOfKeysAndEveryItemTypeReadsBackAsBuilt) {
    const std::vector<Pick> picks = TablesOfEveryShape();
    ASSERT_GT(picks.size(), 20u);
    CatalogueScenario scenario;
    for (const Pick& pick : picks) {
        scenario.Add(pick.Info->Table, pick.Opener.Kind, pick.Opener.KeyCount);
    }
    for (const auto& conflict : scenario.Conflicts()) {
        ADD_FAILURE() << conflict.Text;
    }
    Agent().LoadScenario(scenario.Scenario());

    for (const Pick& pick : picks) {
        SCOPED_TRACE(std::string(pick.Info->Name) + " " + KeyShape(pick.Info->Table, pick.Opener.KeyCount));
        const MibTableRow* table = pick.Info->Table;
        const CatalogueScenario::Filled* filled =
            scenario.Find(table, pick.Opener.Kind, pick.Opener.KeyCount);
        ASSERT_NE(nullptr, filled);
        std::unique_ptr<TConfigForm> dialog(NewDialog());
        VqSNMPRequest2Edits* request =
            NewRequest(dialog.get(), table, pick.Opener.Kind, pick.Opener.KeyCount);
        if (!IsWalk(pick.Opener.Kind)) {
            TSNMPEditorPanel* panel = dialog->SetEditorPanel(request);
            ShowAndRun(dialog.get(), panel, [&] {
                EXPECT_TRUE(Status(panel).starts_with("Get: Ok!")) << Status(panel);
                for (int v = 0; table[v].Oid; ++v) {
                    if (CatalogueScenario::IsRead(table[v]) && !table[v].ReadExpression) {
                        EXPECT_EQ(CatalogueScenario::ValueText(table[v], 0),
                                  request->Request.VarList.GetVariable(v).ValueText)
                            << table[v].Caption;
                    }
                }
            });
            continue;
        }
        ASSERT_GE(filled->Rows.size(), 1u);
        TSNMPListViewPanel* panel = dialog->SetListViewPanel(request, -1, nullptr, -1, nullptr);
        ShowAndRun(dialog.get(), panel, [&] {
            EXPECT_TRUE(Status(panel).starts_with("Get: Ok!")) << Status(panel);
            const TListItems& items = panel->ListPanel->ListView->Items();
            ASSERT_EQ(static_cast<int>(filled->Rows.size()), items.Count());
            std::vector<std::vector<std::string>> shown;
            for (int i = 0; i < items.Count(); ++i) {
                shown.push_back(CellsOf(items[i]));
            }
            for (const CatalogueScenario::Row& row : filled->Rows) {
                const auto expected = ExpectedCells(table, pick.Opener.Kind, pick.Opener.KeyCount, row);
                const auto found = std::find_if(shown.begin(), shown.end(),
                                                [&](const auto& cells) { return Matches(cells, expected); });
                if (found == shown.end()) {
                    ADD_FAILURE() << "no row shows instance " << row.Instance
                                  << "; first row: " << Joined(shown[0]);
                } else {
                    shown.erase(found);
                }
            }
        });
    }
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(CatalogueScenarioTest, TablesThatCannotShareTheStoreAreNamed) {
    // Two catalogue tables over the same columns with different keys: each walk would meet the
    // other's rows.
    CatalogueScenario walks;
    walks.Add(QoS8021pUserPriorityTable, MVT_FMV, 1);
    walks.Add(QoSScheduleProfileTable, MVT_UMV, 2);
    std::set<const MibTableRow*> named;
    for (const auto& conflict : walks.Conflicts()) {
        named.insert(conflict.Table);
    }
    EXPECT_EQ((std::set<const MibTableRow*>{QoS8021pUserPriorityTable, QoSScheduleProfileTable}), named);

    // A column that two tables give different types.
    static constexpr MibTableRow kNumbers[] = {
        {" ", "Index", itInteger, acNotAccess},
        {"1.3.6.1.4.1.746.99.9.1.1.2", "Value", itInteger, acReadOnly},
        {},
    };
    static constexpr MibTableRow kTexts[] = {
        {" ", "Index", itInteger, acNotAccess},
        {"1.3.6.1.4.1.746.99.9.1.1.2", "Value", itDisplayString, acReadOnly},
        {},
    };
    CatalogueScenario types;
    types.Add(kNumbers, MVT_UMV, 1);
    EXPECT_TRUE(types.Conflicts().empty());
    types.Add(kTexts, MVT_UMV, 1);
    named.clear();
    for (const auto& conflict : types.Conflicts()) {
        named.insert(conflict.Table);
        EXPECT_NE(std::string::npos, conflict.Text.find("int")) << conflict.Text;
    }
    EXPECT_EQ((std::set<const MibTableRow*>{kNumbers, kTexts}), named);

    // The same table added again, and a scalar group beside a table, share the store.
    CatalogueScenario together;
    together.Add(kNumbers, MVT_UMV, 1);
    together.Add(kNumbers, MVT_UMV, 1);
    EXPECT_EQ(3, together.CellCount());
    EXPECT_TRUE(together.Conflicts().empty());
}

} // namespace catalogue_scenario_test
