#include "VqSNMPLedColorMapList.h"

#include <gtest/gtest.h>

namespace vq_snmp_led_color_map_list_test {

namespace {

constexpr LedColorRow kRows[] = {{0x101, clGreen}, {2, clRed}, {1, clBlue}, {0, clBlack}, kLedColorRowsEnd};
constexpr LedColorRow kNoRows[] = {kLedColorRowsEnd};

TEST(VqSNMPLedColorMapList, LooksUpTheFirstRowWhoseLowByteMatches) {
    const VqSNMPLedColorMapList map(kRows, 7, 7, clWhite, -1);
    struct Case {
        int Value;
        int Index;
        TColor Color;
    };
    const Case cases[] = {
        {1, 0, clGreen}, // 0x101 matches by its low byte, ahead of the later row for 1
        {0x301, 0, clGreen},  {2, 1, clRed},
        {0, 3, clBlack},      {5, -1, clBlack}, // no row: black, not DefaultColor
        {0x105, -1, clBlack},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Value);
        EXPECT_EQ(map.IndexOfValue(static_cast<uint8_t>(c.Value & 0xFF)), c.Index);
        EXPECT_EQ(map.ColorOf(c.Value), c.Color);
    }
    EXPECT_EQ(map.Rows().size(), 4u);
    EXPECT_EQ(map.DefaultColor, clWhite);
    EXPECT_EQ(map.NoDataColor, -1);
}

TEST(VqSNMPLedColorMapList, NoTableOrOnlyTheTerminatorGivesAnEmptyMap) {
    for (const LedColorRow* table : {static_cast<const LedColorRow*>(nullptr), kNoRows}) {
        const VqSNMPLedColorMapList map(table, 7, 0, clBlack, clBlack);
        EXPECT_EQ(VqSNMPLedColorMapList::CountRows(table), 0);
        EXPECT_TRUE(map.Rows().empty());
        EXPECT_EQ(map.IndexOfValue(0), -1);
        EXPECT_EQ(map.ColorOf(0), clBlack);
    }
}

// The terminator is the colour -1 alone: a row of value 0 (or a black row) does not end the table.
static_assert(VqSNMPLedColorMapList::CountRows(kRows) == 4);

} // namespace

} // namespace vq_snmp_led_color_map_list_test
