// The request of a dedicated dialog: a VqSNMPRequest2Edits with two hooks that the kit's pieces
// hang their work on.
//  - AfterCollect runs inside every Set that collects, once the selected row and the bound
//    controls are in the value texts and before the PDU is built (the port pickers rebuild their
//    lists there). An exception out of a hook aborts the Set: nothing is sent.
//  - OnWriteFailed runs after the framework's own report of an asynchronous SET that failed, so
//    a dialog waiting for the framework's re-read (which a failed SET does not start) is not left
//    waiting.
#pragma once

#include "VqSNMPRequest2Edits.h"

#include <functional>
#include <vector>

class DialogRequest : public VqSNMPRequest2Edits {
public:
    using VqSNMPRequest2Edits::VqSNMPRequest2Edits;

    std::vector<std::function<void(VqSNMPVarList& list)>> AfterCollect;
    std::function<void(const VqSNMPError& error)> OnWriteFailed;

protected:
    void PrepareSet() override;
    void SetDone(const VqSNMPError& error) override;
};
