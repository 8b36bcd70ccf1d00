#include "SnmpTypes.h"

#include <gtest/gtest.h>

namespace snmp_types_test {

TEST(SnmpOid, ParseAcceptsDottedDecimalOnly) {
    struct Case {
        const char* text;
        bool ok;
        const char* printed;
    } cases[] = {
        {"1.3.6.1.2.1.1.2.0", true, "1.3.6.1.2.1.1.2.0"},
        {".1.3.6", true, "1.3.6"},
        {"4294967295", true, "4294967295"},
        {"4294967296", false, ""},
        {"", false, ""},
        {".", false, ""},
        {"1..3", false, ""},
        {"1.3.", false, ""},
        {"1.+3", false, ""},
        {"1. 3", false, ""},
        {"1.3a", false, ""},
    };
    for (const Case& c : cases) {
        auto oid = SnmpOid::Parse(c.text);
        EXPECT_EQ(oid.has_value(), c.ok) << c.text;
        if (oid) {
            EXPECT_EQ(oid->ToString(), c.printed) << c.text;
        }
    }
}

TEST(SnmpOid, OrdersLikeAWalkAndTestsPrefixes) {
    auto a = *SnmpOid::Parse("1.3.6.1.2");
    auto b = *SnmpOid::Parse("1.3.6.1.2.1");
    auto c = *SnmpOid::Parse("1.3.6.1.10");
    EXPECT_LT(a, b);
    EXPECT_LT(b, c); // numeric, not textual, order of arcs
    EXPECT_TRUE(b.StartsWith(a));
    EXPECT_FALSE(c.StartsWith(b));
    EXPECT_TRUE(a.StartsWith(SnmpOid()));
}

} // namespace snmp_types_test
