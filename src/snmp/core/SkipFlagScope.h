// The "leave out of the next request" flag (0x20) on variables of a request for one write: every
// variable the scope flagged gets its own access word back when the scope ends, on every path out
// of the caller, exceptions included; a variable left flagged would be missing from every later
// read and write. Nothing is touched when the request is gone by then.
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
    // Gives the flagged variables their access words back now (last flagged first).
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
