#include "DeviceModels.h"

#include <algorithm>
#include <cctype>

namespace {

// By model number 2 to 7.
constexpr const char* kModelNames[] = {"ZQS-4410-24RA", "ZQS-4410-24DA", "ZQS-4410-24ZO",
                                       "ZQS-4410-48DA", "ZQS-4410-48RO", "ZQS-4410-24ZO-DC"};

std::string SysObjectIdOfModel(int m) {
    return "1.3.6.1.4.1.746.10.117." + std::to_string(m) + ".1";
}

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

int ModelOfSysObjectId(std::string_view sysObjectId, SysObjectIdMatch match) {
    for (int m = kFirstModel; m <= kLastModel; ++m) {
        if (SameText(sysObjectId, SysObjectIdOfModel(m), match)) {
            return m;
        }
    }
    return 0;
}

std::string ModelNameOfModel(int m) {
    return m >= kFirstModel && m <= kLastModel ? kModelNames[m - kFirstModel] : "";
}

std::string ModelNameOf(std::string_view sysObjectId) {
    return ModelNameOfModel(ModelOfSysObjectId(sysObjectId));
}

std::vector<std::string> SupportedModelNames() {
    return {std::begin(kModelNames), std::end(kModelNames)};
}
