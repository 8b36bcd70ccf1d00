#include "PortListHelpers.h"

#include <gtest/gtest.h>

namespace port_list_helpers_test {

namespace {

// 128 hex digits: the given leading octets, then zeros.
std::string Bitmap(const std::string& leading) {
    return leading + std::string(128 - leading.size(), '0');
}

} // namespace

TEST(PortListHelpers, ListToBitmapAndBack) {
    const struct {
        const char* list;
        std::string bitmap;
        const char* back; // HexBitmapToPortList of the bitmap, block 0
    } cases[] = {
        {"1,3-5", Bitmap("B8"), "1,3-5"},
        {"8,9", Bitmap("0180"), "8-9"},
        {"512", Bitmap("").substr(0, 126) + "01", "512"},
        {"513", Bitmap("80"), "1"}, // a slice's absolute numbers land on its offsets
        {"513-600,1", Bitmap("FFFFFFFFFFFFFFFFFFFFFF"), "1-88"},
        {"0", Bitmap(""), "0"},       // the text of an empty slice
        {"0-2", Bitmap("C0"), "1-2"}, // numbers below 1 set nothing
        {"", Bitmap(""), "0"},
        {",,2,,", Bitmap("40"), "2"}, // empty items are passed over
        {"1-2000000000", std::string(128, 'F'), "1-512"},
    };
    for (const auto& c : cases) {
        std::string text = c.list;
        ASSERT_TRUE(PortListToHexBitmap(text)) << c.list;
        EXPECT_EQ(text, c.bitmap) << c.list;
        EXPECT_EQ(HexBitmapToPortList(text, 0, false), c.back) << c.list;
    }
}

TEST(PortListHelpers, RefusedListLeavesTheTextAsTyped) {
    const char* refused[] = {
        "5-3",         // ends below its start
        "1,x",         // not a number
        "3-",          // a range without its end
        "-3",          // ... without its start
        "1-3-5",       // the end is "3-5"
        "99999999999", // beyond any integer
        "1;2",
        "1, 3", // a number is digits only
    };
    for (const char* list : refused) {
        std::string text = list;
        EXPECT_FALSE(PortListToHexBitmap(text)) << list;
        EXPECT_EQ(text, list);
    }
    std::string tooLong(kMaxPortListLength + 1, '1');
    tooLong[1] = ',';
    const std::string typed = tooLong;
    EXPECT_FALSE(PortListToHexBitmap(tooLong));
    EXPECT_EQ(tooLong, typed);
}

TEST(PortListHelpers, ParseClearsTheFlagsOfTheLastList) {
    PortFlagArray flags;
    ASSERT_TRUE(ParsePortList("1-512", flags));
    ASSERT_TRUE(ParsePortList("2", flags));
    for (int p = 0; p < kPortFlagCount; ++p) {
        EXPECT_EQ(flags[static_cast<size_t>(p)], p == 1) << p;
    }
}

TEST(PortListHelpers, PackPutsTheFirstFlagInTheTopBit) {
    const bool first[8] = {true, false, false, false, false, false, false, false};
    const bool last[8] = {false, false, false, false, false, false, false, true};
    const bool b8[8] = {true, false, true, true, true, false, false, false};
    EXPECT_EQ(PackPortFlags(first), 0x80);
    EXPECT_EQ(PackPortFlags(last), 0x01);
    EXPECT_EQ(PackPortFlags(b8), 0xB8);
}

TEST(PortListHelpers, BitmapToListOfASlice) {
    const struct {
        std::string hex;
        unsigned block;
        bool bracket;
        std::string list;
    } cases[] = {
        {Bitmap("B8"), 0, false, "1,3-5"},
        {Bitmap("B8"), 1, false, "513,515-517"},
        {Bitmap("B8"), 7, false, "3585,3587-3589"},
        {Bitmap(""), 0, false, "0"},
        {Bitmap(""), 3, true, "0[" + Bitmap("") + "]"},
        {"b8", 0, true, "1,3-5[b8]"},
        {"G8", 0, false, "5"},  // a non-hex digit counts as 0
        {"80F", 0, false, "1"}, // a final single digit is not read
        {"01" + std::string(124, '0') + "80", 0, false, "8,505"},
        // A run ends at the slice's last bit; it never continues into the next slice.
        {std::string(126, '0') + "03", 0, false, "511-512"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HexBitmapToPortList(c.hex, c.block, c.bracket), c.list) << c.hex << " block " << c.block;
    }
}

} // namespace port_list_helpers_test
