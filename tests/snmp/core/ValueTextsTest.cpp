#include "ValueTexts.h"

#include "CoreTestHelpers.h"
#include "MibTableRow.h"
#include "VqOptionList.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace value_texts_test {

namespace {

SnmpValue Oct(std::string bytes) {
    return SnmpValue::Octets(std::move(bytes));
}
SnmpValue Ip(std::string bytes) {
    return SnmpValue::Octets(std::move(bytes), SnmpSyntax::IpAddress);
}
SnmpValue U32(SnmpSyntax s, uint32_t v) {
    return SnmpValue::Unsigned32(s, v);
}
SnmpValue Oid(const char* dotted) {
    return SnmpValue::ObjectId(dotted[0] ? *SnmpOid::Parse(dotted) : SnmpOid());
}

const SnmpValue kNull;
const SnmpValue kNoSuchInstance = SnmpValue::Exception(SnmpSyntax::NoSuchInstance);

const std::string kDateAndTime2013 = Bytes({0x07, 0xDD, 0x0C, 0x08, 0x0D, 0x1E, 0x0F, 0x00, '+', 0x00, 0x00});
const std::string kDouble1 = Bytes({0, 0, 0, 0, 0, 0, 0xF0, 0x3F});
const std::string kPlatform2013 = Bytes({0, 0, 0, 0, 0x12, 0x52, 0xE4, 0x40}); // 41616.5625
const std::string kIpv6 =
    Bytes({0xFE, 0x80, 0, 0, 0, 0, 0, 0, 0x02, 0x11, 0x22, 0xFF, 0xFE, 0x33, 0x44, 0x55});

constexpr OptionSourceRow kEnabledRows[] = {
    {1, nullptr, "enabled"}, {2, nullptr, "disabled"}, {0, nullptr, nullptr}};
constinit const VqOptionList kEnabled("kEnabled", kEnabledRows);

// The value's text, returned and written over a longer text left from an earlier row (as a walk
// writes each column's text over the one before).
void ExpectValueText(int type, const VqOptionList* options, const SnmpValue& value, const std::string& text) {
    EXPECT_EQ(VbToText(type, options, value), text) << "type " << type << " -> " << text;
    std::string over = "the text of the row before, longer than any";
    VbToTextInto(type, options, value, over);
    EXPECT_EQ(over, text) << "written over, type " << type << " -> " << text;
}

} // namespace

TEST(HexToOctets, ReadsLeniently) {
    const std::string hex32 = "FE800000000000000211"
                              "22FFFE334455";
    struct Case {
        std::string text;
        std::string octets;
    } cases[] = {
        {"", ""},
        {"001AFF", Bytes({0x00, 0x1A, 0xFF})},
        {"ABC", Bytes({0x0A, 0xBC})},            // odd length: the first digit alone
        {"0a 1b", Bytes({0x0A, 0x1B})},          // blanks dropped, lower case read
        {"G1", Bytes({0x01})},                   // non-hex counts as 0
        {"0a-1b", Bytes({0x00, 0xA0, 0x1B})},    // other separators are digits 0
        {hex32 + "%0", kIpv6 + Bytes({0x00})},   // 34: no zone form
        {hex32 + "%01", kIpv6 + Bytes({0x01})},  // 35: the zone form, '%' passed over
        {hex32 + "X012", kIpv6 + Bytes({0x01})}, // 36: any 33rd character, last digit unread
        {hex32 + "%0102", kIpv6 + Bytes({0x01, 0x02})},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HexToOctets(c.text), c.octets) << c.text;
    EXPECT_EQ(HexToOctets(hex32), kIpv6);
}

TEST(OctetTexts, HexAndCharacters) {
    EXPECT_EQ(OctetsToHex(Bytes({0x00, 0x1A, 0xFF})), "001AFF");
    EXPECT_EQ(OctetsToHex(""), "");
    EXPECT_EQ(OctetsToText(std::string("ab\0cd", 5)), "ab");
    EXPECT_EQ(OctetsToText(std::string("\0ab", 3)), "");
    EXPECT_EQ(Counter64ToText(uint64_t{1} << 32), "4294967296");
    EXPECT_EQ(Counter64ToText(std::numeric_limits<uint64_t>::max()), "18446744073709551615");
}

TEST(TimeTicks, ShowAndReadBack) {
    struct Case {
        uint32_t ticks;
        const char* text;
    } cases[] = {
        {0, "0:00:00.00"},
        {100, "0:00:01.00"},
        {8639999, "23:59:59.99"},
        {8640000, "1 day 0:00:00.00"},
        {2 * 8640000 + 5, "2 days, 0:00:00.05"},
        {4294967295u, "497 days, 2:27:52.95"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TimeTicksToText(c.ticks), c.text);
        EXPECT_EQ(TimeTicksFromText(c.text), c.ticks) << c.text;
    }
    struct Read {
        const char* text;
        uint32_t ticks;
    } reads[] = {
        {"12345", 0},    // no separator: nothing read
        {"1:2", 360000}, // minutes need a second ':'
        {"2 days, 1:00:00.5", 2 * 8640000 + 360000 + 5},
        {"2 days, 1:00:00.50", 2 * 8640000 + 360000 + 50},
        {"1.5", 105},
        {"", 0},
        {"500 days, 0:00:00.00", static_cast<uint32_t>(500ull * 8640000 % 4294967296ull)}, // wraps
    };
    for (const Read& r : reads)
        EXPECT_EQ(TimeTicksFromText(r.text), r.ticks) << r.text;
}

TEST(DecimalReading, SkipsBlanksTakesASignAndWraps) {
    struct Case {
        const char* text;
        uint32_t value32;
        uint64_t value64;
    } cases[] = {
        {"", 0, 0},
        {"abc", 0, 0},
        {" \t42", 42, 42},
        {"+7", 7, 7},
        {"12abc", 12, 12},
        {"-1", 4294967295u, 18446744073709551615ull},
        {"4294967295", 4294967295u, 4294967295ull},
        {"4294967296", 0, 4294967296ull},
        {"18446744073709551616", 0, 0},
        {"99999999999999999999999999", 3825205247u, 15908979783594147839ull},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReadDecimal32(c.text), c.value32) << c.text;
        EXPECT_EQ(ReadDecimal64(c.text), c.value64) << c.text;
    }
}

TEST(FloatTexts, GeneralFormAndReading) {
    struct Case {
        double value;
        const char* text;
    } cases[] = {
        {0, "0"},
        {1, "1"},
        {-2.25, "-2.25"},
        {0.5, "0.5"},
        {1.0 / 3, "0.333333333333333"},
        {123456789012345, "123456789012345"},
        {1e15, "1E15"},
        {1.5e20, "1.5E20"},
        {0.00001, "0.00001"},
        {1.5e-7, "1.5E-7"},
        {41616.5625, "41616.5625"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FloatToText(c.value), c.text);
        EXPECT_NEAR(ReadFloat(c.text), c.value, std::fabs(c.value) * 1e-14) << c.text; // 15 digits
    }
    EXPECT_EQ(FloatToText(std::nan("")), "NAN");
    EXPECT_EQ(FloatToText(-std::numeric_limits<double>::infinity()), "-INF");
    EXPECT_EQ(ReadFloat(" 2.5xyz"), 2.5);
    EXPECT_EQ(ReadFloat("abc"), 0.0);
    EXPECT_EQ(ReadFloat(""), 0.0);
    EXPECT_EQ(ReadFloat("-2e3"), -2000.0);
}

TEST(PlatformDateTime, FixedFormatBothWays) {
    struct Case {
        double value;
        const char* text;
    } cases[] = {
        {0, "1899/12/30 00:00:00"},       {41616.5625, "2013/12/08 13:30:00"},
        {-1.25, "1899/12/29 06:00:00"}, // before the epoch the fraction counts forward
        {-693593, "0001/01/01 00:00:00"}, {2958465 + 86399.0 / 86400, "9999/12/31 23:59:59"},
        {60, "1900/02/28 00:00:00"},      {61, "1900/03/01 00:00:00"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DateTimeToText(c.value), c.text);
        EXPECT_NEAR(TextToDateTime(c.text), c.value, 1e-9) << c.text;
    }
    EXPECT_EQ(DateTimeToText(41616.9999999999), "2013/12/09 00:00:00"); // rounding reaches midnight
    for (double noDate : {std::nan(""), std::numeric_limits<double>::infinity(), 1e10, -693594.5, -1e300})
        EXPECT_EQ(DateTimeToText(noDate), "") << noDate;
    EXPECT_DOUBLE_EQ(TextToDateTime("2013/12/8"), 41616);
    EXPECT_DOUBLE_EQ(TextToDateTime(" 2013/12/08 13:30 "), 41616.5625);
}

TEST(PlatformDateTime, TextThatIsNoDateRaisesConversionError) {
    for (const char* bad : {"", "2013-12-08", "2013/13/01", "2013/02/29", "2013/12/08 24:00:00",
                            "2013/12/08 1", "2013/12/08 13:30:00 x", "12/08", "0/1/1"}) {
        RaisedError e = Raised([&] { TextToDateTime(bad); });
        EXPECT_EQ(e.Code, -511) << bad;
        EXPECT_EQ(e.Message, "'" + std::string(bad) + "' is not a valid date and time");
    }
    EXPECT_DOUBLE_EQ(TextToDateTime("2012/02/29"), 40968);
}

TEST(VbToText, EveryItemTypeAndMissingValues) {
    struct Case {
        int type;
        SnmpValue value;
        std::string text;
    } cases[] = {
        {itBoolean, SnmpValue::Integer(1), "true"},
        {itBoolean, SnmpValue::Integer(-5), "true"},
        {itBoolean, SnmpValue::Integer(0), "false"},
        {itBoolean, kNull, "(NULL)"},
        {itInteger, SnmpValue::Integer(-42), "-42"},
        {itInteger, SnmpValue::Integer(std::numeric_limits<int32_t>::min()), "-2147483648"},
        {itInteger, SnmpValue::Counter64(uint64_t{1} << 40), "1099511627776"}, // the type that arrived
        {itInteger, kNull, "(NULL)"},
        {itInteger, kNoSuchInstance, "(NULL)"},
        {itBitString, Oct(Bytes({0x00, 0x1A, 0xFF})), "001AFF"},
        {itOctetString, Oct(""), ""},
        {itOctetString, kNull, ""},
        {itOctetString, SnmpValue::Exception(SnmpSyntax::NoSuchObject), ""},
        {itNull, kNull, "(NULL)"},
        {itObjectId, Oid("1.3.6.1.4.1.746"), "1.3.6.1.4.1.746"},
        {itObjectId, Oid(""), "(NULL)"},
        {itObjectId, kNull, "(NULL)"},
        {itIpAddress, Ip(Bytes({10, 1, 2, 3})), "10.1.2.3"},
        {itIpAddress, Ip(Bytes({10, 1, 2})), ""},
        {itIpAddress, Oct(Bytes({192, 168, 0, 1})), "192.168.0.1"},
        {itIpAddress, kNull, "(NULL)"},
        {itCounter, U32(SnmpSyntax::Counter32, 4294967295u), "4294967295"},
        {itGauge, U32(SnmpSyntax::Gauge32, 7), "7"},
        {itUInteger, U32(SnmpSyntax::UInteger32, 8), "8"},
        {itTimeTicks, U32(SnmpSyntax::TimeTicks, 8640000), "1 day 0:00:00.00"},
        {itTimeTicks, kNull, "(NULL)"},
        {itOpaque, SnmpValue::Octets(Bytes({0x9F, 0x78}), SnmpSyntax::Opaque), "9F78"},
        {itNsapAddress, Ip(Bytes({1, 2, 3, 4})), "1.2.3.4"},
        {itCounter64, SnmpValue::Counter64(uint64_t{1} << 32), "4294967296"},
        {itCounter64, SnmpValue::Counter64(std::numeric_limits<uint64_t>::max()), "18446744073709551615"},
        {itCounter64, kNull, "(NULL)"},
        {itDouble, Oct(kDouble1), "1"},
        {itDouble, Oct(""), "(NULL)"},
        {itDouble, Oct(Bytes({0, 0, 0})), "0"}, // short: the missing octets are zero
        {itDouble, Oct(Bytes({1})), "4.94065645841247E-324"},
        {itMacAddress, Oct(Bytes({0, 0x11, 0x22, 0x33, 0x44, 0x55})), "001122334455"},
        {itDateTime, Oct(kDateAndTime2013), "2013-12-8,13:30:15.0"},
        {itDateTime, Oct(kDateAndTime2013.substr(0, 8)), "2013-12-8,13:30:15.0"}, // no zone octets
        {itDateTime, Oct(Bytes({0x07, 0xDD})), "2013-0-0,0:0:0.0"},
        {itDateTime, Oct(""), "(NULL)"},
        {itBcDateTime, Oct(kPlatform2013), "2013/12/08 13:30:00"},
        {itBcDateTime, Oct(Bytes({0, 0, 0, 0, 0, 0, 0xF8, 0x7F})), ""}, // NaN is no date
        {itBcDateTime, kNull, "(NULL)"},
        {itDisplayString, Oct(std::string("abc\0def", 7)), "abc"},
        {itDisplayString, Oct(std::string("\0abc", 4)), ""},
        {itDisplayString, kNull, ""},
        {itIpv6Address, Oct(kIpv6),
         "FE800000000000000211"
         "22FFFE334455"},
        {itBitList, Oct(Bytes({0xE8})), "E8"},
        {itInetAddress, Oct(kIpv6),
         "FE800000000000000211"
         "22FFFE334455"},
        {itInetAddress, Oct(Bytes({10, 1, 2, 3})), "10.1.2.3"},
        {itInetAddress, Oct(Bytes({10, 1, 2, 3, 4})), ""},
        {itInetAddress, kNull, ""},
    };
    for (const Case& c : cases)
        ExpectValueText(c.type, nullptr, c.value, c.text);
}

TEST(VbToText, ValueOfAnotherTypeShowsAsWhatArrived) {
    // A broken agent's value is never read as the column's type, nor past its own length.
    struct Case {
        int type;
        SnmpValue value;
        std::string text;
    } cases[] = {
        {itInteger, Oct("ab"), "6162"},
        {itInteger, U32(SnmpSyntax::TimeTicks, 100), "0:00:01.00"},
        {itInteger, Oid("1.3.6.1"), "1.3.6.1"},
        {itBoolean, U32(SnmpSyntax::Gauge32, 1), "1"},
        {itTimeTicks, SnmpValue::Integer(-5), "-5"},
        {itCounter64, Oct(std::string(3, 'A')), "414141"},
        {itObjectId, SnmpValue::Integer(7), "7"},
        {itIpAddress, SnmpValue::Integer(7), "7"},
        {itNull, SnmpValue::Integer(7), "7"},
        {itDisplayString, SnmpValue::Integer(7), "7"},
        {itDisplayString, Ip(Bytes({10, 1, 2, 3})), "10.1.2.3"},
        {itMacAddress, Ip(Bytes({10, 1})), "0A01"},
        {itDateTime, SnmpValue::Counter64(uint64_t{1} << 40), "1099511627776"},
        {itDouble, Oid(""), "(NULL)"},
        {itOctetString, SnmpValue::Integer(-1), "-1"},
        // The normal carriers keep the column's presentation.
        {itMacAddress, Oct(Bytes({0, 0x11, 0x22, 0x33, 0x44, 0x55})), "001122334455"},
        {itDisplayString, SnmpValue::Octets("abc", SnmpSyntax::Opaque), "abc"},
        {itIpAddress, Oct(Bytes({192, 168, 0, 1})), "192.168.0.1"},
        {itCounter, SnmpValue::Integer(-1), "-1"},
        // Exceptions and unknown tags are absent values of the column.
        {itInteger, SnmpValue::Exception(SnmpSyntax::EndOfMibView), "(NULL)"},
        {itInteger, SnmpValue::Exception(static_cast<SnmpSyntax>(0x99)), "(NULL)"},
        {itOctetString, SnmpValue::Exception(static_cast<SnmpSyntax>(0x99)), ""},
    };
    for (const Case& c : cases)
        ExpectValueText(c.type, nullptr, c.value, c.text);
    // An octet string "\x02" is no value of an enumerated integer column.
    ExpectValueText(itInteger, &kEnabled, Oct(Bytes({0x02})), "02");
    ExpectValueText(itInteger, &kEnabled, SnmpValue::Integer(2), "disabled");
}

TEST(VbToText, OptionListNamesTheValue) {
    ExpectValueText(itInteger, &kEnabled, SnmpValue::Integer(2), "disabled");
    ExpectValueText(itInteger, &kEnabled, SnmpValue::Integer(9), "9");
    ExpectValueText(itInteger, &kEnabled, kNull, "(NULL)");
}

TEST(TextToVb, EveryItemType) {
    struct Case {
        int type;
        std::string text;
        SnmpValue value;
    } cases[] = {
        {itBoolean, "true", SnmpValue::Integer(1)},
        {itBoolean, "True", SnmpValue::Integer(0)},
        {itBoolean, "", SnmpValue::Integer(0)},
        {itInteger, "", SnmpValue::Integer(0)},
        {itInteger, "-5", SnmpValue::Integer(-5)},
        {itInteger, "4294967295", SnmpValue::Integer(-1)},
        {itInteger, " 12abc", SnmpValue::Integer(12)},
        {itInteger, "99999999999", SnmpValue::Integer(1215752191)}, // wraps, no overflow
        {itInteger, "(NULL)", kNull},
        {itCounter, "4294967295", U32(SnmpSyntax::Gauge32, 4294967295u)},
        {itGauge, "-1", U32(SnmpSyntax::Gauge32, 4294967295u)},
        {itUInteger, "8", U32(SnmpSyntax::Gauge32, 8)},
        {itTimeTicks, "1 day 0:00:00.00", U32(SnmpSyntax::TimeTicks, 8640000)},
        {itCounter64, "4294967296", SnmpValue::Counter64(uint64_t{1} << 32)},
        {itCounter64, "18446744073709551615", SnmpValue::Counter64(std::numeric_limits<uint64_t>::max())},
        {itCounter64, "18446744073709551616", SnmpValue::Counter64(0)},
        {itBitString, "E8", Oct(Bytes({0xE8}))},
        {itOctetString, "0a 1b", Oct(Bytes({0x0A, 0x1B}))},
        {itOctetString, "", Oct("")},
        {itOctetString, "(NULL)", kNull},
        {itOpaque, "ABC", Oct(Bytes({0x0A, 0xBC}))},
        {itMacAddress, "001122334455", Oct(Bytes({0, 0x11, 0x22, 0x33, 0x44, 0x55}))},
        {itIpv6Address,
         "FE800000000000000211"
         "22FFFE334455",
         Oct(kIpv6)},
        {itBitList, "ffff", Oct(Bytes({0xFF, 0xFF}))},
        {itNull, "5", kNull},
        {itObjectId, "1.3.6.1", Oid("1.3.6.1")},
        {itObjectId, "abc", Oid("")},
        {itIpAddress, "10.1.2.3", Ip(Bytes({10, 1, 2, 3}))},
        {itIpAddress, "", Ip(Bytes({0, 0, 0, 0}))},          // no dotted quad: 0.0.0.0
        {itIpAddress, "localhost", Ip(Bytes({0, 0, 0, 0}))}, // never looked up
        {itIpAddress, "256.1.1.1", Ip(Bytes({0, 0, 0, 0}))},
        {itIpAddress, "1.2.3", Ip(Bytes({0, 0, 0, 0}))},
        {itNsapAddress, "1.2.3.4", Ip(Bytes({1, 2, 3, 4}))},
        {itDouble, "1", Oct(kDouble1)},
        {itDouble, "abc", Oct(std::string(8, '\0'))},
        {itDateTime, "2013-12-8,13:30:15.0", Oct(kDateAndTime2013)},
        {itBcDateTime, "2013/12/08 13:30:00", Oct(kPlatform2013)},
        {itDisplayString, "abc", Oct("abc")},
        {itDisplayString, "", Oct("")},
        {itInetAddress, "10.1.2.3", Oct(Bytes({10, 1, 2, 3}))},
        {itInetAddress, "0.0.0.0", Oct(Bytes({0, 0, 0, 0}))},
        {itInetAddress, "junk", Oct(Bytes({0xFF, 0xFF, 0xFF, 0xFF}))},
        {itInetAddress,
         "FE800000000000000211"
         "22FFFE334455",
         Oct(kIpv6)},
        {itInetAddress, "(NULL)", kNull},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TextToVb(c.type, nullptr, c.text), c.value) << "type " << c.type << " <- " << c.text;
}

TEST(TextToVb, OptionListGivesTheValueFirst) {
    EXPECT_EQ(TextToVb(itInteger, &kEnabled, "Disabled"), SnmpValue::Integer(2));
    EXPECT_EQ(TextToVb(itInteger, &kEnabled, "3"), SnmpValue::Integer(3));
    EXPECT_EQ(TextToVb(itInteger, &kEnabled, "(NULL)"), kNull);
}

TEST(ValueTexts, UnknownItemTypesRaiseBadSyntax) {
    for (int type : {0, 7, 79, 193, 198, 255}) {
        RaisedError e = Raised([&] { VbToText(type, nullptr, SnmpValue::Integer(1)); });
        EXPECT_EQ(e.Code, -511) << type;
        EXPECT_EQ(e.Message, "Bad SNMP syntax!");
        // The variable's text stays as it was.
        std::string text = "42";
        EXPECT_EQ(RaisedCode([&] { VbToTextInto(type, nullptr, kNull, text); }), -511) << type;
        EXPECT_EQ(text, "42");
        EXPECT_EQ(RaisedCode([&] { TextToVb(type, nullptr, "1"); }), -511) << type;
    }
    // "(NULL)" is sent as NULL before the type is looked at.
    EXPECT_EQ(TextToVb(193, nullptr, "(NULL)"), kNull);
}

TEST(TextToVb, PlatformDateTimeThatDoesNotParseRaises) {
    RaisedError e = Raised([] { TextToVb(itBcDateTime, nullptr, "08.12.2013"); });
    EXPECT_EQ(e.Code, -511);
    EXPECT_EQ(e.Message, "'08.12.2013' is not a valid date and time");
}

} // namespace value_texts_test
