#include "FieldChecks.h"

#include "StrictNumbers.h"
#include "TControl.h"
#include "UserDialogs.h"
#include "VqMessageTable.h"

namespace {

constexpr int kNumberRangeCode = -8;

void ReplaceField(std::string& text, const std::string& field, const std::string& value) {
    if (const size_t at = text.find(field); at != std::string::npos) {
        text.replace(at, field.size(), value);
    }
}

} // namespace

void FocusField(TControl* control) {
    if (control && control->Enabled() && control->CanFocus()) {
        control->SetFocus();
    }
}

bool RefuseInput(TControl* control, const std::string& text) {
    ShowMessage(text);
    FocusField(control);
    return false;
}

bool IsNumberTextIn(const TControl* control, int min, int max) {
    const std::optional<int> value = StrictStrToInt(control->Caption());
    return value && *value >= min && *value <= max;
}

bool CheckNumberField(TControl* control, int min, int max) {
    if (IsNumberTextIn(control, min, max)) {
        return true;
    }
    std::string text = MessageOfCode(kNumberRangeCode);
    ReplaceField(text, "[MIN]", std::to_string(min));
    ReplaceField(text, "[MAX]", std::to_string(max));
    return RefuseInput(control, text);
}
