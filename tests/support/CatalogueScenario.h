// Scenario content for the simulated switch built from catalogue tables, so that a test can open a
// dialog over any table and find it filled: scalars at OID.0, a walked table a few rows whose
// instances the request engine's own index encoding builds (EncodeIndex), every readable column
// holding a value of its item type (an option of its list when it has one; RowStatus columns
// "active", under the agent's RowStatus rules).
//
// Add the tables as the program opens them (kind and key count), then put Objects() and Tables()
// into a scenario, or take the whole Scenario(). Tables that share a column must agree on its type
// and on the rows its walk meets; Conflicts() says where they do not, so that a test loads such
// tables apart.
#pragma once

#include "MibTableRow.h"
#include "SnmpTypes.h"

#include <deque>
#include <map>
#include <string>
#include <vector>

class CatalogueScenario {
public:
    static constexpr int kDefaultRows = 3;

    explicit CatalogueScenario(int rowsPerTable = kDefaultRows) : RowsPerTable(rowsPerTable) {}

    struct Row {
        std::string Instance;          // "0" for scalars
        int Index = 0;                 // the row index its values were made for (ValueText)
        std::vector<std::string> Keys; // the key columns' texts, as a walk decodes them
    };
    struct Filled {
        const MibTableRow* Table = nullptr;
        int Kind = 0;
        int KeyCount = 0;
        std::vector<Row> Rows; // none when the table could not be filled
    };

    // One table as a request opens it: SVT_SV and MVT_SV fill the readable variables at OID.0, a
    // walk (MVT_FMV, MVT_UMV) fills rows (one at instance 0 without key columns). Adding a table
    // again with the same kind and key count adds nothing. A table whose keys cannot be encoded
    // gets no rows and a conflict.
    const Filled& Add(const MibTableRow* table, int kind, int keyCount);
    // The table added with that kind and key count, or null.
    const Filled* Find(const MibTableRow* table, int kind, int keyCount) const;

    // Whether a request reads the variable of this row (it has an OID and read access): only
    // those get values.
    static bool IsRead(const MibTableRow& row);
    // The text a variable of this row shows in row `rowIndex` of a filled table (the option's
    // text for a variable with an option list).
    static std::string ValueText(const MibTableRow& row, int rowIndex);

    // The scenario's "objects" and "tables" arrays (JSON).
    std::string Objects() const;
    std::string Tables() const;
    // A whole scenario; `head` holds further keys ("\"model\": \"48DA\"") or is empty.
    std::string Scenario(const std::string& head = "") const;

    // Why the tables added here cannot be loaded together: a cell that two tables give different
    // types (both tables named), a walked column whose walk meets cells of another table (the
    // walked table named), keys that cannot be encoded. Empty when they can.
    struct Conflict {
        const MibTableRow* Table = nullptr;
        std::string Text;
    };
    std::vector<Conflict> Conflicts() const;

    int CellCount() const { return static_cast<int>(Cells.size()); }

private:
    struct Cell {
        std::string Column; // the column's OID, or the scalar's
        std::string Instance;
        std::string Type; // a scenario type name
        std::string Json; // the value as a JSON literal
        std::string Access;
        const MibTableRow* Owner = nullptr; // the first table that put it
        bool Scalar = false;
    };

    void Put(const MibTableRow* table, const MibTableRow& row, const std::string& instance, int rowIndex,
             bool scalar);
    void FillRows(Filled& filled);

    int RowsPerTable;
    std::deque<Filled> Added;
    std::map<SnmpOid, Cell> Cells; // by full OID, in the order of a walk
    std::vector<Conflict> Clashes;
};
