#include "OctetParts.h"

#include "MibTableRow.h"
#include "ValueTexts.h"
#include "VqDateTime.h"
#include "VqException.h"

#include <cstdint>

namespace {

constexpr int kBadSyntax = -511;
constexpr int kBadPartValue = -518;
constexpr int kPartOutOfRange = -519;
constexpr int kRest = -1;

// Octets of a part of the type, kRest for the types that take the rest of the value.
int PartWidth(int itemType, size_t valueSize) {
    switch (itemType) {
    case itNull:
        return 0;
    case itBool8:
    case itInt8:
    case itUInt8:
        return 1;
    case itBool16:
    case itInt16:
    case itUInt16:
        return 2;
    case itBoolean:
    case itInteger:
    case itCounter:
    case itGauge:
    case itUInteger:
    case itTimeTicks:
    case itIpAddress:
    case itNsapAddress:
        return 4;
    case itMacAddress:
        return 6;
    case itCounter64:
    case itDouble:
    case itBcDateTime:
        return 8;
    case itDateTime:
        return 11;
    case itIpv6Address:
        return 16;
    case itInetAddress:
        return valueSize > 15 ? 16 : 4;
    case itObjectId:
    case itBitString:
    case itOctetString:
    case itOpaque:
    case itBitList:
    case itDisplayString:
        return kRest;
    default:
        RaiseVqError(kBadSyntax);
    }
}

uint64_t LittleEndian(std::string_view octets, size_t width) {
    uint64_t v = 0;
    for (size_t i = 0; i < width; ++i)
        v |= uint64_t{static_cast<unsigned char>(octets[i])} << (8 * i);
    return v;
}

std::string ToLittleEndian(uint64_t v, size_t width) {
    std::string octets(width, '\0');
    for (size_t i = 0; i < width; ++i)
        octets[i] = static_cast<char>(v >> (8 * i));
    return octets;
}

unsigned BigEndian16(std::string_view octets) {
    return static_cast<unsigned>(static_cast<unsigned char>(octets[0]) << 8 |
                                 static_cast<unsigned char>(octets[1]));
}

std::string ToBigEndian16(uint32_t v) {
    return {static_cast<char>(v >> 8), static_cast<char>(v)};
}

std::string DottedQuad(std::string_view octets) {
    return std::to_string(static_cast<unsigned char>(octets[0])) + '.' +
           std::to_string(static_cast<unsigned char>(octets[1])) + '.' +
           std::to_string(static_cast<unsigned char>(octets[2])) + '.' +
           std::to_string(static_cast<unsigned char>(octets[3]));
}

// Each dotted number's low 8 bits, in order; an address part holds four at most.
std::string DottedOctets(std::string_view text) {
    std::string octets;
    if (text.empty())
        return octets;
    for (size_t start = 0; octets.size() < 4;) {
        const size_t dot = text.find('.', start);
        octets += static_cast<char>(ReadDecimal32(text.substr(start, dot - start)));
        if (dot == std::string_view::npos)
            break;
        start = dot + 1;
    }
    return octets;
}

} // namespace

std::string ExtractPart(std::string_view value, int position, int itemType) {
    const int width = PartWidth(itemType, value.size());
    if (value.empty() || width == 0)
        return std::string();
    if (position < 0)
        RaiseVqError(kPartOutOfRange);
    const auto pos = static_cast<size_t>(position);
    if (width == kRest) {
        if (pos > value.size())
            RaiseVqError(kBadPartValue);
        return std::string(value.substr(pos));
    }
    if (pos + static_cast<size_t>(width) > value.size())
        RaiseVqError(kPartOutOfRange);
    return std::string(value.substr(pos, static_cast<size_t>(width)));
}

std::string PartToText(std::string_view part, int itemType) {
    const int width = PartWidth(itemType, part.size());
    if (part.empty() || itemType == itNull)
        return itemType == itDisplayString ? std::string() : std::string(kNullText);
    const bool tooShort = width == kRest              ? itemType == itObjectId && part.size() % 4 != 0
                          : itemType == itInetAddress ? part.size() < 4
                                                      : part.size() < static_cast<size_t>(width);
    if (tooShort)
        RaiseVqError(kBadPartValue);
    if (IsHexTextType(itemType))
        return OctetsToHex(part); // MAC and IPv6 parts longer than their width show whole
    switch (itemType) {
    case itBoolean:
        return LittleEndian(part, 4) != 0 ? "true" : "false";
    case itInteger:
        return std::to_string(static_cast<int32_t>(LittleEndian(part, 4)));
    case itCounter:
    case itGauge:
    case itUInteger:
        return std::to_string(LittleEndian(part, 4));
    case itTimeTicks:
        return TimeTicksToText(LittleEndian(part, 4));
    case itIpAddress:
    case itNsapAddress:
        return DottedQuad(part);
    case itObjectId: {
        std::string text;
        for (size_t i = 0; i < part.size(); i += 4)
            text += (i ? "." : "") + std::to_string(LittleEndian(part.substr(i), 4));
        return text;
    }
    case itDisplayString:
        return OctetsToText(part);
    case itCounter64:
        return Counter64ToText(LittleEndian(part, 8));
    case itDouble:
        return FloatToText(DoubleFromOctets(part));
    case itDateTime:
        return VqDateTime::FromOctets(part).Text();
    case itBcDateTime:
        return DateTimeToText(DoubleFromOctets(part));
    case itInetAddress:
        return part.size() >= 16 ? OctetsToHex(part) : DottedQuad(part);
    case itBool8:
        return part[0] != 0 ? "true" : "false";
    case itInt8:
        return std::to_string(static_cast<int8_t>(part[0]));
    case itUInt8:
        return std::to_string(static_cast<unsigned char>(part[0]));
    case itBool16:
        return BigEndian16(part) != 0 ? "true" : "false";
    default: // itInt16, itUInt16: both shown unsigned
        return std::to_string(BigEndian16(part));
    }
}

std::string TextToPart(std::string_view text, int itemType) {
    if (text == kNullText)
        return std::string();
    PartWidth(itemType, 0); // unknown types fail
    if (IsHexTextType(itemType))
        return HexToOctets(text);
    switch (itemType) {
    case itBoolean:
        return ToLittleEndian(text == "true", 4);
    case itInteger:
    case itCounter:
    case itGauge:
    case itUInteger:
        return ToLittleEndian(ReadDecimal32(text), 4);
    case itTimeTicks:
        return ToLittleEndian(TimeTicksFromText(text), 4);
    case itIpAddress:
    case itNsapAddress:
        return DottedOctets(text);
    case itObjectId: {
        std::string octets;
        for (size_t start = 0; !text.empty();) {
            const size_t dot = text.find('.', start);
            octets += ToLittleEndian(ReadDecimal32(text.substr(start, dot - start)), 4);
            if (dot == std::string_view::npos)
                break;
            start = dot + 1;
        }
        return octets;
    }
    case itDisplayString:
        return std::string(text);
    case itCounter64:
        return ToLittleEndian(ReadDecimal64(text), 8);
    case itDouble:
        return DoubleToOctets(ReadFloat(text));
    case itDateTime:
        return VqDateTime(text).Octets();
    case itBcDateTime:
        return DoubleToOctets(TextToDateTime(text));
    case itInetAddress:
        return text.size() <= 16 ? DottedOctets(text) : HexToOctets(text);
    case itNull:
        return std::string();
    case itBool8:
        return std::string(1, text == "true" ? '\1' : '\0');
    case itInt8:
    case itUInt8:
        return std::string(1, static_cast<char>(ReadDecimal32(text)));
    case itBool16:
        return ToBigEndian16(text == "true");
    default: // itInt16, itUInt16
        return ToBigEndian16(ReadDecimal32(text));
    }
}
