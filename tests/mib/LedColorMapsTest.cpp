#include "LedColorMaps.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace led_color_maps_test {

namespace {

TEST(LedColorMaps, EighteenMapsReadThreeStateBitsAndAreBlackWithoutData) {
    ASSERT_EQ(LedColorMaps().size(), 18u);
    std::set<std::string> names;
    for (const NamedLedColorMap& named : LedColorMaps()) {
        SCOPED_TRACE(named.Name);
        EXPECT_TRUE(names.insert(named.Name).second);
        const VqSNMPLedColorMapList& map = *named.Map;
        EXPECT_EQ(map.ValueMask, 7);
        EXPECT_TRUE(map.BlinkMask == 0 || map.BlinkMask == 7);
        EXPECT_EQ(map.DefaultColor, clBlack);
        EXPECT_EQ(map.NoDataColor, clBlack);
        // States 0 to 5 in ascending order; 6 and 7 have no row and show black.
        ASSERT_EQ(map.Rows().size(), 6u);
        for (int state = 0; state < 6; ++state)
            EXPECT_EQ(map.Rows()[state].Value, state);
        EXPECT_EQ(map.IndexOfValue(6), -1);
        EXPECT_EQ(map.ColorOf(7), clBlack);
    }
}

TEST(LedColorMaps, IndexNamesEachMapObject) {
    const std::pair<const char*, const VqSNMPLedColorMapList*> cases[] = {
        {"PowerLedColorMap", &PowerLedColorMap},   {"SdCardLinkColorMap", &SdCardLinkColorMap},
        {"PortLedColorMap", &PortLedColorMap},     {"PortLedColorMapB", &PortLedColorMapB},
        {"PortBodyColorMapB", &PortBodyColorMapB},
    };
    for (const auto& [name, map] : cases) {
        bool found = false;
        for (const NamedLedColorMap& named : LedColorMaps())
            if (named.Name == std::string(name)) {
                EXPECT_EQ(named.Map, map) << name;
                found = true;
            }
        EXPECT_TRUE(found) << name;
    }
}

// What a panel shows for one octet: the colour of its state bits, blinking when the map says so.
TEST(LedColorMaps, AnOctetTurnsIntoColourAndBlinkAsThePanelsShowIt) {
    struct Case {
        const VqSNMPLedColorMapList* Map;
        uint8_t Octet;
        TColor Color;
        bool Blinks;
    };
    const Case cases[] = {
        {&PowerLedColorMap, 0x11, kLedGreen, false}, // high bits ignored; the power LED never blinks
        {&PowerLedColorMap, 5, clRed, false},
        {&PortLedColorMap, 3, kLedGreen, true},
        {&PortLedColorMap, 0, kLedDarkGrey, false},
        {&PortLedColorMap, 6, clBlack, true},
        {&PortLedColorMap, 1, kLedOrange, true},
        {&FanLedColorMap, 2, clRed, true},
        {&PoePortStripColorMap, 2, kLedLightGreen, true},
        {&PortBodyColorMap, 3, kLedMidGreen, false},
        {&PortStripColorMap, 1, kLedYellow, false},
        {&PoePortBodyColorMap, 1, kLedAmber, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "octet " << int(c.Octet));
        EXPECT_EQ(c.Map->ColorOf(c.Octet & c.Map->ValueMask), c.Color);
        EXPECT_EQ((c.Octet & c.Map->BlinkMask) != 0, c.Blinks);
    }
}

} // namespace

} // namespace led_color_maps_test
