// Columns of a catalogue table by name, found while compiling. A dialog names the columns it reads
// and writes by their captions (or, where a caption is empty or shared by two columns of the table,
// by the last arcs of their OID) instead of keeping their positions by hand; a name the table does
// not hold exactly once does not compile.
//
// The tables' names come from the generated header CatalogueColumns.h (one constant array per
// catalogue table, in the namespace Columns, made from the catalogue itself when the program is
// built):
//   constexpr int kEgress = ColumnOf(Columns::VlanStaticTable, "Egress Ports");
//   constexpr int kWebState = ColumnByArc(Columns::TCPWEBSettings, "17.1");
#pragma once

#include <cstddef>
#include <string_view>

// The value control the generic dialog gives a variable: an edit, or a combo box where the
// variable has an option list; a column the user cannot set (neither writable nor a key) shows its
// value in a read-only edit, as text or as an option's text.
enum class ColumnKind : unsigned char { Edit, ComboBox, ReadOnlyEdit, ReadOnlyText };

// One column of a catalogue table as the compiler sees it: its caption, its OID (empty for a key
// column without an OID of its own) and the control the generic dialog picks for it.
struct CatalogueColumn {
    std::string_view Caption;
    std::string_view Oid;
    ColumnKind Kind = ColumnKind::Edit;
};

// Reached only by a lookup that fails; being no constant expression, each stops the compilation
// with its own name in the compiler's message.
void UnknownColumnCaption();
void AmbiguousColumnCaption();
void EmptyColumnCaption();
void UnknownColumnArc();
void AmbiguousColumnArc();

// The one column the match accepts; `ambiguous` or `unknown` (each no constant expression) when
// there are two or none.
template <std::size_t N, class Match>
consteval int UniqueColumn(const CatalogueColumn (&table)[N], Match match, void (*ambiguous)(),
                           void (*unknown)()) {
    int found = -1;
    for (std::size_t c = 0; c < N; ++c) {
        if (match(table[c])) {
            if (found >= 0) {
                ambiguous();
            }
            found = static_cast<int>(c);
        }
    }
    if (found < 0) {
        unknown();
    }
    return found;
}

// The column of that caption.
template <std::size_t N> consteval int ColumnOf(const CatalogueColumn (&table)[N], std::string_view caption) {
    if (caption.empty()) {
        EmptyColumnCaption();
    }
    return UniqueColumn(
        table, [caption](const CatalogueColumn& column) { return column.Caption == caption; },
        AmbiguousColumnCaption, UnknownColumnCaption);
}

// True when the OID ends in the given arcs ("14.1" matches "1.3.6.1.4.1.746.11.117.2.1.2.1.2.14.1").
constexpr bool EndsInArcs(std::string_view oid, std::string_view arcs) {
    return !arcs.empty() && oid.size() >= arcs.size() && oid.substr(oid.size() - arcs.size()) == arcs &&
           (oid.size() == arcs.size() || oid[oid.size() - arcs.size() - 1] == '.');
}

// The column whose OID ends in the given arcs, for a caption that is empty or not unique.
template <std::size_t N> consteval int ColumnByArc(const CatalogueColumn (&table)[N], std::string_view arcs) {
    return UniqueColumn(
        table, [arcs](const CatalogueColumn& column) { return EndsInArcs(column.Oid, arcs); },
        AmbiguousColumnArc, UnknownColumnArc);
}

// The number of columns of the table.
template <std::size_t N> consteval int ColumnCount(const CatalogueColumn (&)[N]) {
    return static_cast<int>(N);
}
