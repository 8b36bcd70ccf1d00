#include "VqEditConstraint.h"

#include "Beeper.h"
#include "Dispatch.h"
#include "TApplication.h"
#include "TEdit.h"
#include "TForm.h"
#include "UserDialogs.h"
#include "ValueTexts.h"
#include "VqException.h"
#include "VqMessageTable.h"
#include "VqNumList.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <stdexcept>

namespace {

enum : int {
    kListIndexError = -12,
    kEmptyValue = -3,
    kStringTooLong = -4,
    kStringLength = -5,
    kHexTooLong = -6,
    kHexLength = -7,
    kNumberRange = -8,
    kTooManyNumbers = -9,
    kNumberCount = -10,
    kListRange = -11,
    kMulticastIPv4 = -20,
    kIPv6 = -21,
    kMulticastIPv6 = -22,
    kMac = -23,
    kMulticastMac = -24,
    kUnicastMac = -25,
};

bool IsPlaceholder(const std::string& text) {
    return text == "(NOTDONE)" || text == kNullText;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Texts are UTF-8; lengths and positions that the user sees count characters, not bytes.
bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

int CharCount(std::string_view text, size_t bytes = std::string_view::npos) {
    text = text.substr(0, bytes);
    int n = 0;
    for (char c : text) {
        n += IsContinuationByte(c) ? 0 : 1;
    }
    return n;
}

size_t CharBytes(std::string_view text, size_t start) {
    size_t end = start + 1;
    while (end < text.size() && IsContinuationByte(text[end])) {
        ++end;
    }
    return end - start;
}

// Byte index of the first character the type does not let the user type, or npos.
size_t FirstRefused(const EditConstraintFormat& f, std::string_view text) {
    bool dotSeen = false;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        bool ok = true;
        switch (f.Conversion) {
        case 'i':
            ok = IsDigit(c) || (c == '-' && i == 0);
            break;
        case 'u':
            ok = IsDigit(c);
            break;
        case 'f':
            ok = IsDigit(c) || (c == '-' && i == 0) || (c == '.' && !dotSeen);
            dotSeen = dotSeen || c == '.';
            break;
        case 'h':
            ok = std::isxdigit(static_cast<unsigned char>(c)) != 0;
            break;
        case 'n':
            ok = IsDigit(c) || (c == f.ListDelimiter && i > 0 && text[i - 1] != f.ListDelimiter);
            break;
        default:
            break;
        }
        if (!ok) {
            return i;
        }
    }
    return std::string_view::npos;
}

void ReplaceAll(std::string& text, std::string_view placeholder, const std::string& value) {
    for (size_t at = text.find(placeholder); at != std::string::npos;
         at = text.find(placeholder, at + value.size())) {
        text.replace(at, placeholder.size(), value);
    }
}

// The message of `code` with its placeholders filled in. Every placeholder is replaced wherever it
// stands, so a replaced message file may use any of them.
std::string ConstraintMessage(int code, const EditConstraintFormat& f, const std::string& min = {},
                              const std::string& max = {}) {
    std::string text = MessageOfCode(code);
    const std::string length = std::to_string(f.MaxLength);
    ReplaceAll(text, "[MIN]", min);
    ReplaceAll(text, "[MAX]", max);
    ReplaceAll(text, "[LEN]", length);
    ReplaceAll(text, "[MAXLEN]", length);
    ReplaceAll(text, "[COUNT]", length);
    ReplaceAll(text, "[MAXCOUNT]", length);
    ReplaceAll(text, "[DELIMITER]", std::string(1, f.ListDelimiter));
    return text;
}

// A bound of a number list as the unsigned whole number the list is compared with.
unsigned int ListBound(double bound) {
    if (!(bound > 0)) {
        return 0;
    }
    return bound >= 4294967295.0 ? 4294967295u : static_cast<unsigned int>(bound);
}

// A number of the list that does not fit 32 bits: the list's reading would wrap it into range.
bool AnyNumberBeyond32Bits(std::string_view text, char delimiter) {
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find(delimiter, start);
        std::string_view item = text.substr(start, end == std::string_view::npos ? end : end - start);
        item = item.substr(0, item.find('.')); // the fraction is dropped, not read
        uint64_t value = 0;
        auto [stop, error] = std::from_chars(item.data(), item.data() + item.size(), value);
        if (error == std::errc::result_out_of_range || (error == std::errc() && value > 4294967295u)) {
            return true;
        }
        if (end == std::string_view::npos) {
            break;
        }
        start = end + 1;
    }
    return false;
}

} // namespace

VqEditConstraint::VqEditConstraint(TForm* ownerWindow, bool rememberAccepted)
    : OwnerWindow(ownerWindow), RememberAccepted(rememberAccepted) {}

VqEditConstraint::~VqEditConstraint() {
    for (const auto& record : Records) {
        if (IsAlive(record->EditAlive)) {
            record->Edit->OnChange = record->SavedOnChange;
            record->Edit->OnExit = record->SavedOnExit;
        }
    }
}

EditConstraintRecord* VqEditConstraint::FindConstraint(const TControl* control) {
    // An edit destroyed while constrained leaves its record behind; a new edit at the same address
    // must not inherit it.
    std::erase_if(Records, [](const auto& r) { return !IsAlive(r->EditAlive); });
    for (const auto& record : Records) {
        if (record->Edit == control) {
            return record.get();
        }
    }
    return nullptr;
}

void VqEditConstraint::Attach(const std::string& constraint, TEdit* edit, TCheckFunction check) {
    EditConstraintFormat format = ParseEditConstraint(constraint);
    if (!edit) {
        throw std::invalid_argument("constraint attached to no edit");
    }
    EditConstraintRecord* record = FindConstraint(edit);
    if (!record) {
        auto created = std::make_unique<EditConstraintRecord>();
        created->Edit = edit;
        created->EditAlive = edit->AliveToken();
        created->SavedOnChange = edit->OnChange;
        created->SavedOnExit = edit->OnExit;
        record = created.get();
        Records.push_back(std::move(created));
    }
    record->Format = format;
    record->CheckFunction = std::move(check);
    if (format.Width > 0) {
        edit->SetWidth(format.Width);
    }
    edit->SetMaxLength(format.MaxLength);
    std::weak_ptr<const bool> alive = AliveToken();
    edit->OnChange = [this, alive](TObject* sender) {
        if (IsAlive(alive)) {
            ConstraintOnChange(sender);
        }
    };
    edit->OnExit = [this, alive](TObject* sender) {
        if (IsAlive(alive)) {
            ConstraintOnExit(sender);
        }
    };
}

void VqEditConstraint::AttachConstraint(const std::string& constraint, TEdit* edit) {
    Attach(constraint, edit, nullptr);
}

void VqEditConstraint::AttachCheckedConstraint(const std::string& constraint, TEdit* edit,
                                               TCheckFunction check) {
    Attach(constraint, edit, std::move(check));
}

void VqEditConstraint::AttachConstraints(const std::string& constraint, const std::vector<TEdit*>& edits) {
    AttachCheckedConstraints(constraint, edits, nullptr);
}

void VqEditConstraint::AttachCheckedConstraints(const std::string& constraint,
                                                const std::vector<TEdit*>& edits, TCheckFunction check) {
    std::vector<std::string> parts = SplitEditConstraints(constraint);
    for (size_t k = 0; k < parts.size(); ++k) {
        if (k >= edits.size()) {
            RaiseVqError(kListIndexError);
        }
        Attach(parts[k], edits[k], check);
    }
}

void VqEditConstraint::DetachConstraint(TEdit* edit) {
    EditConstraintRecord* record = FindConstraint(edit);
    if (!record) {
        return;
    }
    edit->OnChange = record->SavedOnChange;
    edit->OnExit = record->SavedOnExit;
    std::erase_if(Records, [record](const auto& r) { return r.get() == record; });
}

void VqEditConstraint::StoreAcceptedText(TEdit* edit) {
    if (EditConstraintRecord* record = FindConstraint(edit)) {
        record->AcceptedText = edit->Text();
    }
}

void VqEditConstraint::ConstraintOnChange(TObject* sender) {
    auto* edit = dynamic_cast<TEdit*>(sender);
    if (!edit) {
        return;
    }
    std::string text = edit->Text();
    if (EditConstraintRecord* changed = FindConstraint(edit)) {
        changed->Refused = false;
    }
    EditConstraintRecord* record = IsPlaceholder(text) ? nullptr : FindConstraint(edit);
    if (!record || text.empty()) {
        return;
    }
    // A copy: the handlers below may re-enter, re-attach or detach.
    const EditConstraintFormat format = record->Format;
    const TNotifyEvent savedOnChange = record->SavedOnChange;
    size_t exitAt = format.ExitChar ? text.find(format.ExitChar) : std::string::npos;
    if (exitAt != std::string::npos) {
        text.erase(exitAt, 1);
        PostMessage(OwnerWindow, WM_NEXTDLGCTL, 0, 0);
        edit->SetText(text); // filters the rest of the text anew
        return;
    }
    size_t refused = FirstRefused(format, text);
    if (refused != std::string::npos) {
        int caret = CharCount(text, refused);
        text.erase(refused, CharBytes(text, refused));
        edit->SetText(text); // filters the rest of the text anew: one beep per removed character
        Beep(1000, 200);
        edit->SetSelStart(caret);
        return;
    }
    if (savedOnChange) {
        std::weak_ptr<const bool> alive = AliveToken();
        savedOnChange(edit);
        if (!IsAlive(alive) || edit->Tag() == -1) {
            return;
        }
    }
    if ((format.LengthFlags & elfAutoAdvance) && format.MaxLength > 0 &&
        CharCount(text) == format.MaxLength && !Restoring) {
        PostMessage(OwnerWindow, WM_NEXTDLGCTL, 0, 0);
    }
}

std::optional<std::string> VqEditConstraint::RefusalOf(EditConstraintRecord& record, TEdit* edit,
                                                       const std::string& text) {
    const EditConstraintFormat f = record.Format;
    if (f.CheckOnly && record.CheckFunction) {
        // The check function shows its own message, or none.
        TCheckFunction check = record.CheckFunction;
        return check(edit) ? std::nullopt : std::optional<std::string>("");
    }
    auto refuseUnless = [&](bool passes, int code) {
        return passes ? std::nullopt : std::optional<std::string>(code ? ConstraintMessage(code, f) : "");
    };
    switch (f.Conversion) {
    case 'i':
    case 'u':
    case 'f': {
        double value = ReadFloat(text);
        if (value >= f.Minimum && value <= f.Maximum) {
            return std::nullopt;
        }
        return ConstraintMessage(kNumberRange, f, FloatToText(f.Minimum), FloatToText(f.Maximum));
    }
    case 'h':
    case 's':
        switch (f.AddressKind) {
        case eakIPv4:
            return refuseUnless(CheckIPv4Text(edit), 0); // the validator shows its own message
        case eakMulticastIPv4:
            return refuseUnless(IsMulticastIPv4Text(edit), kMulticastIPv4);
        case eakIPv6:
            return refuseUnless(CheckIPv6HexText(edit), kIPv6); // after the validator's own message
        case eakMulticastIPv6:
            return refuseUnless(IsIPv6MulticastText(edit), kMulticastIPv6);
        case eakMac:
            return refuseUnless(IsMacText(edit), kMac);
        case eakMulticastMac:
            return refuseUnless(IsMacText(edit) && IsMulticastMacText(edit), kMulticastMac);
        case eakUnicastMac:
            return refuseUnless(IsMacText(edit) && IsUnicastMacText(edit), kUnicastMac);
        default: {
            int length = CharCount(text);
            bool fixed = (f.LengthFlags & elfFixed) != 0;
            bool passes = f.MaxLength < 1 || (fixed ? length == f.MaxLength : length <= f.MaxLength);
            int code = f.Conversion == 's' ? (fixed ? kStringLength : kStringTooLong)
                                           : (fixed ? kHexLength : kHexTooLong);
            return refuseUnless(passes, code);
        }
        }
    case 'n': {
        VqNumList<unsigned int> numbers;
        numbers.Delimiter = f.ListDelimiter;
        numbers.Parse(text);
        if (f.MaxLength > 0) {
            bool fixed = (f.LengthFlags & elfFixed) != 0;
            bool passes = fixed ? numbers.Count() == f.MaxLength : numbers.Count() <= f.MaxLength;
            if (!passes) {
                return ConstraintMessage(fixed ? kNumberCount : kTooManyNumbers, f);
            }
        }
        unsigned int min = ListBound(f.Minimum), max = ListBound(f.Maximum);
        if (AnyNumberBeyond32Bits(text, f.ListDelimiter) || !numbers.AllInRange(min, max)) {
            return ConstraintMessage(kListRange, f, std::to_string(min), std::to_string(max));
        }
        return std::nullopt;
    }
    default:
        return std::nullopt;
    }
}

void VqEditConstraint::ConstraintOnExit(TObject* sender) {
    auto* edit = dynamic_cast<TEdit*>(sender);
    if (!edit) {
        return;
    }
    const std::string text = edit->Text();
    EditConstraintRecord* record = IsPlaceholder(text) ? nullptr : FindConstraint(edit);
    if (!record) {
        return;
    }
    std::weak_ptr<const bool> alive = AliveToken();
    std::optional<std::string> refusal;
    if (text.empty()) {
        if (!(record->Format.LengthFlags & elfNotEmpty)) {
            record->Refused = false;
            return; // accepted silently: the saved handler is not called and nothing is stored
        }
        refusal = ConstraintMessage(kEmptyValue, record->Format);
    } else {
        refusal = RefusalOf(*record, edit, text);
        if (!IsAlive(alive)) {
            return;
        }
    }
    if (refusal) {
        Refuse(edit, *refusal);
        return;
    }
    record = FindConstraint(edit);
    TNotifyEvent savedOnExit = record ? record->SavedOnExit : nullptr;
    if (savedOnExit) {
        savedOnExit(edit);
        if (!IsAlive(alive)) {
            return;
        }
        if (edit->Tag() == -1) {
            if ((record = FindConstraint(edit))) {
                RestoreText(edit, record->AcceptedText);
            }
            if ((record = FindConstraint(edit))) {
                record->Refused = true;
            }
            return;
        }
    }
    if ((record = FindConstraint(edit))) {
        record->Refused = false;
    }
    if (RememberAccepted) {
        StoreAcceptedText(edit);
    }
}

bool VqEditConstraint::AnyRefused() const {
    return std::any_of(Records.begin(), Records.end(),
                       [](const std::unique_ptr<EditConstraintRecord>& record) { return record->Refused; });
}

void VqEditConstraint::Refuse(TEdit* edit, const std::string& message) {
    std::weak_ptr<const bool> alive = AliveToken();
    std::weak_ptr<const bool> editAlive = edit->AliveToken();
    if (!message.empty()) {
        MessageBox(OwnerWindow, message, Application->Title(), MB_OK);
    }
    EditConstraintRecord* record = IsAlive(alive) && IsAlive(editAlive) ? FindConstraint(edit) : nullptr;
    if (!record) {
        return;
    }
    RestoreText(edit, record->AcceptedText);
    if (IsAlive(alive) && IsAlive(editAlive) && (record = FindConstraint(edit))) {
        record->Refused = true; // after the restored text's change, which clears it
    }
    if (IsAlive(editAlive) && edit->CanFocus()) {
        edit->SetFocus();
    }
}

void VqEditConstraint::RestoreText(TEdit* edit, const std::string& text) {
    // The restored text is filtered and shown to the edit's own handler, but a full auto-advance
    // field must not move the focus away from the field it was just returned to.
    struct Guard {
        bool& Flag;
        bool Old;
        ~Guard() { Flag = Old; }
    } guard{Restoring, Restoring};
    Restoring = true;
    edit->SetText(std::string(text));
}
