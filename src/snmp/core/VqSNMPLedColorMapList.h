// Value-to-colour maps of the front-panel LEDs: the low bits of an LED's status octet pick a colour.
//
// The catalogue's maps are constant objects over constant rows, built at compile time (constinit)
// and only read afterwards.
#pragma once

#include "TColor.h"

#include <cstdint>
#include <span>

// One source row. A table ends at the first row whose Color is -1 (kLedColorRowsEnd).
struct LedColorRow {
    int32_t Value; // compared by its low byte
    TColor Color;
};

inline constexpr LedColorRow kLedColorRowsEnd{0, -1};

class VqSNMPLedColorMapList {
public:
    constexpr VqSNMPLedColorMapList(const LedColorRow* source, uint8_t valueMask, uint8_t blinkMask,
                                    TColor defaultColor, TColor noDataColor)
        : ValueMask(valueMask), BlinkMask(blinkMask), DefaultColor(defaultColor), NoDataColor(noDataColor),
          Source(source), RowCount(CountRows(source)) {}

    VqSNMPLedColorMapList(const VqSNMPLedColorMapList&) = delete;
    VqSNMPLedColorMapList& operator=(const VqSNMPLedColorMapList&) = delete;

    const uint8_t ValueMask;   // ANDed with an LED's octet before the lookup
    const uint8_t BlinkMask;   // the LED blinks when its octet AND this mask is not 0
    const TColor DefaultColor; // before any data, after a failed read, dark phase of blinking
    const TColor NoDataColor;  // octet missing or cut off; -1 makes a missing octet an error

    constexpr std::span<const LedColorRow> Rows() const { return {Source, static_cast<size_t>(RowCount)}; }

    // The first row whose value's low byte equals the byte, or -1.
    constexpr int IndexOfValue(uint8_t value) const {
        for (int i = 0; i < RowCount; ++i)
            if (static_cast<uint8_t>(Source[i].Value & 0xFF) == value)
                return i;
        return -1;
    }

    // The colour of the row for the value's low byte. A value without a row is black (0) whatever
    // DefaultColor is: DefaultColor belongs to painting, not to the lookup.
    constexpr TColor ColorOf(int value) const {
        const int i = IndexOfValue(static_cast<uint8_t>(value & 0xFF));
        return i < 0 ? clBlack : Source[i].Color;
    }

    // The number of rows before the terminator; 0 for no table.
    static constexpr int CountRows(const LedColorRow* table) {
        int n = 0;
        if (table)
            while (table[n].Color != -1)
                ++n;
        return n;
    }

private:
    const LedColorRow* Source;
    int RowCount;
};
