// Writes CatalogueColumns.h: every catalogue table's columns (caption, OID and the generic dialog's
// control) as a constant array, so that dialogs find their columns by name while compiling. A model set is
// written once (its copies differ only in the model arc).
#include "MibCatalogue.h"

#include <algorithm>
#include <cstdio>
#include <set>
#include <string>
#include <string_view>

namespace {

std::string Quoted(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
        }
        out += c;
    }
    return out + '"';
}

// The number of key columns a table list of the table writes with its row (the most any of its
// openers gives).
int WrittenKeys(const MibTableInfo& info) {
    int keys = 0;
    for (const MibOpener& opener : info.OpenedAs()) {
        if (opener.Kind == MVT_FMV || opener.Kind == MVT_UMV) {
            keys = std::max(keys, opener.KeyCount);
        }
    }
    return keys;
}

// The generic dialog's choice for a column (the catalogue's access and option list): a key column
// (no OID of its own, or one a table list writes) is set with the row it names.
const char* KindOf(const MibTableRow& row, bool writtenKey) {
    const bool key = writtenKey || row.Oid[0] == '\0' || row.Oid[0] == ' ';
    const bool settable = !(row.Access & acInvalid) && ((row.Access & acWriteOnly) || key);
    const bool options = row.OptionList != nullptr;
    if (settable) {
        return options ? "ColumnKind::ComboBox" : "ColumnKind::Edit";
    }
    return options ? "ColumnKind::ReadOnlyText" : "ColumnKind::ReadOnlyEdit";
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: catalogue-columns OUTPUT\n");
        return 2;
    }
    FILE* out = std::fopen(argv[1], "w");
    if (!out) {
        std::perror(argv[1]);
        return 1;
    }
    std::fprintf(out, "// Generated from the catalogue when the program is built: do not edit.\n"
                      "#pragma once\n\n#include \"ColumnNames.h\"\n\nnamespace Columns {\n");
    std::set<std::string> written;
    for (const MibTableInfo& info : MibTables()) {
        if (!written.insert(info.Name).second || !info.Table[0].Oid) {
            continue;
        }
        std::fprintf(out, "inline constexpr CatalogueColumn %s[] = {\n", info.Name);
        const int keys = WrittenKeys(info);
        for (int i = 0; info.Table[i].Oid; ++i) {
            const MibTableRow& row = info.Table[i];
            std::fprintf(out, "    {%s, %s, %s},\n", Quoted(row.Caption ? row.Caption : "").c_str(),
                         Quoted(row.Oid).c_str(), KindOf(row, i < keys));
        }
        std::fprintf(out, "};\n");
    }
    std::fprintf(out, "} // namespace Columns\n");
    return std::fclose(out) == 0 ? 0 : 1;
}
