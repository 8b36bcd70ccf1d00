// Row instances: the key columns' values encoded as the arcs that follow a column's OID, and the
// end-of-column test of a table walk. The request's virtual DecodeIndex, EncodeIndex,
// IsPastColumn and SubstituteVariables call these with its variable list.
#pragma once

#include <string>
#include <string_view>

class VqSNMPVarList;

// Takes the key column at `position` off the front of `instance` (dotted arcs), stores its value
// text (through the column's option list) and returns the rest of the instance.
// Raises -514 when the instance holds fewer arcs than the column needs (or is no dotted
// decimal), -511 for an item type that cannot be a key, -12 for a position outside the list.
std::string DecodeIndex(VqSNMPVarList& list, int position, std::string_view instance);

// The arcs of the key column's value text as dotted text ("" for none).
// Raises -511 for an item type that cannot be a key, -12 for a position outside the list.
std::string EncodeIndex(const VqSNMPVarList& list, int position);

// Whether a GET-NEXT reply has left its column: never for scalar and single-row lists; for a
// walk, unless the returned OID continues the column's OID and differs from the last one.
bool IsPastColumn(const VqSNMPVarList& list, std::string_view columnOid, std::string_view lastOid,
                  std::string_view returnedOid);

// Replaces every `marker` and the decimal variable position after it (none: 0) by that variable's
// value in its numeric form; a text-only value is put in double quotes when `quoteTexts` is set.
// Raises -512 for a "(NULL)" value, -513 for a text-only value without `quoteTexts`, -12 for a
// position outside the list. Inserted values are not scanned again.
std::string SubstituteVariables(const VqSNMPVarList& list, std::string_view text, bool quoteTexts,
                                std::string_view marker);
