#include "VqNumList.h"

#include "VqException.h"

#include <algorithm>

template <typename T> void VqNumList<T>::Parse(std::string_view text) {
    Items.assign(static_cast<size_t>(CountItems(text)), T{});
    size_t item = 0;
    bool fraction = false;
    // Accumulated unsigned so that any text wraps instead of overflowing.
    unsigned int value = 0;
    for (char c : text) {
        if (c == Delimiter) {
            Items[item++] = static_cast<T>(value);
            value = 0;
            fraction = false;
        } else if (c == '.') {
            fraction = true;
        } else if (!fraction) {
            value = value * 10u + static_cast<unsigned int>(c - '0');
        }
    }
    if (!Items.empty())
        Items[item] = static_cast<T>(value);
}

template <typename T> T VqNumList<T>::Get(int index) const {
    if (index < 0 || index >= Count())
        RaiseVqError(-12);
    return Items[static_cast<size_t>(index)];
}

template <typename T> int VqNumList<T>::CountItems(std::string_view text) const {
    if (text.empty())
        return 0;
    return 1 + static_cast<int>(std::count(text.begin(), text.end(), Delimiter));
}

template <typename T> bool VqNumList<T>::AllInRange(unsigned int min, unsigned int max) const {
    return std::all_of(Items.begin(), Items.end(), [&](T v) {
        const auto u = static_cast<unsigned int>(v);
        return min <= u && u <= max;
    });
}

template <typename T> int VqNumList<T>::IndexOf(T number) const {
    auto it = std::find(Items.begin(), Items.end(), number);
    return it == Items.end() ? -1 : static_cast<int>(it - Items.begin());
}

template class VqNumList<int>;
template class VqNumList<unsigned int>;
