#include "LedColorMaps.h"

namespace {

constexpr TColor B = clBlack, G = kLedGreen, R = clRed;
constexpr LedColorRow PowerRows[] = {{0, B}, {1, G}, {2, B}, {3, B}, {4, B}, {5, R}, kLedColorRowsEnd};
constexpr LedColorRow RpsRows[] = {{0, B}, {1, B}, {2, B}, {3, B}, {4, G}, {5, R}, kLedColorRowsEnd};
constexpr LedColorRow ConsoleRows[] = {{0, B}, {1, B}, {2, G}, {3, B}, {4, B}, {5, R}, kLedColorRowsEnd};
constexpr LedColorRow FanRows[] = {{0, B}, {1, B}, {2, R}, {3, B}, {4, G}, {5, R}, kLedColorRowsEnd};
constexpr LedColorRow Stack2Rows[] = {{0, B}, {1, G}, {2, B}, {3, G}, {4, G}, {5, R}, kLedColorRowsEnd};
constexpr LedColorRow StackIdRows[] = {{0, B}, {1, B}, {2, B}, {3, G}, {4, G}, {5, R}, kLedColorRowsEnd};
constexpr LedColorRow Stack1Rows[] = {{0, B}, {1, B}, {2, G}, {3, G}, {4, B}, {5, R}, kLedColorRowsEnd};
constexpr LedColorRow SdCardRows[] = {{0, B}, {1, B}, {2, G}, {3, G}, {4, B}, {5, R}, kLedColorRowsEnd};
constexpr LedColorRow PortRows[] = {
    {0, kLedDarkGrey}, {1, kLedOrange}, {2, kLedOrange}, {3, G}, {4, G}, {5, B}, kLedColorRowsEnd};
constexpr LedColorRow PortRowsB[] = {{0, B}, {1, kLedOrange}, {2, kLedOrange}, {3, G},
                                     {4, G}, {5, R},          kLedColorRowsEnd};
constexpr LedColorRow PoePortRows[] = {{0, B}, {1, kLedOrange}, {2, G},          {3, B},
                                       {4, B}, {5, R},          kLedColorRowsEnd};
constexpr LedColorRow PoeStripRows[] = {{0, B}, {1, kLedYellow}, {2, kLedLightGreen}, {3, B},
                                        {4, B}, {5, R},          kLedColorRowsEnd};
constexpr LedColorRow PoeBodyRows[] = {{0, B}, {1, kLedAmber}, {2, kLedMidGreen}, {3, B},
                                       {4, B}, {5, R},         kLedColorRowsEnd};
constexpr LedColorRow StripRows[] = {{0, B}, {1, kLedYellow}, {2, kLedYellow}, {3, kLedLightGreen},
                                     {4, G}, {5, R},          kLedColorRowsEnd};
constexpr LedColorRow BodyRows[] = {{0, B}, {1, kLedAmber}, {2, kLedAmber},  {3, kLedMidGreen},
                                    {4, G}, {5, R},         kLedColorRowsEnd};

// Every map reads the low three bits and is black before data and where data is missing.
constexpr uint8_t kStateBits = 7;
constexpr uint8_t kBlinks = 7;
constexpr uint8_t kSteady = 0;

} // namespace

constinit const VqSNMPLedColorMapList PowerLedColorMap(PowerRows, kStateBits, kSteady, clBlack, clBlack);
constinit const VqSNMPLedColorMapList RpsLedColorMap(RpsRows, kStateBits, kSteady, clBlack, clBlack);
constinit const VqSNMPLedColorMapList ConsoleLedColorMap(ConsoleRows, kStateBits, kSteady, clBlack, clBlack);
constinit const VqSNMPLedColorMapList FanLedColorMap(FanRows, kStateBits, kBlinks, clBlack, clBlack);
constinit const VqSNMPLedColorMapList Stack2LedColorMap(Stack2Rows, kStateBits, kBlinks, clBlack, clBlack);
constinit const VqSNMPLedColorMapList StackIdLedColorMap(StackIdRows, kStateBits, kSteady, clBlack, clBlack);
constinit const VqSNMPLedColorMapList Stack1LedColorMap(Stack1Rows, kStateBits, kBlinks, clBlack, clBlack);
constinit const VqSNMPLedColorMapList SdCardLedColorMap(SdCardRows, kStateBits, kBlinks, clBlack, clBlack);
constinit const VqSNMPLedColorMapList SdCardLinkColorMap(SdCardRows, kStateBits, kSteady, clBlack, clBlack);
constinit const VqSNMPLedColorMapList PortLedColorMap(PortRows, kStateBits, kBlinks, clBlack, clBlack);
constinit const VqSNMPLedColorMapList PortLedColorMapB(PortRowsB, kStateBits, kBlinks, clBlack, clBlack);
constinit const VqSNMPLedColorMapList PoePortLedColorMap(PoePortRows, kStateBits, kBlinks, clBlack, clBlack);
constinit const VqSNMPLedColorMapList PoePortStripColorMap(PoeStripRows, kStateBits, kBlinks, clBlack,
                                                           clBlack);
constinit const VqSNMPLedColorMapList PoePortBodyColorMap(PoeBodyRows, kStateBits, kBlinks, clBlack, clBlack);
constinit const VqSNMPLedColorMapList PortStripColorMap(StripRows, kStateBits, kSteady, clBlack, clBlack);
constinit const VqSNMPLedColorMapList PortBodyColorMap(BodyRows, kStateBits, kSteady, clBlack, clBlack);
constinit const VqSNMPLedColorMapList PortStripColorMapB(StripRows, kStateBits, kSteady, clBlack, clBlack);
constinit const VqSNMPLedColorMapList PortBodyColorMapB(BodyRows, kStateBits, kSteady, clBlack, clBlack);

namespace {

constexpr NamedLedColorMap kMaps[] = {
    {"PowerLedColorMap", &PowerLedColorMap},         {"RpsLedColorMap", &RpsLedColorMap},
    {"ConsoleLedColorMap", &ConsoleLedColorMap},     {"FanLedColorMap", &FanLedColorMap},
    {"Stack2LedColorMap", &Stack2LedColorMap},       {"StackIdLedColorMap", &StackIdLedColorMap},
    {"Stack1LedColorMap", &Stack1LedColorMap},       {"SdCardLedColorMap", &SdCardLedColorMap},
    {"SdCardLinkColorMap", &SdCardLinkColorMap},     {"PortLedColorMap", &PortLedColorMap},
    {"PortLedColorMapB", &PortLedColorMapB},         {"PoePortLedColorMap", &PoePortLedColorMap},
    {"PoePortStripColorMap", &PoePortStripColorMap}, {"PoePortBodyColorMap", &PoePortBodyColorMap},
    {"PortStripColorMap", &PortStripColorMap},       {"PortBodyColorMap", &PortBodyColorMap},
    {"PortStripColorMapB", &PortStripColorMapB},     {"PortBodyColorMapB", &PortBodyColorMapB},
};

} // namespace

std::span<const NamedLedColorMap> LedColorMaps() {
    return kMaps;
}
