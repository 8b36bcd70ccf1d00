// A list of texts (Items of a combo box or radio group, Lines of a memo, SubItems of a list item).
// The control that shows the list is told of every change through Observer.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

class TStrings {
public:
    enum class Change { Inserted, Removed, Replaced, Cleared };
    // index: the line inserted, removed or replaced; -1 for Cleared.
    using Observer = std::function<void(Change change, int index)>;

    TStrings() = default;
    explicit TStrings(Observer observer) : Notify(std::move(observer)) {}
    TStrings(const TStrings&) = delete;
    TStrings& operator=(const TStrings&) = delete;

    int Count() const { return static_cast<int>(Lines.size()); }
    const std::string& operator[](int index) const { return Lines.at(index); }
    const std::string& Strings(int index) const { return Lines.at(index); }
    void SetStrings(int index, std::string text);

    int Add(std::string text);
    void Insert(int index, std::string text);
    void Delete(int index);
    void Clear();
    int IndexOf(std::string_view text) const; // exact match; -1 when absent
    void Assign(const std::vector<std::string>& lines);
    void Assign(const TStrings& other) { Assign(other.Lines); }
    const std::vector<std::string>& List() const { return Lines; }

    // All lines, each followed by "\n"; SetText splits at "\n" (a "\r" before it is dropped).
    std::string Text() const;
    void SetText(std::string_view text);

private:
    void Changed(Change change, int index) {
        if (Notify) {
            Notify(change, index);
        }
    }

    Observer Notify;
    std::vector<std::string> Lines;
};
