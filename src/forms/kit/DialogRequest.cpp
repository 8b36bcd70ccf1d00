#include "DialogRequest.h"

void DialogRequest::PrepareSet() {
    VqSNMPRequest2Edits::PrepareSet();
    for (const auto& hook : AfterCollect) {
        hook(Request.VarList);
    }
}

void DialogRequest::SetDone(const VqSNMPError& error) {
    const auto life = Request.LifeToken();
    VqSNMPRequest2Edits::SetDone(error);
    if (*life && error.Code != 0 && OnWriteFailed) {
        OnWriteFailed(error);
    }
}
