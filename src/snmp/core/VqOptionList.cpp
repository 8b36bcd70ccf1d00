#include "VqOptionList.h"

#include "VqException.h"

#include <charconv>
#include <cstdint>

namespace {

constexpr int kIndexOutOfRange = -12;

char FoldCase(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameText(std::string_view a, std::string_view b, bool caseSensitive) {
    if (a.size() != b.size())
        return false;
    if (caseSensitive)
        return a == b;
    for (size_t i = 0; i < a.size(); ++i)
        if (FoldCase(a[i]) != FoldCase(b[i]))
            return false;
    return true;
}

bool StartsWithText(std::string_view text, std::string_view prefix, bool caseSensitive) {
    return text.size() >= prefix.size() && SameText(text.substr(0, prefix.size()), prefix, caseSensitive);
}

// A kind-1 value text: a whole signed decimal 32-bit number, nothing around it.
bool ReadInt32(std::string_view text, int32_t& value) {
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (first != last && *first == '+' && ++first != last && *first == '-')
        return false;
    auto [end, ec] = std::from_chars(first, last, value);
    return ec == std::errc() && end == last;
}

std::string_view Text(const char* text) {
    return text ? std::string_view(text) : std::string_view();
}

// The first row whose text field equals `text`, or for a prefix list begins it; -1 when none.
int FirstMatch(const OptionSourceRow* rows, int count, const char* OptionSourceRow::*field,
               std::string_view text, bool prefixes, bool caseSensitive) {
    for (int i = 0; i < count; ++i) {
        const std::string_view rowText = Text(rows[i].*field);
        if (prefixes ? StartsWithText(text, rowText, caseSensitive) : SameText(text, rowText, caseSensitive))
            return i;
    }
    return -1;
}

} // namespace

VqOptionList::VqOptionList(const OptionSourceRow* source, int kind, bool caseSensitive)
    : Name(nullptr), Kind(kind), CaseSensitive(caseSensitive), Rows(nullptr), RowCount(CountSource(source)) {
    auto own = [this](const char* text) -> const char* {
        if (!text)
            return nullptr;
        OwnedTexts.push_back(std::make_unique<std::string>(text));
        return OwnedTexts.back()->c_str();
    };
    OwnedRows.reserve(static_cast<size_t>(RowCount));
    for (int i = 0; i < RowCount; ++i)
        OwnedRows.push_back({source[i].Value, own(source[i].ValueText), own(source[i].Text)});
    Rows = OwnedRows.data();
}

const OptionSourceRow& VqOptionList::GetRow(int index) const {
    if (index < 0 || index >= RowCount)
        RaiseVqError(kIndexOutOfRange);
    return Rows[index];
}

int VqOptionList::IndexOfText(std::string_view text) const {
    return FirstMatch(Rows, RowCount, &OptionSourceRow::Text, text, Kind == olTextPrefixes, CaseSensitive);
}

int VqOptionList::IndexOfValue(std::string_view valueText) const {
    if (Kind != olIntegerValues)
        return FirstMatch(Rows, RowCount, &OptionSourceRow::ValueText, valueText, Kind == olTextPrefixes,
                          CaseSensitive);
    int32_t value = 0;
    if (!ReadInt32(valueText, value))
        return -1;
    for (int i = 0; i < RowCount; ++i)
        if (Rows[i].Value == value)
            return i;
    return -1;
}

std::string VqOptionList::ValueToText(std::string_view valueText) const {
    const int i = IndexOfValue(valueText);
    if (i < 0)
        return std::string(valueText);
    if (Kind == olTextPrefixes)
        return std::string(Text(Rows[i].Text)) +
               std::string(valueText.substr(Text(Rows[i].ValueText).size()));
    return std::string(Text(Rows[i].Text));
}

std::string VqOptionList::TextToValue(std::string_view text) const {
    const int i = IndexOfText(text);
    if (i < 0)
        return std::string(text);
    switch (Kind) {
    case olIntegerValues:
        return std::to_string(Rows[i].Value);
    case olTextPrefixes:
        return std::string(Text(Rows[i].ValueText)) + std::string(text.substr(Text(Rows[i].Text).size()));
    default:
        return std::string(Text(Rows[i].ValueText));
    }
}
