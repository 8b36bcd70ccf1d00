// Targets and bindings the value core's tests send with.
#pragma once

#include "SimTypes.h"
#include "SnmpAdapter.h"

#include <string>
#include <vector>

// A v1/v2c target at address:port with the simulated switch's communities; `timeout` in units
// of 10 ms.
inline SnmpTarget TargetAt(const std::string& address, int port, int version = 1, int timeout = 10) {
    SnmpTarget target;
    target.Address = address;
    target.Port = static_cast<uint16_t>(port);
    target.Version = version;
    target.Timeout = timeout;
    target.ReadCommunity = SimCredentials::kReadCommunity;
    target.WriteCommunity = SimCredentials::kWriteCommunity;
    target.SecurityName = SimCredentials::kUserNoAuth;
    return target;
}

// An SNMPv3 target of one of the agents' users at `level` with the protocols given.
inline SnmpTarget V3TargetAt(const std::string& address, int port, const char* user, int level, int auth,
                             int priv) {
    SnmpTarget target = TargetAt(address, port, 3, 100);
    target.SecurityModel = kSecurityModelUsm;
    target.SecurityName = user;
    target.SecurityLevel = level;
    target.AuthProtocol = auth;
    target.AuthPassword = SimCredentials::kAuthPassword;
    target.PrivProtocol = priv;
    target.PrivPassword = SimCredentials::kPrivPassword;
    return target;
}

inline SnmpVarBind Binding(const char* oid, SnmpValue value = {}) {
    return {*SnmpOid::Parse(oid), value};
}

// sysContact.0: one binding to read.
inline const std::vector<SnmpVarBind> kSysContact = {Binding("1.3.6.1.2.1.1.4.0")};
