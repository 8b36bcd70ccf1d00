#include "ColumnWrites.h"

#include "SkipFlagScope.h"
#include "VqSNMPRequest2Controls.h"

#include <algorithm>

namespace {

bool Contains(const std::vector<int>& columns, int column) {
    return std::find(columns.begin(), columns.end(), column) != columns.end();
}

} // namespace

bool SetSkipping(VqSNMPRequest2Controls& request, const std::vector<int>& skipped, bool refresh) {
    SkipFlagScope scope(request.Request);
    for (int column : skipped) {
        scope.Skip(column);
    }
    return request.Set(refresh, true);
}

bool SetOnly(VqSNMPRequest2Controls& request, const std::vector<int>& written, bool refresh) {
    const VqSNMPVarList& list = request.Request.VarList;
    std::vector<int> skipped;
    for (int v = std::max(list.KeyCount, 0); v < list.GetCount(); ++v) {
        if (!Contains(written, v)) {
            skipped.push_back(v);
        }
    }
    return SetSkipping(request, skipped, refresh);
}

void SetEachAlone(VqSNMPRequest2Controls& request, const std::vector<int>& columns, bool refresh) {
    for (int column : columns) {
        SetOnly(request, {column}, refresh);
    }
}
