// Writes of one row that carry chosen columns only: the other columns get the skip flag (0x20)
// for the one SET and their own access words back right after it, on every path out, exceptions
// included, so a column is never left out of a later read or write. Each SET collects the
// selected row and the bound controls again and is addressed by the index columns, which are
// never flagged. `refresh` is Set's first argument (the framework's re-read of a table).
#pragma once

#include <vector>

class VqSNMPRequest2Controls;

// One SET without the given columns.
bool SetSkipping(VqSNMPRequest2Controls& request, const std::vector<int>& skipped, bool refresh = false);
// One SET of the given non-index columns alone.
bool SetOnly(VqSNMPRequest2Controls& request, const std::vector<int>& written, bool refresh = false);
// One SET per column, in the order given, each carrying that column alone. With an asynchronous
// request the PDUs leave back to back, each built from the controls as they stand at its call.
void SetEachAlone(VqSNMPRequest2Controls& request, const std::vector<int>& columns, bool refresh = false);
