// The numbers of a delimited text: "1,5,9" with ',' or "10.1.2.3" with '.'.
#pragma once

#include <string_view>
#include <vector>

template <typename T> class VqNumList {
public:
    char Delimiter = '.';

    // Replaces the items by the numbers of `text`: one per delimiter-separated piece, an empty
    // piece 0; a '.' that is not the delimiter starts a fraction, which is dropped. Characters
    // other than digits give meaningless (but defined) items; the edit constraints keep them out.
    void Parse(std::string_view text);
    int Count() const { return static_cast<int>(Items.size()); }
    // Range-checked: an index outside 0..Count()-1 raises the framework error -12.
    T Get(int index) const;
    // 0 for an empty text, else 1 + the number of delimiters.
    int CountItems(std::string_view text) const;
    // Every item within [min, max], compared as unsigned numbers; true for no items.
    bool AllInRange(unsigned int min, unsigned int max) const;
    // Position of the first item equal to `number`, -1 when absent.
    int IndexOf(T number) const;

private:
    std::vector<T> Items;
};

extern template class VqNumList<int>;
extern template class VqNumList<unsigned int>;
