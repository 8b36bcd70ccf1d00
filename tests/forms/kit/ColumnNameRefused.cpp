// Compiled by the ColumnNames tests, never linked: with no case chosen every lookup names a column
// the catalogue table holds once and the file compiles; each case names one that it does not, and
// the compilation must stop with that case's own message.
#include "CatalogueColumns.h"

// Found: by caption, and by the OID's last arcs where a caption is shared (the web settings name
// "State" and "Port" twice: .14.1/.14.2 and .17.1/.17.2).
static_assert(ColumnOf(Columns::VlanStaticTable, "Egress Ports") == 2);
static_assert(ColumnByArc(Columns::VlanStaticTable, "3.1.5") == 5);
static_assert(ColumnByArc(Columns::TCPWEBSettings, "14.1") == 0);
static_assert(ColumnByArc(Columns::TCPWEBSettings, "17.1") == 2);
static_assert(ColumnByArc(Columns::TCPWEBSettings, "17.2") == 3);

#if defined(CASE_AMBIGUOUS)
constexpr int kRefused = ColumnOf(Columns::TCPWEBSettings, "State");
#elif defined(CASE_UNKNOWN)
constexpr int kRefused = ColumnOf(Columns::VlanStaticTable, "Egress Port");
#elif defined(CASE_EMPTY)
constexpr int kRefused = ColumnOf(Columns::VlanStaticTable, "");
#elif defined(CASE_AMBIGUOUS_ARC)
constexpr int kRefused = ColumnByArc(Columns::TCPWEBSettings, "1"); // ends both 14.1 and 17.1
#elif defined(CASE_UNKNOWN_ARC)
constexpr int kRefused = ColumnByArc(Columns::VlanStaticTable, "3.1.9");
#endif
