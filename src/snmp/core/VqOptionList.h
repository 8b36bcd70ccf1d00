// Value-to-text lists of enumerated MIB objects.
//
// The catalogue's lists are constant objects over constant source rows, built at compile time
// (constinit): no start-up cost and no static-initialisation order to get wrong. Lists built
// at run time (a dialog's own) own copies of their texts.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

// One source row. Kind 1 lists use Value; kinds 2 and 3 use ValueText. A row whose Text is
// null ends the source table.
struct OptionSourceRow {
    int Value = 0;
    const char* ValueText = nullptr;
    const char* Text = nullptr;
};

enum OptionListKind : int {
    olIntegerValues = 1,
    olTextValues = 2,
    olTextPrefixes = 3,
};

class VqOptionList {
public:
    // A list over constant rows that outlive it (the catalogue's). Usable in constinit.
    constexpr VqOptionList(const char* name, const OptionSourceRow* source, int kind = olIntegerValues,
                           bool caseSensitive = false)
        : Name(name), Kind(kind), CaseSensitive(caseSensitive), Rows(source), RowCount(CountSource(source)) {}

    // A list that copies its rows' texts (a dialog's own list).
    VqOptionList(const OptionSourceRow* source, int kind, bool caseSensitive);

    VqOptionList(const VqOptionList&) = delete;
    VqOptionList& operator=(const VqOptionList&) = delete;

    const char* const Name; // the catalogue name, or null
    const int Kind;
    const bool CaseSensitive;

    int Count() const { return RowCount; }
    // Range-checked: an index outside 0..Count()-1 raises the framework error -12.
    const OptionSourceRow& GetRow(int index) const;

    int IndexOfText(std::string_view text) const;
    int IndexOfValue(std::string_view valueText) const;
    std::string ValueToText(std::string_view valueText) const;
    std::string TextToValue(std::string_view text) const;

    static constexpr int CountSource(const OptionSourceRow* source) {
        int n = 0;
        if (source)
            while (source[n].Text)
                ++n;
        return n;
    }

private:
    const OptionSourceRow* Rows;
    int RowCount;
    // Storage of a list that owns its texts; empty for the catalogue's lists.
    std::vector<OptionSourceRow> OwnedRows;
    std::vector<std::unique_ptr<std::string>> OwnedTexts;
};
