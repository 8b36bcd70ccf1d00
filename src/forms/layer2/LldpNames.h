// The LLDP dialogs show a bit string of the switch (the TLVs a port sends, a port's aggregation
// state, a system's capabilities) as a names text: one space, then the names of the set bits in
// their table's order joined by "," (" Port Description,System Name"), a single space when no bit
// is set. Each table names bit positions: position n is mask 0x80 >> (n mod 8) of octet n div 8,
// so a longer value is read from its first octet on, as the MIB numbers its bits.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

// One bit of a bit string and its name.
struct NamedBit {
    int Position;
    const char* Name;
};
using NameTable = std::span<const NamedBit>;

namespace LldpNames {

// The basic TLVs a port sends.
inline constexpr NamedBit kTlvs[] = {
    {0, "Port Description"},
    {1, "System Name"},
    {2, "System Description"},
    {3, "System Capabilities"},
};
// The IEEE 802.3 TLVs a port sends.
inline constexpr NamedBit kDot3Tlvs[] = {
    {0, "macPhyConfigStatus"},
    {1, "powerViaMDI"},
    {2, "linkAggregation"},
    {3, "maxFrameSize"},
};
// A local port's link aggregation state.
inline constexpr NamedBit kAggregationState[] = {
    {0, "aggCapable"},
    {1, "aggEnabled"},
};
// The switch's own system capabilities, spelt as its local system data shows them.
inline constexpr NamedBit kLocalCapabilities[] = {
    {0, "Other"},    {1, "Repeater"},          {2, "Bridge"},      {3, "WLANAccessPoint"}, {4, "Router"},
    {5, "Telphone"}, {6, "docsisCableDevice"}, {7, "StationOnly"},
};
// A neighbour's system capabilities, spelt as the remote table shows them.
inline constexpr NamedBit kRemoteCapabilities[] = {
    {0, "other"},     {1, "repeater"},          {2, "bridge"},      {3, "wlanAccessPoint"}, {4, "router"},
    {5, "telephone"}, {6, "docsisCableDevice"}, {7, "stationOnly"},
};

} // namespace LldpNames

// The names text of a value text (hexadecimal as received, read up to its first character that is
// no hexadecimal digit; an odd count of digits has its first digit alone as the first octet).
std::string BitsToNames(std::string_view hex, NameTable names);
// The value text (two upper-case hexadecimal digits per octet, as many octets as the table's bits
// need) of every name that occurs in the text, exactly as spelt, in any order; "00" when none does.
std::string NamesToBits(std::string_view text, NameTable names);
// The names text of the given names, in the order given.
std::string NamesText(const std::vector<std::string>& names);
