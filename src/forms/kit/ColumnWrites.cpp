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
    const int keys = request.Request.VarList.KeyCount;
    for (int column : skipped) {
        if (column >= keys) { // an index column addresses the row: never left out
            scope.Skip(column);
        }
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

WriteCarry& WriteCarry::Without(int column) {
    if (How == Kind::RowWithout && std::find(List.begin(), List.end(), column) == List.end()) {
        List.push_back(column);
    }
    return *this;
}

void WriteCarry::Send(VqSNMPRequest2Controls& request, bool refresh) const {
    switch (How) {
    case Kind::RowWithout:
        SetSkipping(request, List, refresh);
        break;
    case Kind::Only:
        SetOnly(request, List, refresh);
        break;
    case Kind::EachAlone:
        SetEachAlone(request, List, refresh);
        break;
    }
}
