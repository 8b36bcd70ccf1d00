// Our own SNMP value types: the only form in which OIDs and values cross the adapter.
// Nothing of the SNMP library's own types or printable forms leaks past it.
#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// An object identifier as a list of sub-identifiers.
class SnmpOid {
public:
    SnmpOid() = default;
    explicit SnmpOid(std::vector<uint32_t> arcs) : Arcs(std::move(arcs)) {}

    // Strict dotted-decimal parse ("1.3.6.1", an optional leading "."); nullopt on anything else,
    // including an empty text, empty arcs and arcs above 2^32-1.
    static std::optional<SnmpOid> Parse(std::string_view dotted);

    std::string ToString() const;           // dotted decimal, no leading dot; "" for an empty OID
    void AppendTo(std::string& text) const; // ToString, appended to text
    bool Empty() const { return Arcs.empty(); }
    size_t Size() const { return Arcs.size(); }
    uint32_t operator[](size_t i) const { return Arcs[i]; }
    bool StartsWith(const SnmpOid& prefix) const;
    void Append(uint32_t arc) { Arcs.push_back(arc); }
    void Append(const SnmpOid& tail) { Arcs.insert(Arcs.end(), tail.Arcs.begin(), tail.Arcs.end()); }

    // Lexicographic order of the arcs: the order of a GET-NEXT walk.
    auto operator<=>(const SnmpOid&) const = default;

    std::vector<uint32_t> Arcs;
};

// ASN.1 tags of the SNMP value syntaxes, and the three exception values of v2c/v3 replies.
enum class SnmpSyntax : uint8_t {
    Integer = 0x02,
    OctetString = 0x04,
    Null = 0x05,
    ObjectId = 0x06,
    IpAddress = 0x40,
    Counter32 = 0x41,
    Gauge32 = 0x42, // also Unsigned32
    TimeTicks = 0x43,
    Opaque = 0x44,
    NsapAddress = 0x45,
    Counter64 = 0x46,
    UInteger32 = 0x47,
    NoSuchObject = 0x80,
    NoSuchInstance = 0x81,
    EndOfMibView = 0x82,
};

// One value. Which member carries it follows the syntax:
//   Integer                          -> Int (signed 32-bit range)
//   Counter32, Gauge32, TimeTicks,
//   UInteger32, Counter64            -> Unsigned
//   OctetString, Opaque, IpAddress,
//   NsapAddress                      -> Bytes (IpAddress: exactly what arrived, normally 4 octets)
//   ObjectId                         -> Oid
//   Null and the exception values    -> nothing
struct SnmpValue {
    SnmpSyntax Syntax = SnmpSyntax::Null;
    int64_t Int = 0;
    uint64_t Unsigned = 0;
    std::string Bytes;
    SnmpOid Oid;

    static SnmpValue Integer(int32_t v) {
        SnmpValue r;
        r.Syntax = SnmpSyntax::Integer;
        r.Int = v;
        return r;
    }
    static SnmpValue Unsigned32(SnmpSyntax s, uint32_t v) {
        SnmpValue r;
        r.Syntax = s;
        r.Unsigned = v;
        return r;
    }
    static SnmpValue Counter64(uint64_t v) {
        SnmpValue r;
        r.Syntax = SnmpSyntax::Counter64;
        r.Unsigned = v;
        return r;
    }
    static SnmpValue Octets(std::string bytes, SnmpSyntax s = SnmpSyntax::OctetString) {
        SnmpValue r;
        r.Syntax = s;
        r.Bytes = std::move(bytes);
        return r;
    }
    static SnmpValue ObjectId(SnmpOid oid) {
        SnmpValue r;
        r.Syntax = SnmpSyntax::ObjectId;
        r.Oid = std::move(oid);
        return r;
    }
    static SnmpValue Exception(SnmpSyntax s) {
        SnmpValue r;
        r.Syntax = s;
        return r;
    }

    bool IsException() const {
        return Syntax == SnmpSyntax::NoSuchObject || Syntax == SnmpSyntax::NoSuchInstance ||
               Syntax == SnmpSyntax::EndOfMibView;
    }
    bool operator==(const SnmpValue&) const = default;
};

struct SnmpVarBind {
    SnmpOid Oid;
    SnmpValue Value;
    bool operator==(const SnmpVarBind&) const = default;
};
