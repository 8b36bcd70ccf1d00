// The colour maps of the front-panel LEDs.
#pragma once

#include "VqSNMPLedColorMapList.h"

#include <span>

// The panels' colours; black and red are clBlack and clRed.
inline constexpr TColor kLedGreen = clLime;
inline constexpr TColor kLedDarkGrey = 0x4B4B4B;
inline constexpr TColor kLedOrange = 0x4080FF;
inline constexpr TColor kLedYellow = 0x07E8FA;
inline constexpr TColor kLedLightGreen = 0x7CF759;
inline constexpr TColor kLedAmber = 0x04A6FD;
inline constexpr TColor kLedMidGreen = 0x05B135;

extern constinit const VqSNMPLedColorMapList PowerLedColorMap;
extern constinit const VqSNMPLedColorMapList RpsLedColorMap;
extern constinit const VqSNMPLedColorMapList ConsoleLedColorMap;
extern constinit const VqSNMPLedColorMapList FanLedColorMap;
extern constinit const VqSNMPLedColorMapList Stack2LedColorMap;
extern constinit const VqSNMPLedColorMapList StackIdLedColorMap;
extern constinit const VqSNMPLedColorMapList Stack1LedColorMap;
extern constinit const VqSNMPLedColorMapList SdCardLedColorMap;
extern constinit const VqSNMPLedColorMapList SdCardLinkColorMap;
extern constinit const VqSNMPLedColorMapList PortLedColorMap;
extern constinit const VqSNMPLedColorMapList PortLedColorMapB;
extern constinit const VqSNMPLedColorMapList PoePortLedColorMap;
extern constinit const VqSNMPLedColorMapList PoePortStripColorMap;
extern constinit const VqSNMPLedColorMapList PoePortBodyColorMap;
extern constinit const VqSNMPLedColorMapList PortStripColorMap;
extern constinit const VqSNMPLedColorMapList PortBodyColorMap;
extern constinit const VqSNMPLedColorMapList PortStripColorMapB;
extern constinit const VqSNMPLedColorMapList PortBodyColorMapB;

struct NamedLedColorMap {
    const char* Name;
    const VqSNMPLedColorMapList* Map;
};

// The 18 maps in their order of construction.
std::span<const NamedLedColorMap> LedColorMaps();
