#include "TStrings.h"

#include <algorithm>
#include <stdexcept>

void TStrings::SetStrings(int index, std::string text) {
    Lines.at(index) = std::move(text);
    Changed(Change::Replaced, index);
}

int TStrings::Add(std::string text) {
    Lines.push_back(std::move(text));
    Changed(Change::Inserted, Count() - 1);
    return Count() - 1;
}

void TStrings::Insert(int index, std::string text) {
    if (index < 0 || index > Count()) {
        throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
    }
    Lines.insert(Lines.begin() + index, std::move(text));
    Changed(Change::Inserted, index);
}

void TStrings::Delete(int index) {
    if (index < 0 || index >= Count()) {
        throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
    }
    Lines.erase(Lines.begin() + index);
    Changed(Change::Removed, index);
}

void TStrings::Clear() {
    if (Lines.empty()) {
        return;
    }
    Lines.clear();
    Changed(Change::Cleared, -1);
}

int TStrings::IndexOf(std::string_view text) const {
    auto it = std::find(Lines.begin(), Lines.end(), text);
    return it == Lines.end() ? -1 : static_cast<int>(it - Lines.begin());
}

void TStrings::Assign(const std::vector<std::string>& lines) {
    Clear();
    for (const auto& line : lines) {
        Add(line);
    }
}

std::string TStrings::Text() const {
    std::string text;
    for (const auto& line : Lines) {
        text += line;
        text += '\n';
    }
    return text;
}

void TStrings::SetText(std::string_view text) {
    Clear();
    while (!text.empty()) {
        size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        Add(std::string(line));
        if (end == std::string_view::npos) {
            break;
        }
        text.remove_prefix(end + 1);
    }
}
