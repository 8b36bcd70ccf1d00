#include "RowInstances.h"

#include "MibTableRow.h"
#include "ValueTexts.h"
#include "VqDateTime.h"
#include "VqException.h"
#include "VqSNMPVarList.h"

#include <bit>
#include <climits>
#include <cstdint>
#include <vector>

namespace {

constexpr int kBadSyntax = -511;
constexpr int kNullInExpression = -512;
constexpr int kBadSyntaxInExpression = -513;
constexpr int kBadKeyCount = -514;

class Arcs {
public:
    explicit Arcs(std::string_view instance) : Text(instance) {
        if (!Text.empty() && Text.front() == '.')
            Text.remove_prefix(1);
        if (Text.empty())
            return;
        auto oid = SnmpOid::Parse(Text);
        if (!oid)
            RaiseVqError(kBadKeyCount);
        Values = std::move(oid->Arcs);
    }

    size_t Size() const { return Values.size(); }
    uint32_t operator[](size_t i) const { return Values[i]; }
    // Raises -514 unless the instance holds at least n arcs.
    void Need(size_t n) const {
        if (Values.size() < n)
            RaiseVqError(kBadKeyCount);
    }
    // Arcs [from, from + count) as octets (their low 8 bits).
    std::string Octets(size_t from, size_t count) const {
        std::string octets;
        for (size_t i = from; i < from + count; ++i)
            octets += static_cast<char>(Values[i]);
        return octets;
    }
    std::string Dotted(size_t from, size_t count) const {
        std::string text;
        for (size_t i = from; i < from + count; ++i)
            text += (i > from ? "." : "") + std::to_string(Values[i]);
        return text;
    }
    // The instance text after the first n arcs.
    std::string RestAfter(size_t n) const {
        if (n >= Values.size())
            return std::string();
        size_t pos = 0;
        for (size_t i = 0; i < n; ++i)
            pos = Text.find('.', pos) + 1;
        return std::string(Text.substr(pos));
    }

    std::string_view Text;

private:
    std::vector<uint32_t> Values;
};

// A length arc n, then n arcs: the value's arcs, all counted.
size_t Counted(const Arcs& arcs) {
    arcs.Need(1);
    const size_t n = arcs[0];
    arcs.Need(1 + n);
    return n;
}

struct Decoded {
    std::string Value;
    size_t Taken = 0;
};

Decoded DecodeInetAddress(const Arcs& arcs, bool lastOrImplied, int keyCount) {
    const size_t r = arcs.Size();
    if (lastOrImplied) {
        if (r <= 5) {
            arcs.Need(4);
            return {arcs.Dotted(r - 4, 4), r};
        }
        if (r <= 17)
            return {OctetsToHex(arcs.Octets(1, r - 1)), r};
        // An IPv6 address with its zone: the zone stays as the instance text writes it.
        const std::string_view text = arcs.Text;
        return {OctetsToHex(arcs.Octets(1, 16)) + "%" + std::string(text.substr(text.size() - 4)), r};
    }
    // Many arcs after the key are not an IPv6 address by themselves: a length arc of 4 announces an
    // IPv4 address whatever follows it (a route's next hop and policy OID, say).
    if (r >= 17 && arcs[0] == 4)
        return {arcs.Dotted(1, 4), 5};
    if (r >= 17)
        return {OctetsToHex(arcs.Octets(1, 16)), 17};
    if (r >= 5 && (r <= 15 || keyCount == 6))
        return {arcs.Dotted(1, 4), 5};
    arcs.Need(4);
    return {arcs.Dotted(0, 4), 4};
}

Decoded DecodeArcs(const Arcs& arcs, int itemType, bool last, bool implied, int position, int keyCount) {
    const size_t r = arcs.Size();
    switch (itemType) {
    case itBoolean:
        arcs.Need(1);
        return {arcs[0] != 0 ? "true" : "false", 1};
    case itInteger:
        arcs.Need(1);
        return {std::to_string(static_cast<int32_t>(arcs[0])), 1};
    case itCounter:
    case itGauge:
    case itUInteger:
        arcs.Need(1);
        return {std::to_string(arcs[0]), 1};
    case itTimeTicks:
        arcs.Need(1);
        return {TimeTicksToText(arcs[0]), 1};
    case itCounter64:
        arcs.Need(2);
        return {Counter64ToText(uint64_t{arcs[0]} << 32 | arcs[1]), 2};
    case itDouble:
    case itBcDateTime: {
        arcs.Need(2);
        const double d = std::bit_cast<double>(uint64_t{arcs[1]} << 32 | arcs[0]);
        return {itemType == itDouble ? FloatToText(d) : DateTimeToText(d), 2};
    }
    case itIpAddress:
    case itNsapAddress:
        arcs.Need(4);
        return {arcs.Dotted(0, 4), 4};
    case itMacAddress:
        arcs.Need(6);
        return {OctetsToHex(arcs.Octets(0, 6)), 6};
    case itDateTime:
        arcs.Need(VqDateTime::kOctetCount);
        return {VqDateTime::FromOctets(arcs.Octets(0, VqDateTime::kOctetCount)).Text(),
                VqDateTime::kOctetCount};
    case itNull:
        return {std::string(kNullText), 0};
    case itObjectId: {
        if (last && implied)
            return {std::string(arcs.Text), r};
        const size_t n = Counted(arcs);
        return {arcs.Dotted(1, n), 1 + n};
    }
    case itDisplayString: {
        if (last && implied)
            return {OctetsToText(arcs.Octets(0, r)), r};
        const size_t n = Counted(arcs);
        return {OctetsToText(arcs.Octets(1, n)), 1 + n};
    }
    case itIpv6Address:
        if (last && implied)
            return {OctetsToHex(arcs.Octets(0, r)), r};
        arcs.Need(16);
        return {OctetsToHex(arcs.Octets(0, 16)), 16};
    case itOctetString:
    case itBitString:
    case itOpaque:
    case itBitList: {
        // An implied last column carries no length arc (EncodeIndex leaves it out), so every
        // arc is an octet; skipping the first would lose one.
        if (last && implied)
            return {OctetsToHex(arcs.Octets(0, r)), r};
        if (last || implied)
            return {r ? OctetsToHex(arcs.Octets(1, r - 1)) : std::string(), r};
        // A fixed-size OCTET STRING (SIZE(8)) index has no length arc under the SMI; the one
        // such key of the catalogue stands second, followed by a single further arc.
        if (itemType == itOctetString && position == 1 && r == 9)
            return {OctetsToHex(arcs.Octets(0, 8)), 8};
        const size_t n = Counted(arcs);
        return {OctetsToHex(arcs.Octets(1, n)), 1 + n};
    }
    case itInetAddress:
        return DecodeInetAddress(arcs, last || implied, keyCount);
    default:
        RaiseVqError(kBadSyntax);
    }
}

class ArcWriter {
public:
    void Add(uint32_t arc) { Piece(std::to_string(arc)); }
    void Piece(std::string_view dotted) {
        if (!Text.empty())
            Text += '.';
        Text += dotted;
    }
    // The octets, after their count unless the column is the last one and implied.
    void Octets(std::string_view octets, bool withLength) {
        if (withLength)
            Add(static_cast<uint32_t>(octets.size()));
        for (char c : octets)
            Add(static_cast<unsigned char>(c));
    }
    std::string Text;
};

} // namespace

std::string DecodeIndex(VqSNMPVarList& list, int position, std::string_view instance) {
    SnmpVariable& v = list.GetVariable(position);
    const Arcs arcs(instance);
    const bool last = position == list.KeyCount - 1;
    Decoded d = DecodeArcs(arcs, v.ItemType, last, list.IsImpliedIndex(position), position, list.KeyCount);
    v.ValueText = v.OptionList ? v.OptionList->ValueToText(d.Value) : std::move(d.Value);
    return arcs.RestAfter(d.Taken);
}

std::string EncodeIndex(const VqSNMPVarList& list, int position) {
    const SnmpVariable& v = list.GetVariable(position);
    const std::string text = v.OptionList ? v.OptionList->TextToValue(v.ValueText) : v.ValueText;
    const bool withLength = !(position == list.KeyCount - 1 && list.IsImpliedIndex(position));
    ArcWriter out;
    switch (v.ItemType) {
    case itBoolean:
        out.Add(text == "true");
        break;
    case itInteger:
    case itCounter:
    case itGauge:
    case itUInteger:
        out.Add(ReadDecimal32(text));
        break;
    case itNull:
        break;
    case itTimeTicks:
        out.Add(TimeTicksFromText(text));
        break;
    case itCounter64: {
        const uint64_t value = ReadDecimal64(text);
        out.Add(static_cast<uint32_t>(value >> 32));
        out.Add(static_cast<uint32_t>(value));
        break;
    }
    case itDouble:
    case itBcDateTime: {
        const auto bits =
            std::bit_cast<uint64_t>(v.ItemType == itDouble ? ReadFloat(text) : TextToDateTime(text));
        out.Add(static_cast<uint32_t>(bits));
        out.Add(static_cast<uint32_t>(bits >> 32));
        break;
    }
    case itIpAddress:
    case itNsapAddress:
        out.Piece(text);
        break;
    case itObjectId: {
        const SnmpOid oid = SnmpOid::Parse(text).value_or(SnmpOid());
        if (withLength)
            out.Add(static_cast<uint32_t>(oid.Size()));
        for (uint32_t arc : oid.Arcs)
            out.Add(arc);
        break;
    }
    case itBitString:
    case itOctetString:
    case itOpaque:
    case itBitList:
        out.Octets(HexToOctets(text), withLength);
        break;
    case itDisplayString:
        out.Octets(text, withLength);
        break;
    case itMacAddress:
    case itIpv6Address: {
        const size_t width = v.ItemType == itMacAddress ? 6 : 16;
        const std::string octets = HexToOctets(text);
        if (octets.size() >= width)
            out.Octets(octets.substr(0, width), false);
        break;
    }
    case itDateTime:
        out.Octets(VqDateTime(text).Octets(), false);
        break;
    case itInetAddress:
        if (text.size() <= 15) {
            // The length arc 4 is written even for an implied column.
            out.Piece("4." + text);
        } else if (text.size() <= 32 || text.size() >= 70) {
            out.Octets(HexToOctets(text), withLength);
        } else {
            // An IPv6 address, perhaps with "%" and a zone: arc 17 (16 octets and the zone).
            out.Add(17);
            out.Octets(HexToOctets(text.substr(0, 32)), false);
            const size_t zoneStart = text.find('%') != std::string::npos ? 33 : 32;
            if (text.size() > 34)
                out.Piece(text.substr(zoneStart, 4));
        }
        break;
    default:
        RaiseVqError(kBadSyntax);
    }
    return out.Text;
}

bool IsPastColumn(const VqSNMPVarList& list, std::string_view columnOid, std::string_view lastOid,
                  std::string_view returnedOid) {
    if (list.Kind != MVT_FMV && list.Kind != MVT_UMV)
        return false;
    // An agent that answers a GET-NEXT with the OID it was asked for has ended the column.
    const bool continues = returnedOid.size() > columnOid.size() && returnedOid.starts_with(columnOid) &&
                           returnedOid[columnOid.size()] == '.' && returnedOid != lastOid;
    return !continues;
}

std::string SubstituteVariables(const VqSNMPVarList& list, std::string_view text, bool quoteTexts,
                                std::string_view marker) {
    std::string out(text);
    if (marker.empty())
        return out;
    for (size_t at = out.find(marker); at != std::string::npos; at = out.find(marker, at)) {
        size_t end = at + marker.size();
        int position = 0;
        for (; end < out.size() && out[end] >= '0' && out[end] <= '9'; ++end)
            position = position > INT_MAX / 10 - 1 ? INT_MAX : position * 10 + (out[end] - '0');
        const SnmpVariable& v = list.GetVariable(position);
        const std::string value = v.OptionList ? v.OptionList->TextToValue(v.ValueText) : v.ValueText;
        if (value == kNullText)
            RaiseVqError(kNullInExpression);
        std::string replacement;
        switch (v.ItemType) {
        case itBoolean:
        case itBool8:
        case itBool16:
            replacement = value == "true" ? "1" : "0";
            break;
        case itInteger:
        case itCounter:
        case itGauge:
        case itCounter64:
        case itUInteger:
        case itDouble:
        case itInt8:
        case itUInt8:
        case itInt16:
        case itUInt16:
            replacement = value;
            break;
        case itTimeTicks:
            replacement = std::to_string(TimeTicksFromText(value));
            break;
        case itBcDateTime:
            replacement = FloatToText(TextToDateTime(value));
            break;
        default:
            if (!quoteTexts)
                RaiseVqError(kBadSyntaxInExpression);
            replacement = '"' + value + '"';
        }
        out.replace(at, end - at, replacement);
        at += replacement.size();
    }
    return out;
}
