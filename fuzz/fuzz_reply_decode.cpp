#include "MibTableRow.h"
#include "SnmpAdapter.h"
#include "VqException.h"
#include "VqOptionList.h"
#include "VqSNMPRequest.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int kItemTypes[] = {itBoolean,    itInteger,     itBitString,  itOctetString,   itNull,
                              itObjectId,   itIpAddress,   itCounter,    itGauge,         itTimeTicks,
                              itOpaque,     itNsapAddress, itCounter64,  itUInteger,      itDouble,
                              itMacAddress, itDateTime,    itBcDateTime, itDisplayString, itIpv6Address,
                              itBitList,    itInetAddress};
constexpr unsigned char kKinds[] = {SVT_SV, MVT_SV, MVT_FMV, MVT_UMV};
// Statuses a reply may carry: success, noSuchName (the SNMPv1 end of a walk), genErr, time-out.
constexpr int kStatuses[] = {0, 0, 0, 2, 5, -5};
constexpr const char* kColumns[] = {"1.3.6.1.4.1.746.99.1.1.1", "1.3.6.1.4.1.746.99.1.1.2",
                                    "1.3.6.1.4.1.746.99.1.1.3", "1.3.6.1.4.1.746.99.1.1.4"};

constexpr OptionSourceRow kStateRows[] = {
    {1, nullptr, "enabled"}, {2, nullptr, "disabled"}, {0, nullptr, nullptr}};
constinit const VqOptionList kStates("kStates", kStateRows);

// Reads the fuzzer's bytes front to back; past the end everything reads as zero.
class Input {
public:
    Input(const uint8_t* data, size_t size) : Rest(reinterpret_cast<const char*>(data), size) {}
    bool Empty() const { return Rest.empty(); }
    uint8_t Byte() {
        if (Rest.empty())
            return 0;
        const auto b = static_cast<uint8_t>(Rest.front());
        Rest.remove_prefix(1);
        return b;
    }
    uint64_t Number() {
        uint64_t n = 0;
        for (int i = Byte() % 9; i > 0; --i)
            n = n << 8 | Byte();
        return n;
    }
    std::string Bytes(size_t count) {
        const std::string_view taken = Rest.substr(0, count);
        Rest.remove_prefix(taken.size());
        return std::string(taken);
    }

private:
    std::string_view Rest;
};

SnmpOid ArbitraryOid(Input& in) {
    SnmpOid oid;
    for (int i = in.Byte() % 12; i > 0; --i)
        oid.Append(static_cast<uint32_t>(in.Number()));
    return oid;
}

// One binding as a broken agent might return it for a sent one: its OID the sent OID, the sent
// OID with arcs added, or anything; its value any tag with any number, length and octets.
SnmpVarBind ArbitraryBinding(Input& in, const SnmpOid& sent) {
    SnmpVarBind b;
    switch (in.Byte() % 4) {
    case 0:
        b.Oid = sent;
        break;
    case 1:
        b.Oid = ArbitraryOid(in);
        break;
    default:
        b.Oid = sent;
        b.Oid.Append(ArbitraryOid(in));
        break;
    }
    b.Value.Syntax = static_cast<SnmpSyntax>(in.Byte());
    b.Value.Int = static_cast<int64_t>(in.Number());
    b.Value.Unsigned = in.Number();
    b.Value.Bytes = in.Bytes(in.Byte() % 64 == 63 ? in.Number() % 70000 : in.Byte());
    b.Value.Oid = ArbitraryOid(in);
    return b;
}

// A response PDU around fuzzed varbind-list octets, so that the library's own reading of any tag
// and length is exercised as it is on the wire.
std::string ResponsePdu(uint8_t errorStatus, uint8_t errorIndex, const std::string& varBinds) {
    auto tlv = [](uint8_t tag, const std::string& content) {
        std::string out(1, static_cast<char>(tag));
        const size_t n = content.size();
        if (n < 0x80) {
            out += static_cast<char>(n);
        } else {
            out += static_cast<char>(0x82);
            out += static_cast<char>(n >> 8 & 0xFF);
            out += static_cast<char>(n & 0xFF);
        }
        return out + content;
    };
    const std::string header = tlv(0x02, std::string(1, '\x2A')) +
                               tlv(0x02, std::string(1, char(errorStatus))) +
                               tlv(0x02, std::string(1, char(errorIndex)));
    return tlv(0xA2, header + tlv(0x30, varBinds.substr(0, 0xFF00)));
}

} // namespace

// Input: the list (kind, key count, four columns' item types and access), then replies, step
// after step of a read. Each reply's bindings are either built field by field or read by the SNMP
// library from BER octets. Decoding any of them into value texts and row instances never reads
// outside a buffer and fails only with the framework's own codes; a refused reply leaves the
// value texts as they were, and a walk never goes on without going forward.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Input in(data, size);
    const uint8_t shape = in.Byte();
    const unsigned char kind = kKinds[shape % 4];
    const int keyCount = kind >= MVT_FMV ? shape / 4 % 3 : 0;
    MibTableRow rows[5] = {};
    for (int i = 0; i < 4; ++i) {
        const uint8_t column = in.Byte();
        const int type = kItemTypes[column % std::size(kItemTypes)];
        int access = column & 0x80 ? acReadOnly : acNotAccess;
        if (i >= keyCount)
            access = acReadWrite;
        else if (column & 0x40)
            access |= acImplied;
        const bool enumerated = type == itInteger && (column & 0x20);
        rows[i] = {i < keyCount && !(column & 0x80) ? " " : kColumns[i], "column", type, access,
                   enumerated ? &kStates : nullptr};
    }
    VqSNMPRequest request;
    request.VarList = VqSNMPVarList(rows, kind, keyCount);
    request.VarList.Instance = kind == MVT_SV ? "1" : "";

    bool first = true;
    for (int step = 0; step < 8 && !in.Empty(); ++step) {
        std::vector<SnmpVarBind> sent;
        try {
            sent = request.BuildPdu(first ? VqPduMode::FirstRead : VqPduMode::NextRead);
        } catch (const VqException&) {
            return 0;
        }
        SnmpReply reply;
        int status = kStatuses[in.Byte() % std::size(kStatuses)];
        const uint8_t source = in.Byte();
        if (source & 1) {
            const uint8_t errorStatus = in.Byte();
            const uint8_t errorIndex = in.Byte();
            const size_t length = in.Byte() | size_t{in.Byte()} << 8;
            const std::string pdu = ResponsePdu(errorStatus, errorIndex, in.Bytes(length));
            status = SnmpAdapter::DecodeResponsePdu(pdu, reply);
            if (status == kSnmpInvalidPdu)
                return 0; // not a reply the library would hand on
            if (status < 0 || status > 19)
                __builtin_trap(); // an agent's error status reads as one of a reply's, never as another
                                  // status
        } else {
            reply.ErrorIndex = static_cast<int8_t>(in.Byte());
            const int more = in.Byte() % 3 - 1; // one fewer binding than sent, as many, one more
            const size_t count = more < 0 && !sent.empty() ? sent.size() - 1 : sent.size() + (more > 0);
            for (size_t k = 0; k < count; ++k)
                reply.VarBinds.push_back(ArbitraryBinding(in, k < sent.size() ? sent[k].Oid : SnmpOid()));
        }

        std::vector<std::string> before;
        for (int i = 0; i < request.VarList.GetCount(); ++i)
            before.push_back(request.VarList.GetVariable(i).ValueText);
        const VqSNMPError error = request.ReadReply(status, reply, sent, true);
        if (error.Code > 0 || error.Code < -530)
            __builtin_trap();
        if (error.ErrorIndex < 0 || static_cast<size_t>(error.ErrorIndex) > sent.size())
            __builtin_trap();
        if (error.Code == -529 || error.Code == -530) {
            for (int i = 0; i < request.VarList.GetCount(); ++i)
                if (request.VarList.GetVariable(i).ValueText != before[static_cast<size_t>(i)])
                    __builtin_trap();
        }
        if (!error.Finished && kind >= MVT_FMV) {
            // The walk goes on only when every column that continued went past what it asked.
            for (size_t k = 0; k < sent.size() && k < reply.VarBinds.size(); ++k)
                if (!reply.VarBinds[k].Value.IsException() && reply.VarBinds[k].Oid <= sent[k].Oid)
                    __builtin_trap();
        }
        if (error.Finished || error.Code != 0)
            return 0;
        first = false;
    }
    return 0;
}
