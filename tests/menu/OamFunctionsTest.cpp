#include "OamFunctions.h"

#include <gtest/gtest.h>

namespace oam_functions_test {

TEST(OamFunctions, EachHexDigitNamesItsFourBits) {
    struct Case {
        const char* Hex;
        const char* Names;
    };
    const Case cases[] = {
        {"F0", "Variable Request, Link Monitoring, Remote Loopback, Unidirection"},
        {"0F", "Variable Request, Link Monitoring, Remote Loopback, Unidirection"},
        {"1A", "Unidirection, Variable Request, Remote Loopback"},
        {"08", "Variable Request"},
        {"88", "Variable Request, Variable Request"},
        {"04", "Link Monitoring"},
        {"00", ""},
        {"", ""},
        // Not a digit of the framework's hex text, read by the same rule: 'a' is 42.
        {"a", "Variable Request, Remote Loopback"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.Names, OamFunctionsText(c.Hex)) << c.Hex;
    }
}

} // namespace oam_functions_test
