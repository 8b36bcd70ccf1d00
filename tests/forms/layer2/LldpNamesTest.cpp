#include "LldpNames.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace lldp_names_test {

TEST(LldpNames, BitsAreReadFromTheFirstOctetAsNamesInTheTablesOrder) {
    const struct {
        const char* Hex;
        NameTable Names;
        const char* Text;
    } cases[] = {
        {"F0", LldpNames::kTlvs, " Port Description,System Name,System Description,System Capabilities"},
        {"60", LldpNames::kTlvs, " System Name,System Description"},
        {"00", LldpNames::kTlvs, " "},
        {"", LldpNames::kTlvs, " "},
        {"f0", LldpNames::kTlvs, " Port Description,System Name,System Description,System Capabilities"},
        {"8", LldpNames::kTlvs, " "}, // one digit: the octet 08
        {"B0", LldpNames::kDot3Tlvs, " macPhyConfigStatus,linkAggregation,maxFrameSize"},
        {"C0", LldpNames::kAggregationState, " aggCapable,aggEnabled"},
        {"80", LldpNames::kAggregationState, " aggCapable"},
        {"28", LldpNames::kLocalCapabilities, " Bridge,Router"},
        {"2800", LldpNames::kLocalCapabilities, " Bridge,Router"}, // two octets: the first counts
        {"0028", LldpNames::kLocalCapabilities, " "},
        {"20", LldpNames::kLocalCapabilities, " Bridge"},
        {"FF", LldpNames::kLocalCapabilities,
         " Other,Repeater,Bridge,WLANAccessPoint,Router,Telphone,docsisCableDevice,StationOnly"},
        {"28", LldpNames::kRemoteCapabilities, " bridge,router"},
        {"C0", LldpNames::kRemoteCapabilities, " other,repeater"},
        {"C000000000000001", LldpNames::kRemoteCapabilities, " other,repeater"}, // eight octets
        {"C0 junk", LldpNames::kRemoteCapabilities, " other,repeater"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Hex);
        EXPECT_EQ(BitsToNames(c.Hex, c.Names), c.Text);
    }
}

TEST(LldpNames, NamesAreExactAndCaseSensitiveInAnyOrder) {
    const struct {
        const char* Text;
        NameTable Names;
        const char* Hex;
    } cases[] = {
        {" Port Description,System Name,System Description,System Capabilities", LldpNames::kTlvs, "F0"},
        {"System Name x", LldpNames::kTlvs, "40"},
        {"system name", LldpNames::kTlvs, "00"},
        {"System Capabilities,Port Description", LldpNames::kTlvs, "90"},
        {" ", LldpNames::kTlvs, "00"},
        {"", LldpNames::kTlvs, "00"},
        {" powerViaMDI,linkAggregation", LldpNames::kDot3Tlvs, "60"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Text);
        EXPECT_EQ(NamesToBits(c.Text, c.Names), c.Hex);
    }
}

// Every value of the bits a table names comes back from its names text.
TEST(LldpNames, EveryNamedValueComesBackFromItsNames) {
    for (NameTable names : {NameTable(LldpNames::kTlvs), NameTable(LldpNames::kDot3Tlvs),
                            NameTable(LldpNames::kAggregationState)}) {
        for (unsigned value = 0; value < 256; value += 16) {
            char hex[3];
            std::snprintf(hex, sizeof hex, "%02X", value);
            const unsigned named = names.size() == 2 ? value & 0xC0 : value;
            char expected[3];
            std::snprintf(expected, sizeof expected, "%02X", named);
            EXPECT_EQ(NamesToBits(BitsToNames(hex, names), names), expected) << hex;
        }
    }
}

} // namespace lldp_names_test
