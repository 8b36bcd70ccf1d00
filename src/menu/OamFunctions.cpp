#include "OamFunctions.h"

std::string OamFunctionsText(std::string_view hex) {
    static constexpr struct {
        int Bit;
        const char* Name;
    } kBits[] = {
        {8, "Variable Request, "}, {4, "Link Monitoring, "}, {2, "Remote Loopback, "}, {1, "Unidirection, "}};
    std::string names;
    for (char c : hex) {
        // Not only the digits of our hex text: any other character is read by the same rule
        // (code - 55), so a lower-case 'a' (42) still names bits 8 and 2.
        const int digit = c >= '0' && c <= '9' ? c - '0' : static_cast<unsigned char>(c) - 55;
        for (const auto& bit : kBits) {
            if (digit & bit.Bit) {
                names += bit.Name;
            }
        }
    }
    if (names.size() >= 2) {
        names.resize(names.size() - 2);
    } else {
        names.clear();
    }
    return names;
}
