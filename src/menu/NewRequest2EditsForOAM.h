// The request of the 802.3 OAM and OAM Peer tables: their "Functions Supported" column shows
// capability names instead of the octet string's hex text.
#pragma once

#include "VqSNMPRequest2Edits.h"

class NewRequest2EditsForOAM : public VqSNMPRequest2Edits {
public:
    explicit NewRequest2EditsForOAM(TForm* owner) : VqSNMPRequest2Edits(owner) {}

    int FunctionsColumn = 0; // the variable rendered as names; the command sets it

    // Rewrites the value text of FunctionsColumn in place.
    void RenderFunctions();

protected:
    // Only a bound list view gets the row, rendered; without one nothing is filled.
    void RowReceived() override;
};
