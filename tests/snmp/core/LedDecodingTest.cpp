#include "LedDecoding.h"

#include "OctetParts.h"
#include "VqException.h"

#include <gtest/gtest.h>

#include <optional>

namespace led_decoding_test {

namespace {

constexpr TColor kGrey = 0x4B4B4B, kOrange = 0x4080FF;

// The shapes of the catalogue's maps: one that never blinks, one that blinks on every state but
// 0, and one that makes a missing octet an error.
constexpr LedColorRow kPowerRows[] = {{0, clBlack}, {1, clLime}, {2, clBlack},    {3, clBlack},
                                      {4, clBlack}, {5, clRed},  kLedColorRowsEnd};
constexpr LedColorRow kPortRows[] = {{0, kGrey},  {1, kOrange}, {2, kOrange},    {3, clLime},
                                     {4, clLime}, {5, clBlack}, kLedColorRowsEnd};
constexpr VqSNMPLedColorMapList kPower(kPowerRows, 7, 0, clBlack, clBlack);
constexpr VqSNMPLedColorMapList kPort(kPortRows, 7, 7, clBlack, clBlack);
constexpr VqSNMPLedColorMapList kStrict(kPortRows, 7, 7, clBlack, -1);
constexpr VqSNMPLedColorMapList kNoDataBlue(kPortRows, 7, 7, clBlack, clBlue);

// A value of `count` octets, all 0 but those given.
std::string Octets(int count, std::initializer_list<std::pair<int, int>> set) {
    std::string octets(static_cast<size_t>(count), '\0');
    for (auto [index, value] : set)
        octets[static_cast<size_t>(index)] = static_cast<char>(value);
    return octets;
}

} // namespace

TEST(LedDecoding, OneOctetPerLedThroughTheMapsMasks) {
    struct Case {
        const char* What;
        std::string Value;
        bool CutOff;
        int Index;
        const VqSNMPLedColorMapList* Map;
        LedState Expected;
    };
    const Case cases[] = {
        {"0x11 on the power LED: its low bits", Octets(58, {{1, 0x11}}), false, 1, &kPower, {clLime, false}},
        {"power red, never blinking", Octets(58, {{1, 5}}), false, 1, &kPower, {clRed, false}},
        {"port state 3: green and blinking", Octets(58, {{32, 3}}), false, 32, &kPort, {clLime, true}},
        {"port state 0: grey and still", Octets(58, {}), false, 32, &kPort, {kGrey, false}},
        {"port state 6: no row, black", Octets(58, {{32, 6}}), false, 32, &kPort, {clBlack, true}},
        {"past the end: no data", Octets(20, {}), false, 32, &kNoDataBlue, {clBlue, false}},
        {"no octets at all: no data", "", false, 1, &kNoDataBlue, {clBlue, false}},
        {"octet 9 cuts off the ports",
         Octets(58, {{9, 1}, {32, 3}}),
         true,
         32,
         &kNoDataBlue,
         {clBlue, false}},
        {"and the index just above the limit",
         Octets(58, {{9, 1}, {11, 3}}),
         true,
         11,
         &kNoDataBlue,
         {clBlue, false}},
        {"but not the limit itself", Octets(58, {{9, 1}, {10, 3}}), true, 10, &kNoDataBlue, {clLime, true}},
        {"nor the system LEDs", Octets(58, {{9, 1}, {7, 4}}), true, 7, &kPort, {clLime, true}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DecodeLedState(c.Value, c.CutOff, c.Index, *c.Map, kLedDecodeOneOctet, 10), c.Expected)
            << c.What;
}

TEST(LedDecoding, AMissingOctetIsAnErrorOnlyWhereTheMapSaysSo) {
    try {
        DecodeLedState(Octets(20, {}), false, 32, kStrict, kLedDecodeOneOctet, 10);
        FAIL() << "no exception";
    } catch (const VqException& e) {
        EXPECT_EQ(e.Code(), -519);
    }
    EXPECT_EQ(DecodeLedState(Octets(20, {}), false, 32, kPort, kLedDecodeOneOctet, 10),
              (LedState{clBlack, false}));
}

// Mode 2: from the port limit on, a state octet (1: no data) followed by a colour octet.
TEST(LedDecoding, StateAndColourOctetsAboveThePortLimit) {
    struct Case {
        const char* What;
        std::string Value;
        int Index;
        const VqSNMPLedColorMapList* Map;
        std::optional<LedState> Expected; // none: raises -519
    };
    const Case cases[] = {
        {"below the limit: one octet", Octets(12, {{3, 3}}), 3, &kPort, LedState{clLime, true}},
        {"state 1: no data", Octets(12, {{4, 1}, {5, 3}}), 4, &kNoDataBlue, LedState{clBlue, false}},
        {"state blinks, next octet colours", Octets(12, {{4, 2}, {5, 3}}), 4, &kPort, LedState{clLime, true}},
        {"state 0: still", Octets(12, {{6, 0}, {7, 1}}), 6, &kPort, LedState{kOrange, false}},
        {"last octet: no colour octet, no data", Octets(12, {{11, 2}}), 11, &kNoDataBlue,
         LedState{clBlue, false}},
        {"last octet of a strict map", Octets(12, {{11, 2}}), 11, &kStrict, std::nullopt},
    };
    for (const Case& c : cases) {
        if (c.Expected) {
            EXPECT_EQ(DecodeLedState(c.Value, false, c.Index, *c.Map, kLedDecodeStateAndColor, 4),
                      *c.Expected)
                << c.What;
        } else {
            EXPECT_THROW(DecodeLedState(c.Value, false, c.Index, *c.Map, kLedDecodeStateAndColor, 4),
                         VqException)
                << c.What;
        }
    }
}

TEST(LedDecoding, OctetNineRuleReadsTheValueText) {
    const std::string nine = "00000000000000000001";
    EXPECT_TRUE(PortLedsCutOff(nine));
    EXPECT_TRUE(PortLedsCutOff(nine + "FFFF"));
    EXPECT_FALSE(PortLedsCutOff(nine.substr(0, 19)));
    EXPECT_FALSE(PortLedsCutOff("00000000000000000002"));
    EXPECT_FALSE(PortLedsCutOff("00000000000000000010"));
    EXPECT_FALSE(PortLedsCutOff("(NULL)"));
    EXPECT_EQ(TextToPart(nine, 4).size(), 10u) << "the text is the octets' hex";
}

TEST(LedDecoding, BlinkingAlternatesWithTheDefaultColourUntilTheLimit) {
    struct Case {
        LedState Led;
        TColor Shown;
        int Passes;
        TColor Expected;
    };
    const Case cases[] = {
        {{clLime, false}, clBlack, 0, clLime},  // steady
        {{clLime, true}, clBlack, 0, clLime},   // dark phase over: lit
        {{clLime, true}, clLime, 0, clBlack},   // lit: dark phase
        {{clLime, true}, clLime, 6, clBlack},   // the limit still alternates
        {{clLime, true}, clLime, 7, clLime},    // past it: stays lit
        {{clLime, true}, clRed, 3, clBlack},    // any other colour shown counts as lit
        {{clBlack, true}, clBlack, 2, clBlack}, // the default colour shows no blinking
    };
    for (const Case& c : cases)
        EXPECT_EQ(PaintPassColor(c.Led, c.Shown, kPort, c.Passes, 6), c.Expected)
            << c.Led.Color << " shown " << c.Shown << " pass " << c.Passes;
}

} // namespace led_decoding_test
