// Targets at a loopback port that never answers (SilentPort of the test support): time-outs
// without an agent.
#pragma once

#include "SilentPort.h"
#include "SnmpAdapter.h"

#include <vector>

// A target at the silent port; `timeout` in units of 10 ms.
inline SnmpTarget SilentTarget(const SilentPort& port, int version = 1, int timeout = 10) {
    SnmpTarget target;
    target.Address = port.Address();
    target.Port = static_cast<uint16_t>(port.Port());
    target.Version = version;
    target.Timeout = timeout;
    target.ReadCommunity = "public";
    target.WriteCommunity = "private";
    target.SecurityName = "user";
    return target;
}

// sysContact.0: one binding to read.
inline const std::vector<SnmpVarBind> kSysContact = {{*SnmpOid::Parse("1.3.6.1.2.1.1.4.0"), {}}};
