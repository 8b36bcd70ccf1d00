#include "PortLists.h"

#include <gtest/gtest.h>

namespace port_lists_test {

TEST(PortBitmapToList, WritesAscendingRanges) {
    const std::string unit2Port1 = std::string(16, '0') + "80" + std::string(110, '0');
    struct Case {
        std::string hex;
        bool withHex;
        const char* list;
    } cases[] = {
        {"E8", false, "1-3,5"},    {"E8", true, "1-3,5[E8]"},  {"e8", false, "1-3,5"}, {"00", false, "0"},
        {"", false, "0"},          {"", true, "0[]"},          {"FF", false, "1-8"},   {"01", false, "8"},
        {"81", false, "1,8"},      {"EB", false, "1-3,5,7-8"}, // two consecutive ports make a range
        {"FFFF", false, "1-16"},                               // a run to the last bit
        {"0180", false, "8-9"},                                // a run across an octet boundary
        {"E", false, "0"},                                     // a final unpaired digit is ignored
        {"E8F", false, "1-3,5"},   {"G8", false, "5"},         // a non-hex digit counts as 0
        {unit2Port1, false, "65"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PortBitmapToList(c.hex, c.withHex), c.list) << c.hex;
}

TEST(PortListToBitmap, ReadsRangesIntoABitmapOfTheCurrentLength) {
    struct Case {
        const char* list;
        const char* current;
        const char* bitmap; // nullptr: the list does not parse
    } cases[] = {
        {"1-3,5", "0000", "e800"},
        {"all", "0000", "ffff"},
        {"all", "000", "fff"},
        {"All", "0000", nullptr}, // "all" only in lower case
        {"", "0000", "0000"},     // an empty list is an empty set
        {"16", "0000", "0001"},
        {"17", "0000", nullptr}, // a 4-digit value has 16 ports
        {"0", "0000", nullptr},
        {"5-3", "0000", nullptr}, // reversed range
        {"3-3", "0000", "2000"},
        {"3, 1 - 2", "00", "e0"}, // blanks before numbers, any order
        {"2,2,1-2", "00", "c0"},
        {"1,,2", "00", nullptr}, // an empty item is no port
        {"1,", "00", nullptr},
        {"-3", "00", nullptr},
        {"3x", "00", "20"},     // reading stops at the first non-digit
        {"1:2", "00", nullptr}, // ":" items are rejected, not read as a stale number
        {"1-2:3", "00", nullptr},
        {"1:2-3", "00", nullptr},
        {"2,1:", "00", nullptr},
        {"99999999999999999999999", "0000", nullptr}, // too large, never wrapped onto a port
        {"1-99999999999999999999999", "0000", nullptr},
        {"5", "E8", "08"}, // the current value sets only the length
    };
    for (const Case& c : cases) {
        std::string out = "untouched";
        const bool ok = PortListToBitmap(c.list, c.current, out);
        EXPECT_EQ(ok, c.bitmap != nullptr) << c.list;
        EXPECT_EQ(out, c.bitmap ? c.bitmap : "untouched") << c.list;
    }
}

TEST(PortListToBitmap, RoundTripsThroughTheListText) {
    const std::string current(128, '0');
    for (const char* list : {"1-3,5", "64-65,128", "1-512", "7,9,11-13,300-302"}) {
        std::string bitmap;
        ASSERT_TRUE(PortListToBitmap(list, current, bitmap)) << list;
        EXPECT_EQ(bitmap.size(), 128u);
        EXPECT_EQ(PortBitmapToList(bitmap), list);
    }
}

TEST(BracketedHex, TakesTheTextBetweenTheBrackets) {
    struct Case {
        const char* cell;
        const char* hex;
    } cases[] = {
        {"1-3,5[E8]", "E8"}, {"0[]", ""}, {"E8", "E8"}, // no "[": from the start
        {"1[AB", "AB"},                                 // no "]": to the end, the last character kept
        {"x]y[z]", "z"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BracketedHex(c.cell), c.hex) << c.cell;
    EXPECT_EQ(BracketedHex(PortBitmapToList("E8", true)), "E8");
}

} // namespace port_lists_test
