// The simulated switch of the SSL and RPC portmapper dialogs' tests and pictures: the SSL scalars
// (enabled, cipher suites E0, cache time-out 600) and the portmapper filter's port list (ports
// 1:2 and 1:8 on), 48 octets on a stacking switch and 8 on a stand-alone one.
#pragma once

#include <string>

namespace security_scalars {

inline const std::string kSsl = "1.3.6.1.4.1.746.12.7.1";
inline const std::string kSslState = kSsl + ".1.0";
inline const std::string kSslCipherSuites = kSsl + ".2.0";
inline const std::string kSslCacheTimeout = kSsl + ".3.0";
inline const std::string kPortMapper = "1.3.6.1.4.1.746.12.37.6.1";
inline const std::string kEnabledPorts = kPortMapper + ".0";

// `cipher`: the suites' bit string as hex.
inline std::string Scenario(bool stacking = false, const std::string& cipher = "E0") {
    const std::string ports = "41" + std::string(stacking ? 94 : 14, '0');
    return std::string(R"({"stack_mode": ")") + (stacking ? "enabled" : "disabled") + R"(", "objects": [
        [")" +
           kSslState + R"(", "int", 3, "rw"], [")" + kSslCipherSuites + R"(", "hex", ")" + cipher +
           R"(", "rw"],
        [")" +
           kSslCacheTimeout + R"(", "gauge", 600, "rw"],
        [")" +
           kEnabledPorts + R"(", "hex", ")" + ports + R"(", "rw"]]})";
}

} // namespace security_scalars
