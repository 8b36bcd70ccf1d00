// Values, SET-log records and credentials of the simulated agents (sim/), as the test fixtures
// hand them over. Values keep the simulator's own .snmprec text form, so a test compares them
// with what it put into a scenario without any SNMP library in between.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// One value in the simulator's canonical form.
//   Tag  "2" Integer32, "4x" OCTET STRING, "5" NULL, "6" OBJECT IDENTIFIER, "64" IpAddress,
//        "65" Counter32, "66" Gauge32, "67" TimeTicks, "68x" Opaque, "70" Counter64
//   Text integers in decimal, octets as upper-case hex (two digits per octet), OIDs and
//        IpAddresses dotted, "" for NULL
struct SimValue {
    std::string Tag;
    std::string Text;

    static SimValue Int(int64_t value) { return {"2", std::to_string(value)}; }
    static SimValue Octets(std::string_view bytes);
    static SimValue Oid(std::string_view dotted) { return {"6", std::string(dotted)}; }

    // The octets of an octet-string value (its Text decoded from hex).
    std::string Bytes() const;

    bool operator==(const SimValue&) const = default;
};

struct SimVarBind {
    std::string Oid; // dotted, no leading dot
    SimValue Value;

    bool operator==(const SimVarBind&) const = default;
};

// One SET PDU as the simulated switch received and answered it.
struct SimSetPdu {
    std::string Status;    // error-status as sent: "noError", "wrongType", ...; SNMPv1 names for v1
                           // ("badValue", "noSuchName"); "dropped" when no reply was sent
    int ErrorIndex = 0;    // 1-based varbind index as sent; 0 with noError
    std::string Version;   // "v1", "v2c" or "v3"
    std::string Principal; // the community (v1, v2c) or the user name (v3)
    std::vector<SimVarBind> VarBinds; // as requested, in order

    bool operator==(const SimSetPdu&) const = default;
};

// Which requests a delay or an injected error applies to.
enum class SimOp { Any, Get, Next, Set };

// Credentials both simulated agents accept. Every v3 user has the same passwords.
namespace SimCredentials {
inline constexpr const char* kReadCommunity = "tamber";
inline constexpr const char* kWriteCommunity = "quindle";
inline constexpr const char* kContext = "tamber"; // the empty context reaches the same store
inline constexpr const char* kAuthPassword = "tamber-auth-key";
inline constexpr const char* kPrivPassword = "quindle-priv-key";
inline constexpr const char* kUserNoAuth = "zqs-noauth";  // noAuthNoPriv
inline constexpr const char* kUserMd5 = "zqs-md5";        // authNoPriv, MD5
inline constexpr const char* kUserSha = "zqs-sha";        // authNoPriv, SHA
inline constexpr const char* kUserMd5Des = "zqs-md5-des"; // authPriv, MD5 and DES
inline constexpr const char* kUserShaAes = "zqs-sha-aes"; // authPriv, SHA and AES-128
} // namespace SimCredentials
