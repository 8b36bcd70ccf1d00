// net-snmp's snmpd as a reference agent for the SNMPv3 cases the simulated switch cannot show:
// snmpsim drops a request with wrong credentials silently, while snmpd answers a wrong
// authentication password or an unknown user with a USM report.
//
// It knows the v3 users and passwords of SimTypes.h (each with read access at its own security
// level), the read community, and sysObjectID 1.3.6.1.4.1.746.10.117.2.1; it holds no switch data.
#pragma once

#include "AgentProcess.h"

class SnmpdAgent : public AgentProcess {
public:
    explicit SnmpdAgent(AgentOptions options = {}) : AgentProcess(WithKind(std::move(options), "snmpd")) {}

    // The snmpd of this test executable, started on first use and stopped at exit.
    static SnmpdAgent& Shared() { return SharedAgent<SnmpdAgent>(); }
};
