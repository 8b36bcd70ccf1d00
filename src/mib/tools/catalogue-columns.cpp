// Writes CatalogueColumns.h: every catalogue table's columns (caption and OID) as a constant
// array, so that dialogs find their columns by name while compiling. A model set is written once
// (its copies differ only in the model arc).
#include "MibCatalogue.h"

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
        for (int i = 0; info.Table[i].Oid; ++i) {
            const MibTableRow& row = info.Table[i];
            std::fprintf(out, "    {%s, %s},\n", Quoted(row.Caption ? row.Caption : "").c_str(),
                         Quoted(row.Oid).c_str());
        }
        std::fprintf(out, "};\n");
    }
    std::fprintf(out, "} // namespace Columns\n");
    return std::fclose(out) == 0 ? 0 : 1;
}
