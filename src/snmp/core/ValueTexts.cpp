#include "ValueTexts.h"

#include "MibTableRow.h"
#include "VqDateTime.h"
#include "VqException.h"
#include "VqOptionList.h"

#include <arpa/inet.h>
#include <bit>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <locale.h>
#include <optional>

namespace {

constexpr int kBadSyntax = -511;
constexpr uint32_t kTicksPerDay = 8640000;
constexpr int64_t kMsPerDay = 86400000;

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

template <typename Unsigned> Unsigned ReadDecimal(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && IsSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    Unsigned value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = static_cast<Unsigned>(value * 10u + static_cast<Unsigned>(text[i] - '0'));
    return negative ? static_cast<Unsigned>(0u - value) : value;
}

// Days from 1970-01-01 to a proleptic Gregorian date, and back (exact for every year of int32).
int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

void CivilFromDays(int64_t z, int64_t& y, unsigned& m, unsigned& d) {
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y = static_cast<int64_t>(yoe) + era * 400 + (m <= 2);
}

const int64_t kPlatformEpoch = DaysFromCivil(1899, 12, 30);
constexpr int64_t kFirstPlatformDay = -693593; // 0001-01-01
constexpr int64_t kLastPlatformDay = 2958465;  // 9999-12-31

bool IsLeap(int64_t y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

unsigned DaysInMonth(int64_t y, unsigned m) {
    static constexpr unsigned kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeap(y) ? 29 : kDays[m - 1];
}

double EncodePlatformDateTime(int64_t y, unsigned m, unsigned d, int64_t msOfDay) {
    const double date = static_cast<double>(DaysFromCivil(y, m, d) - kPlatformEpoch);
    const double time = static_cast<double>(msOfDay) / static_cast<double>(kMsPerDay);
    // Before the epoch the integral part is the day and the fraction still counts forward.
    return date >= 0 ? date + time : date - time;
}

// Reads up to maxDigits decimal digits (at least one).
std::optional<unsigned> ReadField(std::string_view text, size_t& pos, size_t maxDigits) {
    size_t start = pos;
    unsigned v = 0;
    while (pos < text.size() && pos - start < maxDigits && text[pos] >= '0' && text[pos] <= '9')
        v = v * 10 + static_cast<unsigned>(text[pos++] - '0');
    if (pos == start)
        return std::nullopt;
    return v;
}

bool Expect(std::string_view text, size_t& pos, char c) {
    if (pos < text.size() && text[pos] == c) {
        ++pos;
        return true;
    }
    return false;
}

std::optional<double> ParseDateTime(std::string_view text) {
    size_t pos = 0;
    while (pos < text.size() && IsSpace(text[pos]))
        ++pos;
    auto y = ReadField(text, pos, 4);
    if (!y || !Expect(text, pos, '/'))
        return std::nullopt;
    auto m = ReadField(text, pos, 2);
    if (!m || !Expect(text, pos, '/'))
        return std::nullopt;
    auto d = ReadField(text, pos, 2);
    if (!d || *y < 1 || *m < 1 || *m > 12 || *d < 1 || *d > DaysInMonth(*y, *m))
        return std::nullopt;
    unsigned h = 0, n = 0, s = 0;
    size_t afterDate = pos;
    while (pos < text.size() && IsSpace(text[pos]))
        ++pos;
    if (pos < text.size() && pos > afterDate) {
        auto hh = ReadField(text, pos, 2);
        if (!hh || !Expect(text, pos, ':'))
            return std::nullopt;
        auto nn = ReadField(text, pos, 2);
        if (!nn)
            return std::nullopt;
        h = *hh;
        n = *nn;
        if (Expect(text, pos, ':')) {
            auto ss = ReadField(text, pos, 2);
            if (!ss)
                return std::nullopt;
            s = *ss;
        }
        if (h > 23 || n > 59 || s > 59)
            return std::nullopt;
        while (pos < text.size() && IsSpace(text[pos]))
            ++pos;
    }
    if (pos != text.size())
        return std::nullopt;
    return EncodePlatformDateTime(*y, *m, *d, (int64_t{h} * 3600 + n * 60 + s) * 1000);
}

void DottedQuadInto(std::string_view octets, std::string& text) {
    char quad[16];
    size_t n = 0;
    for (size_t i = 0; i < 4; ++i) {
        const unsigned o = static_cast<unsigned char>(octets[i]);
        if (i)
            quad[n++] = '.';
        if (o >= 100)
            quad[n++] = static_cast<char>('0' + o / 100);
        if (o >= 10)
            quad[n++] = static_cast<char>('0' + o / 10 % 10);
        quad[n++] = static_cast<char>('0' + o % 10);
    }
    text.assign(quad, n);
}

// Strict "a.b.c.d" with numbers 0 to 255; no host name is ever looked up.
std::optional<std::string> ParseDottedQuad(std::string_view text) {
    std::string octets;
    size_t pos = 0;
    for (int i = 0; i < 4; ++i) {
        if (i && !Expect(text, pos, '.'))
            return std::nullopt;
        auto v = ReadField(text, pos, 3);
        if (!v || *v > 255)
            return std::nullopt;
        octets += static_cast<char>(*v);
    }
    if (pos != text.size())
        return std::nullopt;
    return octets;
}

bool CarriesNumber(SnmpSyntax s) {
    switch (s) {
    case SnmpSyntax::Integer:
    case SnmpSyntax::Counter32:
    case SnmpSyntax::Gauge32:
    case SnmpSyntax::TimeTicks:
    case SnmpSyntax::UInteger32:
    case SnmpSyntax::Counter64:
        return true;
    default:
        return false;
    }
}

bool CarriesOctets(SnmpSyntax s) {
    return s == SnmpSyntax::OctetString || s == SnmpSyntax::Opaque || s == SnmpSyntax::IpAddress ||
           s == SnmpSyntax::NsapAddress;
}

// The number of a received value as the ASN type that arrived reads it: signed for INTEGER,
// unsigned for the others (a column typed integer may arrive as Counter64).
void NumberTextInto(const SnmpValue& v, std::string& text) {
    char digits[24];
    char* end = v.Syntax == SnmpSyntax::Integer
                    ? std::to_chars(digits, digits + sizeof digits, v.Int).ptr
                    : std::to_chars(digits, digits + sizeof digits, v.Unsigned).ptr;
    text.assign(digits, static_cast<size_t>(end - digits));
}

uint64_t NumberBits(const SnmpValue& v) {
    return v.Syntax == SnmpSyntax::Integer ? static_cast<uint64_t>(static_cast<uint32_t>(v.Int)) : v.Unsigned;
}

// The text of a received value before the option list, written over `text`; false (and `text`
// as it was) when the value is absent or of a kind the item type cannot read.
bool ReceivedText(int itemType, const SnmpValue& v, std::string& text) {
    const bool number = CarriesNumber(v.Syntax);
    const std::string_view octets = CarriesOctets(v.Syntax) ? std::string_view(v.Bytes) : std::string_view();
    if (IsHexTextType(itemType)) {
        text = OctetsToHex(octets);
        return true;
    }
    switch (itemType) {
    case itBoolean:
        if (!number)
            return false;
        text = (v.Syntax == SnmpSyntax::Integer ? v.Int != 0 : v.Unsigned != 0) ? "true" : "false";
        return true;
    case itInteger:
    case itCounter:
    case itGauge:
    case itUInteger:
    case itCounter64:
        if (!number)
            return false;
        NumberTextInto(v, text);
        return true;
    case itTimeTicks:
        if (!number)
            return false;
        text = TimeTicksToText(NumberBits(v));
        return true;
    case itNull:
        return false;
    case itObjectId:
        if (v.Syntax != SnmpSyntax::ObjectId || v.Oid.Empty())
            return false;
        text.clear();
        v.Oid.AppendTo(text);
        return true;
    case itIpAddress:
    case itNsapAddress:
        if (v.Syntax == SnmpSyntax::Null || v.IsException())
            return false;
        if (octets.size() == 4)
            DottedQuadInto(octets, text);
        else
            text.clear();
        return true;
    case itDouble:
        if (octets.empty())
            return false;
        text = FloatToText(DoubleFromOctets(octets));
        return true;
    case itDateTime:
        if (octets.empty())
            return false;
        text = VqDateTime::FromOctets(octets).Text();
        return true;
    case itBcDateTime:
        if (octets.empty())
            return false;
        text = DateTimeToText(DoubleFromOctets(octets));
        return true;
    case itDisplayString:
        text.assign(octets.substr(0, octets.find('\0')));
        return true;
    case itInetAddress:
        if (octets.size() > 15)
            text = OctetsToHex(octets);
        else if (octets.size() == 4)
            DottedQuadInto(octets, text);
        else
            text.clear();
        return true;
    default:
        RaiseVqError(kBadSyntax);
    }
}

bool IsValueSyntax(SnmpSyntax s) {
    return CarriesNumber(s) || CarriesOctets(s) || s == SnmpSyntax::ObjectId;
}

// Whether a column of the item type reads a value of this ASN type. Values of another type are
// shown as what they are, never read as the column's type. OCTET STRING is the normal carrier of
// every octet-based type (MAC, date-time, display string, IPv6, bit list...), and an IP address
// may come as one; absent values and unknown tags go to the item type's own absent text.
bool ReadsSyntax(int itemType, SnmpSyntax s) {
    if (!IsValueSyntax(s))
        return true;
    const bool octets = s == SnmpSyntax::OctetString || s == SnmpSyntax::Opaque;
    switch (itemType) {
    case itBoolean:
        return s == SnmpSyntax::Integer;
    case itInteger:
    case itCounter:
    case itGauge:
    case itUInteger:
    case itCounter64:
        return CarriesNumber(s) && s != SnmpSyntax::TimeTicks;
    case itTimeTicks:
        return s == SnmpSyntax::TimeTicks;
    case itNull:
        return false;
    case itObjectId:
        return s == SnmpSyntax::ObjectId;
    case itIpAddress:
    case itNsapAddress:
        return s == SnmpSyntax::IpAddress || s == SnmpSyntax::NsapAddress || s == SnmpSyntax::OctetString;
    case itBitString:
    case itOctetString:
    case itOpaque:
    case itDouble:
    case itMacAddress:
    case itDateTime:
    case itBcDateTime:
    case itDisplayString:
    case itIpv6Address:
    case itBitList:
    case itInetAddress:
        return octets;
    default:
        RaiseVqError(kBadSyntax);
    }
}

// A value by the ASN type that arrived, written over `text`: numbers in decimal (time ticks as
// time ticks), octets as hex text (an IP address of four octets dotted), an OID dotted; false
// (and `text` as it was) for an empty OID.
bool ArrivedText(const SnmpValue& v, std::string& text) {
    if (v.Syntax == SnmpSyntax::TimeTicks) {
        text = TimeTicksToText(v.Unsigned);
        return true;
    }
    if (CarriesNumber(v.Syntax)) {
        NumberTextInto(v, text);
        return true;
    }
    const bool address = v.Syntax == SnmpSyntax::IpAddress || v.Syntax == SnmpSyntax::NsapAddress;
    if (address && v.Bytes.size() == 4) {
        DottedQuadInto(v.Bytes, text);
        return true;
    }
    if (CarriesOctets(v.Syntax)) {
        text = OctetsToHex(v.Bytes);
        return true;
    }
    if (v.Syntax == SnmpSyntax::ObjectId && !v.Oid.Empty()) {
        text.clear();
        v.Oid.AppendTo(text);
        return true;
    }
    return false;
}

SnmpValue OctetValue(std::string octets) {
    return SnmpValue::Octets(std::move(octets));
}

} // namespace

bool IsHexTextType(int itemType) {
    switch (itemType) {
    case itBitString:
    case itOctetString:
    case itOpaque:
    case itMacAddress:
    case itIpv6Address:
    case itBitList:
        return true;
    default:
        return false;
    }
}

unsigned HexDigitValue(char c) {
    if (c >= '0' && c <= '9')
        return static_cast<unsigned>(c - '0');
    if (c >= 'A' && c <= 'F')
        return static_cast<unsigned>(c - 'A' + 10);
    if (c >= 'a' && c <= 'f')
        return static_cast<unsigned>(c - 'a' + 10);
    return 0;
}

std::string OctetsToHex(std::string_view octets) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(octets.size() * 2);
    for (char c : octets) {
        const auto o = static_cast<unsigned char>(c);
        text += kDigits[o >> 4];
        text += kDigits[o & 0x0F];
    }
    return text;
}

std::string OctetsToText(std::string_view octets) {
    return std::string(octets.substr(0, octets.find('\0')));
}

std::string HexToOctets(std::string_view text) {
    std::string s;
    s.reserve(text.size());
    for (char c : text)
        if (c != ' ')
            s += c;
    std::string octets;
    auto pairs = [&](size_t from) {
        for (size_t i = from; i + 1 < s.size(); i += 2)
            octets += static_cast<char>(HexDigitValue(s[i]) << 4 | HexDigitValue(s[i + 1]));
    };
    if (s.size() >= 35 && s.size() <= 37) {
        // An IPv6 address with its zone, as index texts of Internet addresses write it:
        // 32 digits, the '%' (whatever stands there), then the zone.
        for (size_t i = 0; i < 32; i += 2)
            octets += static_cast<char>(HexDigitValue(s[i]) << 4 | HexDigitValue(s[i + 1]));
        pairs(33);
        return octets;
    }
    size_t from = 0;
    if (s.size() % 2) {
        octets += static_cast<char>(HexDigitValue(s[0]));
        from = 1;
    }
    pairs(from);
    return octets;
}

std::string Counter64ToText(uint64_t value) {
    return std::to_string(value);
}

std::string TimeTicksToText(uint64_t hundredths) {
    const uint64_t days = hundredths / kTicksPerDay;
    uint64_t rest = hundredths % kTicksPerDay;
    const uint64_t h = rest / 360000;
    rest %= 360000;
    const uint64_t m = rest / 6000;
    rest %= 6000;
    const uint64_t s = rest / 100;
    const uint64_t c = rest % 100;
    // "%llu:%02llu:%02llu.%02llu", written by hand: a walk formats one per time-ticks cell.
    char clock[48];
    char* out = std::to_chars(clock, clock + 24, h).ptr;
    for (const auto& [separator, part] : {std::pair{':', m}, std::pair{':', s}, std::pair{'.', c}}) {
        *out++ = separator;
        *out++ = static_cast<char>('0' + part / 10);
        *out++ = static_cast<char>('0' + part % 10);
    }
    *out = '\0';
    if (days == 0)
        return clock;
    if (days == 1)
        return std::string("1 day ") + clock;
    return std::to_string(days) + " days, " + clock;
}

uint32_t TimeTicksFromText(std::string_view text) {
    uint32_t total = 0;
    std::string_view rest = text;
    size_t p = rest.find("days");
    size_t word = 4;
    if (p == std::string_view::npos) {
        p = rest.find("day");
        word = 3;
    }
    if (p != std::string_view::npos) {
        total += ReadDecimal32(rest.substr(0, p)) * kTicksPerDay;
        rest.remove_prefix(p + word);
    }
    if ((p = rest.find(',')) != std::string_view::npos)
        rest.remove_prefix(p + 1);
    if ((p = rest.find(':')) != std::string_view::npos) {
        total += ReadDecimal32(rest.substr(0, p)) * 360000u;
        rest.remove_prefix(p + 1);
        if ((p = rest.find(':')) != std::string_view::npos) {
            total += ReadDecimal32(rest.substr(0, p)) * 6000u;
            rest.remove_prefix(p + 1);
        }
    }
    if ((p = rest.find('.')) != std::string_view::npos) {
        total += ReadDecimal32(rest.substr(0, p)) * 100u;
        total += ReadDecimal32(rest.substr(p + 1));
    }
    return total;
}

uint32_t ReadDecimal32(std::string_view text) {
    return ReadDecimal<uint32_t>(text);
}

uint64_t ReadDecimal64(std::string_view text) {
    return ReadDecimal<uint64_t>(text);
}

double ReadFloat(std::string_view text) {
    // The C locale: the process locale (set by Qt from the environment) may use a decimal comma.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    const std::string copy(text.substr(0, text.find('\0')));
    return strtod_l(copy.c_str(), nullptr, cLocale);
}

std::string FloatToText(double value) {
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value > 0 ? "INF" : "-INF";
    if (value == 0)
        return "0";
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
    std::string_view sci(buf, static_cast<size_t>(end - buf)); // "-d.dddddddddddddde+XX"
    std::string sign;
    if (sci.front() == '-') {
        sign = "-";
        sci.remove_prefix(1);
    }
    const size_t e = sci.find('e');
    std::string digits;
    for (char c : sci.substr(0, e))
        if (c != '.')
            digits += c;
    const int exponent = std::atoi(std::string(sci.substr(e + 1)).c_str());
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    if (exponent >= 15 || exponent < -5) {
        std::string text = sign + digits[0];
        if (digits.size() > 1)
            text += '.' + digits.substr(1);
        return text + 'E' + std::to_string(exponent);
    }
    if (exponent < 0)
        return sign + "0." + std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
    const size_t intDigits = static_cast<size_t>(exponent) + 1;
    if (digits.size() <= intDigits)
        return sign + digits + std::string(intDigits - digits.size(), '0');
    return sign + digits.substr(0, intDigits) + '.' + digits.substr(intDigits);
}

double DoubleFromOctets(std::string_view octets) {
    uint64_t bits = 0;
    for (size_t i = 0; i < 8 && i < octets.size(); ++i)
        bits |= uint64_t{static_cast<unsigned char>(octets[i])} << (8 * i);
    return std::bit_cast<double>(bits);
}

std::string DoubleToOctets(double value) {
    const auto bits = std::bit_cast<uint64_t>(value);
    std::string octets(8, '\0');
    for (size_t i = 0; i < 8; ++i)
        octets[i] = static_cast<char>(bits >> (8 * i));
    return octets;
}

std::string DateTimeToText(double dateTime) {
    if (!std::isfinite(dateTime) || dateTime <= static_cast<double>(kFirstPlatformDay - 1) ||
        dateTime >= static_cast<double>(kLastPlatformDay + 1))
        return std::string();
    int64_t day = static_cast<int64_t>(std::trunc(dateTime));
    int64_t ms =
        std::llround(std::fabs(dateTime - static_cast<double>(day)) * static_cast<double>(kMsPerDay));
    if (ms >= kMsPerDay) {
        // Rounding reached midnight: that is the next calendar day at 00:00, both sides of the epoch.
        if (day < kLastPlatformDay) {
            ++day;
            ms = 0;
        } else {
            ms = kMsPerDay - 1;
        }
    }
    int64_t y;
    unsigned m, d;
    CivilFromDays(day + kPlatformEpoch, y, m, d);
    const int64_t seconds = ms / 1000;
    char text[48];
    std::snprintf(text, sizeof text, "%04lld/%02u/%02u %02lld:%02lld:%02lld", static_cast<long long>(y), m, d,
                  static_cast<long long>(seconds / 3600), static_cast<long long>(seconds / 60 % 60),
                  static_cast<long long>(seconds % 60));
    return text;
}

double TextToDateTime(std::string_view text) {
    if (auto value = ParseDateTime(text))
        return *value;
    throw VqException("'" + std::string(text) + "' is not a valid date and time", kBadSyntax);
}

double NowAsDateTime() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t t = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&t, &local);
    const int64_t ms = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
    return EncodePlatformDateTime(
        local.tm_year + 1900, static_cast<unsigned>(local.tm_mon + 1), static_cast<unsigned>(local.tm_mday),
        (int64_t{local.tm_hour} * 3600 + local.tm_min * 60 + local.tm_sec) * 1000 + ms);
}

namespace {

// The text of a received value before its option list, written over `text`; false when the
// option list must not translate it (a value of another type, shown as what it is).
bool TextBeforeOptions(int itemType, const SnmpValue& value, std::string& text) {
    if (ReadsSyntax(itemType, value.Syntax)) {
        if (!ReceivedText(itemType, value, text)) {
            // Absent or empty values: octet-string types show the empty text (done above),
            // display strings the empty text, every other type "(NULL)".
            if (itemType == itDisplayString)
                text.clear();
            else
                text = kNullText;
        }
        return true;
    }
    if (ArrivedText(value, text))
        return false; // not one of the column's values: its option list must not name it
    text = itemType == itDisplayString ? std::string_view() : kNullText;
    return true;
}

} // namespace

void VbToTextInto(int itemType, const VqOptionList* optionList, const SnmpValue& value, std::string& text) {
    if (!optionList) {
        TextBeforeOptions(itemType, value, text);
        return;
    }
    std::string plain;
    if (TextBeforeOptions(itemType, value, plain))
        text = optionList->ValueToText(plain);
    else
        text = std::move(plain);
}

std::string VbToText(int itemType, const VqOptionList* optionList, const SnmpValue& value) {
    std::string text;
    VbToTextInto(itemType, optionList, value, text);
    return text;
}

SnmpValue TextToVb(int itemType, const VqOptionList* optionList, std::string_view valueText) {
    const std::string text = optionList ? optionList->TextToValue(valueText) : std::string(valueText);
    if (text == kNullText)
        return SnmpValue();
    if (IsHexTextType(itemType))
        return OctetValue(HexToOctets(text));
    switch (itemType) {
    case itBoolean:
        return SnmpValue::Integer(text == "true" ? 1 : 0);
    case itInteger:
        return SnmpValue::Integer(static_cast<int32_t>(ReadDecimal32(text)));
    case itCounter:
    case itGauge:
    case itUInteger:
        // The SNMP library's Unsigned32 carries the Gauge32 tag whatever the column's type:
        // counters are never writable, and UInteger32 is obsolete on the wire.
        return SnmpValue::Unsigned32(SnmpSyntax::Gauge32, ReadDecimal32(text));
    case itTimeTicks:
        return SnmpValue::Unsigned32(SnmpSyntax::TimeTicks, TimeTicksFromText(text));
    case itCounter64:
        return SnmpValue::Counter64(ReadDecimal64(text));
    case itNull:
        return SnmpValue();
    case itObjectId:
        // A text that is no OID sends the empty OID; the validators keep such texts out.
        return SnmpValue::ObjectId(SnmpOid::Parse(text).value_or(SnmpOid()));
    case itIpAddress:
    case itNsapAddress:
        return SnmpValue::Octets(ParseDottedQuad(text).value_or(std::string(4, '\0')), SnmpSyntax::IpAddress);
    case itDouble:
        return OctetValue(DoubleToOctets(ReadFloat(text)));
    case itDateTime:
        return OctetValue(VqDateTime(text).Octets());
    case itBcDateTime:
        return OctetValue(DoubleToOctets(TextToDateTime(text)));
    case itDisplayString:
        return OctetValue(text);
    case itInetAddress: {
        if (text.size() >= 32)
            return OctetValue(HexToOctets(text));
        // inet_addr reads the short forms too (a.b, octal and hex parts); a text that is no
        // address gives 255.255.255.255 as it always has.
        const uint32_t host = ntohl(inet_addr(text.c_str()));
        std::string octets(4, '\0');
        for (int i = 0; i < 4; ++i)
            octets[static_cast<size_t>(i)] = static_cast<char>(host >> (24 - 8 * i));
        return OctetValue(octets);
    }
    default:
        RaiseVqError(kBadSyntax);
    }
}
