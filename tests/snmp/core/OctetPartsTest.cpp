#include "OctetParts.h"

#include "CoreTestHelpers.h"
#include "MibTableRow.h"

#include <gtest/gtest.h>

namespace octet_parts_test {

namespace {

const std::string kFive = Bytes({1, 2, 3, 4, 5});
const std::string kSixteen =
    Bytes({0xFE, 0x80, 0, 0, 0, 0, 0, 0, 2, 0x11, 0x22, 0xFF, 0xFE, 0x33, 0x44, 0x55});
const std::string kSixteenHex = "FE80000000000000021122FFFE334455";

// The expected part or text, or the code raised.
struct Expected {
    Expected(std::string value) : Value(std::move(value)) {}
    Expected(const char* value) : Value(value) {}
    Expected(int code) : Code(code) {}
    std::string Value;
    int Code = 0;
};

template <typename F> void ExpectResult(F&& f, const Expected& expected, const std::string& what) {
    std::string result;
    const int code = RaisedCode([&] { result = f(); });
    EXPECT_EQ(code, expected.Code) << what;
    if (!expected.Code) {
        EXPECT_EQ(result, expected.Value) << what;
    }
}

} // namespace

TEST(ExtractPart, TakesTheTypesWidthAtThePosition) {
    const std::string twenty = kSixteen + Bytes({9, 9, 9, 9});
    struct Case {
        std::string value;
        int position;
        int type;
        Expected part;
    } cases[] = {
        {"", 5, itInteger, ""}, // an empty value gives an empty part
        {"", 0, itObjectId, ""},
        {kFive, 1, itInteger, Bytes({2, 3, 4, 5})},
        {kFive, 2, itInteger, -519}, // past the end
        {kFive, -1, itInteger, -519},
        {kFive, -1, itOctetString, -519},
        {kFive, 3, itNull, ""},
        {kFive, 3, itOctetString, Bytes({4, 5})}, // rest types run to the end
        {kFive, 5, itDisplayString, ""},
        {kFive, 6, itBitList, -518}, // a rest part past the end
        {kFive, 4, itUInt8, Bytes({5})},
        {kFive, 5, itBool8, -519},
        {kFive, 3, itInt16, Bytes({4, 5})},
        {kFive, 0, itMacAddress, -519},
        {kFive, 0, itCounter64, -519},
        {kFive, 0, itInetAddress, Bytes({1, 2, 3, 4})},   // 4 octets in a short value
        {twenty, 4, itInetAddress, twenty.substr(4, 16)}, // 16 in a long one
        {kSixteen + Bytes({7}), 2, itInetAddress, -519},
        {kSixteen, 0, itIpv6Address, kSixteen},
        {kSixteen, 5, itDateTime, kSixteen.substr(5, 11)},
        {kFive, 0, 7, -511},
    };
    for (const Case& c : cases)
        ExpectResult([&] { return ExtractPart(c.value, c.position, c.type); }, c.part,
                     "type " + std::to_string(c.type) + " at " + std::to_string(c.position));
}

TEST(PartToText, ShowsEachPartType) {
    struct Case {
        std::string part;
        int type;
        Expected text;
    } cases[] = {
        {"", itInteger, "(NULL)"},
        {"", itDisplayString, ""},
        {Bytes({0xFF, 0xFF, 0xFF, 0xFF}), itInteger, "-1"},
        {Bytes({0xFF, 0xFF, 0xFF, 0xFF}), itCounter, "4294967295"},
        {Bytes({0xFF, 0xFF, 0xFF, 0xFF}), itBoolean, "true"},
        {Bytes({0, 0, 0, 0}), itBoolean, "false"},
        {Bytes({1, 0, 0}), itInteger, -518}, // shorter than its type
        {Bytes({0, 0xD6, 0x83, 0}), itTimeTicks, "1 day 0:00:00.00"},
        {Bytes({10, 1, 2, 3}), itIpAddress, "10.1.2.3"},
        {Bytes({1, 0, 0, 0, 3, 0, 0, 0}), itObjectId, "1.3"},
        {Bytes({1, 0, 0, 0, 3}), itObjectId, -518}, // no whole number of arcs
        {Bytes({0x0A, 0x1B}), itOctetString, "0A1B"},
        {std::string("ab\0c", 4), itDisplayString, "ab"},
        {Bytes({0, 0, 0, 0, 1, 0, 0, 0}), itCounter64, "4294967296"},
        {Bytes({0, 0, 0, 0, 1, 0, 0}), itCounter64, -518},
        {Bytes({0, 0, 0, 0, 0, 0, 0xF0, 0x3F}), itDouble, "1"},
        {Bytes({0, 0x11, 0x22, 0x33, 0x44}), itMacAddress, -518},
        {Bytes({0, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66}), itMacAddress, "00112233445566"}, // longer: whole
        {Bytes({0x07, 0xDD, 12, 8, 13, 30, 15, 0, '+', 0, 0}), itDateTime, "2013-12-8,13:30:15.0"},
        {Bytes({0x07, 0xDD, 12, 8, 13, 30, 15, 0, '+', 0}), itDateTime, -518},
        {Bytes({0, 0, 0, 0, 0x12, 0x52, 0xE4, 0x40}), itBcDateTime, "2013/12/08 13:30:00"},
        {kSixteen.substr(0, 15), itIpv6Address, -518},
        {kSixteen, itIpv6Address, kSixteenHex},
        {kSixteen, itInetAddress, kSixteenHex},
        {Bytes({10, 1, 2, 3, 4}), itInetAddress, "10.1.2.3"},
        {Bytes({10, 1, 2}), itInetAddress, -518}, // too short for a dotted quad
        {Bytes({7}), itNull, "(NULL)"},
        {Bytes({0}), itBool8, "false"},
        {Bytes({2}), itBool8, "true"},
        {Bytes({0xFF}), itInt8, "-1"},
        {Bytes({0xFF}), itUInt8, "255"},
        {Bytes({0, 1}), itBool16, "true"},
        {Bytes({0xFF, 0xFF}), itInt16, "65535"}, // shown unsigned like uint16
        {Bytes({1, 2}), itUInt16, "258"},        // big-endian
        {Bytes({1}), itInt16, -518},
        {Bytes({1}), 7, -511},
        {"", 7, -511},
    };
    for (const Case& c : cases)
        ExpectResult([&] { return PartToText(c.part, c.type); }, c.text, "type " + std::to_string(c.type));
}

TEST(TextToPart, GivesTheOctetsOfEachPartType) {
    struct Case {
        std::string text;
        int type;
        Expected part;
    } cases[] = {
        {"(NULL)", itInteger, ""},
        {"(NULL)", itDisplayString, ""},
        {"true", itBoolean, Bytes({1, 0, 0, 0})},
        {"yes", itBoolean, Bytes({0, 0, 0, 0})},
        {"-1", itInteger, Bytes({0xFF, 0xFF, 0xFF, 0xFF})},
        {"258", itGauge, Bytes({2, 1, 0, 0})},
        {"1 day 0:00:00.00", itTimeTicks, Bytes({0, 0xD6, 0x83, 0})},
        {"10.1.2.3", itIpAddress, Bytes({10, 1, 2, 3})},
        {"300.1.1.1", itNsapAddress, Bytes({44, 1, 1, 1})}, // low 8 bits
        {"1.2", itIpAddress, Bytes({1, 2})},
        {"1.2.3.4.5", itIpAddress, Bytes({1, 2, 3, 4})},
        {"", itIpAddress, ""},
        {"1.3", itObjectId, Bytes({1, 0, 0, 0, 3, 0, 0, 0})},
        {"", itObjectId, ""},
        {"0a1b", itOctetString, Bytes({0x0A, 0x1B})},
        {"ab", itDisplayString, "ab"},
        {"4294967296", itCounter64, Bytes({0, 0, 0, 0, 1, 0, 0, 0})},
        {"1", itDouble, Bytes({0, 0, 0, 0, 0, 0, 0xF0, 0x3F})},
        {"001122334455", itMacAddress, Bytes({0, 0x11, 0x22, 0x33, 0x44, 0x55})},
        {"2013-12-8,13:30:15.0", itDateTime, Bytes({0x07, 0xDD, 12, 8, 13, 30, 15, 0, '+', 0, 0})},
        {"2013/12/08 13:30:00", itBcDateTime, Bytes({0, 0, 0, 0, 0x12, 0x52, 0xE4, 0x40})},
        {"2013-12-08", itBcDateTime, -511},
        {kSixteenHex, itIpv6Address, kSixteen},
        {"10.1.2.3", itInetAddress, Bytes({10, 1, 2, 3})},
        {kSixteenHex, itInetAddress, kSixteen},
        {"x", itNull, ""},
        {"true", itBool8, Bytes({1})},
        {"-1", itInt8, Bytes({0xFF})},
        {"300", itUInt8, Bytes({44})},
        {"true", itBool16, Bytes({0, 1})},
        {"65535", itInt16, Bytes({0xFF, 0xFF})},
        {"258", itUInt16, Bytes({1, 2})},
        {"1", 7, -511},
    };
    for (const Case& c : cases)
        ExpectResult([&] { return TextToPart(c.text, c.type); }, c.part, c.text);
}

TEST(OctetParts, TextsRoundTripThroughTheirOctets) {
    struct Case {
        int type;
        const char* text;
    } cases[] = {
        {itBoolean, "true"},
        {itInteger, "-2147483648"},
        {itCounter, "4294967295"},
        {itTimeTicks, "2 days, 0:00:00.05"},
        {itIpAddress, "192.168.0.1"},
        {itObjectId, "1.3.6.1.4.1.746"},
        {itOctetString, "001AFF"},
        {itCounter64, "18446744073709551615"},
        {itDouble, "-2.25"},
        {itDateTime, "2013-12-8,13:30:15.0,-5:30"},
        {itBcDateTime, "2013/12/08 13:30:00"},
        {itDisplayString, "abc"},
        {itInetAddress, "10.1.2.3"},
        {itInt8, "-128"},
        {itUInt16, "65535"},
    };
    for (const Case& c : cases) {
        const std::string octets = TextToPart(c.text, c.type);
        EXPECT_EQ(PartToText(ExtractPart(octets, 0, c.type), c.type), c.text) << c.type;
    }
}

} // namespace octet_parts_test
