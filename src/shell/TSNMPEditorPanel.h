#pragma once

#include "InputValidators.h"
#include "TEditsPanel.h"
#include "TSNMPPanel.h"

#include <string>

constexpr int kTagSubDialogSet = 1; // on the Set button of an Add or Edit dialog

// A panel whose editor is the rows of its request's variables.
class TSNMPEditorPanel : public TSNMPPanel {
public:
    TSNMPEditorPanel(TControl* owner, VqSNMPRequest2Edits* request);

    TEditsPanel* Rows;

    void SetEditWidth(int width);
    // Binds the row's edit again with another constraint (and a check function).
    void SetVarFormat(int row, const std::string& constraint);
    void SetVarChecker(int row, const std::string& constraint, TCheckFunction check);

    // Writes the checked rows in one synchronous SET.
    void SetClick(TObject* sender);
    void CheckAllClick(TObject* sender);
    void ClearChecksClick(TObject* sender);

    // Counting from 0, index columns included: an empty checked row here never stops a write.
    static constexpr int kEmptyExemptPosition = 17;

private:
    void RebindRow(int row, const std::string& constraint, const TCheckFunction* check);
    void CheckRows(bool checked);
};
