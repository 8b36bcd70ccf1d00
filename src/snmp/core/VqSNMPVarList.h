// The ordered list of MIB variables that one request reads or writes, built from a static table.
#pragma once

#include "MibTableRow.h"
#include "VqOptionList.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One variable of a list: the table row's fields with owned texts, its value text ("(NULL)" for
// no value) and the OID last sent or returned for it (the position of a table walk).
struct SnmpVariable {
    std::string Oid;
    std::string Caption;
    int ItemType = 0;
    int Access = 0;
    const VqOptionList* OptionList = nullptr; // not owned
    std::optional<std::string> ReadExpression;
    std::optional<std::string> WriteExpression;
    std::optional<std::string> ExtraText;
    std::string ValueText;
    std::string LastOid;
};

class VqSNMPVarList {
public:
    VqSNMPVarList() = default;
    VqSNMPVarList(const MibTableRow* table, int kind, int keyCount);
    // A copy as Assign makes it: the new list's Instance starts empty and it owns no option list.
    VqSNMPVarList(const VqSNMPVarList& other);
    VqSNMPVarList& operator=(const VqSNMPVarList& other) { return Assign(other); }

    // Copies kind, key count, display text and the variables; Instance and the owned option
    // lists stay this list's own.
    VqSNMPVarList& Assign(const VqSNMPVarList& other);

    int GetCount() const { return static_cast<int>(Variables.size()); }
    // Range-checked: an index outside 0..GetCount()-1 raises the framework error -12. (Inline: a
    // walk looks its variables up several times per column and row.)
    SnmpVariable& GetVariable(int index) {
        if (index < 0 || index >= GetCount())
            RaiseIndexOutOfRange();
        return Variables[static_cast<size_t>(index)];
    }
    const SnmpVariable& GetVariable(int index) const {
        return const_cast<VqSNMPVarList*>(this)->GetVariable(index);
    }

    // Appends one variable per row up to the row whose Oid is null.
    void AddRows(const MibTableRow* table);
    static int CountRows(const MibTableRow* table);
    void Clear() { Variables.clear(); }
    // Appends "." + instance to every variable's Oid, for good.
    void AppendInstance(std::string_view instance);

    // Inline, as GetVariable: a walk asks it per column twice per row.
    bool IsGettable(int index) const {
        const int access = GetVariable(index).Access;
        return !(access & acInvalid) && (access & acReadOnly);
    }
    bool IsSettable(int index) const;
    bool IsImpliedIndex(int index) const;
    bool IsVisible(int index) const;
    bool IsHiddenColumn(int index) const;
    int VisibleCount() const;
    int HiddenCount() const;

    std::string Instance; // when not empty, requests send OID + "." + Instance
    int KeyCount = 0;
    unsigned char Kind = SVT_SV;
    std::string DisplayText; // the list's name in status lines
    std::vector<std::unique_ptr<VqOptionList>> OwnedOptionLists;

private:
    [[noreturn]] static void RaiseIndexOutOfRange();

    std::vector<SnmpVariable> Variables;
};

// The names of list kinds, item types and access values, as option lists.
extern const VqOptionList VarListKindList;
extern const VqOptionList ItemTypeList;
extern const VqOptionList AccessList;
