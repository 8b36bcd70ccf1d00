// The "leave out of the next request" flag (0x20) on variables of a request for one write: every
// variable the scope flagged gets its own access word back when the scope ends, on every path out
// of the caller, exceptions included; a variable left flagged would be missing from every later
// read and write. Nothing is touched when the request is gone by then.
//
// The scope also grants a read-only column write access for the one write (a column the agent
// takes only in the PDU that creates its row): the column gets its own access word back with the
// flags, so no later SET carries it.
#pragma once

#include "VqSNMPRequest.h"

#include <memory>
#include <utility>
#include <vector>

class SkipFlagScope {
public:
    explicit SkipFlagScope(VqSNMPRequest& request) : Request(request), Life(request.LifeToken()) {}
    SkipFlagScope(const SkipFlagScope&) = delete;
    SkipFlagScope& operator=(const SkipFlagScope&) = delete;
    ~SkipFlagScope() { Restore(); }

    void Skip(int index) {
        SnmpVariable& variable = Request.VarList.GetVariable(index);
        Saved.emplace_back(index, variable.Access);
        variable.Access |= acInvalid;
    }
    // Read-write (acReadWrite) until the scope ends, whatever the variable's word was.
    void GrantWrite(int index) {
        SnmpVariable& variable = Request.VarList.GetVariable(index);
        Saved.emplace_back(index, variable.Access);
        variable.Access = acReadWrite;
    }
    // Gives the flagged and granted variables their access words back now (last changed first).
    void Restore() {
        if (!Life.expired()) {
            for (auto it = Saved.rbegin(); it != Saved.rend(); ++it) {
                Request.VarList.GetVariable(it->first).Access = it->second;
            }
        }
        Saved.clear();
    }

private:
    VqSNMPRequest& Request;
    std::weak_ptr<const bool> Life;
    std::vector<std::pair<int, int>> Saved; // variable, access word before
};
