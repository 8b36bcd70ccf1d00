#include "TableRowHelpers.h"

#include "SkipFlagScope.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "UserDialogs.h"
#include "VqSNMPRequest2Edits.h"

#include <exception>

namespace {

void SetChildControls(TComponent* owner, bool edits, bool combos, bool checks, bool enabled) {
    const TColor color = enabled ? clWindow : clBtnFace;
    for (int i = 0; i < owner->ComponentCount(); ++i) {
        TComponent* component = owner->Components(i);
        if (auto* edit = dynamic_cast<TEdit*>(component); edit && edits) {
            edit->SetEnabled(enabled);
            edit->SetColor(color);
        } else if (auto* combo = dynamic_cast<TComboBox*>(component); combo && combos) {
            combo->SetEnabled(enabled);
            combo->SetColor(color);
        } else if (auto* check = dynamic_cast<TCheckBox*>(component); check && checks) {
            check->SetEnabled(enabled);
        }
    }
}

} // namespace

void ConfirmDeleteRow(VqSNMPRequest2Edits* request, int statusColumn, const std::string& statusText) {
    // The SET goes to the index values in the variables: those of the selected row, read from the
    // list right here, never those a later walk or selection left behind.
    if (request->ListView && !request->ListView->Selected()) {
        return;
    }
    if (MessageDlg("Are you sure to delete it?", mtConfirmation, mbOK | mbCancel) != mrOk) {
        return;
    }
    const auto life = request->Request.LifeToken();
    const uint8_t mode = request->Mode;
    request->Mode = 0;
    request->Request.Active = true;
    bool raised = false;
    {
        VqSNMPVarList& list = request->Request.VarList;
        SkipFlagScope skipped(request->Request);
        try {
            request->ReadSelectedRow();
            for (int v = list.KeyCount; v < list.GetCount(); ++v) {
                if (v != statusColumn) {
                    skipped.Skip(v);
                }
            }
            list.GetVariable(statusColumn).ValueText = statusText;
            request->Set(false, false, "", nullptr);
        } catch (const std::exception& e) {
            raised = true;
            if (*life) {
                request->ShowStatus(e.what());
            }
        }
    }
    if (!*life) {
        return;
    }
    request->Mode = mode;
    // A SET that raised was never sent (a blocking write reports the agent's and the network's
    // failures as codes): the table is as it was, and a read would put "Ok!" over the reason.
    if (!raised) {
        request->Get();
    }
}

void ClearChildControls(TComponent* owner, bool edits, bool combos, bool checks) {
    for (int i = 0; i < owner->ComponentCount(); ++i) {
        TComponent* component = owner->Components(i);
        if (auto* edit = dynamic_cast<TEdit*>(component); edit && edits) {
            edit->SetText("");
        } else if (auto* combo = dynamic_cast<TComboBox*>(component); combo && combos) {
            combo->SetText("");
            combo->SetItemIndex(0);
        } else if (auto* check = dynamic_cast<TCheckBox*>(component)) {
            check->SetChecked(!checks);
        }
    }
}

void DisableChildControls(TComponent* owner, bool edits, bool combos, bool checks) {
    SetChildControls(owner, edits, combos, checks, false);
}

void EnableChildControls(TComponent* owner, bool edits, bool combos, bool checks) {
    SetChildControls(owner, edits, combos, checks, true);
}
