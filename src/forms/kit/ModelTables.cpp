#include "ModelTables.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace {

bool SameText(std::string_view a, std::string_view b, SysObjectIdMatch match) {
    if (match == SysObjectIdMatch::Exact) {
        return a == b;
    }
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

} // namespace

int ModelOfSysObjectIdText(std::string_view sysObjectId, SysObjectIdMatch match) {
    for (int m = MibModelSet::kFirstModel; m <= MibModelSet::kLastModel; ++m) {
        if (SameText(sysObjectId, "1.3.6.1.4.1.746.10.117." + std::to_string(m) + ".1", match)) {
            return m;
        }
    }
    return 0;
}

const MibTableRow* ModelTable(const MibModelSet& set, std::string_view sysObjectId, SysObjectIdMatch match) {
    return set.ForModel(ModelOfSysObjectIdText(sysObjectId, match));
}
