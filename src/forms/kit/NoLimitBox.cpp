#include "NoLimitBox.h"

#include "TBasicFormUnit.h"
#include "TCheckBox.h"
#include "TEdit.h"

#include <utility>

namespace {

// The edit as the box's tick says.
void ShowTick(TEdit* edit, bool ticked, const std::string& sentinel) {
    SetFieldEnabled(edit, !ticked, FieldEnabling::KeepValue);
    edit->SetText(ticked ? sentinel : std::string());
}

} // namespace

void NoLimitBox::Attach(TCheckBox* box, TEdit* edit, std::string sentinel, std::string rendered) {
    Box = box;
    Edit = edit;
    Sentinel = std::move(sentinel);
    Rendered = std::move(rendered);
    box->OnClick = [box, edit, sentinel = Sentinel](TObject*) { ShowTick(edit, box->Checked(), sentinel); };
}

void NoLimitBox::SetFromText(const std::string& text) {
    const bool noLimit = text == Sentinel || text == Rendered;
    // The box's click runs only when the tick changes; the edit is set here either way, as it may
    // hold the rendered text or a value the click would empty.
    Box->SetChecked(noLimit);
    ShowTick(Edit, noLimit, Sentinel);
    if (!noLimit) {
        Edit->SetText(text);
    }
}
