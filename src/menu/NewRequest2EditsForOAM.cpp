#include "NewRequest2EditsForOAM.h"

#include "OamFunctions.h"

void NewRequest2EditsForOAM::RenderFunctions() {
    std::string& text = Request.VarList.GetVariable(FunctionsColumn).ValueText;
    text = OamFunctionsText(text);
}

void NewRequest2EditsForOAM::RowReceived() {
    if (!ListView) {
        return;
    }
    RenderFunctions();
    // The base adds the row and keeps the dialog responsive during the walk.
    VqSNMPRequest2Edits::RowReceived();
}
