// The index of the catalogue: every table by name, with its module, its model (for a copy of a model
// set) and the kinds and key counts with which the program opens it. Menu commands, tests, mibdump and
// the simulated switch's data generator enumerate the catalogue through it.
#pragma once

#include "MibModelSet.h"
#include "MibTableRow.h"

#include <span>
#include <string_view>

// One way a table is opened: the kind and key count passed to the variable list.
struct MibOpener {
    VarListKind Kind;
    int KeyCount;
};

struct MibTableInfo {
    const char* Name;
    const char* Module; // "Oid_acl" ...
    int Model;          // the model arc m of a model-set copy, 0 for a table of all models
    const MibTableRow* Table;
    int OpenerCount;      // 0: built into the catalogue but opened by no code
    MibOpener Openers[2]; // one table is opened in two ways

    bool Unopened() const { return OpenerCount == 0; }
    std::span<const MibOpener> OpenedAs() const { return {Openers, static_cast<size_t>(OpenerCount)}; }
};

// Every table, model-set copies included (m = 2..7 in a row), in module order.
std::span<const MibTableInfo> MibTables();

// The table of that name for model m: a table of all models whatever m is, a model-set table only
// in the copy of a known model (2..7), so that an unknown model finds no model-specific table.
const MibTableInfo* FindMibTable(std::string_view name, int model);

std::span<const MibModelSet* const> MibModelSets();
